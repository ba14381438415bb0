// The view canvas and the word view canvas: pages, modes, targets, the hint,
// what a step repaints and what is painted.
#include "engine/ui/TViewCanvas.h"
#include "engine/ui/TWordViewCanvas.h"
#include "tests/support/TPaintSpy.h"

#include <QApplication>
#include <QImage>
#include <QTest>
#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::vector<std::string> Targets(TViewCanvas& Canvas, int Steps) {
    std::vector<std::string> Seen;
    for (int I = 0; I < Steps; ++I) {
        Seen.push_back(Canvas.CurrentTarget());
        Canvas.Advance();
    }
    return Seen;
}

int CountColor(const QImage& Image, const QRect& Area, const QColor& Color) {
    int N = 0;
    for (int Y = std::max(0, Area.top()); Y <= std::min(Image.height() - 1, Area.bottom()); ++Y)
        for (int X = std::max(0, Area.left()); X <= std::min(Image.width() - 1, Area.right()); ++X)
            if (Image.pixelColor(X, Y).rgb() == Color.rgb()) ++N;
    return N;
}

QImage Render(QWidget& W) {
    QImage Image(W.size(), QImage::Format_RGB32);
    W.render(&Image);
    return Image;
}

TEST(ViewCanvas, EmptyTextGivesAnEmptyPage) {
    TViewCanvas Canvas;
    Canvas.SetText("");
    EXPECT_EQ(Canvas.WordCount(), 0);
    EXPECT_EQ(Canvas.CurrentTarget(), "");
    EXPECT_EQ(Canvas.WordAt(0), "");
    Canvas.Advance(); // nothing to advance over
    EXPECT_EQ(Canvas.CurrentTarget(), "");
    Canvas.SetText("only separators \r\n\r\n \t");
    EXPECT_EQ(Canvas.WordAt(0), "only");
    Canvas.SetText("\r\r\r\r");
    EXPECT_EQ(Canvas.WordCount(), 0);
}

TEST(ViewCanvas, StartPositionOutsideTheTextStartsAtTheBeginning) {
    TViewCanvas Canvas;
    for (int Pos : {-5, 100}) {
        Canvas.SetText("one two", Pos);
        EXPECT_EQ(Canvas.PageStart(), 0);
        EXPECT_EQ(Canvas.LinePos(), 0);
        EXPECT_EQ(Canvas.WordAt(0), "one");
    }
    Canvas.SetText("one two", 3);
    EXPECT_EQ(Canvas.WordAt(0), "two");
    EXPECT_EQ(Canvas.WordAt(-1), "");
    EXPECT_EQ(Canvas.LinePos(), 3);
}

TEST(ViewCanvas, CharacterModeTargetsSpacesAndLineEnds) {
    TViewCanvas Canvas;
    Canvas.resize(400, 200);
    Canvas.SetMode(0);
    Canvas.SetText("ab c\r\nd");
    EXPECT_EQ(Targets(Canvas, 8),
              (std::vector<std::string>{"a", "b", " ", "c", "\r", "d", "\r", ""}));
}

TEST(ViewCanvas, WordModeTypedWordsTurnGreyAndLinePosFollowsLines) {
    TViewCanvas Canvas;
    Canvas.resize(400, 200);
    Canvas.SetText("ab cd\r\nef gh");
    EXPECT_EQ(Canvas.CurrentTarget(), "ab");
    Canvas.Advance();
    EXPECT_EQ(Canvas.Words()[0].Color.rgb(), Canvas.TypedTextColor.rgb());
    EXPECT_EQ(Canvas.WordAt(0), "cd");
    EXPECT_EQ(Canvas.LinePos(), 0);
    Canvas.Advance(); // "cd" ended its line
    EXPECT_EQ(Canvas.WordAt(0), "ef");
    EXPECT_EQ(Canvas.LinePos(), 6);
    // Resuming there shows the same line first.
    TViewCanvas Resumed;
    Resumed.SetText("ab cd\r\nef gh", Canvas.LinePos());
    EXPECT_EQ(Resumed.WordAt(0), "ef");
}

TEST(ViewCanvas, PassingTheLastWordTurnsThePage) {
    TViewCanvas Canvas;
    Canvas.resize(400, 3 * (Canvas.FontHeight() + 2) + 8); // three rows
    std::string Text;
    for (int I = 0; I < 10; ++I)
        Text += "w" + std::to_string(I) + "\r\n";
    Canvas.SetText(Text);
    ASSERT_EQ(Canvas.WordCount(), 3);
    std::vector<std::string> Seen;
    while (!Canvas.CurrentTarget().empty() && Seen.size() < 20) {
        Seen.push_back(Canvas.CurrentTarget());
        Canvas.Advance();
    }
    ASSERT_EQ(Seen.size(), 10u);
    EXPECT_EQ(Seen[3], "w3");
    EXPECT_EQ(Seen[9], "w9");
    EXPECT_EQ(Canvas.LinePos(), 0); // nothing left to resume
}

TEST(ViewCanvas, ModeTwoShowsTheFirstWordOfEveryPageAsAHint) {
    TViewCanvas Canvas;
    Canvas.resize(400, 2 * (Canvas.FontHeight() + 2) + 8); // two rows
    Canvas.SetMode(2);
    Canvas.SetText("a\r\nb\r\nc\r\nd");
    EXPECT_TRUE(Canvas.HintShown());
    EXPECT_TRUE(Canvas.Highlight());
    EXPECT_EQ(Canvas.Cursor(), -1);
    Canvas.Advance();
    EXPECT_FALSE(Canvas.HintShown());
    EXPECT_FALSE(Canvas.Highlight());
    EXPECT_EQ(Canvas.Mode(), 2);
    // Typed words keep their colour without highlighting.
    EXPECT_EQ(Canvas.Words()[0].Color.rgb(), Canvas.FontColor().rgb());
    Canvas.Advance(); // to the next page
    EXPECT_EQ(Canvas.WordAt(0), "c");
    EXPECT_TRUE(Canvas.HintShown());
    // The event may ask for the hint again.
    Canvas.Advance();
    Canvas.ShowHint();
    EXPECT_TRUE(Canvas.Highlight());
    // Other modes have no hint.
    Canvas.SetMode(3);
    Canvas.ShowHint();
    EXPECT_FALSE(Canvas.Highlight());
}

TEST(ViewCanvas, AdvanceRepaintsOnlyTheBandsOfTheWordsThatChange) {
    TViewCanvas Canvas;
    Canvas.resize(500, 250);
    Canvas.SetText("one two three four five\r\nsix seven eight nine\r\nten eleven twelve");
    Canvas.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&Canvas));
    TPaintSpy Spy(&Canvas);
    const int Band = Canvas.RowBandHeight();
    auto RowBand = [&](int Row) { return QRect(0, Canvas.RowTop(Row), 1, Band); };

    for (int Mode : {1, 0}) {
        SCOPED_TRACE(Mode);
        Canvas.SetMode(Mode);
        QApplication::processEvents();
        Spy.Reset();
        Canvas.Advance();
        QApplication::processEvents();
        const QRegion Painted = Spy.All();
        ASSERT_FALSE(Painted.isEmpty());
        EXPECT_LE(Painted.rectCount(), 3);
        EXPECT_TRUE(InsideBands(Painted, {RowBand(1)}));
        // A few words, not the row.
        EXPECT_LT(Painted.boundingRect().width(), Canvas.width() / 2);
    }

    // The step over a line end touches the two rows, and no third.
    while (Canvas.WordAt(0) != "six")
        Canvas.Advance();
    Canvas.SetMode(1);
    while (Canvas.WordAt(0) != "nine")
        Canvas.Advance();
    QApplication::processEvents();
    Spy.Reset();
    Canvas.Advance();
    QApplication::processEvents();
    EXPECT_TRUE(InsideBands(Spy.All(), {RowBand(2), RowBand(3)}));
}

TEST(ViewCanvas, PaintsTheHighlight) {
    TViewCanvas Canvas;
    Canvas.resize(300, 60);
    Canvas.SetText("highlighted word");
    const QRect FirstWord(0, 0, Canvas.Words()[1].X - 1, 30);
    QImage Image = Render(Canvas);
    EXPECT_GT(CountColor(Image, FirstWord, Canvas.HighlightBackColor), 50);
    EXPECT_GT(CountColor(Image, FirstWord, Canvas.HighlightTextColor), 10);

    Canvas.SetMode(0);
    Canvas.Advance();
    Image = Render(Canvas);
    EXPECT_GT(CountColor(Image, FirstWord, Canvas.TypedTextColor), 5); // the typed "h"
    EXPECT_GT(CountColor(Image, FirstWord, Canvas.HighlightBackColor), 20);

    Canvas.SetMode(3);
    Image = Render(Canvas);
    EXPECT_EQ(CountColor(Image, QRect(QPoint(0, 0), Canvas.size()), Canvas.HighlightBackColor), 0);
}

TEST(WordViewCanvas, MarksOneCharacterAfterAnother) {
    TWordViewCanvas Canvas;
    Canvas.SetWord(std::string(80, 'q'));
    EXPECT_EQ(Canvas.Word().Text.size(), 70u);
    Canvas.SetWord("cat");
    EXPECT_EQ(Canvas.Word().Color.rgb(), QColor(128, 0, 0).rgb());
    EXPECT_EQ(Canvas.CurrentTarget(), "c");
    Canvas.AdvanceChar();
    Canvas.AdvanceChar();
    EXPECT_EQ(Canvas.CurrentTarget(), "t");
    Canvas.AdvanceChar(); // done
    EXPECT_EQ(Canvas.CurrentTarget(), "t");
    EXPECT_EQ(Canvas.Word().Color.rgb(), Canvas.RestTextColor.rgb());
    // A new font keeps the game's colour; Clear keeps the one word.
    Canvas.SetWord("dog");
    Canvas.setFont(QFont(QStringLiteral("Arial"), 20));
    EXPECT_EQ(Canvas.Word().Color.rgb(), QColor(128, 0, 0).rgb());
    Canvas.Clear();
    EXPECT_EQ(Canvas.WordCount(), 1);
    Canvas.AdvanceChar(); // on an empty word
    EXPECT_EQ(Canvas.CurrentTarget(), "");
}

} // namespace
