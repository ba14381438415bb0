// An event with a clock: the exercise console (screens, clock, time gauge,
// message box) on the page, a clock that starts with the learner's first key,
// counts up or down to the time limit of its setup (none: it counts up), pauses while the learner
// is asked about leaving, and completes the event when the time runs out.
//
// Durations are in clock seconds: a clock second is 1/100000 of a day
// (0.864 s), the unit of time limits and of every stored speed.
#pragma once

#include "engine/ui/TEvent.h"

#include <QTimer>

#include <cstdint>
#include <memory>

class TTimedEvent : public TEvent {
public:
    explicit TTimedEvent(const std::string& Line);
    ~TTimedEvent() override;

    // Days; 0 while the clock has not started or is not paused.
    double StartTime = 0;
    double PauseTime = 0;
    // The value last written to the clock label; -1 before the first tick.
    std::int32_t LastShown = -1;
    // The 100 ms clock tick; made by Execute.
    std::unique_ptr<QTimer> Timer;

    void Activate() override;
    void Deactivate() override;
    // Pauses a running clock while the learner is asked, and starts it again
    // when the learner stays.
    void CloseQuery(bool& Refused) override;
    int Execute() override;
    // Called after the time has run out and the event has completed.
    virtual void TimeOut();
    virtual void Pause();
    // Completes the event: the end sound and the completion message.
    virtual void Finish();
    // Starts the clock, or resumes it without counting the pause.
    virtual void Start();

    // Updates the clock and the gauge; completes the event when the limit is reached.
    void Tick();

    // Clock seconds from StartTime to now (0 before the start).
    std::int32_t Elapsed() const;
    // "mm:ss" of a number of clock seconds.
    static std::string ClockText(std::int32_t Seconds);
};
