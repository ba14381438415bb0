// The event classes of the program in the keyword table (see
// course/TEventClasses.h), and how a loader runs one.
//
// A new event class adds one line to RegisterEventClasses, in its place in
// the keyword order MESSAGE, BUILDER, KEYBOARD, TEXT, EXAM, LEXIDROP,
// BUBBLES, NEWKEYS:
//
//     RegisterEventClass("KEYBOARD", RunEventOf<TKeyboardEvent>);
//
// A class in a library that itself uses this one registers with the same
// line from start-up instead, after RegisterEventClasses. A class that needs
// more of the loader than RunEventOf hands over (the revision builder takes
// the time limit and the known key groups into fields of its own) registers
// a function of its own that makes, prepares and runs it the same way.
#pragma once

#include "course/TEventClasses.h"
#include "course/TEventLoader.h"

class TEvent;

// What the loader hands every event before it runs: its cancel permission,
// its time limit when it is a timed event, and the keys of the learner's
// first KnownGroups key groups.
void PrepareEvent(TEvent& Event, const TEventLoader& Loader);
// The scored run the results page holds after a text event, if any.
std::optional<TMeasuredRun> MeasuredRun();

// Makes the event of class T from the loader's line, prepares it, runs it
// and frees it.
template <class T> TEventOutcome RunEventOf(const TEventLoader& Loader) {
    TEventOutcome Outcome;
    {
        T Event(Loader.Line);
        PrepareEvent(Event, Loader);
        Outcome.Result = Event.Execute();
    }
    Outcome.Measured = MeasuredRun();
    return Outcome;
}

// Enters the program's event classes into the keyword table.
void RegisterEventClasses();
