// The games in the real book window with a fake clock and a fixed random
// seed: keys through the window, the fall timer's and the bubble timer's
// steps called as the timers would, and the top-ten page afterwards.
#include "engine/ui/RunEvent.h"
#include "engine/ui/TMissedLcd.h"
#include "engine/ui/TWordViewCanvas.h"
#include "files/SystemUtils.h"
#include "files/TFile.h"
#include "forms/TBubbleStg.h"
#include "forms/TDropStgFrm.h"
#include "forms/TEventViewStg.h"
#include "forms/TEventsStg.h"
#include "games/ui/TBubbles.h"
#include "games/ui/TLexidropEvent.h"
#include "games/ui/TTopTenView.h"
#include "platform/Controls.h"
#include "shell/TBookForm.h"
#include "shell/TChapterView.h"
#include "tests/support/EventFixture.h"
#include "tests/support/TFailingDevice.h"

#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QTimer>

namespace {

class GameEvents : public EventTest {
protected:
    void SetUp() override {
        EventTest::SetUp();
        FixRandomSeed(16);
    }

    // Keys as the learner types them, a tenth of a second apart.
    void Type(const std::string& Keys) {
        for (char C : Keys) {
            Clock.AdvanceSeconds(0.1);
            const Qt::Key Key =
                C >= 'a' && C <= 'z' ? Qt::Key(Qt::Key_A + (C - 'a')) : Qt::Key_unknown;
            QTest::sendKeyEvent(QTest::Click, BookForm->windowHandle(), Key,
                                QString(QChar::fromLatin1(C)), Qt::NoModifier);
        }
    }
    void Enter() { PressKey(BookForm, Qt::Key_Return); }
    static bool Waiting(const char* Message) {
        return EventsStg->EventMsg->isVisible() && TextOf(EventsStg->MsgLabel1) == Message;
    }
};

// Lets the falling word fall until it lands.
void LetFall(TLexidropEvent& Event) {
    for (int Step = 0; Step < 12 && Event.Game.FallRow != 0; ++Step)
        Event.FallStep();
}

} // namespace

TEST_F(GameEvents, LexidropTypedWordsScoreAndTheSixthMissEndsTheGame) {
    WriteFileBytes("Test.vcb", "$description=test\r\n$end\r\n  cat \r\n\r\n");
    TLexidropEvent Event("Drop=LEXIDROP;1;Test.vcb");
    TDriver Driver;
    Driver.Then(
        "the waiting message", [] { return Waiting("Type the word in bar"); },
        [&] {
            EXPECT_TRUE(IsShownOnWindow(DropStgFrm->Rows[0]));
            EXPECT_TRUE(IsShownOnWindow(Event.WordBar.data()));
            EXPECT_EQ(Event.Game.Rows[1], "cat");
            EXPECT_EQ(DropStgFrm->DropTimer->interval(), 1000);
            EXPECT_FALSE(DropStgFrm->DropTimer->isActive());
            // The first key starts the clock and the fall, and counts.
            Type("ca");
            EXPECT_EQ(Event.State, esRunning);
            EXPECT_TRUE(DropStgFrm->DropTimer->isActive());
            EXPECT_FALSE(EventsStg->EventMsg->isVisible());
            Type("x");
            EXPECT_EQ(Event.Game.TypedCount, 3);
            Event.FallStep();
            Event.FallStep();
            EXPECT_FALSE(DropStgFrm->Rows[2]->Picture().isNull());
            EXPECT_EQ(Event.Game.Rows[1], "");
            Type("t");
        });
    Driver.Then(
        "the next word", [&] { return Event.Game.LoopState == lsIdle && Event.Game.FallRow == 1; },
        [&] {
            EXPECT_EQ(TextOf(EventsStg->PointsLabel), "10");
            EXPECT_EQ(TextOf(DropStgFrm->ScoreLabel), "10");
            // The score is written once, in the console's score screen: no
            // label shown on the book stands over another.
            std::vector<QLabel*> Shown;
            for (QLabel* Label : BookForm->findChildren<QLabel*>())
                if (Label->isVisible() && !Label->text().isEmpty()) Shown.push_back(Label);
            for (size_t A = 0; A < Shown.size(); ++A)
                for (size_t B = A + 1; B < Shown.size(); ++B)
                    EXPECT_FALSE(QRect(Shown[A]->mapTo(BookForm, QPoint()), Shown[A]->size())
                                     .intersects(QRect(Shown[B]->mapTo(BookForm, QPoint()),
                                                       Shown[B]->size())))
                        << Shown[A]->objectName().toStdString() << " and "
                        << Shown[B]->objectName().toStdString();
            // Finished in row 3 of an empty shaft: a level up by 0.5,
            // and a three-letter word falls 7 x 1.2125 x 100 ms a row.
            EXPECT_FLOAT_EQ(Event.Game.GameLevel, 1.5f);
            EXPECT_EQ(DropStgFrm->DropTimer->interval(), 849);
            LetFall(Event);
        });
    for (int Missed = 2; Missed <= 6; ++Missed) {
        Driver.Then(
            "missed word " + std::to_string(Missed),
            [&, Missed] {
                return int(Event.Game.Stack.size()) == Missed - 1 && (Event.Game.FallRow == 1);
            },
            [&] { LetFall(Event); });
    }
    Driver.Then(
        "game over", [] { return Waiting("Game over."); },
        [&] {
            EXPECT_EQ(Event.State, esCompleted);
            EXPECT_EQ(Event.Game.Stack.size(), 6u);
            EXPECT_FALSE(DropStgFrm->DropTimer->isActive());
            // The stack's pictures fill the six bottom rows.
            EXPECT_FALSE(DropStgFrm->Rows[4]->Picture().isNull());
            Type("cat");
            EXPECT_EQ(TextOf(EventsStg->PointsLabel), "10");
            Enter();
        });
    const TEventRecord Record = RunAsProgram(Event, Driver);
    EXPECT_EQ(Record.Result, erNext);
    EXPECT_EQ(Record.Following, TopTenView);
    EXPECT_EQ(ChapterView->Following(), TopTenView);
    EXPECT_EQ(TopTenView->FPlace, 0);
    EXPECT_EQ(ReadFileBytes("lexidrop.kqt").size(), 10u * 514);
}

TEST_F(GameEvents, LexidropWithoutPlayableWordsIsCancelled) {
    const struct {
        std::string File;
        const char* Bytes; // nullptr: no file
    } Cases[] = {
        {"Missing.vcb", nullptr},
        {"Empty.vcb", "$description=empty\r\n$end\r\n\r\n  \r\n"},
        {"Long.vcb", "abcdefghijklmnopqrstuvwxyz\r\n"},
        {"Broken.vcb", "$author\r\nword\r\n"},
        // A good vocabulary, but named from outside the program's folders.
        {*Dir / "Elsewhere.vcb", "$description=fine\r\n$end\r\ncat\r\n"},
    };
    for (const auto& C : Cases) {
        if (C.Bytes) WriteFileBytes(C.File, C.Bytes);
        TLexidropEvent Event("Drop=LEXIDROP;1;" + C.File);
        TDriver Driver;
        EXPECT_EQ(RunEvent(Event, Driver), erCancelled) << C.File;
        EXPECT_EQ(LastDialog(),
                  std::string("Lexidrop: ") + C.File + " cannot be loaded, game cancelled.");
        EXPECT_FALSE(DropStgFrm->Rows[0]->isVisible());
    }
    EXPECT_FALSE(PathExists("lexidrop.kqt"));
}

TEST_F(GameEvents, LexidropEndsWhenTheTimeRunsOut) {
    TLexidropEvent Event("Drop=LEXIDROP;1;NIL");
    Event.PresetWords = TStringList{"tree"};
    Event.Setup.TimeLimit = 5;
    TDriver Driver;
    Driver.Then(
        "the waiting message", [] { return Waiting("Type the word in bar"); },
        [&] {
            Type("t");
            Clock.AdvanceClockSeconds(5);
            Event.Tick();
        });
    Driver.Then(
        "game over", [] { return Waiting("Game over."); },
        [&] {
            EXPECT_EQ(TextOf(EventsStg->TimeLabel), "00:00");
            Enter();
        });
    const TEventRecord Record = RunAsProgram(Event, Driver);
    EXPECT_EQ(Record.Result, erNext);
    EXPECT_EQ(Record.Following, TopTenView);
    EXPECT_EQ(ChapterView->Following(), TopTenView);
}

TEST_F(GameEvents, BubblesPopScoreAndTheSixthEscapeEndsTheGame) {
    TBubbles Event("Bubb=BUBBLES;1;0");
    auto Tick = [&] {
        Clock.AdvanceSeconds(0.1);
        Event.BubbleTick();
    };
    TDriver Driver;
    Driver.Then(
        "the waiting message", [] { return Waiting("Press any key"); },
        [&] {
            EXPECT_TRUE(IsShownOnWindow(BubbleStg->GameArea));
            EXPECT_TRUE(IsShownOnWindow(EventsStg->MissedTitle));
            ASSERT_TRUE(Event.FMissedDisplay);
            EXPECT_EQ(Event.FMissedDisplay->Count(), 6);
            // The first key only starts the game.
            Type("q");
            EXPECT_EQ(Event.State, esRunning);
            EXPECT_TRUE(BubbleStg->BubbleTimer->isActive());
            EXPECT_EQ(TextOf(EventsStg->PointsLabel), "0");
            int Slot = -1;
            for (int T = 0; T < 40 && Slot < 0; ++T) {
                Tick();
                for (int I = 0; I < 10; ++I)
                    if (Event.FGame->FSlots[size_t(I)].FActive) Slot = I;
            }
            ASSERT_GE(Slot, 0);
            const Tbubble& B = Event.FGame->FSlots[size_t(Slot)];
            const char Letter = char(B.FLetter);
            const int Worth = B.FKind == 2 ? 10 : 5;
            Type(std::string(1, Letter));
            EXPECT_FALSE(B.FActive);
            EXPECT_EQ(TextOf(EventsStg->PointsLabel), std::to_string(Worth));
            // No bubble is up now: any letter is wrong and costs 2.
            Type(std::string(1, Letter));
            EXPECT_EQ(TextOf(EventsStg->PointsLabel), std::to_string(Worth - 2));
            // Nobody types any more: six bubbles escape.
            for (int T = 0; T < 5000 && Event.State == esRunning; ++T)
                Tick();
            EXPECT_EQ(Event.FGame->FMissed, 6);
            EXPECT_EQ(Event.FMissedDisplay->Lit(), 6);
        });
    Driver.Then(
        "game over", [] { return Waiting("Game over."); },
        [&] {
            EXPECT_FALSE(BubbleStg->BubbleTimer->isActive());
            // Bubbles still on screen cannot be popped after the end.
            const std::string Before = TextOf(EventsStg->PointsLabel);
            Type("qwertyuiopasdfghjklzxcvbnm");
            EXPECT_EQ(TextOf(EventsStg->PointsLabel), Before);
            Enter();
        });
    const TEventRecord Record = RunAsProgram(Event, Driver);
    EXPECT_EQ(Record.Result, erNext);
    EXPECT_EQ(Record.Following, TopTenView);
    EXPECT_EQ(ChapterView->Following(), TopTenView);
    EXPECT_EQ(ReadFileBytes("bubbles.kqt").size(), 10u * 514);
    EXPECT_FALSE(EventsStg->MissedTitle->isVisible());
}

TEST_F(GameEvents, TopTenPageTakesTheNameAtThePlaceReached) {
    TopTenView->Submit("bubbles", "Ann", 400);
    EXPECT_EQ(TopTenView->FPlace, 9);
    QLineEdit* Box = EventViewStg->NameBox;
    EXPECT_FALSE(Box->isHidden());
    EXPECT_FALSE(EventViewStg->Congratulations->isHidden());
    EXPECT_EQ(Box->y(), EventViewStg->Name[8]->y() - 4);
    EXPECT_EQ(Box->text(), QStringLiteral("Ann"));
    EXPECT_EQ(TextOf(EventViewStg->Points[8]), "400");
    EXPECT_EQ(TextOf(EventViewStg->Points[9]), "370");

    // An empty box stores "Anonymous"; Enter takes it and is used up.
    Box->clear();
    std::uint16_t Key = VK_RETURN;
    TopTenView->KeyDown(nullptr, Key, 0);
    EXPECT_EQ(Key, 0);
    EXPECT_TRUE(Box->isHidden());
    EXPECT_EQ(TextOf(EventViewStg->Name[8]), "Anonymous");
    TtopTen Stored;
    ASSERT_EQ(Stored.Load("bubbles"), fsOk);
    EXPECT_EQ(Stored.Entry(9).Name, "Anonymous");
    EXPECT_EQ(Stored.Entry(9).Score, 400);
    // Enter goes on once the name is taken.
    Key = VK_RETURN;
    TopTenView->KeyDown(nullptr, Key, 0);
    EXPECT_EQ(Key, VK_RETURN);

    // A name with ";" is stored as typed and shown as "the Winner"; a score
    // that does not make the list shows no box.
    TopTenView->Submit("bubbles", "Bo", 5000);
    Box->setText(QStringLiteral("A;B"));
    TopTenView->Commit();
    EXPECT_EQ(TextOf(EventViewStg->Name[0]), "the Winner");
    ASSERT_EQ(Stored.Load("bubbles"), fsOk);
    EXPECT_EQ(Stored.Entry(1).Name, "A;B");
    TopTenView->Submit("bubbles", "Cy", 1);
    EXPECT_EQ(TopTenView->FPlace, 0);
    EXPECT_TRUE(Box->isHidden());
    EXPECT_TRUE(EventViewStg->Congratulations->isHidden());
}

TEST_F(GameEvents, TopTenPageDoesNotShowANameThatCouldNotBeStored) {
    // 720 equals the default list's fourth place and goes in below it.
    TopTenView->Submit("lexidrop", "Ann", 720);
    ASSERT_EQ(TopTenView->FPlace, 5);
    TFailingDevice Disk(0, true, false);
    SetFileDevice(&Disk);
    TopTenView->Commit();
    SetFileDevice(nullptr);
    ASSERT_EQ(DialogCount(), 1);
    EXPECT_EQ(LastDialog().rfind("#-5 ", 0), 0u) << LastDialog();
    // The page shows the list as it stands: the default fifth place, no box.
    EXPECT_EQ(TopTenView->FPlace, 0);
    EXPECT_EQ(TextOf(EventViewStg->Name[4]), "Clavora");
    EXPECT_EQ(TextOf(EventViewStg->Points[4]), "650");
    EXPECT_TRUE(EventViewStg->NameBox->isHidden());
    TtopTen Stored;
    ASSERT_EQ(Stored.Load("lexidrop"), fsOk);
    EXPECT_EQ(Stored.Entry(5).Score, 650);
}
