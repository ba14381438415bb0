// The typing canvas: characters, backspace, word ends, the 70 % rule,
// scrolling, the caret and what a keystroke repaints.
#include "engine/ui/TTypingCanvas.h"
#include "tests/support/TPaintSpy.h"

#include <QApplication>
#include <QImage>
#include <QTest>
#include <gtest/gtest.h>

#include <string>

namespace {

void Type(TTypingCanvas& Canvas, const std::string& S) {
    for (char C : S)
        Canvas.TypeChar(static_cast<unsigned char>(C));
}

// A canvas with Rows rows.
void SizeForRows(TTypingCanvas& Canvas, int Width, int Rows) {
    Canvas.resize(Width, Rows * (Canvas.FontHeight() + 2) + 8);
}

TEST(TypingCanvas, CharactersBackspaceAndWordEnds) {
    TTypingCanvas Canvas;
    Canvas.resize(400, 200);
    EXPECT_EQ(Canvas.WordCount(), 1);
    Type(Canvas, std::string("a\x01 \x1F") + "b\xE9");
    EXPECT_EQ(Canvas.CurrentWord().Text, "ab\xE9"); // controls and space are ignored
    EXPECT_EQ(Canvas.CaretX(), 3 + Canvas.TextWidth("ab\xE9"));
    Canvas.Backspace();
    EXPECT_EQ(Canvas.CurrentWord().Text, "ab");

    Canvas.EndWord(0, 2);
    EXPECT_EQ(Canvas.WordCount(), 2);
    EXPECT_EQ(Canvas.Current(), 1);
    EXPECT_EQ(Canvas.Words()[0].Mark, 2);
    EXPECT_EQ(Canvas.CurrentWord().Text, "");
    const int After = 3 + Canvas.TextWidth("ab") + Canvas.TextWidth(" ");
    EXPECT_EQ(Canvas.PenX(), After);
    Canvas.Backspace(); // an empty word is left alone
    EXPECT_EQ(Canvas.WordCount(), 2);
    EXPECT_EQ(Canvas.CurrentTarget(), "");

    Type(Canvas, "cd");
    EXPECT_EQ(Canvas.CurrentWord().X, After);
    Canvas.EndWord(1, 1);
    EXPECT_EQ(Canvas.PenRow(), 2);
    EXPECT_EQ(Canvas.PenX(), 3);
    Type(Canvas, "e");
    EXPECT_EQ(Canvas.CurrentWord().Row, 2);
    EXPECT_EQ(Canvas.CurrentWord().X, 3);
}

TEST(TypingCanvas, SeventyOneCharactersKeepSeventy) {
    TTypingCanvas Canvas;
    Canvas.resize(4000, 200);
    Type(Canvas, std::string(71, 'm'));
    EXPECT_EQ(Canvas.CurrentWord().Text, std::string(70, 'm'));
    EXPECT_EQ(Canvas.WordCount(), 1);
}

TEST(TypingCanvas, WordAtTheMarginMovesOrBreaksByTheSeventyPercentRule) {
    TTypingCanvas Canvas;
    Canvas.resize(300, 200);
    const int Usable = Canvas.width() - 6;

    // A short word crossing the margin moves, whole, to the next row.
    while (Canvas.PenX() + Canvas.TextWidth("wordsss ") < Canvas.width() - 3) {
        Type(Canvas, "x");
        Canvas.EndWord(0, 0);
    }
    const int Before = Canvas.WordCount();
    Type(Canvas, "wordsssssss");
    EXPECT_EQ(Canvas.WordCount(), Before);
    EXPECT_EQ(Canvas.CurrentWord().Text, "wordsssssss");
    EXPECT_EQ(Canvas.CurrentWord().Row, 2);
    EXPECT_EQ(Canvas.CurrentWord().X, 3);

    // A word longer than 70 % of the width is broken off where it is.
    Canvas.EndWord(1, 0);
    std::string Long;
    while (Canvas.TextWidth(Long) * 10 <= Usable * 7)
        Long += "w";
    Type(Canvas, Long);
    const int Row = Canvas.PenRow();
    while (Canvas.PenRow() == Row)
        Type(Canvas, "w");
    const TWordInfo& Broken = Canvas.Words()[size_t(Canvas.WordCount() - 2)];
    EXPECT_EQ(Broken.Row, Row);
    EXPECT_FALSE(Canvas.Overflows(Broken.X + Canvas.TextWidth(Broken.Text)));
    EXPECT_EQ(Canvas.CurrentWord().Text, "w");
    EXPECT_EQ(Canvas.CurrentWord().X, 3);
}

TEST(TypingCanvas, FullCanvasScrollsAndForgetsOldRows) {
    TTypingCanvas Canvas;
    SizeForRows(Canvas, 300, 3);
    for (int Line = 0; Line < 3; ++Line) {
        Type(Canvas, "line" + std::to_string(Line));
        Canvas.EndWord(1, 0);
    }
    // The third break scrolled: line0 left the top, the pen stays on row 3.
    EXPECT_EQ(Canvas.PenRow(), 3);
    EXPECT_EQ(Canvas.Words()[0].Row, 0);
    EXPECT_EQ(Canvas.Words()[1].Text, "line1");
    EXPECT_EQ(Canvas.Words()[1].Row, 1);
    EXPECT_EQ(Canvas.Current(), Canvas.WordCount() - 1);
    EXPECT_EQ(Canvas.CurrentWord().Row, 3);

    for (int Line = 3; Line < 200; ++Line) {
        Type(Canvas, "l" + std::to_string(Line));
        Canvas.EndWord(1, 0);
    }
    EXPECT_LE(Canvas.WordCount(), 6);
    EXPECT_EQ(Canvas.Current(), Canvas.WordCount() - 1);
    EXPECT_EQ(Canvas.PenRow(), 3);
}

TEST(TypingCanvas, TenThousandCharactersWithoutASpaceStayBounded) {
    for (int Width : {2000, 300, 20}) {
        SCOPED_TRACE(Width);
        TTypingCanvas Canvas;
        SizeForRows(Canvas, Width, 3);
        for (int I = 0; I < 10000; ++I)
            Canvas.TypeChar('k');
        EXPECT_LE(Canvas.CurrentWord().Text.size(), 70u);
        EXPECT_LE(Canvas.WordCount(), 200);
        EXPECT_LE(Canvas.PenRow(), 3);
        for (int I = 0; I < 10000; ++I)
            Canvas.EndWord(0, 0); // spaces alone
        EXPECT_LE(Canvas.WordCount(), 2000);
        EXPECT_LE(Canvas.PenRow(), 3);
    }
}

TEST(TypingCanvas, KeystrokeRepaintsOnlyTheBandOfTheWordBeingTyped) {
    TTypingCanvas Canvas;
    Canvas.resize(500, 200);
    Canvas.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&Canvas));
    Canvas.setFocus();
    ASSERT_TRUE(QTest::qWaitFor([&] { return Canvas.HasCaret(); }));
    Type(Canvas, "first");
    Canvas.EndWord(1, 0);
    Type(Canvas, "seco");
    QApplication::processEvents();

    TPaintSpy Spy(&Canvas);
    const QRect Band(0, Canvas.RowTop(2), 1, Canvas.RowBandHeight());
    for (auto Key : {0, 1, 2}) {
        SCOPED_TRACE(Key);
        Spy.Reset();
        if (Key == 0) Canvas.TypeChar('n');
        if (Key == 1) Canvas.Backspace();
        if (Key == 2) Canvas.EndWord(0, 1);
        QApplication::processEvents();
        const QRegion Painted = Spy.All();
        ASSERT_FALSE(Painted.isEmpty());
        EXPECT_LE(Painted.rectCount(), 3);
        EXPECT_TRUE(InsideBands(Painted, {Band}));
        EXPECT_LT(Painted.boundingRect().width(), Canvas.width() / 2);
    }
    EXPECT_EQ(Canvas.CaretRect().top(), Canvas.RowTop(2));
    Canvas.clearFocus();
    EXPECT_FALSE(Canvas.HasCaret());
}

TEST(TypingCanvas, PaintsMarksAndTheCaret) {
    TTypingCanvas Canvas;
    Canvas.resize(300, 60);
    Canvas.SetBackColor(Qt::black);
    Canvas.SetFontColor(QColor(0, 255, 0));
    Canvas.MarkColor = QColor(255, 0, 0);
    Type(Canvas, "word");
    EXPECT_EQ(Canvas.CurrentWord().Color.rgb(), QColor(0, 255, 0).rgb());
    Canvas.EndWord(0, 1);
    QImage Image(Canvas.size(), QImage::Format_RGB32);
    Canvas.render(&Image);
    const int Y = Canvas.RowTop(1) + Canvas.FontHeight();
    const int Right = 3 + Canvas.TextWidth("word") - 1;
    for (int X = 3; X <= Right; ++X)
        ASSERT_EQ(Image.pixelColor(X, Y), QColor(255, 0, 0)) << X;
    EXPECT_EQ(Image.pixelColor(Right + 2, Y), QColor(Qt::black));
}

} // namespace
