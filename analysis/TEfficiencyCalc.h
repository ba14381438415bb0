// Speed, accuracy and efficiency of a text typing run, and their grades.
//
// The text event adds every finished word with AddWord and sets the time
// from the first to the last key with SetElapsed. Times are clock seconds
// (1/100000 of a day).
//
//   Speed       model keys per minute of Elapsed, rounded; grade
//               (Speed - 30) / 60: 1 at 90, 2 at 150, 3 at 210, 4 at 270.
//   Accuracy    score 0..100 from the share p of model characters typed
//               right: (p - 90) x 10, so 100 % scores 100 and 90 % or less 0;
//               grade through (0, 0), (60, 1), (85, 2), (95, 3), (100, 4).
//   Efficiency  the harmonic mean of the two grades above, in percent of 4;
//               grade Efficiency / 25.
//
// Grades are clamped to 0..4 and come out as exact whole numbers at their
// break points; rounding is to the nearest integer, halves to even.
#pragma once

#include <cstdint>

class TEfficiencyCalc {
public:
    // All counters 0.
    void Reset();

    // One finished word: Passed model characters left behind, the word's
    // ErrorPercent against the model word it matched, and that word's
    // length. KeysRequired grows by Passed + 1 (the space or Enter),
    // TextChars by Passed, CorrectChars by (100 - ErrorPercent) % of
    // MatchedLength (an error percentage is taken within 0..100).
    void AddWord(int32_t Passed, int32_t ErrorPercent, int32_t MatchedLength);
    void SetElapsed(int32_t ClockSeconds) { FElapsed = ClockSeconds; }

    int32_t KeysRequired() const { return FKeysRequired; }
    int32_t TextChars() const { return FTextChars; }
    double CorrectChars() const { return double(FCorrectHundredths) / 100.0; }
    int32_t Elapsed() const { return FElapsed; }

    int32_t Speed() const;
    float SpeedGrade() const;
    float Accuracy() const;
    float AccuracyGrade() const;
    int32_t Efficiency() const;
    float EfficiencyGrade() const;

private:
    int32_t FKeysRequired = 0;
    int32_t FTextChars = 0;
    // Correct characters in hundredths, so that the sum stays exact.
    int64_t FCorrectHundredths = 0;
    int32_t FElapsed = 0;
};
