// The commentator: one sentence of advice after a text typing run.
//
// It weighs four grades, q0 accuracy, q1 backspace use, q2 the difficult
// keys and q3 speed. The weakest aspect (rank 1; equal grades share a
// rank) gets the advice, provided it is below 3 and its weight q x 0.5 x
// the average grade is below 1.3, in the order accuracy, backspace, single
// keys, speed. Otherwise the commentator praises the speed, or the accuracy
// when that ranks below the speed, or says nothing.
#pragma once

#include "users/TDifficultKeys.h"

#include <string>

class TStudyingTip {
public:
    // The difficult-keys table whose grade the advice weighs (none: the best grade).
    explicit TStudyingTip(TDifficultKeys* Table = DifficultKeys) : FDifficultKeys(Table) {}
    // The sentence for the grades of the analysis objects and the
    // difficult-keys table.
    std::string Comment() const;
    // The sentence for the four grades given.
    static std::string CommentFor(float Accuracy, float BackSpace, float SingleKeys, float Speed);

private:
    TDifficultKeys* FDifficultKeys;
};
