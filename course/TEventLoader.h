// One event line of an exercise: it keeps the line, chooses the event class
// from the line's keyword (see TEventClasses.h), and when its turn comes
// makes the event, runs it, records a scored typing run for the chapter and
// turns the event's result into a progress code for the exercise.
//
// An event line is cut at "=", ";" and ",": field 0 is a name ("event" in
// scripts), 1 the keyword, 2 the weight (the event's share of the
// exercise's time), 3 and later belong to the event, which cuts the line
// again at "=" and ";" only, so commas stay inside its fields.
#pragma once

#include <cstdint>
#include <string>

class TBookMark;

// Progress codes of an exercise step.
enum : int {
    pcGoOn = 0,        // done, go on
    pcStop = 1000,     // leave the course run at once
    pcLeft = 1002,     // left; the same event comes again next time
    pcDone = 1003,     // done, go on
    pcLeftDone = 1004, // left, and the event counts as done
};

class TEventLoader {
public:
    // Fills Keyword, Weight and Line. A line of fewer than three fields, or
    // a weight that is not a whole number of at least 0, is an input error
    // (EInputError).
    explicit TEventLoader(const std::string& Line);

    std::string Keyword;     // field 1, upper-cased
    int32_t TimeLimit = 0;   // clock seconds; 0 = no limit
    int32_t Weight = 0;      // field 2
    std::string Line;        // the whole line, trimmed
    bool AllowCancel = true; // the revision wizard clears it
    // How many of the course's new-key groups the learner knows here.
    int32_t KnownGroups = 0;

    // Runs the event of Keyword and returns its progress code. With a
    // bookmark, a scored "TEXT" or "EXAM" run becomes the chapter's results
    // of the current user, unless a later exercise of the chapter already
    // gave them. The bookmark is only read.
    int Run(const TBookMark* Bookmark = nullptr) const;

    // The progress code of an event result (no event counts as done).
    static int ProgressCode(int EventResult);
};
