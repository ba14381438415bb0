#include "engine/TNervoSpeed.h"

#include <algorithm>

namespace {
constexpr double ClockSecondsPerDay = 100000.0;
constexpr float FollowRate = 0.2f;
constexpr float MaxStepChange = 3.0f;
} // namespace

void TNervoSpeed::KeyStroke(double Now) {
    if (FPrevKeyTime == 0) {
        FPrevKeyTime = Now;
        return;
    }
    FRingIndex = (FRingIndex + 1) % RingSize;
    if (FRingCount < RingSize) ++FRingCount;
    FIntervals[FRingIndex] = static_cast<float>((Now - FPrevKeyTime) * ClockSecondsPerDay);
    FPrevKeyTime = Now;
    // Summed afresh rather than kept by adding and subtracting, so that one
    // long pause leaves no rounding residue once it has left the ring.
    FRingSum = 0;
    for (int I = 0; I < FRingCount; ++I)
        FRingSum += FIntervals[I];
}

void TNervoSpeed::Start(double Now) {
    if (FPrevKeyTime == 0) FPrevKeyTime = Now;
}

double TNervoSpeed::AverageInterval() const {
    return FRingCount > 0 ? static_cast<double>(FRingSum) / FRingCount : MinValue;
}

float TNervoSpeed::Target(double AverageInterval, double SinceLastKey) {
    if (SinceLastKey > 2 * AverageInterval) AverageInterval = 0;
    if (AverageInterval == 0) return 0;
    return static_cast<float>(60.0 / AverageInterval);
}

TNervoSpeed::TMove TNervoSpeed::Follow(float Value, float LastStep, float Target) {
    float Step = (Target - Value) * FollowRate;
    Step = std::clamp(Step, LastStep - MaxStepChange, LastStep + MaxStepChange);
    const float Moved = Value + Step;
    const float Kept =
        std::clamp(Moved, static_cast<float>(MinValue), static_cast<float>(MaxValue));
    // At the ends of the scale only the change really made is remembered, so
    // that a speed beyond the scale does not build up a step that would keep
    // the line pinned there after the learner has stopped.
    return {Kept, Kept == Moved ? Step : Kept - Value};
}

float TNervoSpeed::Tick(double Now) {
    const double Since = FPrevKeyTime > 0 ? (Now - FPrevKeyTime) * ClockSecondsPerDay : 0;
    const TMove Move = Follow(FValue, FLastStep, Target(AverageInterval(), Since));
    FValue = Move.Value;
    FLastStep = Move.Step;
    return FValue;
}
