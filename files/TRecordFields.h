// The typed items of a record, read and written the same way wherever the
// record lies: on disk (TRecFile) or in memory (TRecordBuffer). Integers are
// little-endian, short strings lie in 256-byte slots (see RecordItems.h).
//
// A class takes the items by deriving from TRecordFields<itself> and giving
// it two operations and a Status:
//     bool ReadBytes(void* Bytes, int32_t Count);
//         only while Status is 1: adds Count to Position, takes the bytes
//         and returns true; when fewer came it keeps those, sets 0 (or a
//         failure status) and returns false.
//     int32_t WriteBytes(const void* Bytes, size_t Count);
//         only while Status is 1 or 0: puts the bytes after the others and
//         returns Status (-5 when they did not all go).
// A failed read leaves the item's value as it was.
#pragma once

#include "files/RecordItems.h"

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

template <class TDerived> class TRecordFields {
public:
    int32_t ReadBlock(void* Bytes, int32_t Count) {
        Self().ReadBytes(Bytes, Count);
        return Self().Status;
    }
    int32_t ReadWords(uint16_t* Words, int32_t Count) {
        if (Self().Status != fsOk) return Self().Status;
        const size_t N = size_t(std::max(Count, 0));
        std::vector<unsigned char> Raw(N * 2);
        if (Self().ReadBytes(Raw.data(), int32_t(Raw.size())))
            for (size_t I = 0; I < N; ++I)
                Words[I] = RecordItems::Word(&Raw[2 * I]);
        return Self().Status;
    }
    int32_t ReadInt16(int32_t& Value) {
        unsigned char Raw[2];
        if (Self().ReadBytes(Raw, 2)) Value = RecordItems::Int16(Raw);
        return Self().Status;
    }
    int32_t ReadInt32(int32_t& Value) {
        unsigned char Raw[4];
        if (Self().ReadBytes(Raw, 4)) Value = RecordItems::Int32(Raw);
        return Self().Status;
    }
    int32_t ReadString(std::string& Value) {
        unsigned char Raw[ShortStringSlot];
        if (Self().ReadBytes(Raw, int32_t(ShortStringSlot))) Value = RecordItems::ShortString(Raw);
        return Self().Status;
    }

    int32_t WriteBlock(const void* Bytes, int32_t Count) {
        return Self().WriteBytes(Bytes, size_t(std::max(Count, 0)));
    }
    int32_t WriteWords(const uint16_t* Words, int32_t Count) {
        const size_t N = size_t(std::max(Count, 0));
        std::vector<unsigned char> Raw(N * 2);
        for (size_t I = 0; I < N; ++I)
            RecordItems::PutWord(&Raw[2 * I], Words[I]);
        return Self().WriteBytes(Raw.data(), Raw.size());
    }
    // The low 16 bits.
    int32_t WriteInt16(int32_t Value) {
        unsigned char Raw[2];
        RecordItems::PutInt16(Raw, Value);
        return Self().WriteBytes(Raw, 2);
    }
    int32_t WriteInt32(int32_t Value) {
        unsigned char Raw[4];
        RecordItems::PutInt32(Raw, Value);
        return Self().WriteBytes(Raw, 4);
    }
    // 255 characters at most, always 256 bytes.
    int32_t WriteString(const std::string& Value) {
        unsigned char Raw[ShortStringSlot];
        RecordItems::PutShortString(Raw, Value);
        return Self().WriteBytes(Raw, sizeof Raw);
    }

private:
    TDerived& Self() { return static_cast<TDerived&>(*this); }
};
