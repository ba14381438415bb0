// The change rule and the texts of the results page, from tables.
#include "analysis/results/ResultChange.h"

#include <gtest/gtest.h>

namespace {

struct TChangeCase {
    double Current, Previous, Step;
    TChange Expected;
};

const char* Describe(TChange C) {
    switch (C) {
    case TChange::None:
        return "none";
    case TChange::DoubleUp:
        return "double up";
    case TChange::Up:
        return "up";
    case TChange::Level:
        return "level";
    case TChange::Down:
        return "down";
    case TChange::DoubleDown:
        return "double down";
    }
    return "?";
}

} // namespace

TEST(ResultChange, StepsDecideBetweenSingleAndDoubleArrows) {
    const TChangeCase Cases[] = {
        // Speed, step 20.
        {200, 180, 20, TChange::DoubleUp},
        {199, 180, 20, TChange::Up},
        {180, 180, 20, TChange::Level},
        {161, 180, 20, TChange::Down},
        {160, 180, 20, TChange::DoubleDown},
        {0, 300, 20, TChange::DoubleDown},
        // Accuracy and efficiency, step 10.
        {90, 80, 10, TChange::DoubleUp},
        {89.9, 80, 10, TChange::Up},
        {70.1, 80, 10, TChange::Down},
        {70, 80, 10, TChange::DoubleDown},
        // Backspace, lower is better: a fall is an improvement.
        {5.0, 8.0, -3, TChange::DoubleUp},
        {6.0, 8.0, -3, TChange::Up},
        {8.0, 8.0, -3, TChange::Level},
        {8.5, 8.0, -3, TChange::Down},
        {11.0, 8.0, -3, TChange::DoubleDown},
        {0, 2.9, -3, TChange::Up},
    };
    for (const TChangeCase& C : Cases) {
        SCOPED_TRACE(testing::Message() << C.Previous << " -> " << C.Current << " step " << C.Step);
        EXPECT_STREQ(Describe(ResultChange(C.Current, C.Previous, C.Step, true)),
                     Describe(C.Expected));
    }
}

TEST(ResultChange, SinglePrecisionValuesOnABreakPointCountAsOnIt) {
    // 95.3 - 85.3 and 5.3 - 2.3 are a whole step exactly, but not in floats.
    EXPECT_EQ(ResultChange(95.3f, 85.3f, 10, true), TChange::DoubleUp);
    EXPECT_EQ(ResultChange(75.3f, 85.3f, 10, true), TChange::DoubleDown);
    EXPECT_EQ(ResultChange(2.3f, 5.3f, -3, true), TChange::DoubleUp);
    EXPECT_EQ(ResultChange(8.4f, 5.4f, -3, true), TChange::DoubleDown);
    EXPECT_EQ(ResultChange(0.1f + 0.2f, 0.3f, 10, true), TChange::Level);
}

TEST(ResultChange, NoPreviousResultGivesNoArrow) {
    EXPECT_EQ(ResultChange(200, -1, 20, false), TChange::None);
    EXPECT_EQ(ResultChange(5, 5, -3, false), TChange::None);
}

TEST(ResultTexts, RoundingIsToEvenAtHalves) {
    const struct {
        double Value;
        int64_t Rounded;
    } Cases[] = {{0.5, 0},    {1.5, 2},  {2.5, 2},  {96.5, 96}, {97.5, 98},     {97.49, 97},
                 {97.51, 98}, {3.5f, 4}, {-0.4, 0}, {-1.5, -2}, {39.999998, 40}};
    for (const auto& C : Cases)
        EXPECT_EQ(RoundHalfEven(C.Value), C.Rounded) << C.Value;
}

TEST(ResultTexts, SpeedAndPercentages) {
    EXPECT_EQ(SpeedText(200), "200");
    EXPECT_EQ(SpeedText(200 * 0.2f), "40");
    EXPECT_EQ(SpeedText(203 * 0.2f), "41");
    EXPECT_EQ(SpeedText(0), "0");
    EXPECT_EQ(SpeedText(-1), "-");

    EXPECT_EQ(WholePercentText(97.4f), "97 %");
    EXPECT_EQ(WholePercentText(96.5f), "96 %");
    EXPECT_EQ(WholePercentText(100), "100 %");
    EXPECT_EQ(WholePercentText(0), "0 %");
    EXPECT_EQ(WholePercentText(-1), "-");

    // Backspace shares of a run: 1 of 40 keys, 1 of 16, 7 of 2000, 3 of 2000.
    EXPECT_EQ(OneDecimalPercentText(100.0f / 40), "2.5 %");
    EXPECT_EQ(OneDecimalPercentText(100.0f / 16), "6.2 %");
    EXPECT_EQ(OneDecimalPercentText(700.0f / 2000), "0.4 %");
    EXPECT_EQ(OneDecimalPercentText(300.0f / 2000), "0.2 %");
    EXPECT_EQ(OneDecimalPercentText(0), "0.0 %");
    EXPECT_EQ(OneDecimalPercentText(12.96f), "13.0 %");
    EXPECT_EQ(OneDecimalPercentText(-1), "-");
}
