// A text typed in the real book window, with the results it leaves on the
// results page (through the sink start-up installs) worked out by hand; the
// hint without highlighting; runs too short to be scored.
#include "tests/support/TextEventFixture.h"

#include "analysis/AnalysisObjects.h"
#include "analysis/results/TExercInfoView.h"
#include "engine/ui/TNervoGraph.h"
#include "engine/ui/TTextEvent.h"
#include "engine/ui/TTypingCanvas.h"
#include "engine/ui/TViewCanvas.h"
#include "forms/TChapterStgs.h"
#include "forms/TEventsStg.h"
#include "shell/TBookForm.h"
#include "shell/TChapterView.h"
#include "users/TUser.h"

#include <QFrame>
#include <QLabel>

namespace {

int MarkOf(const TTypingCanvas& Canvas, const std::string& Word) {
    for (const TWordInfo& W : Canvas.Words())
        if (W.Text == Word) return W.Mark;
    return -1;
}

// Shows the results page in the chapter container, runs Check on it and
// closes the container through its right page.
void ShowResults(const std::function<void()>& Check) {
    TFormView Right;
    Right.Host = BookForm;
    TDriver Driver;
    Driver.Do("results page", [&] {
        Check();
        Right.SetResult(erNext);
    });
    Driver.Start();
    EXPECT_EQ(ChapterView->Following(), ExercInfoView);
    EXPECT_EQ(ChapterView->ShowSpread(nullptr, &Right), erNext);
    EXPECT_TRUE(Driver.Finished());
}

} // namespace

// Model: my cat sat on the mat and ran off to find a red fox (14 words, 38
// characters). Typed with a key every 0.3 clock seconds:
//
//   my  cs<BS>at  on  the  mst  mat  and<space><space>ran  off  to  find  a  red  fox<Enter>
//
//   word   rule           passed  keys required  correct characters
//   my     current          2       3              2
//   cat    current          3       4              3      (the "a" after <BS> is a slip)
//   on     sat skipped      5       6              2
//   the    current          3       4              3
//   mst    current, 33 %    3       4              (100 - 33) % of 3 = 2.01
//   mat    repeated         0       1              3
//   and ... fox             21      28             21     (the empty word counts nothing)
//   total                  38      52             37.01
//
// Keys: 55, one of them a backspace. Time from the first key to the last:
// 54 x 0.3 = 16.2, so 16 clock seconds.
//   speed       52 / (16 / 60) = 195 cpm; grade (195 - 30) / 60 = 2.75  Advanced
//   accuracy    p = 100 - 0.99 / 38 x 100 = 97.395; (p - 90) x 10 = 73.95 -> "74 %";
//               grade 1 + (73.95 - 60) / 25 = 1.558                      Intermediate
//   backspace   1 / 55 = 1.8 %; grade (1.82 - 10) x -0.4 = 3.27          Expert
//   efficiency  a = 0.3895, b = 0.6875: 2ab / (a + b) = 0.4972 -> 50 %;
//               grade 2                                                  Advanced
//   comment     grades 1.558, 3.27, 4 (no key has 15 strokes), 2.75: accuracy
//               is weakest but weighs 2.26, so the speed is praised, neither
//               "really" (below 3) nor "relatively" (2 or more).
// Compared with the last results 180 cpm, 80, 5.0 % and 45 %: speed up by
// less than 20, accuracy down by less than 10, backspace down by 3 or more
// (better), efficiency up by less than 10.
TEST_F(TextEventTest, AWholeTextTypedWithSlipsGivesTheResultsWorkedOutByHand) {
    ExercInfoView->SetSpeed(180);
    ExercInfoView->SetAccuracy(80);
    ExercInfoView->SetBackSpace(5);
    ExercInfoView->SetEfficiency(45);

    TTextEvent Event("Cat=TEXT;1;my cat sat on the mat and ran off to find a red fox;TRUE");
    ASSERT_TRUE(Event.HighlightWords);
    TDriver Driver;
    Driver.Do("type the text", [&] {
        // The page: model text above, the typing line in the console's
        // screen below it, the rhythm graph in the speed screen.
        QWidget* Page = BookForm->WidePage;
        // Where a part lies on the page.
        const auto OnPage = [Page](const QWidget* W) {
            const QPoint Origin = Page->mapTo(BookForm, QPoint(0, 0));
            return QRect(W->mapTo(BookForm, QPoint(0, 0)) - Origin, W->size());
        };
        EXPECT_EQ(Event.Canvas->parentWidget(), Page);
        EXPECT_TRUE(Page->rect().contains(OnPage(Event.Canvas)));
        EXPECT_EQ(Event.Canvas->Mode(), 1);
        // The console with the typing screen lies under the model text, the
        // screen on the console and on the page.
        const QRect Console = OnPage(EventsStg->LeftConsole);
        const QRect Screen = OnPage(EventsStg->Screen1);
        EXPECT_GT(Console.top(), OnPage(Event.Canvas).bottom());
        EXPECT_TRUE(Console.contains(Screen));
        EXPECT_TRUE(Page->rect().contains(Screen));
        // The typing line fills the screen within an even margin.
        EXPECT_EQ(Event.TypingCanvas->parentWidget(), Page);
        const QRect Typing = OnPage(Event.TypingCanvas);
        EXPECT_TRUE(Screen.contains(Typing) && Typing != Screen);
        EXPECT_EQ(Typing.left() - Screen.left(), Screen.right() - Typing.right());
        EXPECT_EQ(Typing.top() - Screen.top(), Screen.bottom() - Typing.bottom());
        EXPECT_EQ(Typing.left() - Screen.left(), Typing.top() - Screen.top());
        EXPECT_TRUE(IsShownOnWindow(Event.TypingCanvas));
        // The rhythm graph lies in the speed screen.
        EXPECT_TRUE(OnPage(EventsStg->Screen3).contains(OnPage(Event.RhythmGraph)));
        EXPECT_TRUE(EventsStg->SpeedTitle->isVisible());
        EXPECT_EQ(TextOf(EventsStg->SpeedTitle2), "cpm");
        EXPECT_FALSE(EventsStg->EventMsg->isVisible());

        Type("my cs\bat on the mst mat and  ran off to find a red fox");
        EXPECT_EQ(Event.State, esRunning);
        EXPECT_TRUE(Event.RhythmGraph->Running());
        EXPECT_EQ(Event.Canvas->WordAt(0), "fox");
        Type("\r");
        EXPECT_EQ(Event.State, esCompleted);
        EXPECT_FALSE(Event.TypingCanvas->isEnabled());
        EXPECT_FALSE(Event.RhythmGraph->Running());
        EXPECT_EQ(MarkOf(*Event.TypingCanvas, "mst"), 2);
        EXPECT_EQ(MarkOf(*Event.TypingCanvas, "on"), 0);
        EXPECT_EQ(MarkOf(*Event.TypingCanvas, "mat"), 0);

        // Keys after completion change nothing.
        Type("zz \b");
        EXPECT_EQ(BackSpaceCounter->Keys, 55);
        EXPECT_EQ(Event.Run.Words().WordsTyped, 14);
        PressKey(BookForm, Qt::Key_Return);
    });
    EXPECT_EQ(RunAsProgram(Event, Driver).Result, erNext);

    EXPECT_EQ(EfficiencyCalc->KeysRequired(), 52);
    EXPECT_EQ(EfficiencyCalc->TextChars(), 38);
    EXPECT_NEAR(EfficiencyCalc->CorrectChars(), 37.01, 1e-9);
    EXPECT_EQ(BackSpaceCounter->BackSpaces, 1);
    EXPECT_EQ(EfficiencyCalc->Elapsed(), 16);
    EXPECT_EQ(ExercInfoView->ViewName, "ExercInfo");
    EXPECT_EQ(ExercInfoView->SpeedValue, 195);
    EXPECT_NEAR(ExercInfoView->AccuracyValue, 73.95, 0.01);
    EXPECT_EQ(CurrentUser->FLastEfficiency, 50);

    ShowResults([&] {
        TChapterStgs* P = ChapterStgs;
        EXPECT_EQ(P->SpeedLbl->parentWidget(), BookForm->LeftPage);
        EXPECT_TRUE(IsShownOnWindow(P->SpeedLbl));
        EXPECT_EQ(TextOf(P->SpeedLbl), "195");
        EXPECT_EQ(TextOf(P->SpeedGradeLbl), "Advanced");
        EXPECT_EQ(TextOf(P->ErrorsLbl), "74 %");
        EXPECT_EQ(TextOf(P->ErrorsGradeLbl), "Intermediate");
        EXPECT_EQ(TextOf(P->BackSpaceLbl), "1.8 %");
        EXPECT_EQ(TextOf(P->BackSpaceGradeLbl), "Expert");
        EXPECT_EQ(TextOf(P->EfficiencyLbl), "50 %");
        EXPECT_EQ(TextOf(P->EfficiencyGradeLbl), "Advanced");
        EXPECT_EQ(TextOf(P->TipLbl), "You typed fast. Good!");
        EXPECT_EQ(ExercInfoView->SpeedChange(), TChange::Up);
        EXPECT_EQ(ExercInfoView->AccuracyChange(), TChange::Down);
        EXPECT_EQ(ExercInfoView->BackSpaceChange(), TChange::DoubleUp);
        EXPECT_EQ(ExercInfoView->EfficiencyChange(), TChange::Up);
    });
}

// A control key is a key like any other for the clock: the first one starts
// it, though it types nothing.
TEST_F(TextEventTest, ACtrlLetterAsTheFirstKeyStartsTheClock) {
    for (const Qt::Key Key : {Qt::Key_A, Qt::Key_Z}) {
        TTextEvent Event("E=TEXT;1;some words;TRUE");
        TDriver Driver;
        std::uint8_t After = esWaiting;
        Driver.Do("ctrl", [&] {
            PressKey(BookForm, Key, Qt::ControlModifier);
            After = Event.State;
            ClickWidget(BookForm->Next);
        });
        Driver.Start();
        Event.Execute();
        EXPECT_EQ(After, esRunning) << Key;
        EXPECT_EQ(Event.TypingCanvas ? Event.TypingCanvas->CurrentWord().Text : "", "") << Key;
    }
}

TEST_F(TextEventTest, WithoutHighlightingTwoBadWordsInARowShowTheHint) {
    for (const bool Highlight : {false, true}) {
        SCOPED_TRACE(Highlight ? "highlighting" : "no highlighting");
        TTextEvent Event(std::string("H=TEXT;1;one two three four five six;") +
                         (Highlight ? "true" : ""));
        TDriver Driver;
        Driver.Do("type", [&] {
            TViewCanvas& Model = *Event.Canvas;
            EXPECT_EQ(Event.HighlightWords, Highlight);
            // Without highlighting the first word of a page is shown once.
            EXPECT_EQ(Model.HintShown(), !Highlight);
            Type("one xx ");
            EXPECT_FALSE(Model.HintShown());
            Type("qq ");
            EXPECT_EQ(Model.WordAt(0), "four");
            EXPECT_EQ(Model.HintShown(), !Highlight);
            EXPECT_EQ(Model.Highlight(), true);
            Type("four ");
            EXPECT_FALSE(Model.HintShown());
            EXPECT_EQ(Model.Mode(), Highlight ? 1 : 2);
            PressKey(BookForm, Qt::Key_Escape);
        });
        EXPECT_EQ(RunEvent(Event, Driver), erCancelled);
    }
}

TEST_F(TextEventTest, RunsTooShortLeaveTheResultsPageSayingSo) {
    struct TCase {
        const char* Text;
        const char* Keys;
        double Step;
        bool Valid;
    } Cases[] = {
        {"a b c d", "a b c d\r", 3, false},       // four words, 21 clock seconds
        {"a b c d e", "a b c d e\r", 0.5, false}, // five words, 4.5 clock seconds
        {"a b c d e", "a b c d e\r", 1.1, true},  // five words, 9.9, rounded 10
    };
    for (const TCase& C : Cases) {
        SCOPED_TRACE(C.Keys);
        TTextEvent Event(std::string("Short=TEXT;1;") + C.Text);
        TDriver Driver;
        Driver.Do("type", [&] {
            Type(C.Keys, C.Step);
            PressKey(BookForm, Qt::Key_Return);
        });
        EXPECT_EQ(RunAsProgram(Event, Driver).Result, erNext);
        EXPECT_EQ(Event.ResultsValid(), C.Valid);
        EXPECT_EQ(ExercInfoView->Valid, C.Valid);
        if (C.Valid) continue;
        ShowResults([] {
            EXPECT_EQ(TextOf(ChapterStgs->SpeedLbl), "-");
            EXPECT_EQ(TextOf(ChapterStgs->TipLbl), TExercInfoView::TooShortText);
        });
    }
}
