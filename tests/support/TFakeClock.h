// A clock that moves only when told to, installed with SetClock.
#pragma once

#include "platform/Clock.h"

class TFakeClock : public TClock {
public:
    explicit TFakeClock(double Start = 45000.0) : FNow(Start) {}
    double Now() override { return FNow; }
    void Set(double Days) { FNow = Days; }
    void AdvanceDays(double Days) { FNow += Days; }
    void AdvanceSeconds(double Seconds) { FNow += Seconds / 86400.0; }
    void AdvanceClockSeconds(double ClockSeconds) { FNow += ClockSeconds / 100000.0; }

private:
    double FNow;
};
