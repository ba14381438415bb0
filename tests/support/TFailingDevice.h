// A disk that fails, for the tests of what a failed write or sync leaves
// behind. Installed with SetFileDevice (and put back by a TSeamGuard).
#pragma once

#include "files/TFileDevice.h"
#include "platform/SharedFile.h"

#include <cerrno>
#include <cstddef>

class TFailingDevice : public TFileDevice {
public:
    // Takes Bytes bytes in all (-1: any number); the write that goes past
    // them is cut short there, or fails when none are left. After that
    // failure later writes go through again (a passing fault), unless
    // ForGood. With SyncFails, closing a file written to reports a failed
    // sync (the file is closed all the same).
    TFailingDevice(long long Bytes, bool ForGood, bool SyncFails)
        : FLeft(Bytes), FForGood(ForGood), FSyncFails(SyncFails) {}

    long long Write(TSharedFile& File, const void* Data, size_t Count) override {
        if (FFailed && FForGood) return -1;
        size_t Taken = Count;
        if (FLeft >= 0 && !FFailed && static_cast<long long>(Count) > FLeft) {
            Taken = size_t(FLeft);
            FFailed = true;
        }
        if (FLeft >= 0 && !FFailed) FLeft -= static_cast<long long>(Count);
        if (Taken == 0 && Count > 0) return -1;
        FDirty = true;
        return File.Write(Data, Taken);
    }
    int Close(TSharedFile& File) override {
        const int Err = File.Close();
        const bool Fails = FSyncFails && FDirty;
        FDirty = false;
        return Fails ? EIO : Err;
    }

private:
    long long FLeft;
    bool FForGood;
    bool FSyncFails;
    bool FFailed = false;
    bool FDirty = false;
};
