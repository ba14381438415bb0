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
// The clock installed, nullptr while the system clock runs.
TClock* InstalledClock();

// The system clock's reading in days (local time).
double SystemNow();
