#include "engine/ui/TNervoGraph.h"

#include "files/TProgramSettings.h"
#include "platform/Clock.h"

#include <QFont>
#include <QFontMetrics>
#include <QPaintEvent>
#include <QPainter>

#include <algorithm>
#include <cmath>

const QColor TNervoGraph::BackColor = QColor(0, 0, 0);
const QColor TNervoGraph::AxisColor = QColor(0, 128, 0);
const QColor TNervoGraph::LabelColor = QColor(150, 235, 150);
const QColor TNervoGraph::LineColor = QColor(0, 255, 0);
const QColor TNervoGraph::CursorColor = QColor(0, 255, 0);

namespace {

bool WordsPerMinute() {
    return Settings->MeasuringUnit;
}

float ToDisplayUnit(float Cpm) {
    return Settings->DisplaySpeed(Cpm);
}

// Large and light enough to read on the black chart.
QFont ScaleFont() {
    QFont Font(QStringLiteral("Arial"));
    Font.setPixelSize(12);
    return Font;
}

// The chart is kept at a whole number of pixels per graph pixel, so that a
// column cleared on a tick covers every pixel the column drew before; a
// book drawn at a fractional scale shows it smoothly scaled.
qreal ChartRatio(qreal DeviceRatio) {
    return std::max<qreal>(1, std::ceil(DeviceRatio - 1e-6));
}

} // namespace

TNervoGraph::TNervoGraph(QWidget* Parent) : QWidget(Parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFont(ScaleFont());
    resize(250, 200);
    FTimer.setInterval(TickMs);
    QObject::connect(&FTimer, &QTimer::timeout, this, &TNervoGraph::Tick);
}

void TNervoGraph::KeyStroke() {
    FSpeed.KeyStroke(Now());
}

void TNervoGraph::StartGraph() {
    FSpeed.Start(Now());
    FTimer.start();
}

void TNervoGraph::StopGraph() {
    FTimer.stop();
}

int TNervoGraph::ValueToY(float V) const {
    return NervoValueToY(V, FPlot, MinValue, MaxValue);
}

const TNervoPlot& TNervoGraph::Plot() {
    EnsureChart();
    return FPlot;
}

void TNervoGraph::EnsureChart() {
    const qreal Ratio = ChartRatio(devicePixelRatioF());
    if (!FChart.isNull() && FChartSize == size() && FChart.devicePixelRatio() == Ratio &&
        FChartWordsPerMinute == WordsPerMinute())
        return;
    FChartSize = size();
    FChartWordsPerMinute = WordsPerMinute();
    const QFontMetrics Metrics(font());
    const int LabelWidth = Metrics.horizontalAdvance(QString::number(MaxValue) + QLatin1Char(' '));
    FPlot = NervoPlotArea(width(), height(), LabelWidth, Metrics.height());
    FChart = QPixmap(QSize(qMax(1, width()), qMax(1, height())) * Ratio);
    FChart.setDevicePixelRatio(Ratio);
    DrawScale();
    // The line drawn so far is gone with the old pixmap; it goes on from the
    // left edge at the present speed.
    if (FLastX >= 0) {
        FLastX = -1;
        FLastY = ValueToY(FSpeed.Value());
    }
}

void TNervoGraph::DrawScale() {
    FChart.fill(BackColor);
    QPainter P(&FChart);
    P.setFont(font());
    P.setPen(AxisColor);
    const QFontMetrics Metrics(font());
    const int LabelWidth = FPlot.Left - 7;
    for (const TNervoLabel& Label :
         NervoScaleLabels(FPlot, MinValue, MaxValue, LabelStep, ToDisplayUnit)) {
        P.drawLine(FPlot.Left - 3, Label.Y, FPlot.Left - 1, Label.Y);
        const QRect Box(0, Label.Y - Metrics.height() / 2, LabelWidth + 3, Metrics.height());
        P.setPen(LabelColor);
        P.drawText(Box, Qt::AlignRight | Qt::AlignVCenter, QString::fromStdString(Label.Text));
        P.setPen(AxisColor);
    }
    // The frame: one pixel round the plot area, its inside the background.
    P.drawRect(FPlot.Left, FPlot.Top - 1, FPlot.Right + 1 - FPlot.Left,
               FPlot.Bottom + 2 - FPlot.Top);
}

void TNervoGraph::Tick() {
    if (parentWidget() == nullptr) return;
    FSpeed.Tick(Now());
    EnsureChart();
    if (!FPlot.CanDraw()) return;

    const TNervoColumn C =
        NervoAdvance(FLastX, FLastY, ValueToY(FSpeed.Value()), FPlot, StepPixels);
    const int Rows = FPlot.Bottom + 1 - FPlot.Top;
    QPainter P(&FChart);
    QRect Changed;
    if (C.Wrapped) {
        const QRect Column(C.WrapClearX, FPlot.Top, 1, Rows);
        P.fillRect(Column, BackColor);
        Changed = Column;
    }
    const QRect Cleared(C.ClearLeft, FPlot.Top, C.ClearRight - C.ClearLeft + 1, Rows);
    P.fillRect(Cleared, BackColor);
    // The cursor: every other pixel of its column lit.
    // Whole graph pixels: a pen's point would spill into the column to its
    // left when the chart has more pixels than the graph.
    for (int Y = FPlot.Top; Y <= FPlot.Bottom; Y += 2)
        P.fillRect(C.CursorX, Y, 1, 1, CursorColor);
    P.setPen(LineColor);
    P.drawLine(C.FromX, C.FromY, C.ToX, C.ToY);
    P.end();
    FLastX = C.ToX;
    FLastY = C.ToY;

    update(Changed);
    update(QRect(QPoint(C.FromX, FPlot.Top - 1), QPoint(C.CursorX, FPlot.Bottom + 1)));
}

void TNervoGraph::paintEvent(QPaintEvent* Event) {
    EnsureChart();
    QPainter P(this);
    const qreal Ratio = FChart.devicePixelRatio();
    // At a fractional scale the screen pixels to repaint reach past the
    // region's edges: drawing one graph pixel more on each side covers them.
    const bool Fractional = Ratio != devicePixelRatioF();
    if (Fractional) P.setRenderHint(QPainter::SmoothPixmapTransform);
    for (QRect R : Event->region()) {
        if (Fractional) R = R.adjusted(-1, -1, 1, 1) & rect();
        P.drawPixmap(R, FChart, QRectF(R.topLeft() * Ratio, R.size() * Ratio));
    }
}
