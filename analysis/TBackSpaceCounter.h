// The share of backspace presses among the keys of a text typing run.
//
// A key typed right after one or more backspaces is the key the learner had
// to correct, so it goes to the difficult-keys table as typed wrong. The
// backspaces not yet followed by a key are kept across runs.
#pragma once

#include "users/TDifficultKeys.h"

#include <cstdint>

class TBackSpaceCounter {
public:
    // The difficult-keys table that hears of the keys judged here (none: no one).
    explicit TBackSpaceCounter(TDifficultKeys* Table = DifficultKeys) : FDifficultKeys(Table) {}
    static constexpr unsigned char BackSpace = 8;

    int32_t Keys = 0;
    int32_t BackSpaces = 0;
    int32_t PendingBackSpaces = 0;

    // A new run: Keys and BackSpaces back to 0; PendingBackSpaces stays.
    void Reset();
    // One accepted key of a text event: backspace, Enter or a character
    // from 32 to 255.
    void CountKey(unsigned char Key);

    // Backspaces per key in percent; 0 before any key.
    float Percentage() const;
    // 4 without a backspace, 0 at 10 % backspaces or more, linear between.
    float BackSpaceGrade() const;

private:
    TDifficultKeys* FDifficultKeys;
};
