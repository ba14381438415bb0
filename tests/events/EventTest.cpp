// The event: its line's tokens, text sources, shortcuts and buttons, the
// question before leaving, and the study time it adds to the learner.
#include "tests/support/EventFixture.h"

#include "engine/ui/RunEvent.h"
#include "engine/ui/TEvent.h"
#include "files/ErrorLog.h"
#include "platform/Application.h"
#include "platform/Dialogs.h"
#include "shell/TBookForm.h"
#include "users/TUser.h"

#include <cstdlib>
#include <sys/stat.h>

namespace {

void Write(const std::string& Name, const std::string& Bytes) {
    WriteFileBytes(Name, Bytes);
}

} // namespace

TEST_F(EventTest, LineTokensKeepCommasAndAbsentTokensAreEmpty) {
    TEvent Event("Intro=MESSAGE;1,5;Hello, world;Title");
    ASSERT_EQ(Event.Params.size(), 5u);
    EXPECT_EQ(Event.Param(0), "Intro");
    EXPECT_EQ(Event.Param(2), "1,5");
    EXPECT_EQ(Event.Param(3), "Hello, world");
    EXPECT_EQ(Event.Param(5), "");
    EXPECT_EQ(Event.Param(-1), "");
    EXPECT_TRUE(Event.Setup.AllowCancel);
    EXPECT_FALSE(Event.Text);
}

TEST_F(EventTest, TextSourcesInAnyCase) {
    Write("Drill.txt", "$description=A drill\r\nfirst line\r\nsecond line\r\n");
    TEvent Event("E=TEXT;1");
    for (const char* Nil : {"nil", "Nil", "NIL"}) {
        SCOPED_TRACE(Nil);
        EXPECT_EQ(Event.LoadText(Nil), 1);
        EXPECT_FALSE(Event.Text) << "a fresh event stays without text";
    }
    EXPECT_EQ(Event.LoadText("Type these words."), 1);
    EXPECT_EQ(Event.Text.value_or("<none>"), "Type these words.");
    EXPECT_EQ(Event.LoadText("nIl"), 1);
    EXPECT_EQ(Event.Text.value_or("<none>"), "Type these words.")
        << "NIL keeps a text given before";

    EXPECT_EQ(Event.LoadText("file:drill.TXT"), 1);
    EXPECT_EQ(Event.Text.value_or("<none>"), "first line\r\nsecond line\r\n");
    EXPECT_EQ(Event.LoadText("Res:anything"), 1);
    EXPECT_FALSE(Event.Text) << "RES: gives no text and releases the old one";

    WriteFileBytes("Effic.kqs",
                   ReadFileBytes(std::string(std::getenv("CLAVORA_APP_DIR")) + "/Effic.kqs"));
    EXPECT_EQ(Event.LoadText("effic:ignored.txt"), 1);
    ASSERT_TRUE(Event.Text);
    EXPECT_NE(Event.Text->find("efficiency"), std::string::npos);
    EXPECT_EQ(Event.Text->find("$description"), std::string::npos) << "the header is not text";
    EXPECT_EQ(DialogCount(), 0);
}

TEST_F(EventTest, AnUnreadableTextFileIsReportedAndLeavesItsExerciseUncompleted) {
    Write("Broken.txt", "$description\r\nbody\r\n"); // a header tag without its value
    // Names outside the program directory are no material, even when they exist.
    Write("Plain.txt", "readable\r\n");
    mkdir("Sub", 0755);
    // "EFFIC:" reads Effic.kqs, which this folder does not hold.
    for (const char* Source : {"FILE:Missing.txt", "FILE:Broken.txt", "FILE:/etc/passwd",
                               "FILE:Sub/../Plain.txt", "FILE:..\\Plain.txt", "EFFIC:"}) {
        SCOPED_TRACE(Source);
        const std::string Name = Source[0] == 'F' ? std::string(Source).substr(5) : "Effic.kqs";
        ClearDialogLog();
        TEvent Event(std::string("E=TEXT;1;") + Source);
        Event.Text = "old";
        // Were the empty page shown, Next would complete the exercise.
        bool Shown = false;
        TDriver Driver;
        Driver.Do("shown", [&] {
            Shown = true;
            PressKey(BookForm, Qt::Key_N, Qt::AltModifier);
        });
        Driver.Start();
        EXPECT_EQ(::RunEvent(Event, TEventSetup()).Result, erCancelled);
        EXPECT_FALSE(Shown);
        EXPECT_FALSE(Event.Text);
        ASSERT_EQ(DialogCount(), 1);
        EXPECT_EQ(DialogLog()[0].Type, mtError);
        EXPECT_NE(LastDialog().find("#-501"), std::string::npos) << LastDialog();
        EXPECT_NE(LastDialog().find("File " + Name + " missing or read error"), std::string::npos);
    }
    EXPECT_NE(ReadFileBytes(ErrorLogName).find("File Missing.txt missing or read error"),
              std::string::npos);
}

TEST_F(EventTest, StoryChooserAnswersDecideTextAndWhetherTheEventIsShown) {
    Write("Tale.exm", "$author=Us\r\nOnce upon a time\r\n");
    Write("Other.exm", "A second story\r\n");

    // The learner has no story: the minimal chooser goes back, the page is not shown.
    TEvent Back("S=TEXT;1;ASK:*.exm");
    EXPECT_EQ(Back.Execute(), erCancelled);
    EXPECT_EQ(BookForm->ConsoleButtons, 0) << "the page was never built";
    EXPECT_TRUE(Back.FromStoryChooser);

    // A story to continue: its text from the saved position.
    CurrentUser->FStoryFile = "Tale.exm";
    CurrentUser->FStoryPosition = 5;
    TEvent Continue("S=TEXT;1;ASK:*.exm");
    EXPECT_EQ(Continue.LoadText("ask:*.exm"), 2);
    EXPECT_EQ(Continue.Text.value_or("<none>"), "Once upon a time\r\n");
    EXPECT_EQ(Continue.StartPos, 5);

    // A new story: it becomes the learner's, from its start.
    TStringList Offered;
    SetStoryChooser([&](const TStringList& Names, const std::string& Mask,
                        const std::string& Current, std::string& Chosen) {
        Offered = Names;
        EXPECT_EQ(Mask, "*.exm");
        EXPECT_EQ(Current, "Tale.exm");
        Chosen = "Other.exm";
        return 1;
    });
    EXPECT_EQ(Continue.LoadText("ASK:*.exm"), 1);
    EXPECT_EQ(Offered, (TStringList{"Other", "Tale"}));
    EXPECT_EQ(Continue.Text.value_or("<none>"), "A second story\r\n");
    EXPECT_EQ(Continue.StartPos, 0);
    EXPECT_EQ(CurrentUser->FStoryFile, "Other.exm");

    // No answer: nothing loaded, the event ends with 0 unseen.
    SetStoryChooser(
        [](const TStringList&, const std::string&, const std::string&, std::string&) { return 0; });
    TEvent None("S=TEXT;1;ASK:*.exm");
    EXPECT_EQ(None.Execute(), erStop);
    EXPECT_FALSE(None.Text);
}

TEST_F(EventTest, AStoryThatIsGoneIsToldAndTheChooserOfferedAgain) {
    Write("Tale.exm", "$author=Us\r\nOnce upon a time\r\n");
    // The chooser answers from a script; each call is offered a story to continue.
    struct {
        const char* What;
        std::vector<std::pair<int, std::string>> Answers; // answer, story chosen
        int Result;
        std::vector<std::string> Offered; // the story to continue at each call
        std::string Text;
        std::string StoryAfter;
        int Told; // -503 messages
    } const Cases[] = {
        // Continue the gone story, then pick one that is there.
        {"then a new story",
         {{2, ""}, {1, "Tale.exm"}},
         1,
         {"Gone.exm", ""},
         "Once upon a time\r\n",
         "Tale.exm",
         1},
        // Continue it, then go back: the event is left, the learner's story kept.
        {"then back", {{2, ""}, {3, ""}}, 3, {"Gone.exm", ""}, "<none>", "Gone.exm", 1},
        // A new story that is gone too, then one that is there.
        {"a gone new story",
         {{1, "Lost.exm"}, {1, "Tale.exm"}},
         1,
         {"Gone.exm", "Gone.exm"},
         "Once upon a time\r\n",
         "Tale.exm",
         1},
    };
    for (const auto& C : Cases) {
        SCOPED_TRACE(C.What);
        ClearDialogLog();
        CurrentUser->FStoryFile = "Gone.exm";
        CurrentUser->FStoryPosition = 40;
        std::vector<std::string> Offered;
        size_t Call = 0;
        SetStoryChooser([&](const TStringList&, const std::string&, const std::string& Current,
                            std::string& Chosen) {
            Offered.push_back(Current);
            if (Call >= C.Answers.size()) return 3;
            Chosen = C.Answers[Call].second;
            return C.Answers[Call++].first;
        });
        TEvent Event("S=TEXT;1;ASK:*.exm");
        EXPECT_EQ(Event.LoadText("ASK:*.exm"), C.Result);
        EXPECT_EQ(Offered, C.Offered);
        EXPECT_EQ(Event.Text.value_or("<none>"), C.Text);
        EXPECT_EQ(CurrentUser->FStoryFile, C.StoryAfter);
        ASSERT_EQ(DialogCount(), C.Told);
        EXPECT_EQ(LastDialog().rfind("#-503 ", 0), 0u) << LastDialog();
        EXPECT_NE(LastDialog().find(".exm is gone."), std::string::npos) << LastDialog();
    }
    // Without the chooser page: told, and with nothing to continue, back.
    SetStoryChooser(nullptr);
    ClearDialogLog();
    CurrentUser->FStoryFile = "Gone.exm";
    TEvent Gone("S=TEXT;1;ASK:*.exm");
    EXPECT_EQ(Gone.Execute(), erCancelled);
    EXPECT_FALSE(Gone.Text);
    EXPECT_EQ(DialogCount(), 1);
}

TEST_F(EventTest, ShortcutsActOnlyInTheirStates) {
    TEvent Event("E=MESSAGE;1;Some text");
    TDriver Driver;
    Driver
        .Do("keys that do nothing",
            [&] {
                EXPECT_EQ(BookForm->ConsoleButtons, cbNext | cbCancel);
                EXPECT_TRUE(BookForm->WidePage->isVisible());
                PressKey(BookForm, Qt::Key_Return);
                PressKey(BookForm, Qt::Key_N, Qt::AltModifier | Qt::ShiftModifier);
                PressKey(BookForm, Qt::Key_C, Qt::ControlModifier);
                PressKey(BookForm, Qt::Key_Escape, Qt::ShiftModifier);
            })
        .Do("completed", [&] {
            EXPECT_TRUE(Event.IsOpen) << "Enter waits for the event's completion";
            Event.State = esCompleted;
            PressKey(BookForm, Qt::Key_Return);
        });
    EXPECT_EQ(RunEvent(Event, Driver), erNext);
    EXPECT_EQ(BookForm->ConsoleButtons, 0);
    EXPECT_FALSE(BookForm->BtnConsole->isVisible());
    EXPECT_TRUE(BookForm->LeftPage->isVisible()) << "the book is back on two pages";
    EXPECT_EQ(BookForm->KeyHolder(), nullptr);
}

TEST_F(EventTest, CancelGivesTwoBeforeCompletionAndFourAfter) {
    struct {
        Qt::Key Key;
        Qt::KeyboardModifiers Modifiers;
        std::uint8_t State;
        int Expected;
    } Cases[] = {
        {Qt::Key_Escape, Qt::NoModifier, esWaiting, erCancelled},
        {Qt::Key_C, Qt::AltModifier, esWaiting, erCancelled},
        {Qt::Key_Escape, Qt::NoModifier, esCompleted, erCancelledDone},
        {Qt::Key_C, Qt::AltModifier, esCompleted, erCancelledDone},
    };
    for (const auto& C : Cases) {
        SCOPED_TRACE(C.Expected);
        TEvent Event("E=TEXT;1");
        TDriver Driver;
        Driver.Do("cancel", [&] {
            Event.State = C.State;
            PressKey(BookForm, C.Key, C.Modifiers);
        });
        EXPECT_EQ(RunEvent(Event, Driver), C.Expected);
    }
    EXPECT_EQ(DialogCount(), 0) << "nothing to ask before typing starts or once it is done";
}

TEST_F(EventTest, LeavingAStartedEventAsksAndARefusalKeepsIt) {
    TEvent Event("E=TEXT;1");
    TDriver Driver;
    Driver
        .Do("refuse",
            [&] {
                Event.State = esRunning;
                Answer = mrNo;
                ClickWidget(BookForm->Cancel);
            })
        .Do("accept", [&] {
            EXPECT_TRUE(Event.IsOpen);
            EXPECT_EQ(Event.ResultCode, 0);
            ASSERT_EQ(DialogCount(), 1);
            EXPECT_EQ(LastDialog(), "You haven't finished this exercise yet, proceed anyway?");
            EXPECT_EQ(DialogLog()[0].Type, mtConfirmation);
            EXPECT_EQ(DialogLog()[0].Buttons, unsigned(mbYes | mbNo));
            Answer = mrYes;
            ClickWidget(BookForm->Cancel);
        });
    EXPECT_EQ(RunEvent(Event, Driver), erCancelled);
    EXPECT_EQ(DialogCount(), 2);
}

// The program ends (a signal) while an event is shown, at each of its stages:
// the event is destroyed open, closes without a question nobody can answer,
// and leaves no handler of its own on the book.
TEST_F(EventTest, AnEventLeftOpenByTheProgramsEndLetsGoOfTheBook) {
    for (const std::uint8_t State : {esWaiting, esRunning, esPaused, esCompleted}) {
        SCOPED_TRACE(int(State));
        ClearDialogLog();
        Application::ResetTerminated();
        Answer = mrNo;
        {
            TEvent Event("E=TEXT;1;Some words.");
            TDriver Driver;
            Driver.Do("end", [&] {
                Event.State = State;
                Application::Terminate();
            });
            EXPECT_EQ(RunEvent(Event, Driver), erStop);
            EXPECT_TRUE(Event.IsOpen);
        }
        EXPECT_EQ(DialogCount(), 0);
        EXPECT_EQ(BookForm->KeyHolder(), nullptr);
        EXPECT_EQ(BookForm->ClickHolder(), nullptr);
        EXPECT_EQ(TFormView::ActiveView(), nullptr);
    }
}

TEST_F(EventTest, WithoutCancelOnlyNextIsOffered) {
    TEvent Event("E=TEXT;1");
    Event.Setup.AllowCancel = false;
    TDriver Driver;
    Driver.Do("next", [&] {
        EXPECT_EQ(BookForm->ConsoleButtons, cbNext);
        EXPECT_FALSE(BookForm->Cancel->isVisible());
        ClickWidget(BookForm->Next);
    });
    EXPECT_EQ(RunEvent(Event, Driver), erNext);
}

TEST_F(EventTest, StudyMinutesCountWholeMinutesAndAtMostAnHour) {
    const double Second = 1.0 / 86400;
    EXPECT_EQ(TEvent::StudyMinutes(30 * Second), 0);
    EXPECT_EQ(TEvent::StudyMinutes(45.9 * Second), 0);
    EXPECT_EQ(TEvent::StudyMinutes(46 * Second), 1);
    EXPECT_EQ(TEvent::StudyMinutes(166 * Second), 3);
    EXPECT_EQ(TEvent::StudyMinutes(3900 * Second), 60);
    EXPECT_EQ(TEvent::StudyMinutes(30 * 3600 * Second), 60) << "a day and more is still an hour";
    EXPECT_EQ(TEvent::StudyMinutes(-100 * Second), 0);
}

TEST_F(EventTest, ClosingAddsTheTimeShownToTheLearnerOnce) {
    TEvent Event("E=TEXT;1");
    TDriver Driver;
    Driver.Do("46 seconds later", [&] {
        Clock.AdvanceSeconds(46);
        PressKey(BookForm, Qt::Key_N, Qt::AltModifier);
    });
    EXPECT_EQ(RunEvent(Event, Driver), erNext);
    EXPECT_EQ(CurrentUser->FTotalMinutes, 1);
    bool Refused = false;
    Event.Close(Refused);
    EXPECT_EQ(CurrentUser->FTotalMinutes, 1) << "a second close of a closed event adds nothing";
}
