#include "users/TGraphGeometry.h"

#include "platform/Rounding.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

std::vector<int> ShownLabels(const std::vector<int>& Centres, const std::vector<int>& Sizes,
                             int Gap, int FirstNumber) {
    const int Count = int(std::min(Centres.size(), Sizes.size()));
    if (Count <= 1) return std::vector<int>(size_t(Count), 0);
    // Labels A and B keep their distance when the space between their
    // centres holds half of each and the gap (in 64 bits, whatever the sizes).
    auto Clear = [&](int A, int B) {
        const int64_t Apart = std::llabs(int64_t(Centres[size_t(B)]) - Centres[size_t(A)]);
        return 2 * Apart >= int64_t(Sizes[size_t(A)]) + Sizes[size_t(B)] + 2 * int64_t(Gap);
    };
    const int Last = Count - 1;
    if (!Clear(0, Last)) return {0};
    // K = 1, 2, 5, 10, 20, 50...: once K passes the count, only the ends
    // are left, and they are clear.
    for (int64_t Power = 1;; Power *= 10) {
        for (const int64_t Mantissa : {1, 2, 5}) {
            const int64_t K = Mantissa * Power;
            std::vector<int> Shown{0};
            for (int I = 1; I < Last; ++I)
                if ((FirstNumber + I) % K == 0 && Clear(0, I) && Clear(I, Last)) Shown.push_back(I);
            Shown.push_back(Last);
            bool AllClear = true;
            for (size_t I = 1; I < Shown.size() && AllClear; ++I)
                AllClear = Clear(Shown[I - 1], Shown[I]);
            if (AllClear || K > Count) return Shown;
        }
    }
}

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
