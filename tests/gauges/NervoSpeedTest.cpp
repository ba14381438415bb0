#include "engine/TNervoSpeed.h"

#include <gtest/gtest.h>

namespace {

constexpr double Start = 45000.0;
constexpr double ClockSecond = 1.0 / 100000.0;
// The chart's timer runs every 100 ms of real time.
constexpr double TickClockSeconds = 0.1 * 100000.0 / 86400.0;

// Plays a learner on a clock counted in clock seconds: keystrokes every
// Interval, the chart ticking in between.
struct TTypist {
    TNervoSpeed Speed;
    double T = 0; // clock seconds since Start
    double NextKey = 0;

    double Day() const { return Start + T * ClockSecond; }
    void Begin() { Speed.Start(Day()); }
    // Types for Duration clock seconds; returns the value after each tick.
    std::vector<float> Type(double Interval, double Duration) {
        std::vector<float> Values;
        const double End = T + Duration;
        while (T + TickClockSeconds <= End) {
            T += TickClockSeconds;
            while (NextKey + Interval <= T) {
                NextKey += Interval;
                Speed.KeyStroke(Start + NextKey * ClockSecond);
            }
            Values.push_back(Speed.Tick(Day()));
        }
        return Values;
    }
    std::vector<float> Pause(double Duration) {
        std::vector<float> Values;
        const double End = T + Duration;
        while (T + TickClockSeconds <= End) {
            T += TickClockSeconds;
            Values.push_back(Speed.Tick(Day()));
        }
        NextKey = T;
        return Values;
    }
};

TEST(NervoSpeed, RingAveragesTheLastFourIntervals) {
    struct TCase {
        std::vector<double> Intervals;
        int Count;
        double Average;
    };
    const TCase Cases[] = {
        {{}, 0, 0},
        {{1}, 1, 1},
        {{1, 2}, 2, 1.5},
        {{1, 2, 3, 4}, 4, 2.5},
        {{1, 2, 3, 4, 5}, 4, 3.5},
        {{1, 2, 3, 4, 5, 6, 7, 8, 9}, 4, 7.5},
        // A long pause leaves the ring without a trace.
        {{5000, 0.25, 0.25, 0.25, 0.25}, 4, 0.25},
    };
    for (const TCase& C : Cases) {
        TNervoSpeed Speed;
        double Day = Start;
        Speed.Start(Day);
        for (double I : C.Intervals) {
            Day += I * ClockSecond;
            Speed.KeyStroke(Day);
        }
        EXPECT_EQ(Speed.RingCount(), C.Count) << C.Intervals.size() << " keystrokes";
        EXPECT_NEAR(Speed.AverageInterval(), C.Average, 1e-4) << C.Intervals.size();
        EXPECT_DOUBLE_EQ(Speed.PrevKeyTime(), Day);
    }
}

TEST(NervoSpeed, FirstKeystrokeBeforeStartOnlyMarksTheMoment) {
    // An interval measured from "no time at all" would be a century long.
    TNervoSpeed Speed;
    Speed.KeyStroke(Start);
    EXPECT_EQ(Speed.RingCount(), 0);
    EXPECT_DOUBLE_EQ(Speed.PrevKeyTime(), Start);
    // Start after that keeps the moment of the keystroke.
    Speed.Start(Start + 5 * ClockSecond);
    EXPECT_DOUBLE_EQ(Speed.PrevKeyTime(), Start);
    Speed.KeyStroke(Start + 0.5 * ClockSecond);
    EXPECT_EQ(Speed.RingCount(), 1);
    EXPECT_NEAR(Speed.AverageInterval(), 0.5, 1e-5);
}

TEST(NervoSpeed, TargetFromAverageAndPause) {
    struct TCase {
        double Average, Since;
        float Target;
    };
    const TCase Cases[] = {
        {0, 0, 0},          // nothing typed yet
        {0.2, 0.1, 300},    // 60 / 0.2
        {0.5, 0, 120},      //
        {0.2, 0.4, 300},    // exactly twice the average is not yet a pause
        {0.2, 0.41, 0},     // the learner has stopped
        {0.05, 0.01, 1200}, // beyond the scale; the value is capped later
    };
    for (const TCase& C : Cases)
        EXPECT_NEAR(TNervoSpeed::Target(C.Average, C.Since), C.Target, 1e-3)
            << C.Average << " " << C.Since;
}

TEST(NervoSpeed, FollowMovesAFifthWithTheStepChangeLimitedToThree) {
    struct TCase {
        float Value, LastStep, Target;
        float NewValue, Step;
    };
    const TCase Cases[] = {
        {200, 0, 210, 202, 2},  // a fifth of the way, within the limit
        {0, 0, 300, 3, 3},      // 60 wanted, 3 allowed
        {3, 3, 300, 9, 6},      // the rise grows by 3 a tick
        {50, -5, 0, 42, -8},    // a fall likewise
        {100, 10, 100, 107, 7}, // at the target, the old rise still fades by 3
        {299, 6, 300, 300, 1},  // capped at the top; the step is what was made
        {5, -10, 0, 0, -5},     // and at the bottom
        {300, 20, 0, 300, 0},   // a step never made is not remembered
        {0, 0, -50, 0, 0},      // below the scale stays at its foot
    };
    for (const TCase& C : Cases) {
        const TNervoSpeed::TMove M = TNervoSpeed::Follow(C.Value, C.LastStep, C.Target);
        EXPECT_NEAR(M.Value, C.NewValue, 1e-4) << C.Value << " " << C.LastStep << " " << C.Target;
        EXPECT_NEAR(M.Step, C.Step, 1e-4) << C.Value << " " << C.LastStep << " " << C.Target;
    }
}

TEST(NervoSpeed, WithoutKeystrokesTheValueStaysAtZero) {
    TTypist Typist;
    Typist.Begin();
    for (float V : Typist.Pause(20))
        EXPECT_EQ(V, 0);
}

TEST(NervoSpeed, SteadyTypingClimbsToTheTopAndStays) {
    TTypist Typist;
    Typist.Begin();
    const std::vector<float> Values = Typist.Type(0.2, 60);
    // A smooth climb: never down, and the rise grows by at most 3 a tick.
    float Previous = 0, PreviousRise = 0;
    for (float V : Values) {
        EXPECT_GE(V, Previous - 1e-3);
        EXPECT_LE(V - Previous, PreviousRise + 3 + 1e-3);
        PreviousRise = V - Previous;
        Previous = V;
    }
    EXPECT_GT(Values[10], 50);
    const std::vector<float> Later = Typist.Type(0.2, 30);
    for (float V : Later)
        EXPECT_NEAR(V, 300, 0.5);
}

TEST(NervoSpeed, PauseMakesTheLineFallWithGrowingSteps) {
    TTypist Typist;
    Typist.Begin();
    Typist.Type(0.4, 40); // 150 characters per minute
    const float Before = Typist.Speed.Value();
    EXPECT_NEAR(Before, 150, 1);

    const std::vector<float> Values = Typist.Pause(20);
    float Previous = Before, PreviousStep = Typist.Speed.LastStep();
    bool Fell = false;
    for (float V : Values) {
        const float Step = V - Previous;
        EXPECT_LE(Step, 1e-3);                    // never up while paused
        EXPECT_GE(Step, PreviousStep - 3 - 1e-3); // falling at most 3 faster each tick
        Fell = Fell || Step < 0;
        PreviousStep = Step;
        Previous = V;
    }
    EXPECT_TRUE(Fell);
    EXPECT_LT(Values.back(), 0.5);
}

TEST(NervoSpeed, TypingBeyondTheScaleThenStoppingLeavesTheTopAtOnce) {
    // Eight keys a clock second, far beyond the scale, for half a minute.
    TTypist Typist;
    Typist.Begin();
    Typist.Type(0.125, 30);
    EXPECT_EQ(Typist.Speed.Value(), 300);
    // The pause shows as soon as it is longer than twice the interval: at
    // most three ticks later the line is on its way down.
    const std::vector<float> Values = Typist.Pause(1);
    ASSERT_GE(Values.size(), 4u);
    EXPECT_LT(Values[3], 300);
}

} // namespace
