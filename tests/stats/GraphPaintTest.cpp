// The graph control painting with real fonts: the labels it writes under a
// crowded axis and beside a tall one stay clear of one another, and its
// lines keep their width in the book's units on a scaled book.
#include "users/ui/TGraph.h"

#include <QFontMetrics>
#include <QImage>

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

namespace {

// The rectangle a point label takes under the axis, centred on its tick.
QRect XLabelRect(const TGraph& Graph, int I) {
    const QFontMetrics Metrics(Graph.font());
    const int Width =
        Metrics.horizontalAdvance(QString::fromStdString(Graph.Data.XLabels[size_t(I)]));
    const TGraphGeometry G = Graph.Geometry();
    return QRect(G.CentreOf(I) - Width / 2, G.LabelRow, Width, Metrics.height());
}

QRect YLabelRect(const TGraph& Graph, int I) {
    const QFontMetrics Metrics(Graph.font());
    const TGraphGeometry G = Graph.Geometry();
    const int Y = G.YOf(Graph.Data.YLabelValues()[size_t(I)]);
    return QRect(0, Y - Metrics.height() / 2, G.YLabelRight, Metrics.height());
}

// The step of 1, 2, 5, 10, 20... at which the labels between the ends are
// written (counted from Base), 0 when none fits them all.
int StepOf(const std::vector<int>& Shown, int Base) {
    for (int K : {1, 2, 5, 10, 20, 50, 100, 200}) {
        bool Fits = true;
        for (size_t I = 1; I + 1 < Shown.size(); ++I)
            Fits = Fits && (Shown[I] + Base) % K == 0;
        if (Fits) return K;
    }
    return 0;
}

} // namespace

TEST(GraphPaint, CrowdedLabelsAreThinnedUntilNoneTouchesAnother) {
    const struct {
        int Lessons, Width, Pixels;
        float Top; // of the vertical axis, in steps of 50
    } Cases[] = {
        {20, 310, 13, 350},  // the statistics page's graphs
        {20, 310, 13, 500},  // raised for a speed of 481
        {12, 310, 13, 350},  // every label fits
        {25, 310, 13, 1000}, //
        {20, 247, 12, 350},  // the wizard's smaller graphs
        {20, 600, 13, 350},  // room for all
        {20, 310, 21, 350},  // large print
        {100, 310, 13, 350}, //
        {3, 70, 13, 350},    // a narrow graph: 1 and 3
    };
    for (const auto& C : Cases) {
        SCOPED_TRACE(std::to_string(C.Lessons) + " lessons, " + std::to_string(C.Width) +
                     " wide, " + std::to_string(C.Pixels) + " px, up to " +
                     std::to_string(int(C.Top)));
        TGraph Graph;
        Graph.resize(C.Width, 180);
        QFont Font(QStringLiteral("Arial"));
        Font.setPixelSize(C.Pixels);
        Graph.setFont(Font);
        Graph.Data.MaxValue = C.Top;
        Graph.Data.Step = 50;
        for (int I = 1; I <= C.Lessons; ++I)
            Graph.AddPoint(std::to_string(I), 100);
        Graph.grab();

        // Under the axis: the first and the last lesson, and every K-th.
        const std::vector<int> X = Graph.ShownXLabels();
        ASSERT_GE(X.size(), 2u);
        EXPECT_EQ(X.front(), 0);
        EXPECT_EQ(X.back(), C.Lessons - 1);
        const int K = StepOf(X, 1);
        ASSERT_NE(K, 0);
        for (size_t I = 1; I < X.size(); ++I) {
            EXPECT_FALSE(XLabelRect(Graph, X[I - 1]).intersects(XLabelRect(Graph, X[I])))
                << "lessons " << X[I - 1] + 1 << " and " << X[I] + 1;
            EXPECT_GE(XLabelRect(Graph, X[I]).left(), 0);
            EXPECT_LE(XLabelRect(Graph, X[I]).right(), C.Width - 1);
        }
        // A smaller step would have run two labels into one another.
        const int Smaller = K == 1 ? 0 : (K % 5 == 0 ? K * 2 / 5 : K / 2);
        if (Smaller > 0) {
            bool Touch = false;
            for (int L = Smaller; L + Smaller < C.Lessons; L += Smaller)
                Touch = Touch ||
                        XLabelRect(Graph, L - 1).intersects(XLabelRect(Graph, L + Smaller - 1));
            EXPECT_TRUE(Touch) << "every " << Smaller << " would have fitted, not only every " << K;
        }

        // Beside the axis: its minimum and top, and every K-th step between.
        const std::vector<int> Y = Graph.ShownYLabels();
        ASSERT_GE(Y.size(), 2u);
        EXPECT_EQ(Y.front(), 0);
        EXPECT_EQ(Graph.YLabels()[size_t(Y.back())], std::to_string(int(C.Top)));
        EXPECT_NE(StepOf(Y, 0), 0);
        for (size_t I = 1; I < Y.size(); ++I)
            EXPECT_FALSE(YLabelRect(Graph, Y[I - 1]).intersects(YLabelRect(Graph, Y[I])))
                << Graph.YLabels()[size_t(Y[I])];
    }
}

TEST(GraphPaint, LinesKeepTheirWidthInUnitsOnAScaledBook) {
    // Thickness in pixels: a level line and a tick of 1 unit, the axes of 2,
    // each a whole number of pixels nearest its width (2.4 x 2 = 4.8 is 5).
    const struct {
        double Scale;
        int Level, Axis;
    } Cases[] = {{1, 1, 2}, {1.4, 1, 3}, {1.6, 2, 3}, {2, 2, 4}, {2.4, 2, 5}};
    for (const auto& C : Cases) {
        SCOPED_TRACE(C.Scale);
        TGraph Graph;
        Graph.resize(310, 180);
        Graph.BackgroundBrush = QBrush(QColor(192, 220, 192));
        Graph.LevelPen = QPen(QColor(0, 128, 0), 1); // solid, to be measured across
        for (float Level : {10, 25, 40, 50, 65, 75, 90})
            Graph.AddLevel("", QColor(0, 128, 0), Level);
        QImage Shot(QSize(int(std::ceil(310 * C.Scale)), int(std::ceil(180 * C.Scale))),
                    QImage::Format_RGB32);
        Shot.setDevicePixelRatio(C.Scale);
        Shot.fill(Qt::white);
        Graph.render(&Shot);

        // Down a column inside the plot: each run of the level colour is one
        // line, the last run of black the horizontal axis.
        const TGraphGeometry G = Graph.Geometry();
        const int Column = int((G.Left + G.Right) / 2 * C.Scale);
        std::vector<int> Levels;
        int AxisRun = 0, Run = 0;
        QRgb Colour = 0;
        for (int Y = 0; Y <= Shot.height(); ++Y) {
            const QRgb Here = Y < Shot.height() ? Shot.pixel(Column, Y) : 0u;
            if (Y > 0 && Here != Colour) {
                if (Colour == qRgb(0, 128, 0)) Levels.push_back(Run);
                if (Colour == qRgb(0, 0, 0)) AxisRun = Run;
                Run = 0;
            }
            Colour = Here;
            ++Run;
        }
        EXPECT_EQ(Levels, std::vector<int>(7, C.Level));
        EXPECT_EQ(AxisRun, C.Axis) << "the horizontal axis";
    }
}
