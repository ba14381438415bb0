#include "engine/NervoScale.h"

#include <gtest/gtest.h>

namespace {

// The text event's 115 x 104 graph with an 11-pixel font: labels 22 wide,
// lines 13 high.
const TNervoPlot Small = NervoPlotArea(115, 104, 22, 13);

TEST(NervoScale, PlotAreaFollowsSizeAndFont) {
    struct TCase {
        int Width, Height, LabelWidth, FontHeight;
        int Left, Top, Right, Bottom;
        bool CanDraw;
    };
    const TCase Cases[] = {
        {115, 104, 22, 13, 29, 17, 111, 87, true},
        {250, 200, 22, 13, 29, 17, 246, 183, true},
        {250, 200, 30, 16, 37, 20, 246, 180, true},
        {33, 104, 22, 13, 29, 17, 29, 87, false},  // no room for a column
        {115, 30, 22, 13, 29, 17, 111, 13, false}, // no room for a row
    };
    for (const TCase& C : Cases) {
        const TNervoPlot P = NervoPlotArea(C.Width, C.Height, C.LabelWidth, C.FontHeight);
        EXPECT_EQ(P.Left, C.Left) << C.Width << "x" << C.Height;
        EXPECT_EQ(P.Top, C.Top) << C.Width << "x" << C.Height;
        EXPECT_EQ(P.Right, C.Right) << C.Width << "x" << C.Height;
        EXPECT_EQ(P.Bottom, C.Bottom) << C.Width << "x" << C.Height;
        EXPECT_EQ(P.CanDraw(), C.CanDraw) << C.Width << "x" << C.Height;
    }
}

TEST(NervoScale, ValueToY) {
    TNervoPlot Ten;
    Ten.Top = 10;
    Ten.Bottom = 20;
    struct TCase {
        const TNervoPlot& Plot;
        float V;
        int Y;
    };
    const TCase Cases[] = {
        {Small, -0.5f, -1},                                     // below the scale: nothing to draw
        {Small, 0, 87},     {Small, 300, 17}, {Small, 450, 17}, // capped at the top
        {Small, 150, 52},   {Small, 3, 86},                     // 0.7 of a pixel rounds up
        {Ten, 15, 20},                                          // half a pixel rounds to even: 0
        {Ten, 45, 18},                                          // 1.5 rounds to 2
        {Ten, 75, 18},                                          // 2.5 rounds to 2
    };
    for (const TCase& C : Cases)
        EXPECT_EQ(NervoValueToY(C.V, C.Plot, 0, 300), C.Y) << C.V;
}

TEST(NervoScale, LabelsInTheChosenUnit) {
    const auto Cpm = [](float V) { return V; };
    const auto Wpm = [](float V) { return V * 0.2f; };
    struct TExpected {
        int Y;
        const char* Cpm;
        const char* Wpm;
    };
    const TExpected Expected[] = {
        {87, "0", "0"}, {64, "100", "20"}, {40, "200", "40"}, {17, "300", "60"}};
    const std::vector<TNervoLabel> InCpm = NervoScaleLabels(Small, 0, 300, 100, Cpm);
    const std::vector<TNervoLabel> InWpm = NervoScaleLabels(Small, 0, 300, 100, Wpm);
    ASSERT_EQ(InCpm.size(), 4u);
    ASSERT_EQ(InWpm.size(), 4u);
    for (size_t I = 0; I < 4; ++I) {
        EXPECT_EQ(InCpm[I].Y, Expected[I].Y);
        EXPECT_EQ(InCpm[I].Text, Expected[I].Cpm);
        EXPECT_EQ(InWpm[I].Y, Expected[I].Y);
        EXPECT_EQ(InWpm[I].Text, Expected[I].Wpm);
    }
    EXPECT_TRUE(NervoScaleLabels(Small, 0, 300, 0, Cpm).empty());
}

TEST(NervoScale, AdvanceDrawsOneColumnAndWrapsAtTheRightEdge) {
    struct TCase {
        const char* Name;
        int LastX, LastY, Y, StepPixels;
        bool Wrapped;
        int ClearLeft, ClearRight, CursorX, FromX, FromY, ToX;
    };
    // Small: columns 30..110 are drawn, the frame's right edge is at 112.
    const TCase Cases[] = {
        {"first tick starts at the foot", -1, -1, 80, 1, false, 30, 30, 31, 29, 87, 30},
        {"one column on", 50, 60, 55, 1, false, 51, 51, 52, 50, 60, 51},
        {"last column", 109, 40, 40, 1, false, 110, 110, 111, 109, 40, 110},
        {"wraps from the last column", 110, 40, 45, 1, true, 30, 30, 31, 29, 40, 30},
        {"wide steps stop at the edge", 107, 40, 45, 5, false, 108, 110, 111, 107, 40, 110},
    };
    for (const TCase& C : Cases) {
        const TNervoColumn Col = NervoAdvance(C.LastX, C.LastY, C.Y, Small, C.StepPixels);
        EXPECT_EQ(Col.Wrapped, C.Wrapped) << C.Name;
        if (C.Wrapped) {
            EXPECT_EQ(Col.WrapClearX, 111) << C.Name;
        }
        EXPECT_EQ(Col.ClearLeft, C.ClearLeft) << C.Name;
        EXPECT_EQ(Col.ClearRight, C.ClearRight) << C.Name;
        EXPECT_EQ(Col.CursorX, C.CursorX) << C.Name;
        EXPECT_EQ(Col.FromX, C.FromX) << C.Name;
        EXPECT_EQ(Col.FromY, C.FromY) << C.Name;
        EXPECT_EQ(Col.ToX, C.ToX) << C.Name;
        EXPECT_EQ(Col.ToY, C.Y) << C.Name;
    }
}

} // namespace
