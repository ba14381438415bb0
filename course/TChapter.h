// One chapter of a course: a block of a contents file from the line after
// "begin chapter" up to "end chapter":
//
//     chapter name=1;Home row      field 2 is the title (field 1 is not used)
//     picture=home.png             the chapter page's picture
//     new keys=asdfjkl%;           the keys it introduces: a new key group
//     extradesc=...                a line for the chapter pages
//     durationpercent=100          its minutes: percent of the lesson length
//     begin exercise ... end exercise   (see TExercise.h), any number
//
// The chapter's minutes are split over its exercises by their "duration"
// shares, rounded (halves to even); each exercise splits its minutes over
// its events. A lesson length of 0 (free) gives every event no time limit.
//
// A header-only chapter reads its own lines but skips the exercise blocks.
#pragma once

#include "course/TExercise.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

class TBookMark;
class TCourseReader;

class TChapter {
public:
    // Exercise blocks after the 200th are read and dropped.
    static constexpr int MaxExercises = 200;
    // Returned by Run for a bookmark past the chapter's final row.
    static constexpr int ErrExercisePastEnd = -1202;

    // An empty chapter (for tests and builders of courses).
    TChapter() = default;
    // Reads one chapter block from a file positioned after "begin chapter".
    // New key groups are added to the current user. File errors are shown
    // as messages; input errors abandon the load.
    TChapter(TCourseReader& Reader, const std::string& NumberText, bool HeaderOnly = false);

    bool HeaderOnly = false;
    std::string Name;
    std::string NumberText;
    std::string ExtraDesc;
    int32_t Minutes = 0;
    std::string Picture;
    std::vector<std::unique_ptr<TExercise>> Exercises;
    int32_t Number = 0;

    // Gives each exercise its minutes: its duration share of Minutes,
    // rounded with halves to even (a total share of 0 counts as 1).
    void DistributeMinutes();

    // Runs the chapter from the bookmark: shows the chapter spread until the
    // learner begins an exercise, runs it, marks it completed, and shows the
    // spread again. Returns 1000 when the learner left the course run, 2
    // (leave), 3 (previous chapter) or 4 (next chapter) as the spread gives
    // them, 4 (2 in the introduction) after the final row, the exercise's
    // result in single-exercise mode, or -1202 when the bookmark's exercise
    // lies past the final row (the bookmark is then put on the last
    // exercise). AfterExercise, when given, is called after each exercise
    // that returns to the spread, its tick and the bookmark already moved.
    int Run(TBookMark& Bookmark, bool& Finished,
            const std::function<void()>& AfterExercise = nullptr);

private:
    void ReadExercise(TCourseReader& Reader, int32_t Groups, int64_t& TotalShare);
    void SkipExercise(TCourseReader& Reader);
    void RecordCompleted(const TBookMark& Bookmark, const TExercise& Exercise) const;
};
