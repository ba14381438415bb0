#include "engine/ui/TNervoGraph.h"

#include "files/TProgramSettings.h"
#include "platform/Clock.h"
#include "tests/support/TDriver.h"
#include "tests/support/TFakeClock.h"
#include "tests/support/TPaintSpy.h"
#include "tests/support/TSeamGuard.h"
#include "tests/support/TestSupport.h"

#include <QImage>

#include <gtest/gtest.h>

#include <memory>

namespace {

// The graph as the text event places it, on a fake clock, with the settings at
// their defaults.
class NervoGraph : public ::testing::Test {
protected:
    void SetUp() override {
        Settings = new TProgramSettings;
        SetClock(&Clock);
        Parent.resize(300, 200);
        Graph = new TNervoGraph(&Parent);
        Graph->setGeometry(20, 30, 115, 104);
    }
    void TearDown() override {
        delete Settings;
        Settings = nullptr;
    }

    // Keystrokes every Interval clock seconds, ticking every 100 ms.
    void Type(double Interval, int Ticks) {
        const double Tick = 0.1 * 100000.0 / 86400.0;
        for (int I = 0; I < Ticks; ++I) {
            double Left = Tick;
            while (FSinceKey + Left >= Interval) {
                Clock.AdvanceClockSeconds(Interval - FSinceKey);
                Left -= Interval - FSinceKey;
                FSinceKey = 0;
                Graph->KeyStroke();
            }
            Clock.AdvanceClockSeconds(Left);
            FSinceKey += Left;
            Graph->Tick();
        }
    }
    double FSinceKey = 0;

    TScopedTempDir Dir;
    TFakeClock Clock;
    TSeamGuard Seams;
    QWidget Parent;
    TNervoGraph* Graph = nullptr;
};

QRgb Rgb(const QColor& C) {
    return C.rgb();
}

TEST_F(NervoGraph, TimerIsOffUntilStartedAndStartKeepsAnEarlierKeystroke) {
    TNervoGraph Alone;
    EXPECT_EQ(Alone.size(), QSize(250, 200));
    EXPECT_EQ(Alone.Timer().interval(), 100);
    EXPECT_FALSE(Alone.Running());
    EXPECT_EQ(Alone.LastX(), -1);
    EXPECT_EQ(Alone.LastY(), -1);

    Graph->StartGraph();
    EXPECT_TRUE(Graph->Running());
    EXPECT_DOUBLE_EQ(Graph->Speed().PrevKeyTime(), Clock.Now());
    const double Started = Clock.Now();
    Graph->StopGraph();
    EXPECT_FALSE(Graph->Running());
    Clock.AdvanceClockSeconds(3);
    Graph->StartGraph();
    EXPECT_DOUBLE_EQ(Graph->Speed().PrevKeyTime(), Started);
    Graph->StopGraph();

    // Without a parent a tick does nothing.
    Alone.StartGraph();
    Clock.AdvanceClockSeconds(0.2);
    Alone.KeyStroke();
    Alone.Tick();
    EXPECT_EQ(Alone.LastX(), -1);
    EXPECT_EQ(Alone.Speed().Value(), 0);
    Alone.StopGraph();
}

TEST_F(NervoGraph, DrawsTheLineCursorAndScale) {
    Graph->StartGraph();
    Graph->StopGraph(); // ticks are driven by hand
    Type(0.2, 40);
    const TNervoPlot P = Graph->Plot();
    EXPECT_EQ(Graph->LastX(), P.Left + 40);
    EXPECT_EQ(Graph->LastY(), Graph->ValueToY(Graph->Speed().Value()));

    const QImage Shown = Graph->grab().toImage();
    EXPECT_EQ(Shown.pixel(Graph->LastX(), Graph->LastY()), Rgb(TNervoGraph::LineColor));
    EXPECT_EQ(Shown.pixel(Graph->LastX() + 1, P.Top), Rgb(TNervoGraph::CursorColor));
    EXPECT_EQ(Shown.pixel(Graph->LastX() + 1, P.Top + 1), Rgb(TNervoGraph::BackColor))
        << "the cursor is dotted";
    EXPECT_EQ(Shown.pixel(Graph->LastX() + 5, P.Top + 10), Rgb(TNervoGraph::BackColor));
    // Frame and tick marks.
    EXPECT_EQ(Shown.pixel(P.Right + 1, P.Top + 5), Rgb(TNervoGraph::AxisColor));
    EXPECT_EQ(Shown.pixel(P.Left + 50, P.Top - 1), Rgb(TNervoGraph::AxisColor));
    EXPECT_EQ(Shown.pixel(P.Left - 2, Graph->ValueToY(100)), Rgb(TNervoGraph::AxisColor));
    // Some label text left of the ticks.
    int Labelled = 0;
    for (int X = 0; X < P.Left - 4; ++X)
        for (int Y = 0; Y < Shown.height(); ++Y)
            Labelled += Shown.pixel(X, Y) != Rgb(TNervoGraph::BackColor);
    EXPECT_GT(Labelled, 20);
}

TEST_F(NervoGraph, WrapsToTheLeftAndClearsTheRightEdge) {
    const TNervoPlot P = Graph->Plot();
    const int Columns = P.Right - 1 - P.Left; // ticks to reach the last column
    Type(0.3, Columns);
    EXPECT_EQ(Graph->LastX(), P.Right - 1);
    const QImage Before = Graph->grab().toImage();
    EXPECT_EQ(Before.pixel(P.Right, P.Top), Rgb(TNervoGraph::CursorColor));

    Type(0.3, 1);
    EXPECT_EQ(Graph->LastX(), P.Left + 1);
    const QImage After = Graph->grab().toImage();
    for (int Y = P.Top; Y <= P.Bottom; ++Y)
        ASSERT_EQ(After.pixel(P.Right, Y), Rgb(TNervoGraph::BackColor)) << Y;
    EXPECT_EQ(After.pixel(P.Left + 2, P.Top), Rgb(TNervoGraph::CursorColor));
    // The old line further right is still there until the new one reaches it.
    EXPECT_EQ(After.pixel(P.Right - 1, Graph->LastY()), Rgb(TNervoGraph::LineColor));
}

TEST_F(NervoGraph, TickRepaintsOnlyANarrowStrip) {
    Parent.show();
    TPaintSpy Log(Graph);
    ASSERT_TRUE(WaitUntil([&] { return !Log.Rects().empty(); }));
    Settle();
    const TNervoPlot P = Graph->Plot();

    for (int Round = 0; Round < 3; ++Round) {
        Log.Reset();
        Type(0.2, 1);
        ASSERT_TRUE(WaitUntil([&] { return !Log.Rects().empty(); }));
        Settle();
        for (const QRect& R : Log.Rects()) {
            EXPECT_LE(R.width(), TNervoGraph::StepPixels + 2) << "round " << Round;
            EXPECT_GE(R.top(), P.Top - 1);
            EXPECT_LE(R.bottom(), P.Bottom + 1);
        }
    }
    // A keystroke alone paints nothing.
    Log.Reset();
    Clock.AdvanceClockSeconds(0.2);
    Graph->KeyStroke();
    Settle();
    EXPECT_TRUE(Log.Rects().empty());
}

TEST_F(NervoGraph, TheLineOutlivesARepaintAndRestartsAfterAResize) {
    Type(0.25, 30);
    Graph->update();
    const QImage Shown = Graph->grab().toImage();
    EXPECT_EQ(Shown.pixel(Graph->LastX(), Graph->LastY()), Rgb(TNervoGraph::LineColor));

    Graph->resize(160, 120);
    Graph->grab(); // the chart is rebuilt for the new size
    const TNervoPlot P = Graph->Plot();
    EXPECT_EQ(P.Right, 156);
    Type(0.25, 1);
    EXPECT_EQ(Graph->LastX(), P.Left + 1);
    EXPECT_NEAR(Graph->LastY(), Graph->ValueToY(Graph->Speed().Value()), 2);
}

TEST_F(NervoGraph, ScaleFollowsTheSpeedUnit) {
    ASSERT_FALSE(Settings->MeasuringUnit) << "characters per minute unless chosen";
    const TNervoPlot P = Graph->Plot();
    const QRect Labels(0, 0, P.Left - 4, Graph->height());
    const QImage InCpm = Graph->grab(Labels).toImage();

    Settings->MeasuringUnit = true;
    const QImage InWpm = Graph->grab(Labels).toImage();
    Settings->MeasuringUnit = false;
    const QImage BackInCpm = Graph->grab(Labels).toImage();

    EXPECT_NE(InCpm, InWpm);
    EXPECT_EQ(InCpm, BackInCpm);
}

TEST_F(NervoGraph, TimerDrivesTheChart) {
    Parent.show();
    Graph->StartGraph();
    EXPECT_TRUE(WaitUntil([&] { return Graph->LastX() > Graph->Plot().Left; }, 2000));
    Graph->StopGraph();
}

} // namespace
