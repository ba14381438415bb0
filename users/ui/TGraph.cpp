#include "users/ui/TGraph.h"

#include "platform/Latin1.h"

#include <QFontMetrics>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace {

std::vector<std::string> YLabelTexts(const TGraphData& Data) {
    std::vector<std::string> Texts;
    for (float Value : Data.YLabelValues())
        Texts.push_back(TGraphData::LabelText(Value));
    return Texts;
}

// A pen whose lines come out equally thick wherever they fall: its width in
// the book's units (a hairline counts as one) made a whole number of screen
// pixels, at least one. On a book scaled by 1.6 a line of one unit covers
// two pixels at one height and one at the next; this way every one of them
// covers two.
QPen InWholePixels(QPen Pen, double Scale) {
    const double Units = Pen.widthF() > 0 ? Pen.widthF() : 1.0;
    const long Pixels = std::max(1L, std::lround(Units * Scale));
    Pen.setCosmetic(false);
    Pen.setWidthF(double(Pixels) / Scale);
    return Pen;
}

} // namespace

TGraph::TGraph(QWidget* Owner) : QWidget(Owner) {
    resize(400, 250);
    setAutoFillBackground(false);
    setFont(QFont(QStringLiteral("Arial"), 10));
    DataPen = QPen(Qt::yellow, 2);
    MarkerColor = QColor(0x80, 0x00, 0x00);
    LevelPen = QPen(QColor(0x00, 0x80, 0x00), 1, Qt::DashLine);
    AxisPen = QPen(Qt::black, 2);
    LevelFont = QFont(QStringLiteral("Arial"), 10);
    LevelFont.setItalic(true);
    LevelFontColor = QColor(0x00, 0x80, 0x00);
}

void TGraph::SetStyle(int Style) {
    Data.Style = Style;
    update();
}

void TGraph::AddPoint(const std::string& Label, float Value) {
    Data.AddPoint(Label, Value);
}

void TGraph::AddLevel(const std::string& Label, const QColor& Color, float Value) {
    Data.AddLevel(Label, uint32_t(Color.rgb() & 0xFFFFFF), Value);
}

TGraphGeometry TGraph::Geometry() const {
    const QFontMetrics Metrics(font());
    TGraphMetrics M;
    M.Width = width();
    M.Height = height();
    for (const std::string& Label : YLabelTexts(Data))
        M.WidestYLabel = std::max(M.WidestYLabel, Metrics.horizontalAdvance(ToQ(Label)));
    if (!Data.XLabels.empty()) M.LastXLabel = Metrics.horizontalAdvance(ToQ(Data.XLabels.back()));
    M.FontSize = font().pointSize() > 0 ? font().pointSize() : font().pixelSize();
    M.TextHeight = std::abs(Metrics.height());
    return TGraphGeometry(Data, M);
}

void TGraph::paintEvent(QPaintEvent*) {
    QPainter Painter(this);
    // Screen pixels to a unit of the book.
    const double Scale = std::abs(Painter.deviceTransform().m11()) > 0
                             ? std::abs(Painter.deviceTransform().m11())
                             : 1.0;
    Painter.fillRect(rect(), Qt::white);
    Painter.setFont(font());
    const QFontMetrics Metrics(font());
    const int TextHeight = Metrics.height();

    // 1-3: the labels of the vertical axis, and where everything goes.
    FYLabels = YLabelTexts(Data);
    const std::vector<float> YValues = Data.YLabelValues();
    const TGraphGeometry G = Geometry();

    // The labels that fit: on the vertical axis counted from the minimum,
    // under the points counted as lessons are, from one.
    std::vector<int> Centres, Sizes;
    for (float Value : YValues) {
        Centres.push_back(G.YOf(Value));
        Sizes.push_back(TextHeight);
    }
    FShownY = ShownLabels(Centres, Sizes, 0, 0);
    Centres.clear();
    Sizes.clear();
    for (int I = 0; I < Data.PointCount(); ++I) {
        Centres.push_back(G.CentreOf(I));
        Sizes.push_back(Metrics.horizontalAdvance(ToQ(Data.XLabels[size_t(I)])));
    }
    FShownX = Data.ShowXLabels
                  ? ShownLabels(Centres, Sizes, Metrics.horizontalAdvance(QLatin1Char(' ')), 1)
                  : std::vector<int>();

    // 4: the plot area.
    Painter.fillRect(QRect(QPoint(G.Left, G.Top), QPoint(G.Right, G.Bottom)), BackgroundBrush);

    // 5: ticks and labels of the vertical axis.
    QPen Thin = AxisPen;
    Thin.setWidth(1);
    Painter.setPen(InWholePixels(Thin, Scale));
    for (int I : FShownY) {
        if (I == 0 && !Data.ShowFirstYLabel) continue;
        const int Y = G.YOf(YValues[size_t(I)]);
        Painter.drawLine(G.Left, Y, G.Left - 5, Y);
        Painter.drawText(QRect(0, Y - TextHeight / 2, G.YLabelRight, TextHeight),
                         Qt::AlignRight | Qt::AlignVCenter, ToQ(FYLabels[size_t(I)]));
    }

    // 6: ticks of the points, and the labels that fit.
    for (int I = 0; I < Data.PointCount(); ++I) {
        const int X = G.CentreOf(I);
        Painter.drawLine(X, G.Bottom, X, G.Bottom + 5);
    }
    for (int I : FShownX) {
        const int X = G.CentreOf(I);
        const int Width = Sizes[size_t(I)] + TextHeight;
        Painter.drawText(QRect(X - Width / 2, G.LabelRow, Width, TextHeight),
                         Qt::AlignHCenter | Qt::AlignTop, ToQ(Data.XLabels[size_t(I)]));
    }

    // 7: the levels (those below the range have no place on it).
    Painter.setPen(InWholePixels(LevelPen, Scale));
    for (float Level : Data.LevelValues) {
        const int Y = G.YOf(Level);
        if (Y >= 0) Painter.drawLine(G.Left + 1, Y, G.Right, Y);
    }

    // 8: the data.
    if (Data.Style == TGraphData::gsLine) {
        QPolygon Line;
        for (int I = 0; I < Data.PointCount(); ++I) {
            const int Y = G.YOf(Data.Values[size_t(I)]);
            if (Y >= 0) Line << QPoint(G.CentreOf(I), Y);
        }
        Painter.setPen(InWholePixels(DataPen, Scale));
        Painter.drawPolyline(Line);
        Painter.setPen(InWholePixels(QPen(MarkerColor, 2), Scale));
        for (const QPoint& P : Line) {
            Painter.drawLine(P.x() - 3, P.y() - 3, P.x() + 3, P.y() + 3);
            Painter.drawLine(P.x() - 4, P.y() + 4, P.x() + 3, P.y() - 3);
        }
    } else {
        Painter.setPen(InWholePixels(DataPen, Scale));
        for (int I = 0; I < Data.PointCount(); ++I) {
            const float Value = Data.Values[size_t(I)];
            if (G.YOf(Value) < 0) continue;
            const TBarRect Bar = G.BarOf(I);
            QBrush Brush = BarBrush;
            const int Level =
                Data.ColorBarsByLevel ? Data.LevelOfBar(std::min(Value, Data.MaxValue)) : -1;
            if (Level >= 0) {
                if (Brush.style() == Qt::NoBrush) Brush.setStyle(Qt::SolidPattern);
                Brush.setColor(QColor::fromRgb(Data.LevelColors[size_t(Level)]));
            }
            Painter.setBrush(Brush);
            Painter.drawRect(QRect(QPoint(Bar.Left, Bar.Top), QPoint(Bar.Right, Bar.Bottom)));
        }
        Painter.setBrush(Qt::NoBrush);
    }

    // 9: the levels' names, each in the band below its line.
    Painter.setFont(LevelFont);
    Painter.setPen(LevelFontColor);
    const int LevelHeight = QFontMetrics(LevelFont).height();
    int Below = G.Bottom;
    for (int I = 0; I < Data.LevelCount(); ++I) {
        const int Y = G.YOf(Data.LevelValues[size_t(I)]);
        if (Y < 0) continue;
        const int Middle = (Y + Below) / 2;
        Painter.drawText(QRect(G.Left, Middle - LevelHeight / 2, G.Right - G.Left, LevelHeight),
                         Qt::AlignRight | Qt::AlignVCenter, ToQ(Data.LevelLabels[size_t(I)] + " "));
        Below = Y;
    }

    // 10: the axes.
    Painter.setPen(InWholePixels(AxisPen, Scale));
    Painter.drawLine(G.Left, G.Top, G.Left, G.Bottom + 5);
    Painter.drawLine(G.Left - 5, G.Bottom, G.Right, G.Bottom);
}
