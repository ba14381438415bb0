// The program's event classes: the one table that says which class an
// event line's keyword makes, and how a line of the exercise scripts runs.
//
// A new event class adds one row to the table in EventClassTable.cpp, in its
// place in the keyword order MESSAGE, BUILDER, KEYBOARD, TEXT, EXAM,
// LEXIDROP, BUBBLES, NEWKEYS. RegisterEventClasses enters every row into the
// keyword table of the course runner (course/TEventClasses.h); a line of a
// course then makes its event here, gets its setup from the line and the
// learner, and runs through RunEvent like every other event.
#pragma once

#include "course/TEventClasses.h"
#include "course/TEventLoader.h"
#include "engine/ui/RunEvent.h"

#include <memory>

// Makes the event of a line of class T, not yet run.
template <class T> std::unique_ptr<TEvent> MakeEventOf(const std::string& Line) {
    return std::make_unique<T>(Line);
}
using TEventMaker = std::unique_ptr<TEvent> (*)(const std::string& Line);

// The event an event line's keyword (field 1, any case) makes, not yet run;
// null for a keyword of no class.
std::unique_ptr<TEvent> MakeEvent(const std::string& Line);

// What a course line gives its event: the loader's cancel permission, time
// limit and weight, and the keys of the learner's first KnownGroups groups.
TEventSetup SetupOf(const TEventLoader& Loader);
// The scored run of a record, as the course runner keeps it.
std::optional<TMeasuredRun> MeasuredRun(const TEventRecord& Record);

// Makes the event with Make from the loader's line, runs it with the
// loader's setup and frees it. The outcome holds the run it measured, if any.
TEventOutcome RunMadeEvent(TEventMaker Make, const TEventLoader& Loader);
template <class T> TEventOutcome RunEventOf(const TEventLoader& Loader) {
    return RunMadeEvent(MakeEventOf<T>, Loader);
}

// Enters the program's event classes into the keyword table.
void RegisterEventClasses();
