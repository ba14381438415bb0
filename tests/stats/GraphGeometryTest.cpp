// The graph's figures and geometry, worked out by hand for a 310 x 180 graph
// whose widest axis label is 20 pixels wide, whose last point label is 6,
// with a 10-point font whose lines are 16 pixels high.
#include "users/TGraphData.h"
#include "users/TGraphGeometry.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

TGraphMetrics Metrics(int LastXLabel = 6) {
    TGraphMetrics M;
    M.Width = 310;
    M.Height = 180;
    M.WidestYLabel = 20;
    M.LastXLabel = LastXLabel;
    M.FontSize = 10;
    M.TextHeight = 16;
    return M;
}

TGraphData WithPoints(int Count, float Value = 50) {
    TGraphData Data;
    for (int I = 0; I < Count; ++I)
        Data.AddPoint(std::to_string(I + 1), Value);
    return Data;
}

} // namespace

TEST(GraphGeometry, PlotRectangleAndPointStepFromTheTextsAndTheNumberOfPoints) {
    struct TCase {
        const char* Name;
        int Points;
        bool XLabels;
        int Left, Top, Right, Bottom, Step, LabelRow;
    } Cases[] = {
        // right = 310 - 6/2 - 5 = 302; step = (302 - 35) div 8 = 33; then
        // right = 8 x 33 + 35 + 1.
        {"eight points", 8, true, 35, 15, 300, 149, 33, 159},
        // One point keeps the right edge the last label leaves.
        {"one point", 1, true, 35, 15, 302, 149, 267, 159},
        // Without points there is no label to make room for, and no step.
        {"no points", 0, true, 35, 15, 305, 149, 0, 159},
        // Without point labels the axis comes down to 180 - 5 - 10.
        {"no point labels", 8, false, 35, 15, 300, 165, 33, 175},
        // (302 - 35) div 12 = 22; right = 12 x 22 + 35 + 1.
        {"twelve chapters", 12, true, 35, 15, 300, 149, 22, 159},
    };
    for (const TCase& C : Cases) {
        SCOPED_TRACE(C.Name);
        TGraphData Data = WithPoints(C.Points);
        Data.ShowXLabels = C.XLabels;
        const TGraphGeometry G(Data, Metrics(C.Points ? 6 : 0));
        EXPECT_EQ(G.Left, C.Left);
        EXPECT_EQ(G.Top, C.Top);
        EXPECT_EQ(G.Right, C.Right);
        EXPECT_EQ(G.Bottom, C.Bottom);
        EXPECT_EQ(G.PointStep, C.Step);
        EXPECT_EQ(G.LabelRow, C.LabelRow);
    }
}

TEST(GraphGeometry, XOfAndYOfAtTheEndsOfTheRangeAndBeyond) {
    const TGraphData Data = WithPoints(8);
    const TGraphGeometry G(Data, Metrics());
    // Bottom 149, top 15: 134 pixels for 0..100.
    const struct {
        float Value;
        int Y;
    } Heights[] = {
        {0, 149},
        {100, 15},
        {50, 82},
        {120, 15},
        {1e9f, 15},
        {-1, -1},
        {-0.01f, -1},
        {25, 115}, // 33.5 rounds to the even 34
        {75, 49},  // 100.5 rounds to the even 100
        {std::numeric_limits<float>::quiet_NaN(), -1},
    };
    for (const auto& H : Heights)
        EXPECT_EQ(G.YOf(H.Value), H.Y) << H.Value;
    const struct {
        int Index;
        int X;
    } Columns[] = {{-1, -1}, {0, 35}, {1, 68}, {7, 266}, {8, 299}, {9, -1}};
    for (const auto& C : Columns)
        EXPECT_EQ(G.XOf(C.Index), C.X) << C.Index;
    // The marker of a point stands in the middle of its column.
    EXPECT_EQ(G.CentreOf(0), 35 + 16);
}

TEST(GraphGeometry, BarsTakeFourFifthsOfTheirColumnAndStopAtTheTop) {
    TGraphData Data;
    Data.AddPoint("a", 120);
    Data.AddPoint("b", 50);
    for (int I = 0; I < 6; ++I)
        Data.AddPoint("", 0);
    const TGraphGeometry G(Data, Metrics());
    // Step 33: bars 26 wide (26.4), set in by 3.
    const TBarRect Full = G.BarOf(0);
    EXPECT_EQ(Full.Left, 38);
    EXPECT_EQ(Full.Right, 64);
    EXPECT_EQ(Full.Top, G.Top) << "a difficulty of 120 is drawn as 100";
    EXPECT_EQ(Full.Bottom, G.Bottom);
    const TBarRect Half = G.BarOf(1);
    EXPECT_EQ(Half.Left, 71);
    EXPECT_EQ(Half.Top, 82);
    // An empty rank has a bar of no height.
    EXPECT_EQ(G.BarOf(7).Top, G.Bottom);
    EXPECT_EQ(G.BarOf(8).Left, G.BarOf(8).Right) << "no ninth bar";
}

TEST(GraphGeometry, DegenerateInputsNeverDivideByZeroOrGoBackwards) {
    TGraphData Flat = WithPoints(3);
    Flat.MinValue = Flat.MaxValue = 40;
    const TGraphGeometry G(Flat, Metrics());
    EXPECT_EQ(G.YOf(40), G.Bottom) << "a range without height";
    EXPECT_EQ(G.YOf(39), -1);

    // More points than pixels: they stand on one another.
    const TGraphData Crowded = WithPoints(1000);
    const TGraphGeometry C(Crowded, Metrics());
    EXPECT_EQ(C.PointStep, 0);
    EXPECT_EQ(C.XOf(1000), C.Left);

    // A control narrower than its labels.
    TGraphMetrics Narrow = Metrics();
    Narrow.Width = 10;
    const TGraphGeometry N(WithPoints(4), Narrow);
    EXPECT_GE(N.PointStep, 0);
}

TEST(GraphData, LevelsStayInAscendingOrderWithTheirColoursAndLabels) {
    TGraphData Data;
    Data.AddLevel("Problematic", 0x800000, 100);
    Data.AddLevel("Difficult", 0x800001, 80);
    Data.AddLevel("Good", 0x000080, 50);
    Data.AddLevel("Also good", 0x000081, 50); // before the equal one
    ASSERT_EQ(Data.LevelCount(), 4);
    EXPECT_EQ(Data.LevelLabels,
              (std::vector<std::string>{"Also good", "Good", "Difficult", "Problematic"}));
    EXPECT_EQ(Data.LevelValues, (std::vector<float>{50, 50, 80, 100}));
    EXPECT_EQ(Data.LevelColors, (std::vector<uint32_t>{0x000081, 0x000080, 0x800001, 0x800000}));

    // A bar takes the colour of the first level at or above its value.
    const struct {
        float Value;
        int Level;
    } Bars[] = {{0, 0}, {50, 0}, {50.5f, 2}, {80, 2}, {99, 3}, {100, 3}, {100.5f, -1}};
    for (const auto& B : Bars)
        EXPECT_EQ(Data.LevelOfBar(B.Value), B.Level) << B.Value;
}

TEST(GraphData, AxisLabelsRunFromTheMinimumToTheFirstStepThatReachesTheMaximum) {
    const struct {
        float Min, Max, Step;
        std::vector<std::string> Labels;
    } Cases[] = {
        {0, 100, 20, {"0", "20", "40", "60", "80", "100"}},
        // Words per minute: a fifth of 0..350 by 50.
        {0, 350 * 0.2f, 50 * 0.2f, {"0", "10", "20", "30", "40", "50", "60", "70"}},
        {0, 95, 20, {"0", "20", "40", "60", "80", "100"}},
        {10, 12, 0.5f, {"10", "10.5", "11", "11.5", "12"}},
        {0, 100, 0, {"0"}},
        {0, 100, -5, {"0"}},
        {5, 5, 1, {"5"}},
    };
    for (const auto& C : Cases) {
        TGraphData Data;
        Data.MinValue = C.Min;
        Data.MaxValue = C.Max;
        Data.Step = C.Step;
        std::vector<std::string> Texts;
        for (float V : Data.YLabelValues())
            Texts.push_back(TGraphData::LabelText(V));
        EXPECT_EQ(Texts, C.Labels) << C.Min << ".." << C.Max << " by " << C.Step;
    }
    TGraphData Huge;
    Huge.MaxValue = 1e30f;
    Huge.Step = 1;
    EXPECT_EQ(int(Huge.YLabelValues().size()), TGraphData::MaxYLabels);
}

TEST(GraphGeometry, CrowdedLabelsAreThinnedToTheEndsAndEveryKthBetween) {
    // Labels every Step pixels; the first nine 7 wide ("1".."9"), the rest 15
    // ("10".."99"); 4 pixels between written labels.
    auto Row = [](int Count, int Step, std::vector<int>& Centres, std::vector<int>& Sizes) {
        Centres.clear();
        Sizes.clear();
        for (int I = 0; I < Count; ++I) {
            Centres.push_back(50 + I * Step);
            Sizes.push_back(I + 1 < 10 ? 7 : 15);
        }
    };
    const struct {
        const char* Name;
        int Count, Step, FirstNumber;
        std::vector<int> Shown;
    } Cases[] = {
        // 13 apart: "9" and "10" need 7/2 + 15/2 + 4 = 15, "10" and "11" 19.
        // Every second: 1, 2, 4 ... 20 (1 and 2 need only 11).
        {"twenty lessons", 20, 13, 1, {0, 1, 3, 5, 7, 9, 11, 13, 15, 17, 19}},
        // 19 apart is just room for two-digit neighbours.
        {"all fit", 20, 19, 1, {0,  1,  2,  3,  4,  5,  6,  7,  8,  9,
                                10, 11, 12, 13, 14, 15, 16, 17, 18, 19}},
        // Every second leaves 18 between "11" and "13", short of 19: every
        // fifth.
        {"twenty-five lessons", 25, 9, 1, {0, 4, 9, 14, 19, 24}},
        // Every fifth is 15 apart, every tenth 30.
        {"sixty lessons", 60, 3, 1, {0, 9, 19, 29, 39, 49, 59}},
        // 60 lies 6 from 62, too close: it gives way to the last.
        {"sixty-two lessons", 62, 3, 1, {0, 9, 19, 29, 39, 49, 61}},
        // An axis counted from its minimum: the labels 0, 2, 4... of eleven.
        {"an axis", 11, 10, 0, {0, 2, 4, 6, 8, 10}},
        // Too close for anything but the first.
        {"no room", 5, 1, 1, {0}},
        {"one label", 1, 13, 1, {0}},
        {"none", 0, 13, 1, {}},
    };
    for (const auto& C : Cases) {
        SCOPED_TRACE(C.Name);
        std::vector<int> Centres, Sizes;
        Row(C.Count, C.Step, Centres, Sizes);
        if (C.FirstNumber == 0) Sizes.assign(Sizes.size(), 16); // a line of text each
        EXPECT_EQ(ShownLabels(Centres, Sizes, C.FirstNumber == 0 ? 0 : 4, C.FirstNumber), C.Shown);
    }
}

TEST(GraphData, ALineGraphsAxisRisesToTheFirstLabelAboveItsHighestPoint) {
    const float Nan = std::numeric_limits<float>::quiet_NaN();
    const float Infinity = std::numeric_limits<float>::infinity();
    const struct {
        const char* Name;
        float Max, Step;
        std::vector<float> Values;
        float Raised;
    } Cases[] = {
        {"481 cpm", 350, 50, {120, 481, -1}, 500},
        {"on a label", 350, 50, {500}, 500},
        {"within the axis", 350, 50, {350, 120, -1}, 350},
        {"no points", 350, 50, {}, 350},
        // Words per minute: a fifth of the speeds, in steps of 10.
        {"96.2 wpm", 350 * 0.2f, 50 * 0.2f, {481 * 0.2f}, 100},
        {"100 wpm", 350 * 0.2f, 50 * 0.2f, {500 * 0.2f}, 100},
        {"not numbers", 100, 20, {Nan, Infinity, 40}, 100},
        // No more labels than the axis ever writes.
        {"absurd", 350, 50, {1e30f}, 199 * 50},
        {"no step", 350, 0, {481}, 350},
    };
    for (const auto& C : Cases) {
        SCOPED_TRACE(C.Name);
        TGraphData Data;
        Data.MaxValue = C.Max;
        Data.Step = C.Step;
        for (float V : C.Values)
            Data.AddPoint("", V);
        Data.ReachValues();
        EXPECT_NEAR(Data.MaxValue, C.Raised, 1e-3);
        // The axis' last label is its new top.
        if (C.Step > 0) {
            EXPECT_NEAR(Data.YLabelValues().back(), C.Raised, 1e-3);
        }
    }
}
