#include "users/TRecordBuffer.h"

#include "files/RecordItems.h"
#include "files/TFile.h"

#include <algorithm>
#include <cstring>

TRecordBuffer::TRecordBuffer(const void* Bytes, size_t Count, int32_t FileStatus)
    : Status(FileStatus == fsOk || FileStatus == fsEnd ? fsOk : FileStatus),
      FBytes(static_cast<const unsigned char*>(Bytes),
             static_cast<const unsigned char*>(Bytes) + Count) {}

const unsigned char* TRecordBuffer::Take(size_t Count) {
    if (Status != fsOk) return nullptr;
    const size_t From = size_t(Position);
    Position += int32_t(Count);
    if (From + Count > FBytes.size()) {
        Status = fsEnd;
        return nullptr;
    }
    return FBytes.data() + From;
}

int32_t TRecordBuffer::ReadBlock(void* Bytes, int32_t Count) {
    const size_t N = size_t(std::max(Count, 0));
    const size_t From = size_t(Position);
    if (const unsigned char* P = Take(N)) {
        std::memcpy(Bytes, P, N);
    } else if (Status == fsEnd && From < FBytes.size()) {
        // As a file does: a short block keeps the bytes that came.
        std::memcpy(Bytes, FBytes.data() + From, FBytes.size() - From);
    }
    return Status;
}

int32_t TRecordBuffer::ReadWords(uint16_t* Words, int32_t Count) {
    const size_t N = size_t(std::max(Count, 0));
    if (const unsigned char* P = Take(N * 2))
        for (size_t I = 0; I < N; ++I)
            Words[I] = RecordItems::Word(P + 2 * I);
    return Status;
}

int32_t TRecordBuffer::ReadInt16(int32_t& Value) {
    if (const unsigned char* P = Take(2)) Value = RecordItems::Int16(P);
    return Status;
}

int32_t TRecordBuffer::ReadInt32(int32_t& Value) {
    if (const unsigned char* P = Take(4)) Value = RecordItems::Int32(P);
    return Status;
}

int32_t TRecordBuffer::ReadString(std::string& Value) {
    if (const unsigned char* P = Take(ShortStringSlot)) Value = RecordItems::ShortString(P);
    return Status;
}

int32_t TRecordBuffer::WriteBlock(const void* Bytes, int32_t Count) {
    if (Status != fsOk && Status != fsEnd) return Status;
    const auto* P = static_cast<const unsigned char*>(Bytes);
    FBytes.insert(FBytes.end(), P, P + std::max(Count, 0));
    return Status;
}

int32_t TRecordBuffer::WriteWords(const uint16_t* Words, int32_t Count) {
    if (Status != fsOk && Status != fsEnd) return Status;
    unsigned char Raw[2];
    for (int32_t I = 0; I < Count; ++I) {
        RecordItems::PutWord(Raw, Words[I]);
        FBytes.insert(FBytes.end(), Raw, Raw + 2);
    }
    return Status;
}

int32_t TRecordBuffer::WriteInt16(int32_t Value) {
    unsigned char Raw[2];
    RecordItems::PutInt16(Raw, Value);
    return WriteBlock(Raw, 2);
}

int32_t TRecordBuffer::WriteInt32(int32_t Value) {
    unsigned char Raw[4];
    RecordItems::PutInt32(Raw, Value);
    return WriteBlock(Raw, 4);
}

int32_t TRecordBuffer::WriteString(const std::string& Value) {
    unsigned char Raw[ShortStringSlot];
    RecordItems::PutShortString(Raw, Value);
    return WriteBlock(Raw, int32_t(sizeof Raw));
}
