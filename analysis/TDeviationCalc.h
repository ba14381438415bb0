// Finds hesitations before single keys.
//
// The intervals between keystrokes go into a ring of the last ten. Once the
// ring is full, a key that came markedly later than the average (at least
// average x 1.3 + 0.6 clock seconds, the new interval included in the
// average) is one the learner had to look for, and goes to the
// difficult-keys table as typed wrong. Pauses longer than 5 clock seconds
// are breaks, not hesitations, and are left out.
#pragma once

#include "users/TDifficultKeys.h"

#include <array>
#include <cstdint>

class TDeviationCalc {
public:
    // The difficult-keys table that hears of the keys judged here (none: no one).
    explicit TDeviationCalc(TDifficultKeys* Table = DifficultKeys) : FDifficultKeys(Table) {}
    static constexpr int RingSize = 10;
    static constexpr float LongestInterval = 5;

    // An empty ring.
    void Reset();
    // The interval in clock seconds before the key; intervals above 5 (and
    // negative ones, from a clock set back) are ignored.
    void AddInterval(unsigned char Key, float Interval);

    int32_t RingIndex() const { return FRingIndex; }
    int32_t RingCount() const { return FRingCount; }
    float RingSum() const { return FRingSum; }
    float Average() const { return FAverage; }

private:
    TDifficultKeys* FDifficultKeys;
    std::array<float, RingSize + 1> FRing{}; // slots 1..10
    int32_t FRingIndex = RingSize;           // the last slot written
    int32_t FRingCount = 0;
    float FRingSum = 0;
    float FAverage = 0;
};
