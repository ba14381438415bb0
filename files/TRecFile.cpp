#include "files/TRecFile.h"

#include "files/TFileDevice.h"
#include "platform/FileNames.h"
#include "platform/SharedFile.h"

#include <algorithm>
#include <cstring>
#include <limits>
#include <unistd.h>

int32_t TRecFile::Open(const std::string& Name, int Mode, int Share) {
    if (!BeginOpen(Name)) return Status;
    if (Mode == rmCreate) {
        if (FHandle.Create(Name, TFileShare::DenyAll) != 0) return Refused();
    } else {
        if (!FileExists(Name)) {
            Status = fsNotFound;
            return Status;
        }
        TFileAccess Access = TFileAccess::ReadWrite;
        TFileShare Sharing = TFileShare::DenyNone;
        if (Share == rsReadDenyWrite) {
            Access = TFileAccess::Read;
            Sharing = TFileShare::DenyWrite;
        } else if (Share == rsExclusive) {
            Sharing = TFileShare::DenyAll;
        }
        if (FHandle.Open(Name, Access, Sharing) != 0) return Refused();
    }
    const int64_t Length = FHandle.Length();
    if (Length < 0) {
        FHandle.Close();
        return Refused();
    }
    Status = fsOk;
    Size = int32_t(std::min<int64_t>(Length, std::numeric_limits<int32_t>::max()));
    Position = 0;
    return Status;
}

int32_t TRecFile::SeekRecord(int32_t Index, int32_t RecordSize) {
    const int64_t Offset = int64_t(Index) * RecordSize;
    if (Offset < 0 || Offset > std::numeric_limits<int32_t>::max() || !FHandle.Seek(Offset))
        return -1;
    Position = int32_t(Offset);
    return 1;
}

int32_t TRecFile::RecordCount(int32_t RecordSize) const {
    return RecordSize > 0 && Size > 0 ? Size / RecordSize : 0;
}

bool TRecFile::IsWholeRecords(int32_t RecordSize) const {
    return RecordSize > 0 && Size >= 0 && Size % RecordSize == 0;
}

bool TRecFile::ReadBytes(void* Bytes, int32_t Count) {
    if (Status != fsOk) return false;
    const size_t Wanted = size_t(std::max(Count, 0));
    Position = Advanced(Position, int64_t(Wanted));
    const long long Got = FHandle.Read(Bytes, Wanted);
    if (Got < 0) {
        Status = fsReadFailed;
        return false;
    }
    if (size_t(Got) < Wanted) {
        Status = fsEnd;
        return false;
    }
    return true;
}

int32_t TRecFile::WriteBytes(const void* Bytes, size_t Count) {
    if (Status != fsOk && Status != fsEnd) return Status;
    if (Count == 0) return Status;
    if (FileDevice().Write(FHandle, Bytes, Count) != static_cast<long long>(Count))
        Status = fsWriteFailed;
    return Status;
}

int32_t TRecFile::Truncate(int32_t Length) {
    if (!FHandle.IsOpen() || Length < 0 || ftruncate(FHandle.Handle(), off_t(Length)) != 0)
        return fsWriteFailed;
    Size = std::min(Size, Length);
    return 1;
}

std::unique_ptr<TMappedView> TRecFile::MapRecords(int32_t Count, int32_t RecordSize) const {
    if (Status != fsOk || Count <= 0 || RecordSize <= 0 || Count > RecordCount(RecordSize))
        return nullptr;
    auto View = std::make_unique<TMappedView>(FHandle.Handle(), size_t(Count) * size_t(RecordSize));
    if (!View->Valid()) return nullptr;
    return View;
}
