// The bytes of the items of a record: little-endian integers and short
// strings in 256-byte slots. Record files and in-memory records share them.
#pragma once

#include "files/TFile.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <string>

namespace RecordItems {

inline uint16_t Word(const unsigned char* P) {
    return uint16_t(P[0] | (P[1] << 8));
}

inline int32_t Int16(const unsigned char* P) {
    return int16_t(Word(P));
}

inline int32_t Int32(const unsigned char* P) {
    return int32_t(uint32_t(P[0]) | (uint32_t(P[1]) << 8) | (uint32_t(P[2]) << 16) |
                   (uint32_t(P[3]) << 24));
}

// The length byte can never point past the slot: it holds at most 255.
inline std::string ShortString(const unsigned char* Slot) {
    return std::string(reinterpret_cast<const char*>(Slot + 1), Slot[0]);
}

inline void PutWord(unsigned char* P, uint16_t Value) {
    P[0] = static_cast<unsigned char>(Value & 0xFF);
    P[1] = static_cast<unsigned char>(Value >> 8);
}

// The low 16 bits.
inline void PutInt16(unsigned char* P, int32_t Value) {
    PutWord(P, uint16_t(uint32_t(Value)));
}

inline void PutInt32(unsigned char* P, int32_t Value) {
    const uint32_t U = uint32_t(Value);
    for (int I = 0; I < 4; ++I)
        P[I] = static_cast<unsigned char>(U >> (8 * I));
}

// 255 characters at most; the rest of the slot is zero.
inline void PutShortString(unsigned char* Slot, const std::string& Value) {
    std::memset(Slot, 0, ShortStringSlot);
    const size_t Length = std::min(Value.size(), MaxShortString);
    Slot[0] = static_cast<unsigned char>(Length);
    std::memcpy(Slot + 1, Value.data(), Length);
}

} // namespace RecordItems
