// One record in memory, read and written with the same items and the same
// status rules as a record file (TRecFile): reads happen only while Status is
// 1 and a read that runs past the bytes held sets 0 and leaves its value
// alone; writes happen while Status is 1 or 0.
//
// A user record is put together here item by item and reaches the disk in a
// single write, so a program killed in the middle of a save never leaves a
// record half old and half new across dozens of small writes; and a record
// that came from disk in one read is taken apart here with exactly the
// results that reading it item by item from the file would give.
#pragma once

#include "files/TRecordFields.h"

#include <cstdint>
#include <string>
#include <vector>

// Integers of the program are wider than the 16 bits a record gives them;
// beyond that range they are stored as the nearest value that fits rather
// than wrapping round into nonsense.
inline int32_t ClampInt16(int64_t Value) {
    return Value < -32768 ? -32768 : Value > 32767 ? 32767 : int32_t(Value);
}

class TRecordBuffer : public TRecordFields<TRecordBuffer> {
public:
    // An empty buffer to write into.
    TRecordBuffer() = default;
    // A buffer to read: the bytes that came from the file and the status the
    // file had after reading them (1, or 0 when fewer came than asked).
    TRecordBuffer(const void* Bytes, size_t Count, int32_t FileStatus = 1);

    // The typed items (ReadInt16, WriteString...) come from TRecordFields.

    const std::vector<unsigned char>& Bytes() const { return FBytes; }

    int32_t Status = 1;
    int32_t Position = 0;

private:
    friend class TRecordFields<TRecordBuffer>;
    bool ReadBytes(void* Bytes, int32_t Count);
    int32_t WriteBytes(const void* Bytes, size_t Count);

    std::vector<unsigned char> FBytes;
};
