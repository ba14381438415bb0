// Compares a typed word with the model word it was meant to be.
//
// The comparison aligns the two words the way a teacher reads them: where
// the learner typed a character too many or too few, swapped two or missed
// two, a gap character ("¤", code 164) is put into the other word so that
// the characters after the slip line up again and are not all counted as
// wrong. Letters a-z and A-Z match each other, at half an error for the
// wrong case. Words are Latin-1 short strings; longer ones are cut to 255
// characters, and no gap ever makes a word longer than that.
#pragma once

#include "users/TDifficultKeys.h"

#include <cstdint>
#include <string>

class TErrorFinder {
public:
    // The difficult-keys table that hears of the keys judged here (none: no one).
    explicit TErrorFinder(TDifficultKeys* Table = DifficultKeys) : FDifficultKeys(Table) {}
    static constexpr unsigned char Gap = 164;
    static constexpr size_t MaxLength = 255;

    // Above this error percentage a typed word is taken as something other
    // than the model word, and its keys teach nothing.
    int32_t Threshold = 50;

    // The error percentage of Typed against Model: 0 for identical words,
    // 100 when one of them is empty; otherwise the errors per model
    // character in percent, rounded to the nearest whole number (halves to
    // even). Words typed much too long can score more than 100.
    int32_t ErrorPercent(const std::string& Model, const std::string& Typed);

    // Hands every key of the aligned words to the difficult-keys table: a
    // matching key as typed right; a model key that was missed or mistyped
    // as typed wrong (spaces are not counted); and an extra key that repeats
    // the key typed just before it (a key that bounced) as typed wrong.
    // Nothing is recorded for a word above the threshold.
    void RecordErrors(const std::string& Model, const std::string& Typed);

    // The alignment itself: the error percentage, with the aligned copies of
    // the two words in AlignedModel and AlignedTyped, equal in length once
    // aligned (identical words and an empty one are left as they are).
    static int32_t Align(const std::string& Model, const std::string& Typed,
                         std::string& AlignedModel, std::string& AlignedTyped);

private:
    TDifficultKeys* FDifficultKeys;
    // Work copies, kept so that judging a word allocates nothing; empty
    // between calls.
    std::string FModel;
    std::string FTyped;
};
