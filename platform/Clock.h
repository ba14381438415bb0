// The program's one source of the current date and time.
//
// Time is a double counting days since 1899-12-30 00:00 local time, as the
// stored data of the program expects. Durations are differences of two such
// values; a "clock second" of the exercise engine is 1/100000 of a day.
#pragma once

class TClock {
public:
    virtual ~TClock() = default;
    virtual double Now() = 0;
};

// The current date and time in days, from the installed clock.
double Now();

// Replaces the clock; nullptr restores the system clock. The caller keeps
// ownership of the clock it installs.
void SetClock(TClock* Clock);

// A clock that moves only when told to (tests).
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

// The system clock's reading in days (local time).
double SystemNow();
