// The keyword table of the exercise scripts: which event class an event
// line's keyword (field 1, upper-cased) makes.
//
// The table lives here, without widgets; the event classes are views and
// live in the libraries above. Each class is entered with one line at
// start-up, in the order the keywords are tested:
//
//     RegisterEventClass("TEXT", RunEventOf<TTextEvent>);
//
// (RunEventOf, in course/ui/EventClassTable.h, makes the event from the
// loader's line, hands it the loader's cancel permission, time limit and
// known keys, runs it and frees it.) The table of the program is filled by
// RegisterEventClasses in course/ui/EventClassTable.cpp: a class whose
// library course/ui may link adds its line there; a class in a library that
// itself uses course/ui registers with the same call from start-up. A
// keyword nobody registered makes no event, and the step counts as done.
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
