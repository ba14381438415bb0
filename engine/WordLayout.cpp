#include "engine/WordLayout.h"

#include "files/SystemUtils.h"

#include <cstring>

namespace {
// Tokens longer than a short string are cut to it by the reader.
constexpr std::size_t TokenCapacity = 255;
} // namespace

int RowTop(int Row, int FontHeight) {
    return (FontHeight + 2) * (Row - 1) + 2;
}

// round(6h / 5) and round(4h / 5) never meet a half, so integer rounding is exact.
int RowBandHeight(int FontHeight) {
    return (6 * FontHeight + 2) / 5;
}

int CircleSide(int FontHeight) {
    return (4 * FontHeight + 2) / 5;
}

bool Overflows(int X, int ClientWidth) {
    return X > ClientWidth - 3;
}

bool CanvasFull(int PenRow, int FontHeight, int ClientHeight) {
    return RowTop(PenRow + 2, FontHeight) > ClientHeight - 2;
}

bool MovesToNextLine(int WordWidth, int ClientWidth) {
    // (ClientWidth - 6) x 0.7 >= WordWidth, in integers.
    return static_cast<long long>(ClientWidth - 6) * 7 >= static_cast<long long>(WordWidth) * 10;
}

TPage LayOutPage(const std::string& Text, std::size_t Start, const TPageGeometry& Geometry,
                 const TTextWidth& Width) {
    TPage Page;
    const char* Begin = Text.c_str();
    const std::size_t End = std::strlen(Begin); // the text ends at its first NUL
    if (Start > End) Start = End;

    const int ExtraWidth = Width("WW");
    auto EndLine = [&Page]() {
        if (!Page.Words.empty()) Page.Words.back().LineEnd = true;
    };
    // The pen moves to the next row; false when the canvas is full.
    auto NextRow = [&Page, &Geometry]() {
        if (CanvasFull(Page.PenRow, Geometry.FontHeight, Geometry.ClientHeight)) return false;
        Page.PenX = CanvasLeft;
        Page.PenRow += 1;
        return true;
    };

    const char* P = Begin + Start;
    std::string Token;
    for (;;) {
        const char* TokenStart = P;
        const char* After = ReadWord(P, Token, TokenCapacity);
        if (Token.empty()) { // end of the text
            EndLine();
            P = After;
            break;
        }
        if (Token == "\r") {
            P = After;
            if (!Page.Words.empty()) {
                EndLine();
                if (!NextRow()) break;
            }
            continue;
        }
        // A word is measured as it is shown, cut to its longest.
        if (Token.size() > TWordInfo::MaxLength) Token.resize(TWordInfo::MaxLength);
        if (Overflows(Page.PenX + Width(Token) + ExtraWidth, Geometry.ClientWidth)) {
            EndLine();
            // A full canvas leaves the word for the next page, unless this
            // page has none: then it goes where the pen is.
            if (!NextRow() && !Page.Words.empty()) break;
        }
        TWordInfo Word;
        Word.Text = Token;
        Word.X = Page.PenX;
        Word.Row = Page.PenRow;
        Word.Offset = int(TokenStart - Begin);
        Page.Words.push_back(std::move(Word));
        Page.PenX += Width(Token + " ");
        P = After;
    }
    Page.NextPageStart = std::size_t(P - Begin);
    return Page;
}
