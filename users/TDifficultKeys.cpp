#include "users/TDifficultKeys.h"

#include "platform/Rounding.h"

#include <algorithm>
#include <limits>

TDifficultKeys* DifficultKeys = nullptr;

void CreateDifficultKeys() {
    if (!DifficultKeys) DifficultKeys = new TDifficultKeys();
}

void FreeDifficultKeys() {
    delete DifficultKeys;
    DifficultKeys = nullptr;
}

namespace {

// Value x (40 - a) / 40 to the nearest integer, halves to even, worked out
// on integers so that no binary fraction lands beside a half.
int64_t FadedWindow(int64_t Value, int64_t NewStrokes) {
    const int64_t Den = TDifficultKeys::WindowStrokes;
    return RoundedQuotient(Value * (Den - NewStrokes), Den);
}

bool CountsForDifficulty(int Key) {
    return (Key >= 'A' && Key <= 'Z') || (Key >= 'a' && Key <= 'z') || Key == ',' || Key == '.';
}

} // namespace

void TDifficultKeys::RecordKey(unsigned char Key, bool Error) {
    if (!Valid(Key)) return;
    if (FPendingStrokes[Key] == std::numeric_limits<int32_t>::max()) return;
    FPendingStrokes[Key] += 1;
    if (Error) FPendingErrors[Key] += 1;
}

void TDifficultKeys::Merge() {
    for (int Key = FirstCode; Key <= LastCode; ++Key) {
        const int64_t New = FPendingStrokes[Key];
        if (New <= 0) continue;
        const int64_t Keep = std::min<int64_t>(New, WindowStrokes);
        int64_t Total = int64_t(FTotalStrokes[Key]) + New;
        if (Total > TotalCap) Total = TotalAfterCap;
        FTotalStrokes[Key] = Saturated(Total);
        FWeightedStrokes[Key] = Saturated(FadedWindow(FWeightedStrokes[Key], Keep) + New);
        FWeightedErrors[Key] =
            Saturated(FadedWindow(FWeightedErrors[Key], Keep) + FPendingErrors[Key]);
        FPendingStrokes[Key] = 0;
        FPendingErrors[Key] = 0;
    }
    FRankingValid = false;
}

void TDifficultKeys::SetStudiedKeys(const std::string& Keys) {
    FStudiedKeys = Keys;
    FFilterActive = !Keys.empty();
    FRankingValid = false;
}

double TDifficultKeys::Difficulty(int Key) const {
    if (!Valid(Key) || !CountsForDifficulty(Key) || FTotalStrokes[Key] < MinStrokes) return 0;
    if (FWeightedStrokes[Key] <= 0) return 0;
    // 4 x the error percentage.
    return 400.0 * FWeightedErrors[Key] / FWeightedStrokes[Key];
}

void TDifficultKeys::BuildRanking() {
    unsigned char Keys[CodeCount];
    double Figures[CodeCount];
    int Count = 0;
    for (int Key = FirstCode; Key <= LastCode; ++Key) {
        if (FFilterActive && FStudiedKeys.find(char(Key)) == std::string::npos) continue;
        Keys[Count] = static_cast<unsigned char>(Key);
        Figures[Count] = Difficulty(Key);
        ++Count;
    }
    // The exchange sort, swapping only on a strictly greater figure: this
    // fixes the order of equal keys, and the pages rely on that order.
    for (int I = 0; I < Count; ++I)
        for (int J = I + 1; J < Count; ++J)
            if (Figures[J] > Figures[I]) {
                std::swap(Figures[I], Figures[J]);
                std::swap(Keys[I], Keys[J]);
            }
    FRanking.fill(0);
    for (int I = 0; I < Count; ++I)
        FRanking[size_t(I) + 1] = Keys[I];
    FRankingValid = true;
}

int TDifficultKeys::KeyAtRank(int Rank) {
    if (Rank < 1 || Rank > CodeCount) return 0;
    if (!FRankingValid) BuildRanking();
    return FRanking[size_t(Rank)];
}

double TDifficultKeys::DifficultyAtRank(int Rank) {
    return Difficulty(KeyAtRank(Rank));
}

double TDifficultKeys::DifficultyGrade() {
    return std::clamp(4.0 - 0.04 * DifficultyAtRank(1), 0.0, 4.0);
}

void TDifficultKeys::SetCounts(int Key, int32_t Total, int32_t Weighted, int32_t Errors) {
    if (!Valid(Key)) return;
    FTotalStrokes[Key] = Total;
    FWeightedStrokes[Key] = Weighted;
    FWeightedErrors[Key] = Errors;
    FRankingValid = false;
}

void TDifficultKeys::StoreWords(const TCounts& Counts, uint16_t* Words) const {
    for (int Key = FirstCode; Key <= LastCode; ++Key)
        Words[Key - FirstCode] = uint16_t(ClampInt16(Counts[Key]));
}

void TDifficultKeys::LoadWords(const uint16_t* Words, TCounts& Counts) {
    for (int Key = FirstCode; Key <= LastCode; ++Key)
        Counts[Key] = int16_t(Words[Key - FirstCode]);
}
