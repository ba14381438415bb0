#include "platform/Latin1Case.h"

#include <array>

namespace {

// Capital and small letters of Latin-1 lie 32 apart: A-Z and a-z, and the
// accented letters from 0xC0 on (0xD7 "×" and 0xF7 "÷" are signs, 0xDF "ß"
// has no capital).
constexpr bool IsSmall(unsigned C) {
    return (C >= 'a' && C <= 'z') || (C >= 0xE0 && C <= 0xFE && C != 0xF7);
}
constexpr bool IsCapital(unsigned C) {
    return (C >= 'A' && C <= 'Z') || (C >= 0xC0 && C <= 0xDE && C != 0xD7);
}

constexpr std::array<unsigned char, 256> MakeUpper() {
    std::array<unsigned char, 256> Table{};
    for (unsigned C = 0; C < 256; ++C)
        Table[C] = static_cast<unsigned char>(IsSmall(C) ? C - 32 : C);
    return Table;
}
constexpr std::array<unsigned char, 256> MakeLower() {
    std::array<unsigned char, 256> Table{};
    for (unsigned C = 0; C < 256; ++C)
        Table[C] = static_cast<unsigned char>(IsCapital(C) ? C + 32 : C);
    return Table;
}

constexpr std::array<unsigned char, 256> UpperTable = MakeUpper();
constexpr std::array<unsigned char, 256> LowerTable = MakeLower();

static_assert(UpperTable[0xE4] == 0xC4, "ä has the capital Ä");
static_assert(UpperTable[0xDF] == 0xDF && UpperTable[0xFF] == 0xFF, "ß and ÿ stay");
static_assert(LowerTable[0xD7] == 0xD7 && UpperTable[0xF7] == 0xF7, "× and ÷ are no letters");

} // namespace

namespace Latin1Case {

unsigned char Upper(unsigned char C) {
    return UpperTable[C];
}
unsigned char Lower(unsigned char C) {
    return LowerTable[C];
}

std::string UpperCase(const std::string& S) {
    std::string Result = S;
    for (char& C : Result)
        C = char(UpperTable[static_cast<unsigned char>(C)]);
    return Result;
}

std::string LowerCase(const std::string& S) {
    std::string Result = S;
    for (char& C : Result)
        C = char(LowerTable[static_cast<unsigned char>(C)]);
    return Result;
}

std::string AsciiUpperCase(const std::string& S) {
    std::string Result = S;
    for (char& C : Result)
        if (C >= 'a' && C <= 'z') C = char(C - 32);
    return Result;
}

bool SameUpper(const unsigned char* Chars, size_t Count, const std::string& Upper) {
    if (Count != Upper.size()) return false;
    for (size_t I = 0; I < Count; ++I)
        if (UpperTable[Chars[I]] != static_cast<unsigned char>(Upper[I])) return false;
    return true;
}

int CompareText(const std::string& A, const std::string& B) {
    const size_t Common = A.size() < B.size() ? A.size() : B.size();
    for (size_t I = 0; I < Common; ++I) {
        const int Ca = LowerTable[static_cast<unsigned char>(A[I])];
        const int Cb = LowerTable[static_cast<unsigned char>(B[I])];
        if (Ca != Cb) return Ca - Cb;
    }
    return A.size() < B.size() ? -1 : A.size() > B.size() ? 1 : 0;
}

} // namespace Latin1Case
