// Whole-number arithmetic where the program rounds or must not overflow.
// Rounding a quotient of integers gives what exact arithmetic gives: a
// binary fraction can land just beside a half and round the wrong way.
#pragma once

#include <algorithm>
#include <cstdint>
#include <limits>

// Num / Den to the nearest integer, halves to even (Den > 0; Num of any sign).
inline int64_t RoundedQuotient(int64_t Num, int64_t Den) {
    int64_t Quotient = Num / Den; // toward zero
    int64_t Rest = Num % Den;     // same sign as Num
    if (Rest < 0) {
        Quotient -= 1;
        Rest += Den;
    }
    // Now Num = Quotient x Den + Rest with 0 <= Rest < Den.
    if (2 * Rest > Den || (2 * Rest == Den && (Quotient & 1))) Quotient += 1;
    return Quotient;
}

// The nearest 32-bit value: counters stop at their limit instead of wrapping.
inline int32_t Saturated(int64_t Value) {
    return int32_t(std::clamp<int64_t>(Value, std::numeric_limits<int32_t>::min(),
                                       std::numeric_limits<int32_t>::max()));
}
