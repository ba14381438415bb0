// The keyword table of the exercise scripts: which event class an event
// line's keyword (field 1, upper-cased) makes, and how it runs.
//
// The table lives here, without widgets; the event classes are views and
// live in the libraries above. The program's classes are one table in
// course/ui/EventClassTable.cpp, which enters each keyword here at start-up
// with a function that makes the event from the loader's line, runs it
// through RunEvent with the loader's setup and frees it. Tests enter
// functions of their own to script what the events answer. A keyword nobody
// registered makes no event, and the step counts as done.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

class TEventLoader;

// A scored typing run, as the results page shows it.
struct TMeasuredRun {
    float Speed = 0;      // characters per minute
    float Accuracy = 0;   // percent
    float Efficiency = 0; // percent
};

// What running one event gave.
struct TEventOutcome {
    int Result = 0; // the event's result code
    // The run's results, when the event measured a run long enough to count.
    std::optional<TMeasuredRun> Measured;
};

// Makes, runs and frees the event of a loader's line.
using TEventClass = std::function<TEventOutcome(const TEventLoader& Loader)>;

struct TEventClassEntry {
    std::string Keyword; // upper case
    TEventClass Run;
};

// Enters a keyword at the end of the table; a keyword entered again keeps
// its first place and takes the new class.
void RegisterEventClass(const std::string& Keyword, TEventClass Run);
// The class of an upper-cased keyword, or null.
const TEventClass* FindEventClass(const std::string& Keyword);
// The table in testing order.
const std::vector<TEventClassEntry>& EventClasses();
// Empties the table (tests).
void ClearEventClasses();
