// The page layout and the canvas geometry, with a font in which every
// character is 10 pixels wide.
#include "engine/WordLayout.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

int TenPerChar(const std::string& S) {
    return int(S.size()) * 10;
}

// Font height 10: rows start at 2, 14, 26, 38...
TPage Lay(const std::string& Text, int Width = 200, int Height = 200, size_t Start = 0) {
    TPageGeometry G;
    G.ClientWidth = Width;
    G.ClientHeight = Height;
    G.FontHeight = 10;
    return LayOutPage(Text, Start, G, TenPerChar);
}

struct TPlaced {
    std::string Text;
    int X, Row;
    bool LineEnd;
    int Offset;
};

void ExpectWords(const TPage& Page, const std::vector<TPlaced>& Expected) {
    ASSERT_EQ(Page.Words.size(), Expected.size());
    for (size_t I = 0; I < Expected.size(); ++I) {
        SCOPED_TRACE("word " + std::to_string(I));
        EXPECT_EQ(Page.Words[I].Text, Expected[I].Text);
        EXPECT_EQ(Page.Words[I].X, Expected[I].X);
        EXPECT_EQ(Page.Words[I].Row, Expected[I].Row);
        EXPECT_EQ(Page.Words[I].LineEnd, Expected[I].LineEnd);
        EXPECT_EQ(Page.Words[I].Offset, Expected[I].Offset);
    }
}

TEST(CanvasGeometry, RowsBandsAndMargins) {
    EXPECT_EQ(RowTop(1, 17), 2);
    EXPECT_EQ(RowTop(2, 17), 21);
    EXPECT_EQ(RowTop(0, 17), -17);
    // round(1.2 h) and round(0.8 h)
    const int Bands[][3] = {{10, 12, 8}, {17, 20, 14}, {18, 22, 14}, {24, 29, 19}, {1, 1, 1}};
    for (const auto& B : Bands) {
        EXPECT_EQ(RowBandHeight(B[0]), B[1]) << B[0];
        EXPECT_EQ(CircleSide(B[0]), B[2]) << B[0];
    }
    EXPECT_FALSE(Overflows(97, 100));
    EXPECT_TRUE(Overflows(98, 100));
    // Height 40 with h = 10 holds rows 1 to 3.
    EXPECT_FALSE(CanvasFull(2, 10, 40));
    EXPECT_TRUE(CanvasFull(3, 10, 40));
}

TEST(CanvasGeometry, SeventyPercentRule) {
    // Usable width 500: a word of up to 350 pixels moves, a longer one breaks.
    EXPECT_TRUE(MovesToNextLine(0, 506));
    EXPECT_TRUE(MovesToNextLine(350, 506));
    EXPECT_FALSE(MovesToNextLine(351, 506));
    EXPECT_FALSE(MovesToNextLine(1, 6));
}

TEST(WordLayout, WordsFollowEachOtherAndTheLastEndsItsLine) {
    ExpectWords(Lay("ab cd"), {{"ab", 3, 1, false, 0}, {"cd", 33, 1, true, 2}});
    // Offsets point at the separators before a word.
    ExpectWords(Lay("  ab\t\tcd  "), {{"ab", 3, 1, false, 0}, {"cd", 33, 1, true, 4}});
}

TEST(WordLayout, LineBreaks) {
    ExpectWords(Lay("ab\r\ncd"), {{"ab", 3, 1, true, 0}, {"cd", 3, 2, true, 3}});
    // An empty line leaves a row empty; a break before any word is skipped.
    ExpectWords(Lay("\r\nab\r\n\r\ncd"), {{"ab", 3, 1, true, 1}, {"cd", 3, 3, true, 7}});
}

TEST(WordLayout, WordTooWideForTheRestOfItsLineStartsANewRow) {
    // "bbbbbb" at 53 needs 53 + 60 + 20 > 97.
    ExpectWords(Lay("aaaa bbbbbb", 100), {{"aaaa", 3, 1, true, 0}, {"bbbbbb", 3, 2, true, 4}});
    // Even as the first word of a row: that row stays empty and the word
    // runs past the right edge.
    ExpectWords(Lay("cccccccccccc", 100), {{"cccccccccccc", 3, 2, true, 0}});
}

TEST(WordLayout, FullCanvasEndsThePage) {
    // Width 60: one 2-letter word a row; height 40: three rows.
    const std::string Text = "aa bb cc dd ee";
    const TPage First = Lay(Text, 60, 40);
    ExpectWords(First, {{"aa", 3, 1, true, 0}, {"bb", 3, 2, true, 2}, {"cc", 3, 3, true, 5}});
    EXPECT_EQ(First.NextPageStart, 8u); // "dd" is left for the next page, with its space
    const TPage Second = Lay(Text, 60, 40, First.NextPageStart);
    ExpectWords(Second, {{"dd", 3, 1, true, 8}, {"ee", 3, 2, true, 11}});
    EXPECT_EQ(Second.NextPageStart, Text.size());

    // A line break on the last row is consumed with it.
    const TPage Breaks = Lay("aa\r\nbb\r\ncc\r\ndd", 200, 40);
    EXPECT_EQ(Breaks.Words.size(), 3u);
    EXPECT_EQ(Breaks.NextPageStart, 11u);
}

TEST(WordLayout, TextsWithoutWords) {
    for (const std::string& Text :
         {std::string(), std::string(" \t\n\xFF  "), std::string("\r\r\r"), std::string("\r\n\r\n"),
          std::string("\0abc", 4)}) {
        const TPage Page = Lay(Text);
        EXPECT_TRUE(Page.Words.empty());
        EXPECT_EQ(Page.PenRow, 1);
    }
    EXPECT_EQ(Lay("\r\r\r").NextPageStart, 3u);
}

TEST(WordLayout, OddInput) {
    // The text ends at a NUL byte.
    const TPage Nul = Lay(std::string("ab\0cd ef", 8));
    ExpectWords(Nul, {{"ab", 3, 1, true, 0}});
    EXPECT_EQ(Nul.NextPageStart, 2u);
    // A start past the end gives an empty page.
    EXPECT_TRUE(Lay("ab", 200, 200, 50).Words.empty());
    // Words are cut to 70 characters, tokens to 255; what is cut is skipped.
    const std::string Long(300, 'x');
    const TPage Cut = Lay(Long + " y", 2000);
    ASSERT_EQ(Cut.Words.size(), 2u);
    EXPECT_EQ(Cut.Words[0].Text, std::string(70, 'x'));
    EXPECT_EQ(Cut.Words[1].Text, "y");
    EXPECT_EQ(Cut.Words[1].Offset, 300);
    // Bytes above 127 are ordinary letters.
    EXPECT_EQ(Lay("\xE9t\xE9 \xA0").Words.size(), 2u);
}

TEST(WordLayout, PagingEndsOnACanvasTooSmallForAnyWord) {
    const std::string Text = "abc def\r\nghi";
    size_t Start = 0;
    int Pages = 0;
    std::vector<std::string> Seen;
    while (Start < Text.size() && Pages < 10) {
        const TPage Page = Lay(Text, 5, 5, Start);
        for (const TWordInfo& W : Page.Words)
            Seen.push_back(W.Text);
        ASSERT_GT(Page.NextPageStart, Start);
        Start = Page.NextPageStart;
        ++Pages;
    }
    EXPECT_EQ(Seen, (std::vector<std::string>{"abc", "def", "ghi"}));
}

} // namespace
