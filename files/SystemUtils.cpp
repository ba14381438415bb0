#include "files/SystemUtils.h"

#include "platform/KeyboardLanguage.h"

#include <chrono>
#include <utility>

namespace {

struct TLanguage {
    const char* Id;
    const char* Name;
};
const TLanguage Languages[] = {
    {"09", "English"}, {"0B", "Finnish"},   {"13", "Dutch"},     {"0A", "Spanish"},
    {"06", "Danish"},  {"0F", "Icelandic"}, {"14", "Norwegian"}, {"16", "Portuguese"},
    {"0C", "French"},  {"07", "German"},    {"0E", "Hungarian"}, {"10", "Italian"},
    {"1D", "Swedish"}, {"15", "Polish"},
};

// Layouts of a region whose keys differ from those of their language's own
// layout, by the last four digits of the layout name. They come before the
// language table.
const TLanguage RegionalLayouts[] = {
    {"0809", "English (UK)"},
    {"1809", "English (UK)"},
    {"0807", "German (Switzerland)"},
    {"080C", "French (Belgium)"},
    {"0C0C", "French (Canada)"},
    {"0416", "Portuguese (Brazil)"},
    {"080A", "Spanish (Latin America)"},
};

// A permuted congruential generator (PCG32, XSH RR): small, fast and the
// same on every machine.
struct TRandomSource {
    uint64_t State = 0x853C49E6748FEA9BULL;
    bool Fixed = false;

    void Seed(uint64_t Value) {
        State = 0;
        Next();
        State += Value;
        Next();
    }
    uint32_t Next() {
        const uint64_t Old = State;
        State = Old * 6364136223846793005ULL + 1442695040888963407ULL;
        const uint32_t Shifted = uint32_t(((Old >> 18u) ^ Old) >> 27u);
        const uint32_t Rotation = uint32_t(Old >> 59u);
        return (Shifted >> Rotation) | (Shifted << ((32u - Rotation) & 31u));
    }
};
TRandomSource RandomSource;

bool IsCapital(char C) {
    return C >= 'A' && C <= 'Z';
}
bool IsAsciiLetter(char C) {
    return IsCapital(C) || (C >= 'a' && C <= 'z');
}

template <typename TKeep> std::string Filtered(const std::string& S, TKeep Keep) {
    std::string Result;
    for (char C : S)
        if (Keep(C)) Result += C;
    return Result;
}

} // namespace

std::string KeyboardLanguageOf(const std::string& LayoutName) {
    if (LayoutName.size() < 8) return "Not available";
    const std::string Regional = UpperCase(LayoutName.substr(4, 4));
    for (const TLanguage& Layout : RegionalLayouts)
        if (Regional == Layout.Id) return Layout.Name;
    const std::string Id = UpperCase(LayoutName.substr(6, 2));
    for (const TLanguage& Language : Languages)
        if (Id == Language.Id) return Language.Name;
    return "Unknown (" + Id + ")";
}

std::string DetectKeyboardLanguage() {
    return KeyboardLanguageOf(ActiveKeyboardLayoutName());
}

std::string DetectKeyboardNote() {
    const std::string Keyboard = ActiveXkbLayout();
    return XkbLayoutReplaced(Keyboard) ? "No layout for " + Keyboard + ": US keys shown" : "";
}

void Randomize() {
    if (RandomSource.Fixed) return;
    RandomSource.Seed(
        uint64_t(std::chrono::high_resolution_clock::now().time_since_epoch().count()));
}

void FixRandomSeed(uint64_t Seed) {
    RandomSource.Seed(Seed);
    RandomSource.Fixed = true;
}

void ReleaseRandomSeed() {
    RandomSource.Fixed = false;
}

TRandomState SavedRandomState() {
    return {RandomSource.State, RandomSource.Fixed};
}

void RestoreRandomState(const TRandomState& Saved) {
    RandomSource.State = Saved.State;
    RandomSource.Fixed = Saved.Fixed;
}

int Random(int Range) {
    if (Range < 1) return 0;
    // Rejects the few values that would make the low numbers more likely.
    const uint32_t Span = uint32_t(Range);
    const uint32_t Limit = uint32_t(-Span) % Span;
    for (;;) {
        const uint32_t Value = RandomSource.Next();
        if (Value >= Limit) return int(Value % Span);
    }
}

void Shuffle(TStringList& List) {
    const int Count = int(List.size());
    if (Count < 2) return;
    Randomize();
    for (int I = 0; I <= Count - 2; ++I)
        std::swap(List[size_t(I)], List[size_t(Random(Count - 1))]);
}

float Interpolate(float ToHigh, float ToLow, float FromHigh, float FromLow, float X) {
    const float FromSpan = FromHigh - FromLow;
    if (FromSpan == 0.0f) return ToLow;
    return ToLow + (ToHigh - ToLow) / FromSpan * (X - FromLow);
}

char UpCaseChar(char C) {
    return UpperCase(std::string(1, C))[0];
}

std::string CapitalizeWords(const std::string& S, const std::string& Letters) {
    std::string Result = LowerCase(S);
    if (Result.empty()) return Result;
    if (Result[0] >= 'a' && Result[0] <= 'z') Result[0] = UpCaseChar(Result[0]);
    for (size_t I = 1; I + 1 < Result.size(); ++I) {
        if (Result[I - 1] != ' ') continue;
        const char Capital = UpCaseChar(Result[I]);
        if (Letters.find(Capital) != std::string::npos) Result[I] = Capital;
    }
    return Result;
}

std::string RemoveCapitals(const std::string& S) {
    return Filtered(S, [](char C) { return !IsCapital(C); });
}

std::string KeepCapitals(const std::string& S) {
    return Filtered(S, IsCapital);
}

std::string UniqueChars(const std::string& S) {
    bool Seen[256] = {};
    return Filtered(S, [&Seen](char C) {
        const unsigned char U = static_cast<unsigned char>(C);
        if (Seen[U]) return false;
        Seen[U] = true;
        return true;
    });
}

std::string KeepLetters(const std::string& S) {
    return Filtered(S, IsAsciiLetter);
}

std::string KeepLettersAndPunctuation(const std::string& S) {
    return Filtered(S, [](char C) { return IsAsciiLetter(C) || C == '.' || C == ','; });
}

namespace {
bool IsWordGap(char C) {
    return C == '\t' || C == ' ' || C == '\n' || C == char(0xFF);
}
} // namespace

const char* ReadWord(const char* P, std::string& Word, size_t Capacity) {
    Word.clear();
    if (!P) return nullptr;
    while (*P && IsWordGap(*P))
        ++P;
    for (; *P; ++P) {
        if (*P == '\r') {
            if (Word.empty()) {
                Word = "\r";
                ++P;
            }
            break;
        }
        if (IsWordGap(*P)) break;
        if (Word.size() < Capacity) Word += *P;
    }
    return P;
}
