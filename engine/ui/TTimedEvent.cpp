#include "engine/ui/TTimedEvent.h"

#include "files/Sounds.h"
#include "forms/TEventsStg.h"
#include "platform/Clock.h"
#include "platform/Trace.h"
#include "shell/TBookForm.h"

#include <QFrame>
#include <QLabel>

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace {
// A clock second is 1/100000 of a day.
constexpr double ClockSecondsPerDay = 100000.0;
constexpr int TickMs = 100;
} // namespace

TTimedEvent::TTimedEvent(const std::string& Line) : TEvent(Line) {}

TTimedEvent::~TTimedEvent() = default;

void TTimedEvent::Activate() {
    TEvent::Activate();
    BookForm->TitleConsole->hide();
    // The right column first, so that the screens lie on it.
    Borrow(EventsStg->RightConsole, BookForm->WidePage);
    BorrowChildren(EventsStg->EventConsole, BookForm->WidePage);
    Borrow(EventsStg->EventMsg, BookForm->WidePage);
    EventsStg->EventMsg->move(90, 60);
    BookForm->SetExerciseConsole(1);
}

void TTimedEvent::Deactivate() {
    if (Timer) Timer->stop();
    EventsStg->EventMsg->hide();
    BookForm->TitleConsole->show();
    BookForm->SetExerciseConsole(0);
    TEvent::Deactivate();
}

void TTimedEvent::CloseQuery(bool& Refused) {
    if (State == esRunning) Pause();
    TEvent::CloseQuery(Refused);
    if (Refused && State == esPaused) Start();
}

int TTimedEvent::Execute() {
    StartTime = 0;
    PauseTime = 0;
    LastShown = -1;
    State = esWaiting;
    Tick();
    Timer = std::make_unique<QTimer>();
    Timer->setInterval(TickMs);
    QObject::connect(Timer.get(), &QTimer::timeout, [this] { Tick(); });
    return TEvent::Execute();
}

void TTimedEvent::TimeOut() {}

void TTimedEvent::Pause() {
    // A second pause keeps the moment of the first, so the whole pause is left out.
    if (PauseTime == 0) PauseTime = Now();
    if (Timer) Timer->stop();
    State = esPaused;
}

void TTimedEvent::Finish() {
    PlayEffect(TheEndSound);
    if (Timer) Timer->stop();
    State = esCompleted;
    if (Tracing()) Trace("event completed " + ClassName(typeid(*this)));
    QFrame* Box = EventsStg->EventMsg;
    Box->raise();
    Box->move(140, 30);
    EventsStg->MsgLabel1->setText(QStringLiteral("Exercise completed."));
    EventsStg->MsgLabel2->setText(QStringLiteral("Press Enter to continue."));
    Box->show();
}

void TTimedEvent::Start() {
    const double At = Now();
    if (StartTime == 0) StartTime = At;
    if (PauseTime != 0) {
        StartTime = At - PauseTime + StartTime;
        PauseTime = 0;
    }
    if (Timer) Timer->start();
    EventsStg->EventMsg->hide();
    EventsStg->TimeGraph->SetMinValue(0);
    EventsStg->TimeGraph->SetMaxValue(Setup.TimeLimit);
    State = esRunning;
}

std::int32_t TTimedEvent::Elapsed() const {
    if (StartTime == 0) return 0;
    // Rounded to the nearest, halves to even; a clock set back counts nothing.
    const double Seconds = std::nearbyint((Now() - StartTime) * ClockSecondsPerDay);
    return Seconds > 0 ? std::int32_t(Seconds) : 0;
}

std::string TTimedEvent::ClockText(std::int32_t Seconds) {
    char Buffer[32];
    std::snprintf(Buffer, sizeof Buffer, "%2.2d:%2.2d", int(Seconds / 60), int(Seconds % 60));
    return Buffer;
}

void TTimedEvent::Tick() {
    const std::int32_t Spent = Elapsed();
    std::int32_t Shown = Spent;
    if (Setup.TimeLimit > 0) {
        // A late tick past the limit shows 00:00, never a negative time.
        Shown = std::max(0, Setup.TimeLimit - Spent);
        EventsStg->TimeGraph->SetProgress(Spent);
    } else {
        EventsStg->TimeGraph->SetProgress(0);
    }
    if (Shown == LastShown) return;
    LastShown = Shown;
    EventsStg->TimeLabel->setText(QString::fromLatin1(ClockText(Shown).c_str()));
    if (Setup.TimeLimit > 0 && Spent >= Setup.TimeLimit) {
        Finish();
        State = esCompleted;
        TimeOut();
    }
}
