// The text event at its edges: the clock and the keys it takes, input
// without end, the time-out, no text at all, and a story resumed at the
// line the learner reached.
#include "tests/support/TextEventFixture.h"

#include "analysis/AnalysisObjects.h"
#include "engine/ui/TNervoGraph.h"
#include "engine/ui/TTextEvent.h"
#include "engine/ui/TTypingCanvas.h"
#include "engine/ui/TViewCanvas.h"
#include "forms/TEventsStg.h"
#include "platform/Clock.h"
#include "shell/TBookForm.h"
#include "users/TUser.h"

#include <QFrame>
#include <QLabel>

TEST_F(TextEventTest, AnyFirstKeyStartsTheClockAndOnlyTypingKeysCount) {
    TTextEvent Event("K=TEXT;1;abc def");
    TDriver Driver;
    Driver.Do("type", [&] {
        EXPECT_EQ(Event.State, esWaiting);
        Type("\t");
        EXPECT_EQ(Event.State, esRunning);
        EXPECT_EQ(Event.StartTime, Now());
        EXPECT_EQ(BackSpaceCounter->Keys, 0) << "Tab is not a typing key";
        // Backspace on an empty word: counted, nothing removed.
        Type("\b");
        EXPECT_EQ(BackSpaceCounter->Keys, 1);
        EXPECT_EQ(BackSpaceCounter->BackSpaces, 1);
        EXPECT_EQ(Event.TypingCanvas->CurrentWord().Text, "");
        Type("ab\tc");
        EXPECT_EQ(Event.TypingCanvas->CurrentWord().Text, "abc");
        EXPECT_EQ(BackSpaceCounter->Keys, 4);
        // An empty word is committed without being a word.
        Type("  ");
        EXPECT_EQ(Event.Run.Words().WordsTyped, 1);
        EXPECT_EQ(Event.Canvas->WordAt(0), "def");
        PressKey(BookForm, Qt::Key_Escape);
    });
    EXPECT_EQ(RunEvent(Event, Driver), erCancelled);
}

TEST_F(TextEventTest, TenThousandKeysWithoutASpaceKeepEverythingBounded) {
    TTextEvent Event("Long=TEXT;1;word");
    TDriver Driver;
    Driver.Do("type", [&] {
        Type(std::string(5000, 'i') + std::string(5000, 'w'), 0.01);
        const TTypingCanvas& Typing = *Event.TypingCanvas;
        EXPECT_LE(Typing.CurrentWord().Text.size(), TWordInfo::MaxLength);
        EXPECT_LT(Typing.WordCount(), 40);
        EXPECT_EQ(BackSpaceCounter->Keys, 10000);
        Type(" ");
        EXPECT_EQ(Event.Run.Words().WordsTyped, 1);
        EXPECT_EQ(Event.State, esCompleted) << "the one model word was passed as a wrong one";
        PressKey(BookForm, Qt::Key_Return);
    });
    EXPECT_EQ(RunEvent(Event, Driver), erNext);
}

TEST_F(TextEventTest, TheTimeOutCompletesTheEventAndLaterKeysChangeNothing) {
    TTextEvent Event("T=TEXT;1;one two three four");
    Event.Setup.TimeLimit = 20;
    TDriver Driver;
    Driver.Do("type until the time is up", [&] {
        Type("one two ");
        Clock.AdvanceClockSeconds(20);
        Event.Tick();
        EXPECT_EQ(Event.State, esCompleted);
        EXPECT_FALSE(Event.TypingCanvas->isEnabled());
        EXPECT_FALSE(Event.RhythmGraph->Running());
        Type("three ");
        EXPECT_EQ(Event.Run.Words().WordsTyped, 2);
        EXPECT_EQ(BackSpaceCounter->Keys, 8);
        EXPECT_EQ(Event.TypingCanvas->CurrentWord().Text, "");
        PressKey(BookForm, Qt::Key_Return);
    });
    EXPECT_EQ(RunEvent(Event, Driver), erNext);
    EXPECT_EQ(EfficiencyCalc->Elapsed(), 2) << "up to the last key, not to the time-out";
}

TEST_F(TextEventTest, WithoutTextTheFirstSpaceCompletesTheEventForGood) {
    TTextEvent Event("None=TEXT;1;NIL");
    TDriver Driver;
    Driver.Do("space", [&] {
        Type(" ");
        EXPECT_EQ(Event.State, esCompleted);
        EXPECT_FALSE(Event.Timer->isActive());
        EXPECT_TRUE(EventsStg->EventMsg->isVisible());
        EXPECT_EQ(TextOf(EventsStg->MsgLabel1), "Exercise completed.");
        PressKey(BookForm, Qt::Key_Return);
    });
    EXPECT_EQ(RunEvent(Event, Driver), erNext);
}

TEST_F(TextEventTest, AStoryIsResumedAtTheLineTheLearnerReached) {
    WriteFileBytes(*Dir / "tale.txt", "alpha beta\r\ngamma delta\r\nepsilon zeta\r\n");
    SetStoryChooser(
        [](const TStringList&, const std::string&, const std::string&, std::string& Chosen) {
            Chosen = "tale.txt";
            return 1;
        });
    int Reached = 0;
    {
        TTextEvent Event("S=TEXT;1;ASK:*.txt");
        TDriver Driver;
        Driver.Do("type the first line", [&] {
            Type("alpha ");
            EXPECT_EQ(Event.StartPos, 0);
            Type("beta\r");
            Reached = Event.StartPos;
            EXPECT_EQ(Event.Canvas->WordAt(0), "gamma");
            PressKey(BookForm, Qt::Key_Escape);
        });
        EXPECT_EQ(RunEvent(Event, Driver), erCancelled);
        ASSERT_TRUE(Event.Text);
        EXPECT_EQ(Event.Text->substr(size_t(Reached)).find("gamma"), 1u)
            << "from the separator before the line's first word";
    }
    EXPECT_EQ(CurrentUser->FStoryFile, "tale.txt");
    EXPECT_EQ(CurrentUser->FStoryPosition, Reached);

    SetStoryChooser(nullptr); // continues the learner's story
    TTextEvent Again("S=TEXT;1;ASK:*.txt");
    TDriver Driver;
    Driver.Do("look", [&] {
        EXPECT_EQ(Again.Canvas->WordAt(0), "gamma");
        PressKey(BookForm, Qt::Key_Escape);
    });
    EXPECT_EQ(RunEvent(Again, Driver), erCancelled);
}

// A text of several pages, typed word by word, with one word skipped at the
// end of the first page: the model canvas shows the run's page and current
// word after every word, and its neighbours are the ones judged against.
TEST_F(TextEventTest, TheModelCanvasFollowsTheRunThroughItsPages) {
    std::string Text;
    for (int I = 0; I < 600; ++I) {
        const std::string Word{char('b' + I / 26 % 24), char('a' + I % 26), 'x'};
        Text += (I ? " " : "") + Word;
    }
    TTextEvent Event("Pages=TEXT;1;" + Text + ";TRUE");
    TDriver Driver;
    Driver.Do("type", [&] {
        const TTypingRun& Run = Event.Run;
        const TViewCanvas& Model = *Event.Canvas;
        int Pages = 1, Skipped = 0;
        while (!Run.WordAt(0).empty() && Pages < 3) {
            const int Start = Run.PageStart();
            const bool Skip = Skipped == 0 && Run.Current() == int(Run.Page().Words.size()) - 2;
            Type(Run.WordAt(Skip ? 1 : 0) + " ");
            Skipped += Skip;
            Pages += Run.PageStart() != Start;
            ASSERT_EQ(Model.WordCount(), int(Run.Page().Words.size()));
            ASSERT_EQ(Model.Current(), Run.Current());
            for (int Offset = -1; Offset <= 2; ++Offset)
                ASSERT_EQ(Model.WordAt(Offset), Run.WordAt(Offset)) << Offset;
        }
        EXPECT_EQ(Pages, 3);
        EXPECT_EQ(Event.State, esRunning);
        EXPECT_EQ(Skipped, 1);
        EXPECT_EQ(Event.Run.Words().BadRun, 0);
        PressKey(BookForm, Qt::Key_Escape);
    });
    EXPECT_EQ(RunEvent(Event, Driver), erCancelled);
}
