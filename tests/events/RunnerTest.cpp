// Every kind of event, made from its line through the keyword table and run
// through the program's runner, ended in each way a learner ends it: the
// record the runner returns and the page that follows it in the chapter
// container.
#include "tests/support/TextEventFixture.h"

#include "analysis/results/TExercInfoView.h"
#include "course/ui/EventClassTable.h"
#include "engine/ui/RunEvent.h"
#include "engine/ui/TTextEvent.h"
#include "engine/ui/TTimedEvent.h"
#include "files/SystemUtils.h"
#include "forms/TBuilderStg.h"
#include "games/ui/TBubbles.h"
#include "games/ui/TLexidropEvent.h"
#include "games/ui/TTopTenView.h"
#include "keyboard/TKeyData.h"
#include "platform/FileNames.h"
#include "revision/ui/TBuilderView.h"
#include "revision/ui/TWizResultView.h"
#include "shell/TBookForm.h"
#include "shell/TChapterView.h"
#include "tests/support/TestSupport.h"
#include "users/TDifficultKeys.h"
#include "users/TUser.h"

#include <QLineEdit>
#include <QRadioButton>
#include <QTest>

#include <cstdlib>

namespace {

enum TEnding { enCompleted, enCancelled, enTimedOut };

class RunnerTest : public TextEventTest {
protected:
    void SetUp() override {
        TextEventTest::SetUp();
        FixRandomSeed(16);
        // The learner's folder over the shipped material, as start-up layers
        // them: the wizard reads the shipped word banks.
        SetProgramLayers(Dir->Path(), std::getenv("CLAVORA_APP_DIR"));
        KeyData = new TKeyData; // freed with the program's objects
        ASSERT_EQ(KeyData->Load(std::string(std::getenv("CLAVORA_APP_DIR")) + "/qwerty.kbd"), 1);
        // A learner who knows the home row and q and z; f and j are
        // difficult, which the wizard revises.
        auto User = std::make_unique<TUser>("Runner");
        for (const char* Group : {"fj", "dk", "sl", "a;", "qz"})
            User->AddKeyGroup(Group);
        User->FKeyGroupsReached = 5;
        SetCurrentUser(std::move(User));
        for (int I = 0; I < 20; ++I) {
            DifficultKeys->RecordKey('j', I < 6);
            DifficultKeys->RecordKey('f', I < 5);
        }
        DifficultKeys->Merge();
        WriteFileBytes("Test.vcb", "$description=test\r\n$end\r\n  cat \r\n\r\n");
        WriteFileBytes("Tiny.exm", "we type a tiny story at home\r\n");
        SetStoryChooser(
            [](const TStringList&, const std::string&, const std::string&, std::string& Chosen) {
                Chosen = "Tiny.exm";
                return 1;
            });
    }

    // Lets the game run by itself until it is over (the shaft full, six
    // bubbles escaped), a step each time the driver looks.
    std::function<bool()> PlayedOut(TEvent*& Event) {
        return [this, &Event] {
            if (Event->State == esCompleted) return true;
            if (auto* Drop = dynamic_cast<TLexidropEvent*>(Event)) Drop->FallStep();
            if (auto* Bubbles = dynamic_cast<TBubbles*>(Event)) {
                for (int T = 0; T < 50; ++T) {
                    Clock.AdvanceSeconds(0.1);
                    Bubbles->BubbleTick();
                }
            }
            return false;
        };
    }

    // What ends an event of the row's kind in the row's way. Keys types
    // the event through; Start is its first key.
    void Drive(TDriver& Driver, TEvent*& Event, TEnding Ending, const std::string& Keys,
               const std::string& Start, bool Game, bool Wizard) {
        auto Completed = [&Event] { return Event->State == esCompleted; };
        if (Wizard) {
            Driver.Then(
                "the wizard's page", [] { return BuilderStg->Panel1->isVisible(); },
                [Ending] {
                    if (Ending == enCancelled) {
                        PressKey(BookForm, Qt::Key_Escape);
                        return;
                    }
                    // The same keys each time, whatever the rows before changed.
                    BuilderStg->ChooseKeys->setChecked(true);
                    BuilderStg->YourKeys->setText(QStringLiteral("jf"));
                    BuilderStg->CrazySentences->setChecked(true);
                    PressKey(BookForm, Qt::Key_N, Qt::AltModifier);
                });
            if (Ending == enCancelled) return;
            // From here on the sentences the wizard built are the event.
            Driver.Then(
                "the sentences",
                [&Event] {
                    auto* Sentences = dynamic_cast<TTextEvent*>(TFormView::ActiveView());
                    if (Sentences) Event = Sentences;
                    return Sentences && Sentences->IsOpen;
                },
                [&, this, Ending] {
                    // Typed through, Enter at each line's end, until the text
                    // is completed (an extra Enter would be Next).
                    for (char C : *Event->Text) {
                        if (Event->State == esCompleted) break;
                        if (C != '\n') Type(std::string(1, C), 0.5);
                        if (Ending == enTimedOut) break;
                    }
                    if (Ending == enTimedOut) TimeOut(*Event);
                });
            Driver.Then("sentences done", Completed, [] { PressKey(BookForm, Qt::Key_Return); });
            return;
        }
        switch (Ending) {
        case enCompleted:
            if (Game) {
                Driver.Do("start", [this, Start] { Type(Start, 0.1); });
                Driver.Then("game over", PlayedOut(Event),
                            [] { PressKey(BookForm, Qt::Key_Return); });
            } else if (Keys.empty()) {
                Driver.Do("next", [] { PressKey(BookForm, Qt::Key_N, Qt::AltModifier); });
            } else {
                Driver.Do("type", [this, Keys] { Type(Keys, 0.7); });
                Driver.Then("done", Completed, [] { PressKey(BookForm, Qt::Key_Return); });
            }
            break;
        case enCancelled:
            Driver.Do("cancel", [] { PressKey(BookForm, Qt::Key_Escape); });
            break;
        case enTimedOut:
            Driver.Do("time runs out", [&, this, Start] {
                Type(Start, 0.1);
                TimeOut(*Event);
            });
            Driver.Then("done", Completed, [] { PressKey(BookForm, Qt::Key_Return); });
            break;
        }
    }

    void TimeOut(TEvent& Event) {
        auto& Timed = dynamic_cast<TTimedEvent&>(Event);
        Clock.AdvanceClockSeconds(Timed.Setup.TimeLimit + 1);
        Timed.Tick();
    }
};

} // namespace

TEST_F(RunnerTest, EveryKindOfEventEndsWithItsRecordAndThePageThatFollows) {
    TFormView* const Results = ExercInfoView;
    TFormView* const TopTen = TopTenView;
    TFormView* const Wizard = WizResultView;
    // "ask bob for the keys" typed a key every 0.7 clock seconds is scored
    // (21 keys in 14 clock seconds); one key before the time runs out is
    // too short to be scored, and a cancel before any key measures nothing
    // worth scoring. A text's results page follows even then, saying so.
    const struct {
        const char* Kind;
        const char* Line;
        TEnding Ending;
        int Result;
        bool Measured, Scored;
        TFormView* Follows;
    } Rows[] = {
        {"message", "M=MESSAGE;0;Read this first.", enCompleted, erNext, false, false, nullptr},
        {"message", "M=MESSAGE;0;Read this first.", enCancelled, erCancelledDone, false, false,
         nullptr},
        {"text", "T=TEXT;1;ask bob for the keys", enCompleted, erNext, true, true, Results},
        {"text", "T=TEXT;1;ask bob for the keys", enCancelled, erCancelled, true, false, Results},
        {"text", "T=TEXT;1;ask bob for the keys", enTimedOut, erNext, true, false, Results},
        {"exam", "E=EXAM;1;ask bob for the keys", enCompleted, erNext, true, true, Results},
        {"exam", "E=EXAM;1;ask bob for the keys", enCancelled, erCancelled, true, false, Results},
        {"exam", "E=EXAM;1;ask bob for the keys", enTimedOut, erNext, true, false, Results},
        {"story", "S=TEXT;1;ASK:*.exm", enCompleted, erNext, true, true, Results},
        {"story", "S=TEXT;1;ASK:*.exm", enCancelled, erCancelled, true, false, Results},
        {"story", "S=TEXT;1;ASK:*.exm", enTimedOut, erNext, true, false, Results},
        {"keyboard", "K=KEYBOARD;1;fj dk", enCompleted, erNext, false, false, nullptr},
        {"keyboard", "K=KEYBOARD;1;fj dk", enCancelled, erCancelled, false, false, nullptr},
        {"keyboard", "K=KEYBOARD;1;fj dk", enTimedOut, erNext, false, false, nullptr},
        {"new keys", "N=NEWKEYS;1;fj", enCompleted, erNext, false, false, nullptr},
        {"new keys", "N=NEWKEYS;1;fj", enCancelled, erCancelled, false, false, nullptr},
        {"new keys", "N=NEWKEYS;1;fj", enTimedOut, erNext, false, false, nullptr},
        {"falling words", "D=LEXIDROP;1;Test.vcb", enCompleted, erNext, false, false, TopTen},
        {"falling words", "D=LEXIDROP;1;Test.vcb", enCancelled, erCancelled, false, false, TopTen},
        {"falling words", "D=LEXIDROP;1;Test.vcb", enTimedOut, erNext, false, false, TopTen},
        {"bubbles", "B=BUBBLES;1;0", enCompleted, erNext, false, false, TopTen},
        {"bubbles", "B=BUBBLES;1;0", enCancelled, erCancelled, false, false, TopTen},
        {"bubbles", "B=BUBBLES;1;0", enTimedOut, erNext, false, false, TopTen},
        {"wizard", "W=BUILDER;0;NIL", enCompleted, erNext, false, false, Wizard},
        {"wizard", "W=BUILDER;0;NIL", enCancelled, erCancelled, false, false, nullptr},
        {"wizard", "W=BUILDER;0;NIL", enTimedOut, erNext, false, false, Wizard},
    };
    const std::string Typed = "ask bob for the keys\r";
    for (const auto& R : Rows) {
        SCOPED_TRACE(std::string(R.Kind) + " " + std::to_string(int(R.Ending)));
        ChapterView->ForgetFollowing();
        std::unique_ptr<TEvent> Made = MakeEvent(R.Line);
        ASSERT_TRUE(Made);
        TEvent* Event = Made.get();
        const std::string Kind = R.Kind;
        const bool Game = Kind == "falling words" || Kind == "bubbles";
        std::string Keys = Typed;
        if (Kind == "story") Keys = "we type a tiny story at home\r";
        if (Kind == "keyboard") Keys = "fj dk\r";
        if (Kind == "new keys") Keys = "fj ";
        if (Kind == "message") Keys.clear();
        TDriver Driver;
        Drive(Driver, Event, R.Ending, Keys, Game ? std::string("c") : Keys.substr(0, 1), Game,
              Kind == "wizard");
        TEventSetup Setup;
        Setup.TimeLimit = R.Ending == enTimedOut ? 30 : 0;
        Setup.KnownKeys = "fjdksla;qz";
        Driver.Start();
        const TEventRecord Record = ::RunEvent(*Made, Setup);
        EXPECT_TRUE(Driver.Finished()) << Driver.Failure();
        EXPECT_EQ(Record.Result, R.Result);
        EXPECT_EQ(Record.Measured, R.Measured);
        EXPECT_EQ(Record.Scored.has_value(), R.Scored);
        EXPECT_EQ(ChapterView->Following(), R.Follows);
    }
}
