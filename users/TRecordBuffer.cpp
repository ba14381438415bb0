#include "users/TRecordBuffer.h"

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
            Words[I] = uint16_t(P[2 * I] | (P[2 * I + 1] << 8));
    return Status;
}

int32_t TRecordBuffer::ReadInt16(int32_t& Value) {
    if (const unsigned char* P = Take(2)) Value = int16_t(uint16_t(P[0] | (P[1] << 8)));
    return Status;
}

int32_t TRecordBuffer::ReadInt32(int32_t& Value) {
    if (const unsigned char* P = Take(4))
        Value = int32_t(uint32_t(P[0]) | (uint32_t(P[1]) << 8) | (uint32_t(P[2]) << 16) |
                        (uint32_t(P[3]) << 24));
    return Status;
}

int32_t TRecordBuffer::ReadString(std::string& Value) {
    // The length byte can never point past the 256-byte slot.
    if (const unsigned char* P = Take(ShortStringSlot))
        Value.assign(reinterpret_cast<const char*>(P + 1), P[0]);
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
    for (int32_t I = 0; I < Count; ++I) {
        FBytes.push_back(static_cast<unsigned char>(Words[I] & 0xFF));
        FBytes.push_back(static_cast<unsigned char>(Words[I] >> 8));
    }
    return Status;
}

int32_t TRecordBuffer::WriteInt16(int32_t Value) {
    const uint32_t U = uint32_t(Value);
    const unsigned char Raw[2] = {static_cast<unsigned char>(U),
                                  static_cast<unsigned char>(U >> 8)};
    return WriteBlock(Raw, 2);
}

int32_t TRecordBuffer::WriteInt32(int32_t Value) {
    const uint32_t U = uint32_t(Value);
    const unsigned char Raw[4] = {static_cast<unsigned char>(U), static_cast<unsigned char>(U >> 8),
                                  static_cast<unsigned char>(U >> 16),
                                  static_cast<unsigned char>(U >> 24)};
    return WriteBlock(Raw, 4);
}

int32_t TRecordBuffer::WriteString(const std::string& Value) {
    unsigned char Raw[ShortStringSlot] = {};
    const size_t Length = std::min(Value.size(), MaxShortString);
    Raw[0] = static_cast<unsigned char>(Length);
    std::memcpy(Raw + 1, Value.data(), Length);
    return WriteBlock(Raw, int32_t(sizeof Raw));
}
