#include "analysis/TDeviationCalc.h"

void TDeviationCalc::Reset() {
    FRing.fill(0);
    FRingIndex = RingSize;
    FRingCount = 0;
    FRingSum = 0;
    FAverage = 0;
}

void TDeviationCalc::AddInterval(unsigned char Key, float Interval) {
    if (!(Interval >= 0 && Interval <= LongestInterval)) return;
    FRingIndex = FRingIndex % RingSize + 1;
    if (FRingCount < RingSize) FRingCount += 1;
    FRing[FRingIndex] = Interval;
    // The sum of the slots afresh rather than a running sum, so that no
    // rounding piles up over a long run.
    float Sum = 0;
    for (int Slot = 1; Slot <= RingSize; ++Slot)
        Sum += FRing[Slot];
    FRingSum = Sum;
    FAverage = FRingSum / float(FRingCount);
    if (FRingCount == RingSize && Interval >= FAverage * 1.3f + 0.6f && FDifficultKeys)
        FDifficultKeys->RecordKey(Key, true);
}
