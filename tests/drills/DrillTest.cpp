// The keyboard drills in the real book window: the character drill judging
// each key exactly, with the end of a word asking for a space and the end of
// a line for Enter; the new-keys introduction cutting its text into groups;
// what the keyboard, the hands and the finger's name show at each step, also
// for a character that a dead key and a letter make.
#include "tests/support/EventFixture.h"

#include "app/DemoExercise.h"
#include "engine/ui/TKeyboardEvent.h"
#include "engine/ui/TNewKeysEvent.h"
#include "engine/ui/TViewCanvas.h"
#include "forms/TEventsStg.h"
#include "keyboard/KeyboardGeometry.h"
#include "keyboard/TKeyData.h"
#include "keyboard/ui/TFingers.h"
#include "keyboard/ui/TKeyboard.h"
#include "platform/Controls.h"
#include "shell/TBookForm.h"
#include "users/TDifficultKeys.h"

#include <QApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QTest>

#include <algorithm>
#include <cstdlib>

namespace {

class DrillTest : public EventTest {
protected:
    void SetUp() override {
        EventTest::SetUp();
        KeyData = new TKeyData;
        ASSERT_EQ(KeyData->Load(std::string(std::getenv("CLAVORA_APP_DIR")) + "/qwerty.kbd"), 1);
    }
    void TearDown() override {
        EventTest::TearDown();
        delete KeyData;
        KeyData = nullptr;
    }
    // One key as the learner types it, with Shift for capitals.
    void Type(char C) {
        Clock.AdvanceClockSeconds(0.3);
        Qt::Key Key = Qt::Key_unknown;
        Qt::KeyboardModifiers Modifiers = Qt::NoModifier;
        if (C == '\r')
            Key = Qt::Key_Return;
        else if (C == ' ')
            Key = Qt::Key_Space;
        else if (C >= 'a' && C <= 'z')
            Key = Qt::Key(Qt::Key_A + (C - 'a'));
        else if (C >= 'A' && C <= 'Z') {
            Key = Qt::Key(Qt::Key_A + (C - 'A'));
            Modifiers = Qt::ShiftModifier;
        } else if (C == ';')
            Key = Qt::Key_Semicolon;
        QTest::sendKeyEvent(QTest::Click, BookForm->windowHandle(), Key,
                            QString(QChar::fromLatin1(C)), Modifiers);
    }
    // Position x 10 + level of every marked key of the keyboard.
    static std::vector<int> Marks(const TKeyboard& Keyboard) {
        std::vector<int> Result;
        for (int P = 1; P <= kpCount; ++P)
            if (Keyboard.MarkLevel(P)) Result.push_back(P * 10 + Keyboard.MarkLevel(P));
        return Result;
    }
};

TEST_F(DrillTest, TheCharacterDrillJudgesEveryKeyExactly) {
    TKeyboardEvent Event("drill=KEYBOARD;1;NIL");
    Event.Text = "ab\rc d";
    Event.Setup.KnownKeys = "abcd";
    // Each step: the key typed, then what is expected next, the marks on the
    // keyboard, the finger shown and the state.
    struct TStep {
        char Typed;
        std::string Next;
        std::vector<int> Marks;
        int Finger;
    };
    const TStep Steps[] = {
        {'A', "a", {261}, 1}, // a capital for a small letter is wrong
        {'a', "b", {}, 0},    //
        {'b', "\r", {}, 0},   // the end of a line wants Enter
        {' ', "\r", {kpSpace * 10 + 2, kpEnter * 10 + 1}, 8}, //
        {'\r', "c", {}, 0},                                   //
        {'c', " ", {}, 0},                                    // the end of a word wants a space
        {'D', " ", {282, kpSpace * 10 + 1}, 9},
        {' ', "d", {}, 0},
    };
    TDriver Driver;
    Driver.Do("drill shown", [&] {
        ASSERT_TRUE(Event.Keyboard->isVisible());
        EXPECT_EQ(Event.Keyboard->parentWidget(), BookForm->WidePage);
        EXPECT_EQ(Event.Keyboard->geometry(), QRect(30, 128, 502, 170));
        EXPECT_TRUE(Event.Fingers->isVisible());
        EXPECT_TRUE(Event.Keyboard->LabelKnown(26));
        EXPECT_FALSE(Event.Keyboard->LabelKnown(30));
        EXPECT_EQ(Marks(*Event.Keyboard), std::vector<int>{})
            << "the expected key is not shown at first";
        EXPECT_EQ(Event.Target, 'a');
        EXPECT_FALSE(EventsStg->Screen1->isVisible());
    });
    for (const TStep& Step : Steps)
        Driver.Do(std::string("typed ") + Step.Typed, [&, Step] {
            Type(Step.Typed);
            EXPECT_EQ(Event.Canvas->CurrentTarget(), Step.Next);
            EXPECT_EQ(Marks(*Event.Keyboard), Step.Marks);
            EXPECT_EQ(Event.Fingers->Finger, Step.Finger);
            EXPECT_EQ(Event.State, esRunning);
            EXPECT_EQ(DifficultKeys->PendingErrors('a'), 1);
        });
    Driver.Do("last key", [&] {
        Type('d');
        EXPECT_EQ(Event.Canvas->CurrentTarget(), "\r")
            << "the text's last line ends with Enter too";
        EXPECT_EQ(Event.State, esRunning);
        Type('\r');
        EXPECT_EQ(Event.State, esCompleted);
        EXPECT_EQ(TextOf(EventsStg->MsgLabel1), "Exercise completed.");
        Type('\r');
    });
    EXPECT_EQ(RunEvent(Event, Driver), erNext);
    // Strokes of the expected keys, merged when the drill closes.
    EXPECT_EQ(DifficultKeys->TotalStrokes('a'), 2);
    EXPECT_EQ(DifficultKeys->TotalStrokes('d'), 1);
    EXPECT_EQ(DifficultKeys->PendingStrokes('a'), 0);
    EXPECT_TRUE(EventsStg->Screen1->parentWidget() != BookForm->WidePage ||
                !Event.Keyboard->isVisible());
    EXPECT_EQ(BookForm->KeyHolder(), nullptr);
    EXPECT_FALSE(BookForm->OnResize);
}

TEST_F(DrillTest, AnEmptyDrillEndsOnlyByCancelOrTheTimeLimit) {
    {
        TKeyboardEvent Event("drill=KEYBOARD;1;NIL");
        TDriver Driver;
        Driver.Do("typing", [&] {
            for (char C : std::string("xy \r"))
                Type(C);
            EXPECT_EQ(Event.State, esRunning);
            PressKey(BookForm, Qt::Key_Escape);
        });
        EXPECT_EQ(RunEvent(Event, Driver), erCancelled);
    }
    {
        TKeyboardEvent Event("drill=KEYBOARD;1;NIL");
        Event.Setup.TimeLimit = 5;
        TDriver Driver;
        Driver.Do("typing", [&] { Type('x'); }).Do("time passes", [&] {
            Clock.AdvanceClockSeconds(6);
            Event.Tick();
            EXPECT_EQ(Event.State, esCompleted);
            Type('\r');
        });
        EXPECT_EQ(RunEvent(Event, Driver), erNext);
    }
}

TEST_F(DrillTest, NewKeysComeInGroupsOfFourAndASpace) {
    struct {
        const char* Text;
        std::vector<std::string> Groups;
    } const Cases[] = {
        {"asdf jkl;", {"asdf ", "jkl; "}},
        {"abcdef", {"abcd ", "ef "}},
        {"as\r\ndf\r\n", {"asdf "}},
        {"ab   ", {"ab "}},
    };
    for (const auto& C : Cases) {
        SCOPED_TRACE(C.Text);
        TNewKeysEvent Event("intro=NEWKEYS;1;NIL");
        Event.Text = C.Text;
        std::vector<std::string> Seen;
        TDriver Driver;
        Driver.Do("groups", [&] {
            while (Event.State != esCompleted && Seen.size() < 5) {
                Seen.push_back(Event.Group);
                for (char K : Seen.back())
                    Type(K);
            }
            EXPECT_EQ(Seen, C.Groups);
            EXPECT_EQ(Marks(*Event.Keyboard), std::vector<int>{kpEnter * 10 + 1})
                << "Enter is marked at the end";
            EXPECT_EQ(Event.Fingers->Finger, 8);
            EXPECT_FALSE(EventsStg->NewKeys->isVisible());
            Type('\r');
        });
        EXPECT_EQ(RunEvent(Event, Driver), erNext);
    }
}

TEST_F(DrillTest, NewKeysShowTheKeyItsFingerAndItsNameAndAWrongKeyChangesNothing) {
    TNewKeysEvent Event("intro=NEWKEYS;1;NIL");
    Event.Text = "fj;";
    const auto Label = [] { return TextOf(EventsStg->FingerLbl); };
    const auto CapGreen = [&](int Index) {
        return Event.GroupPicture->Picture().toImage().pixelColor(40 * Index, 15) ==
               QColor(0, 191, 0);
    };
    TDriver Driver;
    Driver.Do("first key", [&] {
        EXPECT_TRUE(EventsStg->NewKeys->isVisible());
        EXPECT_FALSE(Event.Canvas->isVisible());
        EXPECT_EQ(Event.GroupPicture->size(), QSize(260, 33));
        EXPECT_TRUE(CapGreen(0));
        EXPECT_FALSE(CapGreen(1));
        EXPECT_EQ(Event.GroupIndex, 1);
        EXPECT_EQ(Label(), "left index finger");
        EXPECT_EQ(Event.Fingers->Finger, 4);
        EXPECT_EQ(Marks(*Event.Keyboard), std::vector<int>{291});
    });
    Driver.Do("wrong keys", [&] {
        Type('j');
        EXPECT_EQ(Marks(*Event.Keyboard), (std::vector<int>{291, 322}));
        Type('F');
        EXPECT_EQ(Event.GroupIndex, 1);
        EXPECT_EQ(Event.State, esRunning) << "the clock runs from the first key";
        EXPECT_EQ(Marks(*Event.Keyboard), std::vector<int>{291})
            << "the capital's key is the expected one";
        EXPECT_EQ(DifficultKeys->PendingStrokes('f'), 0) << "no statistics in an introduction";
    });
    Driver.Do("right keys", [&] {
        Type('f');
        EXPECT_EQ(Event.GroupIndex, 2);
        EXPECT_TRUE(CapGreen(1));
        EXPECT_EQ(Label(), "right index finger");
        Type('j');
        Type(';');
        EXPECT_EQ(Label(), "thumb");
        EXPECT_EQ(Event.Fingers->Finger, 9);
        EXPECT_EQ(Marks(*Event.Keyboard), std::vector<int>{kpSpace * 10 + 1});
        Type(' ');
        EXPECT_EQ(Event.State, esCompleted);
        Type('\r');
    });
    EXPECT_EQ(RunEvent(Event, Driver), erNext);
}

// Both drills lay the hands on the page under the keyboard, at the book's
// 80, 381, cut at the page's foot: never on the desk below the book or under
// the status bar, in a window of the book's size or a maximised one. The
// typing exercises' screens stay hidden, and the new keys' caps are drawn
// with the pixels of the screen.
TEST_F(DrillTest, TheHandsLieOnThePageAndNoEmptyScreenStandsBesideThem) {
    TKeyboardEvent Drill("drill=KEYBOARD;1;NIL");
    TNewKeysEvent Keys("intro=NEWKEYS;1;NIL");
    for (TCustomKeyboardEvent* Event :
         std::initializer_list<TCustomKeyboardEvent*>{&Drill, &Keys}) {
        Event->Text = "asdf";
        TDriver Driver;
        Driver.Do("shown", [&] {
            for (const Qt::WindowState State : {Qt::WindowNoState, Qt::WindowMaximized}) {
                SCOPED_TRACE(State);
                BookForm->setWindowState(State);
                ASSERT_TRUE(WaitUntil([State] { return BookForm->windowState() == State; }));
                QApplication::processEvents();
                const auto OnWindow = [](const QWidget* W) {
                    return QRect(W->mapTo(BookForm, QPoint(0, 0)), W->size());
                };
                const QRect Hands = OnWindow(Event->Fingers);
                EXPECT_TRUE(Event->Fingers->isVisible());
                EXPECT_EQ(Hands.topLeft(), BookForm->Book->mapTo(BookForm, QPoint(80, 381)));
                EXPECT_TRUE(OnWindow(BookForm->WidePage).contains(Hands));
                // Every fingertip shows: the upper part of each finger's picture.
                for (int N = 1; N <= 9; ++N) {
                    const QPoint Place = TFingers::FingerPlace(N);
                    const QSize Finger =
                        Event->Fingers->FingerPictures[size_t(N)].deviceIndependentSize().toSize();
                    const QPoint Tip(Place.x() + Finger.width() / 2, std::max(Place.y(), 0) + 20);
                    EXPECT_TRUE(Event->Fingers->rect().contains(Tip)) << "finger " << N;
                }
            }
            for (const QWidget* Screen :
                 {EventsStg->Screen1, EventsStg->Screen3, EventsStg->GameScreen})
                EXPECT_FALSE(Screen->isVisible()) << Screen->objectName().toStdString();
            if (Event == &Keys) {
                const QPixmap Group = Keys.GroupPicture->Picture();
                EXPECT_EQ(Group.devicePixelRatio(), Keys.GroupPicture->devicePixelRatioF());
                EXPECT_EQ(Group.deviceIndependentSize().toSize(), QSize(260, 33));
            }
            PressKey(BookForm, Qt::Key_Escape);
        });
        EXPECT_EQ(RunEvent(*Event, Driver), erCancelled);
    }
}

TEST_F(DrillTest, ACharacterOnlyADeadKeyMakesShowsTheDeadKeyAndThenTheLetter) {
    // On a Spanish keyboard é is the acute accent key (right of ñ, key 36,
    // right little finger) and then e (key 16, left middle finger).
    ASSERT_EQ(KeyData->Load(std::string(std::getenv("CLAVORA_APP_DIR")) + "/spanish.kbd"), 1);
    TNewKeysEvent Event("intro=NEWKEYS;1;NIL");
    Event.Text = "\xE9";
    const auto Label = [] { return TextOf(EventsStg->FingerLbl); };
    // The accent key as the X server sends it: its press and its release,
    // which types nothing.
    const auto DeadKey = [] {
        for (const QEvent::Type Type : {QEvent::KeyPress, QEvent::KeyRelease}) {
            QKeyEvent Key(Type, Qt::Key_Dead_Acute, Qt::NoModifier, 48, 0, 0, QString());
            QCoreApplication::sendEvent(BookForm->windowHandle(), &Key);
        }
    };
    // What the input method hands the book once the letter follows.
    const auto Composed = [](const char* Utf8) {
        QInputMethodEvent Text;
        Text.setCommitString(QString::fromUtf8(Utf8));
        QCoreApplication::sendEvent(BookForm, &Text);
    };
    TDriver Driver;
    Driver.Do("the dead key first", [&] {
        EXPECT_EQ(Marks(*Event.Keyboard), std::vector<int>{361});
        EXPECT_EQ(Label(), "right little finger");
        EXPECT_EQ(Event.Fingers->Finger, 8);
    });
    Driver.Do("then the letter", [&] {
        DeadKey();
        EXPECT_EQ(Event.State, esWaiting) << "a dead key alone is no keystroke";
        EXPECT_EQ(Marks(*Event.Keyboard), std::vector<int>{161});
        EXPECT_EQ(Label(), "left middle finger");
        EXPECT_EQ(Event.Fingers->Finger, 3);
    });
    Driver.Do("a wrong accent shows the dead key again", [&] {
        Composed("\u00E8");
        EXPECT_EQ(Event.GroupIndex, 1);
        EXPECT_EQ(Marks(*Event.Keyboard), std::vector<int>{361});
        DeadKey();
        Composed("\u00E9");
        EXPECT_EQ(Event.GroupIndex, 2);
        EXPECT_EQ(Marks(*Event.Keyboard), std::vector<int>{kpSpace * 10 + 1});
        Type(' ');
        EXPECT_EQ(Event.State, esCompleted);
        Type('\r');
    });
    EXPECT_EQ(RunEvent(Event, Driver), erNext);
}

TEST_F(DrillTest, AnAccentAloneShowsItsDeadKeyAndThenSpace) {
    // The accent key waits for the next key; Space then gives the accent
    // alone. Key numbers count from 1 along each row: the German ^ is the
    // first key of the digit row (left little finger), the German acute the
    // thirteenth (right little finger), the Swedish diaeresis the twelfth of
    // the letter row, key 25 (right little finger).
    const struct {
        const char* File;
        const char* Accent; // UTF-8
        Qt::Key DeadKey;
        quint32 ScanCode;
        int Mark, Finger;
    } Cases[] = {
        {"qwertz.kbd", "^", Qt::Key_Dead_Circumflex, 49, 11, 1},
        {"qwertz.kbd", "\u00B4", Qt::Key_Dead_Acute, 21, 131, 8},
        {"nordic.kbd", "\u00A8", Qt::Key_Dead_Diaeresis, 35, 251, 8},
    };
    for (const auto& C : Cases) {
        SCOPED_TRACE(std::string(C.File) + " " + C.Accent);
        ASSERT_EQ(KeyData->Load(std::string(std::getenv("CLAVORA_APP_DIR")) + "/" + C.File), 1);
        TNewKeysEvent Event("intro=NEWKEYS;1;NIL");
        Event.Text = QString::fromUtf8(C.Accent).toLatin1().toStdString();
        TDriver Driver;
        Driver.Do("the accent key first", [&] {
            EXPECT_EQ(Marks(*Event.Keyboard), std::vector<int>{C.Mark});
            EXPECT_EQ(Event.Fingers->Finger, C.Finger);
        });
        Driver.Do("then Space", [&] {
            for (const QEvent::Type Type : {QEvent::KeyPress, QEvent::KeyRelease}) {
                QKeyEvent Key(Type, C.DeadKey, Qt::NoModifier, C.ScanCode, 0, 0, QString());
                QCoreApplication::sendEvent(BookForm->windowHandle(), &Key);
            }
            EXPECT_EQ(Event.State, esWaiting) << "a dead key alone is no keystroke";
            EXPECT_EQ(Marks(*Event.Keyboard), std::vector<int>{kpSpace * 10 + 1});
            EXPECT_EQ(Event.Fingers->Finger, 9);
        });
        Driver.Do("the accent is right", [&] {
            QInputMethodEvent Text;
            Text.setCommitString(QString::fromUtf8(C.Accent));
            QCoreApplication::sendEvent(BookForm, &Text);
            EXPECT_EQ(Event.GroupIndex, 2);
            Type(' ');
            EXPECT_EQ(Event.State, esCompleted);
            Type('\r');
        });
        EXPECT_EQ(RunEvent(Event, Driver), erNext);
    }
}

TEST_F(DrillTest, KeysShowPressedUntilLetGoAndClicksOnTheKeyboardType) {
    TKeyboardEvent Event("drill=KEYBOARD;1;as");
    TDriver Driver;
    Driver.Do("pressed", [&] {
        QTest::sendKeyEvent(QTest::Press, BookForm->windowHandle(), Qt::Key_A, QStringLiteral("a"),
                            Qt::NoModifier);
        EXPECT_EQ(Event.Keyboard->PressedChar(), 'a');
        QTest::sendKeyEvent(QTest::Release, BookForm->windowHandle(), Qt::Key_A,
                            QStringLiteral("a"), Qt::NoModifier);
        EXPECT_EQ(Event.Keyboard->PressedChar(), 0);
        EXPECT_EQ(Event.Canvas->CurrentTarget(), "s");
    });
    Driver.Do("clicked", [&] {
        const QRect S = Event.Keyboard->Geometry().Keys[27];
        QTest::mouseClick(Event.Keyboard, Qt::LeftButton, {}, S.center());
        EXPECT_EQ(Event.Canvas->CurrentTarget(), "\r");
        QTest::mouseClick(Event.Keyboard, Qt::LeftButton, {},
                          Event.Keyboard->Geometry().Keys[kpEnter].center());
        EXPECT_EQ(Event.State, esCompleted);
        Type('\r');
    });
    EXPECT_EQ(RunEvent(Event, Driver), erNext);
}

TEST_F(DrillTest, ADrillRunsOnItsOwnFromTheCommandLine) {
    TDriver Driver;
    Driver.Then(
        "drill shown", [] { return EventsStg->NewKeys->isVisible(); },
        [&] {
            for (char C : std::string("fj "))
                Type(C);
            Type('\r');
        });
    Driver.Start();
    EXPECT_EQ(RunDemoExercise("try=NEWKEYS;1;fj"), erNext);
    EXPECT_TRUE(Driver.Finished());
}

} // namespace
