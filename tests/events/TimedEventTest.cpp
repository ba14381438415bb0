// The timed event with a fake clock: counting down and up, pausing, the
// time-out, the completion message, and the console it borrows.
#include "tests/support/EventFixture.h"

#include "engine/ui/TTimedEvent.h"
#include "forms/TEventsStg.h"
#include "platform/Dialogs.h"
#include "shell/TBookForm.h"

#include <QFrame>
#include <QLabel>

#include <vector>

namespace {

class TCountingEvent : public TTimedEvent {
public:
    using TTimedEvent::TTimedEvent;
    void TimeOut() override { ++TimeOuts; }
    int TimeOuts = 0;
};

std::string ClockShown() {
    return TextOf(EventsStg->TimeLabel);
}

std::vector<QObject*> Children(QWidget* W) {
    std::vector<QObject*> Out;
    for (QObject* C : W->children())
        if (C->isWidgetType()) Out.push_back(C);
    return Out;
}

} // namespace

TEST_F(EventTest, ALimitCountsDownAndCompletesTheEventAtZero) {
    TCountingEvent Event("E=TEXT;1");
    Event.Setup.TimeLimit = 90;
    TDriver Driver;
    Driver
        .Do("before the first key",
            [&] {
                EXPECT_EQ(ClockShown(), "01:30");
                EXPECT_EQ(Event.State, esWaiting);
                Event.Start();
                EXPECT_EQ(EventsStg->TimeGraph->MaxValue(), 90);
                Clock.AdvanceClockSeconds(30);
                Event.Tick();
                EXPECT_EQ(ClockShown(), "01:00");
                EXPECT_EQ(EventsStg->TimeGraph->Progress(), 30);
                PressKey(BookForm, Qt::Key_Return);
            })
        .Do("the time runs out", [&] {
            EXPECT_TRUE(Event.IsOpen) << "Enter waits for completion";
            Clock.AdvanceClockSeconds(60);
            Event.Tick();
            EXPECT_EQ(ClockShown(), "00:00");
            EXPECT_EQ(Event.State, esCompleted);
            EXPECT_EQ(Event.TimeOuts, 1);
            EXPECT_FALSE(Event.Timer->isActive());
            QFrame* Box = EventsStg->EventMsg;
            EXPECT_TRUE(Box->isVisible());
            EXPECT_EQ(Box->pos(), QPoint(140, 30));
            EXPECT_EQ(TextOf(EventsStg->MsgLabel1), "Exercise completed.");
            EXPECT_EQ(TextOf(EventsStg->MsgLabel2), "Press Enter to continue.");
            // The timer's own ticks change nothing any more.
            Clock.AdvanceClockSeconds(5);
            Event.Tick();
            EXPECT_EQ(ClockShown(), "00:00");
            EXPECT_EQ(Event.TimeOuts, 1);
            PressKey(BookForm, Qt::Key_Return);
        });
    EXPECT_EQ(RunEvent(Event, Driver), erNext);
    EXPECT_EQ(DialogCount(), 0);
}

TEST_F(EventTest, ALateTickPastTheLimitShowsZero) {
    TCountingEvent Event("E=TEXT;1");
    Event.Setup.TimeLimit = 60;
    TDriver Driver;
    Driver.Do("late", [&] {
        Event.Start();
        Clock.AdvanceClockSeconds(64);
        Event.Tick();
        EXPECT_EQ(ClockShown(), "00:00");
        EXPECT_EQ(Event.State, esCompleted);
        PressKey(BookForm, Qt::Key_C, Qt::AltModifier);
    });
    EXPECT_EQ(RunEvent(Event, Driver), erCancelledDone);
}

TEST_F(EventTest, WithoutALimitTheClockCountsUpAndThePausedSpanIsLeftOut) {
    TCountingEvent Event("E=TEXT;1");
    TDriver Driver;
    Driver.Do("count up", [&] {
        EXPECT_EQ(ClockShown(), "00:00");
        Event.Start();
        EXPECT_TRUE(Event.Timer->isActive());
        Clock.AdvanceClockSeconds(75);
        Event.Tick();
        EXPECT_EQ(ClockShown(), "01:15");
        EXPECT_EQ(EventsStg->TimeGraph->Progress(), 0);
        Event.Pause();
        EXPECT_EQ(Event.State, esPaused);
        EXPECT_FALSE(Event.Timer->isActive());
        Clock.AdvanceSeconds(10);
        Event.Pause(); // a second pause does not shorten the first
        Clock.AdvanceSeconds(10);
        Event.Start();
        Event.Tick();
        EXPECT_EQ(ClockShown(), "01:15");
        Clock.AdvanceClockSeconds(1);
        Event.Tick();
        EXPECT_EQ(ClockShown(), "01:16");
        Clock.AdvanceClockSeconds(6000);
        Event.Tick();
        EXPECT_EQ(ClockShown(), "101:16");
        EXPECT_EQ(Event.TimeOuts, 0) << "no limit, no time-out";
        Event.State = esWaiting;
        PressKey(BookForm, Qt::Key_Escape);
    });
    EXPECT_EQ(RunEvent(Event, Driver), erCancelled);
}

TEST_F(EventTest, TheClockStandsStillWhileTheLearnerIsAskedAboutLeaving) {
    TCountingEvent Event("E=TEXT;1");
    std::uint8_t StateWhileAsked = 99;
    SetDialogResponder([&](const TDialogRequest&) {
        StateWhileAsked = Event.State;
        Clock.AdvanceSeconds(30); // the learner thinks it over
        return int(mrNo);
    });
    TDriver Driver;
    Driver
        .Do("ask",
            [&] {
                Event.Start();
                Clock.AdvanceClockSeconds(20);
                PressKey(BookForm, Qt::Key_Escape);
            })
        .Do("stayed", [&] {
            EXPECT_TRUE(Event.IsOpen);
            EXPECT_EQ(StateWhileAsked, esPaused);
            EXPECT_EQ(Event.State, esRunning);
            EXPECT_TRUE(Event.Timer->isActive());
            Event.Tick();
            EXPECT_EQ(ClockShown(), "00:20");
            SetDialogResponder([](const TDialogRequest&) { return int(mrYes); });
            ClickWidget(BookForm->Cancel);
        });
    EXPECT_EQ(RunEvent(Event, Driver), erCancelled);
    EXPECT_EQ(Event.State, esPaused) << "an accepted leave keeps the clock stopped";
}

TEST_F(EventTest, TheConsoleIsBorrowedOntoTheWidePageAndGoesBackInOrder) {
    const std::vector<QObject*> Before = Children(EventsStg->EventConsole);
    ASSERT_GE(Before.size(), 3u);
    EXPECT_EQ(Before[0], EventsStg->RightConsole);
    TTimedEvent Event("E=TEXT;1");
    TDriver Driver;
    Driver.Do("console", [&] {
        QWidget* Page = BookForm->WidePage;
        const std::vector<QWidget*> Moved = {EventsStg->RightConsole, EventsStg->LeftConsole,
                                             EventsStg->Screen1,      EventsStg->TimeLabel,
                                             EventsStg->TimeGraph,    EventsStg->EventMsg};
        for (QWidget* W : Moved)
            EXPECT_EQ(W->parentWidget(), Page) << W->objectName().toStdString();
        EXPECT_TRUE(Children(EventsStg->EventConsole).empty());
        EXPECT_EQ(EventsStg->EventMsg->pos(), QPoint(90, 60));
        EXPECT_FALSE(EventsStg->EventMsg->isVisible()) << "the box stays as the event left it";
        EXPECT_TRUE(EventsStg->TimeLabel->isVisible());
        EXPECT_FALSE(EventsStg->SpeedTitle->isVisible()) << "designed hidden";
        EXPECT_FALSE(BookForm->TitleConsole->isVisible());
        EXPECT_EQ(BookForm->ExerciseConsole, 1);
        ClickWidget(BookForm->Next);
    });
    EXPECT_EQ(RunEvent(Event, Driver), erNext);
    EXPECT_EQ(Children(EventsStg->EventConsole), Before);
    EXPECT_EQ(EventsStg->EventMsg->parentWidget(), EventsStg);
    EXPECT_TRUE(BookForm->TitleConsole->isVisible());
    EXPECT_EQ(BookForm->ExerciseConsole, 0);
    EXPECT_FALSE(Event.Timer->isActive());
}
