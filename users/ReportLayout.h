// Where the study report's texts go on the page. Positions come from a grid
// of 2400 units across and 3357 down, scaled to the page's pixels; a line is
// as high as its font (the point size at the page's resolution). A plain
// function of the figures and the page, so that the printing only draws.
#pragma once

#include "users/ReportData.h"

#include <string>
#include <vector>

struct TReportItem {
    enum TKind { Text, Rule };
    TKind Kind = Text;
    int Page = 0; // 0 for the first
    int X = 0;    // left edge
    int Y = 0;    // top edge
    int X2 = 0;   // a rule's right end
    int Points = 0;
    bool Bold = false;
    // A text that would run into the next column is cut to this width (0:
    // never cut).
    int MaxWidth = 0;
    std::string String;
};

struct TReportPage {
    int Width = 0;  // pixels
    int Height = 0; // pixels
    int Dpi = 0;
};

// The height of a line of the given point size at Dpi, in pixels.
int ReportFontHeight(int Points, int Dpi);

// The report's items in drawing order. Rows that would run past the page's
// foot continue on further pages under the column headings.
std::vector<TReportItem> LayoutStudyReport(const TReportData& Data, const TReportPage& Page);
