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
#include "engine/ui/TEvent.h"

// What the loader hands every event before it runs: its cancel permission,
// its time limit when it is a timed event, and the keys of the learner's
// first KnownGroups key groups.
void PrepareEvent(TEvent& Event, const TEventLoader& Loader);
// The scored run of the figures an event handed over, if it was scored.
std::optional<TMeasuredRun> MeasuredRun(const std::optional<TRunResults>& Scored);
// The sink the course runner gives an event: the figures go into Measured
// and on to the program's sink (the results page).
TResultSink CourseResultSink(std::optional<TMeasuredRun>& Measured);

// Makes the event of class T from the loader's line, prepares it, runs it
// and frees it. The outcome holds the run the event measured, if any.
template <class T> TEventOutcome RunEventOf(const TEventLoader& Loader) {
    TEventOutcome Outcome;
    {
        T Event(Loader.Line);
        PrepareEvent(Event, Loader);
        Event.ResultSink = CourseResultSink(Outcome.Measured);
        Outcome.Result = Event.Execute();
    }
    return Outcome;
}

// Enters the program's event classes into the keyword table.
void RegisterEventClasses();
