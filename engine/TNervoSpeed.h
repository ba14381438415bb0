// The speed behind the rhythm graph: the last four keystroke intervals and
// the value the graph draws, which follows them smoothly, a tick at a time.
//
// Times are date-times in days (Now()); intervals are kept in clock seconds
// (1/100000 of a day), and speeds are characters per clock minute.
#pragma once

class TNervoSpeed {
public:
    static constexpr int MinValue = 0;
    static constexpr int MaxValue = 300;
    static constexpr int RingSize = 4;

    // A keystroke at Now: the interval since the previous one joins the
    // ring. Before the first keystroke or start there is nothing to measure
    // from, so only the moment is kept.
    void KeyStroke(double Now);
    // The graph starts: when nothing has happened yet, intervals count from
    // Now.
    void Start(double Now);
    // One tick of the chart at Now; returns the new value.
    float Tick(double Now);

    // The speed typing at the average interval gives, given the time since
    // the last keystroke (both in clock seconds): 0 when there is no interval
    // yet or when the learner has paused for more than twice the average.
    static float Target(double AverageInterval, double SinceLastKey);

    struct TMove {
        float Value;
        float Step; // the change actually made
    };
    // Moves Value a fifth of the way towards Target, changing the step by at
    // most 3 from LastStep, and keeps it within the scale.
    static TMove Follow(float Value, float LastStep, float Target);

    float Value() const { return FValue; }
    float LastStep() const { return FLastStep; }
    double PrevKeyTime() const { return FPrevKeyTime; }
    int RingCount() const { return FRingCount; }
    float RingSum() const { return FRingSum; }
    // The mean of the intervals in the ring (MinValue when it is empty).
    double AverageInterval() const;

private:
    double FPrevKeyTime = 0;
    float FValue = MinValue;
    float FLastStep = 0;
    float FIntervals[RingSize] = {};
    int FRingIndex = RingSize - 1; // the slot written last
    int FRingCount = 0;
    float FRingSum = 0;
};
