// The geometry of the exercise canvases and the layout of a page of words,
// as plain functions of their inputs (no widget, no painting).
#pragma once

#include "engine/TWordInfo.h"

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

// Words start this many pixels from the left edge.
constexpr int CanvasLeft = 3;

// Top pixel of a row (row 1 is the top one) for a font of FontHeight pixels.
int RowTop(int Row, int FontHeight);
// Height of the band a row is drawn in: round(1.2 x FontHeight).
int RowBandHeight(int FontHeight);
// Side of the square behind the highlighted character: round(0.8 x FontHeight).
int CircleSide(int FontHeight);
// X is past the right margin of a canvas ClientWidth pixels wide.
bool Overflows(int X, int ClientWidth);
// No room for another row below PenRow.
bool CanvasFull(int PenRow, int FontHeight, int ClientHeight);
// A word being typed that reaches the right margin moves to the next line
// when it is at most 70 % of the usable width; otherwise it is broken off.
bool MovesToNextLine(int WordWidth, int ClientWidth);

// Pixel width of a Latin-1 text in the canvas font.
using TTextWidth = std::function<int(const std::string&)>;

struct TPageGeometry {
    int ClientWidth = 200;
    int ClientHeight = 200;
    int FontHeight = 17;
};

struct TPage {
    std::vector<TWordInfo> Words; // X, Row, Text, LineEnd and Offset set
    std::size_t NextPageStart = 0;
    int PenX = CanvasLeft;
    int PenRow = 1;
};

// Lays out the words of Text from Start until the canvas is full or the text
// ends. Text ends at its first NUL byte; a Start beyond it gives an empty page.
// A page always takes at least one word of what is left, so that paging
// through a text ends even on a canvas too small for any word.
TPage LayOutPage(const std::string& Text, std::size_t Start, const TPageGeometry& Geometry,
                 const TTextWidth& Width);
