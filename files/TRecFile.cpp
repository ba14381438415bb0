#include "files/TRecFile.h"

#include "files/RecordItems.h"

#include "platform/FileNames.h"
#include "platform/SharedFile.h"

#include <algorithm>
#include <cstring>
#include <limits>
#include <vector>

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

int32_t TRecFile::ReadBlock(void* Bytes, int32_t Count) {
    ReadBytes(Bytes, Count);
    return Status;
}

int32_t TRecFile::ReadWords(uint16_t* Words, int32_t Count) {
    if (Status != fsOk) return Status;
    const size_t N = size_t(std::max(Count, 0));
    std::vector<unsigned char> Raw(N * 2);
    if (ReadBytes(Raw.data(), int32_t(Raw.size())))
        for (size_t I = 0; I < N; ++I)
            Words[I] = RecordItems::Word(&Raw[2 * I]);
    return Status;
}

int32_t TRecFile::ReadInt16(int32_t& Value) {
    unsigned char Raw[2];
    if (ReadBytes(Raw, 2)) Value = RecordItems::Int16(Raw);
    return Status;
}

int32_t TRecFile::ReadInt32(int32_t& Value) {
    unsigned char Raw[4];
    if (ReadBytes(Raw, 4)) Value = RecordItems::Int32(Raw);
    return Status;
}

int32_t TRecFile::ReadString(std::string& Value) {
    unsigned char Raw[ShortStringSlot];
    if (ReadBytes(Raw, int32_t(ShortStringSlot))) Value = RecordItems::ShortString(Raw);
    return Status;
}

int32_t TRecFile::WriteBytes(const void* Bytes, size_t Count) {
    if (Status != fsOk && Status != fsEnd) return Status;
    if (Count == 0) return Status;
    if (FHandle.Write(Bytes, Count) != static_cast<long long>(Count)) Status = fsWriteFailed;
    return Status;
}

int32_t TRecFile::WriteBlock(const void* Bytes, int32_t Count) {
    return WriteBytes(Bytes, size_t(std::max(Count, 0)));
}

int32_t TRecFile::WriteWords(const uint16_t* Words, int32_t Count) {
    const size_t N = size_t(std::max(Count, 0));
    std::vector<unsigned char> Raw(N * 2);
    for (size_t I = 0; I < N; ++I)
        RecordItems::PutWord(&Raw[2 * I], Words[I]);
    return WriteBytes(Raw.data(), Raw.size());
}

int32_t TRecFile::WriteInt16(int32_t Value) {
    unsigned char Raw[2];
    RecordItems::PutInt16(Raw, Value);
    return WriteBytes(Raw, 2);
}

int32_t TRecFile::WriteInt32(int32_t Value) {
    unsigned char Raw[4];
    RecordItems::PutInt32(Raw, Value);
    return WriteBytes(Raw, 4);
}

int32_t TRecFile::WriteString(const std::string& Value) {
    unsigned char Raw[ShortStringSlot];
    RecordItems::PutShortString(Raw, Value);
    return WriteBytes(Raw, sizeof Raw);
}

std::unique_ptr<TMappedView> TRecFile::MapRecords(int32_t Count, int32_t RecordSize) const {
    if (Status != fsOk || Count <= 0 || RecordSize <= 0 || Count > RecordCount(RecordSize))
        return nullptr;
    auto View = std::make_unique<TMappedView>(FHandle.Handle(), size_t(Count) * size_t(RecordSize));
    if (!View->Valid()) return nullptr;
    return View;
}
