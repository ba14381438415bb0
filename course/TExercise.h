// One exercise: a block of lines inside a contents file, from the line after
// "begin exercise" up to "end exercise":
//
//     type=Home row keys                      the title the exercise list shows
//     duration=2                              its share of the chapter's time
//     event=MESSAGE;1;FILE:intro.txt;Welcome  one line per event, in order
//     event=TEXT;6;FILE:text1.txt
//
// Its minutes are split over the events by their weights (1 : 6 here) into
// time limits. Running it runs the events one after the other from the
// learner's bookmark, which remembers the event to resume at.
#pragma once

#include "course/TEventLoader.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class TBookMark;
class TCourseReader;

class TExercise {
public:
    // Lines after the 20th event line are dropped.
    static constexpr int MaxEvents = 20;
    // Returned by Run for a bookmark past the last event.
    static constexpr int ErrEventPastEnd = -1301;

    // An exercise without events (for tests and builders of exercises).
    TExercise() = default;
    // Reads one block from a file positioned after "begin exercise". The
    // file errors ("File error", an end of file inside the block, more than
    // 20 events) are shown as messages; input errors abandon the load.
    explicit TExercise(TCourseReader& Reader);

    std::string Name; // chapter number "." position, e.g. "3.2"; set by the chapter
    std::string Type;
    int32_t Minutes = 0;
    int32_t Duration = 0;
    int32_t KnownGroups = 0;
    std::vector<std::unique_ptr<TEventLoader>> Events;
    int64_t TotalWeight = 0;

    // Appends an event line (as the block's "event" lines do).
    void AddEvent(const std::string& Line);
    void SetKnownGroups(int32_t N);
    // Splits M minutes over the events by weight: limit = weight / total x
    // M x 60 clock seconds, truncated as exact arithmetic gives it. A total
    // weight of 0 counts as 1, so every limit is then 0 (no limit).
    void SetMinutes(int32_t M);

    // Runs the events from the bookmark's FEvent (0 counts as 1), moving it
    // on past each event done. Returns 1000 when the learner left the course
    // run, 0 otherwise, or -1301 when FEvent points past the last event.
    // Finished tells whether the last event is done. An exercise without
    // events finishes at once.
    int Run(TBookMark& Bookmark, bool& Finished);
};
