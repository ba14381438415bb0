// The typing canvas: characters, backspace, word ends, the 70 % rule,
// scrolling, the caret and what a keystroke repaints. The canvas shows the
// word a typing run keeps; here the test keeps it, as the run would.
#include "engine/ui/TTypingCanvas.h"
#include "tests/support/TPaintSpy.h"

#include <QApplication>
#include <QImage>
#include <QTest>
#include <gtest/gtest.h>

#include <string>

namespace {

// A typing canvas with the word being typed, which the test changes as a
// typing run would and then tells the canvas.
struct TTypingLine {
    TTypingCanvas Canvas;
    std::string Word;

    TTypingLine() { Canvas.Follow(Word); }
    void Type(const std::string& S) {
        for (char C : S) {
            if (Word.size() < TWordInfo::MaxLength) Word += C;
            if (Canvas.TypeChar(static_cast<unsigned char>(C))) {
                Word.assign(1, C);
                Canvas.WordChanged();
            }
        }
    }
    void Backspace() {
        if (Word.empty()) return;
        Word.pop_back();
        Canvas.WordChanged();
    }
    void EndWord(int Kind, int Mark) {
        const std::string Ended = Word;
        Word.clear();
        Canvas.EndWord(Kind, Mark, Ended);
    }
};

// A canvas with Rows rows.
void SizeForRows(TTypingCanvas& Canvas, int Width, int Rows) {
    Canvas.resize(Width, Rows * (Canvas.FontHeight() + 2) + 8);
}

TEST(TypingCanvas, CharactersBackspaceAndWordEnds) {
    TTypingLine Typist;
    TTypingCanvas& Canvas = Typist.Canvas;
    Canvas.resize(400, 200);
    EXPECT_EQ(Canvas.WordCount(), 1);
    Typist.Type("ab\xE9");
    EXPECT_EQ(Canvas.CurrentWord().Text, "ab\xE9");
    EXPECT_EQ(Canvas.CaretX(), 3 + Canvas.TextWidth("ab\xE9"));
    Typist.Backspace();
    EXPECT_EQ(Canvas.CurrentWord().Text, "ab");

    Typist.EndWord(0, 2);
    EXPECT_EQ(Canvas.WordCount(), 2);
    EXPECT_EQ(Canvas.Current(), 1);
    EXPECT_EQ(Canvas.Words()[0].Mark, 2);
    EXPECT_EQ(Canvas.Words()[0].Text, "ab") << "an ended word is the canvas's own";
    EXPECT_EQ(Canvas.CurrentWord().Text, "");
    const int After = 3 + Canvas.TextWidth("ab") + Canvas.TextWidth(" ");
    EXPECT_EQ(Canvas.PenX(), After);
    EXPECT_EQ(Canvas.CurrentTarget(), "");

    Typist.Type("cd");
    EXPECT_EQ(Canvas.CurrentWord().X, After);
    Typist.EndWord(1, 1);
    EXPECT_EQ(Canvas.PenRow(), 2);
    EXPECT_EQ(Canvas.PenX(), 3);
    Typist.Type("e");
    EXPECT_EQ(Canvas.CurrentWord().Row, 2);
    EXPECT_EQ(Canvas.CurrentWord().X, 3);
}

TEST(TypingCanvas, WordAtTheMarginMovesOrBreaksByTheSeventyPercentRule) {
    TTypingLine Typist;
    TTypingCanvas& Canvas = Typist.Canvas;
    Canvas.resize(300, 200);
    const int Usable = Canvas.width() - 6;

    // A short word crossing the margin moves, whole, to the next row.
    while (Canvas.PenX() + Canvas.TextWidth("wordsss ") < Canvas.width() - 3) {
        Typist.Type("x");
        Typist.EndWord(0, 0);
    }
    const int Before = Canvas.WordCount();
    Typist.Type("wordsssssss");
    EXPECT_EQ(Canvas.WordCount(), Before);
    EXPECT_EQ(Canvas.CurrentWord().Text, "wordsssssss");
    EXPECT_EQ(Canvas.CurrentWord().Row, 2);
    EXPECT_EQ(Canvas.CurrentWord().X, 3);

    // A word longer than 70 % of the width is broken off where it is.
    Typist.EndWord(1, 0);
    std::string Long;
    while (Canvas.TextWidth(Long) * 10 <= Usable * 7)
        Long += "w";
    Typist.Type(Long);
    const int Row = Canvas.PenRow();
    while (Canvas.PenRow() == Row)
        Typist.Type("w");
    const TWordInfo& Broken = Canvas.Words()[size_t(Canvas.WordCount() - 2)];
    EXPECT_EQ(Broken.Row, Row);
    EXPECT_FALSE(Canvas.Overflows(Broken.X + Canvas.TextWidth(Broken.Text)));
    EXPECT_EQ(Canvas.CurrentWord().Text, "w");
    EXPECT_EQ(Canvas.CurrentWord().X, 3);
}

TEST(TypingCanvas, FullCanvasScrollsAndForgetsOldRows) {
    TTypingLine Typist;
    TTypingCanvas& Canvas = Typist.Canvas;
    SizeForRows(Canvas, 300, 3);
    for (int Line = 0; Line < 3; ++Line) {
        Typist.Type("line" + std::to_string(Line));
        Typist.EndWord(1, 0);
    }
    // The third break scrolled: line0 left the top, the pen stays on row 3.
    EXPECT_EQ(Canvas.PenRow(), 3);
    EXPECT_EQ(Canvas.Words()[0].Row, 0);
    EXPECT_EQ(Canvas.Words()[1].Text, "line1");
    EXPECT_EQ(Canvas.Words()[1].Row, 1);
    EXPECT_EQ(Canvas.Current(), Canvas.WordCount() - 1);
    EXPECT_EQ(Canvas.CurrentWord().Row, 3);

    for (int Line = 3; Line < 200; ++Line) {
        Typist.Type("l" + std::to_string(Line));
        Typist.EndWord(1, 0);
    }
    EXPECT_LE(Canvas.WordCount(), 6);
    EXPECT_EQ(Canvas.Current(), Canvas.WordCount() - 1);
    EXPECT_EQ(Canvas.PenRow(), 3);
}

TEST(TypingCanvas, TenThousandCharactersWithoutASpaceStayBounded) {
    for (int Width : {2000, 300, 20}) {
        SCOPED_TRACE(Width);
        TTypingLine Typist;
        TTypingCanvas& Canvas = Typist.Canvas;
        SizeForRows(Canvas, Width, 3);
        for (int I = 0; I < 10000; ++I)
            Typist.Type("k");
        EXPECT_LE(Canvas.CurrentWord().Text.size(), 70u);
        EXPECT_LE(Canvas.WordCount(), 200);
        EXPECT_LE(Canvas.PenRow(), 3);
        for (int I = 0; I < 10000; ++I)
            Typist.EndWord(0, 0); // spaces alone
        EXPECT_LE(Canvas.WordCount(), 2000);
        EXPECT_LE(Canvas.PenRow(), 3);
    }
}

TEST(TypingCanvas, KeystrokeRepaintsOnlyTheBandOfTheWordBeingTyped) {
    TTypingLine Typist;
    TTypingCanvas& Canvas = Typist.Canvas;
    Canvas.resize(500, 200);
    Canvas.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&Canvas));
    Canvas.setFocus();
    ASSERT_TRUE(QTest::qWaitFor([&] { return Canvas.HasCaret(); }));
    Typist.Type("first");
    Typist.EndWord(1, 0);
    Typist.Type("seco");
    QApplication::processEvents();

    TPaintSpy Spy(&Canvas);
    const QRect Band(0, Canvas.RowTop(2), 1, Canvas.RowBandHeight());
    for (auto Key : {0, 1, 2}) {
        SCOPED_TRACE(Key);
        Spy.Reset();
        if (Key == 0) Typist.Type("n");
        if (Key == 1) Typist.Backspace();
        if (Key == 2) Typist.EndWord(0, 1);
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
    TTypingLine Typist;
    TTypingCanvas& Canvas = Typist.Canvas;
    Canvas.resize(300, 60);
    Canvas.SetBackColor(Qt::black);
    Canvas.SetFontColor(QColor(0, 255, 0));
    Canvas.MarkColor = QColor(255, 0, 0);
    QImage Image(Canvas.size(), QImage::Format_RGB32);
    // Green ink in the first row, where the word stands.
    const QRect Band(3, Canvas.RowTop(1), Canvas.TextWidth("word"), Canvas.FontHeight() - 2);
    auto Ink = [&] {
        Canvas.render(&Image);
        int Count = 0;
        for (int Y = Band.top(); Y <= Band.bottom(); ++Y)
            for (int X = Band.left(); X <= Band.right(); ++X)
                if (Image.pixelColor(X, Y).green() > 128 && Image.pixelColor(X, Y).red() < 64)
                    ++Count;
        return Count;
    };
    EXPECT_EQ(Ink(), 0);
    // The word being typed is drawn, though the canvas keeps only the ended
    // words; once ended, it is drawn from the canvas's own words alike.
    Typist.Type("word");
    EXPECT_EQ(Canvas.CurrentWord().Color.rgb(), QColor(0, 255, 0).rgb());
    const int Typing = Ink();
    EXPECT_GT(Typing, 0);
    Typist.EndWord(0, 1);
    EXPECT_EQ(Ink(), Typing);
    const int Y = Canvas.RowTop(1) + Canvas.FontHeight();
    const int Right = 3 + Canvas.TextWidth("word") - 1;
    for (int X = 3; X <= Right; ++X)
        ASSERT_EQ(Image.pixelColor(X, Y), QColor(255, 0, 0)) << X;
    EXPECT_EQ(Image.pixelColor(Right + 2, Y), QColor(Qt::black));
}

} // namespace
