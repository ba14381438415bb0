#include "engine/NervoScale.h"

#include <algorithm>
#include <cmath>

TNervoPlot NervoPlotArea(int Width, int Height, int LabelWidth, int FontHeight) {
    TNervoPlot Plot;
    Plot.Left = LabelWidth + 7;
    Plot.Top = FontHeight + 4;
    Plot.Bottom = Height - FontHeight - 4;
    Plot.Right = Width - 4;
    return Plot;
}

int NervoValueToY(float V, const TNervoPlot& Plot, int MinValue, int MaxValue) {
    if (V < MinValue) return -1;
    if (MaxValue <= MinValue) return Plot.Bottom;
    const double Capped = std::min(static_cast<double>(V), static_cast<double>(MaxValue));
    const double Rise =
        static_cast<double>(Plot.Bottom - Plot.Top) * (Capped - MinValue) / (MaxValue - MinValue);
    // Rounded half to even, as the program rounds everywhere.
    return Plot.Bottom - static_cast<int>(std::nearbyint(Rise));
}

std::vector<TNervoLabel> NervoScaleLabels(const TNervoPlot& Plot, int MinValue, int MaxValue,
                                          int Step, const std::function<float(float)>& ToUnit) {
    std::vector<TNervoLabel> Labels;
    if (Step <= 0) return Labels;
    for (int V = MinValue; V <= MaxValue; V += Step) {
        const float Shown = ToUnit ? ToUnit(static_cast<float>(V)) : static_cast<float>(V);
        const long Whole = std::lround(Shown);
        Labels.push_back({NervoValueToY(static_cast<float>(V), Plot, MinValue, MaxValue),
                          std::to_string(Whole)});
    }
    return Labels;
}

TNervoColumn NervoAdvance(int LastX, int LastY, int Y, const TNervoPlot& Plot, int StepPixels) {
    TNervoColumn C;
    if (LastX < 0) LastX = Plot.Left;
    if (LastY < 0) LastY = Plot.Bottom;
    if (LastX >= Plot.Right - 1) {
        C.Wrapped = true;
        C.WrapClearX = LastX + 1;
        LastX = Plot.Left;
    }
    const int X = std::min(LastX + StepPixels, Plot.Right - 1);
    C.ClearLeft = LastX + 1;
    C.ClearRight = X;
    C.CursorX = X + 1;
    C.FromX = LastX;
    C.FromY = LastY;
    C.ToX = X;
    C.ToY = Y;
    return C;
}
