// The geometry of the rhythm graph as plain functions of its inputs: the
// plot area, where a speed lies on it, the scale's labels, and which pixels
// a tick of the chart touches.
#pragma once

#include <functional>
#include <string>
#include <vector>

// The plot area in pixels. Its frame runs round it one pixel outside: the
// left edge at Left, the top at Top - 1, the right at Right + 1 and the
// bottom at Bottom + 1; the chart draws in columns Left + 1 to Right and rows
// Top to Bottom.
struct TNervoPlot {
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;
    // Whether there is room for at least one column of chart.
    bool CanDraw() const { return Right - 1 > Left && Bottom >= Top; }
};

// The plot area of a control of the given client size, with labels
// LabelWidth wide (the widest value and a space) in a font FontHeight high.
TNervoPlot NervoPlotArea(int Width, int Height, int LabelWidth, int FontHeight);

// The row of speed V: -1 below MinValue; V above MaxValue is drawn at the top.
int NervoValueToY(float V, const TNervoPlot& Plot, int MinValue, int MaxValue);

struct TNervoLabel {
    int Y;            // the tick's row
    std::string Text; // the value in the unit shown
};
// The scale's labels from MinValue up to MaxValue in steps of Step
// (characters per minute), each converted with ToUnit and shown as a whole
// number.
std::vector<TNervoLabel> NervoScaleLabels(const TNervoPlot& Plot, int MinValue, int MaxValue,
                                          int Step, const std::function<float(float)>& ToUnit);

// What one tick draws: the line moves from the end of the line drawn so far
// (LastX, LastY; -1 before the first tick) to the new row Y.
struct TNervoColumn {
    bool Wrapped = false; // the line reached the right edge and starts again
    int WrapClearX = 0;   // the column cleared at the right edge when Wrapped
    int ClearLeft = 0;    // columns ClearLeft..ClearRight are cleared
    int ClearRight = -1;
    int CursorX = 0; // the dotted cursor's column
    int FromX = 0, FromY = 0;
    int ToX = 0, ToY = 0; // also the new LastX, LastY
};
TNervoColumn NervoAdvance(int LastX, int LastY, int Y, const TNervoPlot& Plot, int StepPixels);
