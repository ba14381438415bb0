// Where a graph's parts go: the plot rectangle, the distance of the points
// and the row of the point labels, worked out from the control's size and
// the sizes of its texts. A plain function of its inputs, so that the
// painting only draws.
#pragma once

#include "users/TGraphData.h"

#include <vector>

struct TGraphMetrics {
    int Width = 0; // of the control
    int Height = 0;
    int WidestYLabel = 0; // width of the widest vertical axis label
    int LastXLabel = 0;   // width of the last point's label (0 without points)
    int FontSize = 0;     // the axis font's size, as its height is given
    int TextHeight = 0;   // height of a line of the axis font
};

// Which labels of a row to write so that none runs into another. Label I
// stands at Centres[I] and takes Sizes[I] along the row (its width under
// the horizontal axis, its height beside the vertical one); two labels need
// Gap between them. The first and the last are written, and between them
// every K-th label, counting the first as FirstNumber (1 for lessons, 0 for
// an axis starting at its minimum), with K the smallest of 1, 2, 5, 10, 20,
// 50... that leaves every written label clear of its neighbours; one that
// would run into the first or the last is left out. The indices written, in
// order: the first alone when even the first and the last touch.
std::vector<int> ShownLabels(const std::vector<int>& Centres, const std::vector<int>& Sizes,
                             int Gap, int FirstNumber);

struct TBarRect {
    int Left = 0, Top = 0, Right = 0, Bottom = 0;
};

class TGraphGeometry {
public:
    TGraphGeometry() = default;
    TGraphGeometry(const TGraphData& Data, const TGraphMetrics& Metrics);

    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;
    // Horizontal distance of the points; 0 without points.
    int PointStep = 0;
    // Top of the point labels' row.
    int LabelRow = 0;
    // Right edge of the vertical axis labels.
    int YLabelRight = 0;

    // The left edge of point I's column; -1 when I is negative or past the
    // number of points.
    int XOf(int I) const;
    // The middle of point I's column, where its tick and marker go.
    int CentreOf(int I) const { return XOf(I) + PointStep / 2; }
    // The height of a value: -1 below the range, the top for values beyond
    // it; the bottom for a range without height.
    int YOf(float Value) const;
    // The bar of point I, limited to the range; empty (Left == Right) for
    // bars too narrow to draw.
    TBarRect BarOf(int I) const;

private:
    int FPoints = 0;
    float FMin = 0;
    float FMax = 0;
    const TGraphData* FData = nullptr;
};
