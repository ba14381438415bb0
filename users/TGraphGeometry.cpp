#include "users/TGraphGeometry.h"

#include "platform/Rounding.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

TGraphGeometry::TGraphGeometry(const TGraphData& Data, const TGraphMetrics& Metrics)
    : FPoints(Data.PointCount()), FMin(Data.MinValue), FMax(Data.MaxValue), FData(&Data) {
    YLabelRight = Metrics.WidestYLabel + 5;
    Left = Metrics.WidestYLabel + 15;
    Top = std::abs(Metrics.FontSize) + 5;
    Right = Metrics.Width - Metrics.LastXLabel / 2 - 5;
    if (FPoints > 0) {
        // A control narrower than its labels leaves the points no room; they
        // then stand on one another rather than go backwards.
        PointStep = std::max(0, (Right - Left) / FPoints);
        if (FPoints > 1) Right = XOf(FPoints) + 1;
    }
    LabelRow = Metrics.Height - 5;
    if (Data.ShowXLabels) LabelRow -= std::abs(Metrics.TextHeight);
    Bottom = LabelRow - 10;
}

int TGraphGeometry::XOf(int I) const {
    if (I < 0 || I > FPoints) return -1;
    return I * PointStep + Left;
}

int TGraphGeometry::YOf(float Value) const {
    if (!(Value >= FMin)) return -1;
    if (!(FMax > FMin)) return Bottom;
    const double V = std::min(double(Value), double(FMax));
    const double Height = double(Bottom - Top) * (V - FMin) / (double(FMax) - FMin);
    return Bottom - int(std::nearbyint(Height));
}

TBarRect TGraphGeometry::BarOf(int I) const {
    TBarRect Bar;
    if (!FData || I < 0 || I >= FPoints) return Bar;
    // Four fifths of the column, to the nearest pixel.
    const int Width = int(RoundedQuotient(int64_t(PointStep) * 4, 5));
    Bar.Left = XOf(I) + (PointStep - Width) / 2;
    Bar.Right = Bar.Left + Width;
    Bar.Top = YOf(FData->Values[size_t(I)]);
    Bar.Bottom = Bottom;
    return Bar;
}
