// The rhythm graph: a strip chart of the learner's momentary typing speed,
// lime green on black with a speed scale at the left. The line moves one
// pixel to the right every tenth of a second and starts again at the left
// when it reaches the right edge.
//
// The scale, the frame and the line drawn so far live in a pixmap; a tick
// draws its new column there and repaints only that narrow strip, and a
// keystroke draws nothing at all.
#pragma once

#include "engine/NervoScale.h"
#include "engine/TNervoSpeed.h"

#include <QColor>
#include <QPixmap>
#include <QTimer>
#include <QWidget>

class TNervoGraph : public QWidget {
public:
    static constexpr int MinValue = TNervoSpeed::MinValue;
    static constexpr int MaxValue = TNervoSpeed::MaxValue;
    static constexpr int LabelStep = 100;
    static constexpr int StepPixels = 1;
    static constexpr int TickMs = 100;

    explicit TNervoGraph(QWidget* Parent = nullptr);

    // Tells the graph of a keystroke now.
    void KeyStroke();
    // Starts and stops the chart's timer.
    void StartGraph();
    void StopGraph();
    bool Running() const { return FTimer.isActive(); }

    // One step of the chart (the timer's handler); does nothing while the
    // graph has no parent.
    void Tick();

    // The row of speed V on the current plot area (-1 below the scale).
    int ValueToY(float V) const;

    const TNervoSpeed& Speed() const { return FSpeed; }
    const TNervoPlot& Plot();
    int LastX() const { return FLastX; }
    int LastY() const { return FLastY; }
    const QTimer& Timer() const { return FTimer; }

    static const QColor BackColor;
    static const QColor AxisColor;
    static const QColor LabelColor; // the speeds along the scale
    static const QColor LineColor;
    static const QColor CursorColor;

protected:
    void paintEvent(QPaintEvent* Event) override;

private:
    // Rebuilds the plot area and the pixmap when the size, the screen's
    // pixel ratio or the speed unit have changed since they were made.
    void EnsureChart();
    void DrawScale();

    TNervoSpeed FSpeed;
    QTimer FTimer;
    TNervoPlot FPlot;
    int FLastX = -1;
    int FLastY = -1;
    QPixmap FChart;
    QSize FChartSize;
    bool FChartWordsPerMinute = false;
};
