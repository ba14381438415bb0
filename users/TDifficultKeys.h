// How often the learner typed each printable character and how often wrongly,
// over a fading window of about the last forty strokes of that key, and from
// that a difficulty figure per key and a ranking of the most difficult keys.
//
// The program keeps one table, shared by everybody (DifficultKeys below): the
// typing events and the analysis report strokes to it, the statistics and
// the revision pages read it, and the current user's record loads and saves
// it. Codes 0..32 (the space and the control characters) are never counted.
//
// In the user record the table takes 1338 bytes: the total strokes, the
// weighted strokes and the weighted errors, each 223 little-endian 16-bit
// integers for the codes 33 to 255 in order.
#pragma once

#include "users/TRecordBuffer.h"

#include <array>
#include <cstdint>
#include <string>

class TDifficultKeys {
public:
    static constexpr int FirstCode = 33;
    static constexpr int LastCode = 255;
    static constexpr int CodeCount = LastCode - FirstCode + 1; // 223
    // Totals are kept at or below the cap; passing it sets them back.
    static constexpr int32_t TotalCap = 29000;
    static constexpr int32_t TotalAfterCap = 25000;
    // Strokes that replace the window entirely in one merge.
    static constexpr int32_t WindowStrokes = 40;
    // Keys with fewer strokes in all have no difficulty yet.
    static constexpr int32_t MinStrokes = 15;

    // One stroke of the key that should have been typed; codes below 33 are
    // ignored.
    void RecordKey(unsigned char Key, bool Error);
    // Folds the pending strokes of every key into its window: the old window
    // fades by 1 - a/40 for a new strokes (gone at 40 or more), rounded to
    // the nearest whole stroke, halves to even.
    void Merge();
    // Limits the ranking to these keys; empty means all keys.
    void SetStudiedKeys(const std::string& Keys);
    const std::string& StudiedKeys() const { return FStudiedKeys; }

    // Four times the error percentage in the window, for letters, comma and
    // full stop with at least 15 strokes in all; 0 for every other key.
    double Difficulty(int Key) const;
    // The code of the key at rank 1..223 (most difficult first), 0 when no
    // key stands there.
    int KeyAtRank(int Rank);
    double DifficultyAtRank(int Rank);
    // 4 - 0.04 x the top key's difficulty, within 0..4: 4 = no difficult key.
    double DifficultyGrade();

    // Merge, then the stored form at the file's position (values beyond the
    // 16-bit range stored as the nearest that fits). File is a TRecFile or a
    // TRecordBuffer; returns its status.
    template <class TRecordIO> int32_t SaveTo(TRecordIO& File);
    // The stored form from the file's position; the pending strokes stay.
    // Arrays that could not be read keep their values. Returns the status.
    template <class TRecordIO> int32_t LoadFrom(TRecordIO& File);

    int32_t PendingStrokes(int Key) const { return Valid(Key) ? FPendingStrokes[Key] : 0; }
    int32_t PendingErrors(int Key) const { return Valid(Key) ? FPendingErrors[Key] : 0; }
    int32_t TotalStrokes(int Key) const { return Valid(Key) ? FTotalStrokes[Key] : 0; }
    int32_t WeightedStrokes(int Key) const { return Valid(Key) ? FWeightedStrokes[Key] : 0; }
    int32_t WeightedErrors(int Key) const { return Valid(Key) ? FWeightedErrors[Key] : 0; }
    // Sets the stored counts of one key (statistics brought in from outside).
    void SetCounts(int Key, int32_t Total, int32_t Weighted, int32_t Errors);

private:
    using TCounts = std::array<int32_t, LastCode + 1>; // indexed by code; 0..32 unused

    static bool Valid(int Key) { return Key >= FirstCode && Key <= LastCode; }
    void BuildRanking();
    void StoreWords(const TCounts& Counts, uint16_t* Words) const;
    void LoadWords(const uint16_t* Words, TCounts& Counts);

    TCounts FPendingStrokes{};
    TCounts FPendingErrors{};
    TCounts FTotalStrokes{};
    TCounts FWeightedStrokes{};
    TCounts FWeightedErrors{};
    std::string FStudiedKeys;
    bool FFilterActive = false;
    std::array<unsigned char, CodeCount + 1> FRanking{}; // positions 1..223; 0 = no key
    bool FRankingValid = false;
};

template <class TRecordIO> int32_t TDifficultKeys::SaveTo(TRecordIO& File) {
    Merge();
    uint16_t Words[CodeCount];
    for (const TCounts* Counts : {&FTotalStrokes, &FWeightedStrokes, &FWeightedErrors}) {
        StoreWords(*Counts, Words);
        File.WriteWords(Words, CodeCount);
    }
    return File.Status;
}

template <class TRecordIO> int32_t TDifficultKeys::LoadFrom(TRecordIO& File) {
    FRankingValid = false;
    uint16_t Words[CodeCount];
    for (TCounts* Counts : {&FTotalStrokes, &FWeightedStrokes, &FWeightedErrors})
        if (File.ReadWords(Words, CodeCount) == 1) LoadWords(Words, *Counts);
    return File.Status;
}

// The program's one table, made at start-up before anyone logs in and kept
// to the end. Null until CreateDifficultKeys.
extern TDifficultKeys* DifficultKeys;
void CreateDifficultKeys();
void FreeDifficultKeys();
