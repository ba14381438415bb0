// A course: one contents file ("*.cnt") of chapters, each a list of
// exercises. Its lines, before and between the chapter blocks:
//
//     contents name=Beginner's Course   the name the study report prints
//     default time=45                   suggested lesson length (25, 35, 45, 0 free)
//     keyboard=all                      the layout the course is written for
//     wizardname=begin                  the revision builder's files (".hdr", ".dta")
//     begin chapter ... end chapter     (see TChapter.h), numbered from 1
//
// Loading empties the current user's key groups and adds one group per "new
// keys" line; the exercises' minutes come from the user's lesson length at
// that moment. A header-only load reads the course and chapter lines and
// skips every exercise block.
//
// Running the course walks its chapters from the bookmark, showing each
// chapter's pages and running the exercises the learner begins.
#pragma once

#include "course/TChapter.h"
#include "files/TextUtils.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

class TBookMark;

class TContents {
public:
    // Returned by Run for a bookmark past the course.
    static constexpr int ErrChapterPastEnd = -1001;
    // The code under which a chapter's error is logged.
    static constexpr int ErrContentsRun = -1052;

    // Loads the file; Status is Load's result. An input error in the file
    // (EInputError) abandons the load and leaves the constructor.
    TContents(const std::string& FileName, int32_t& Status, bool IsHeaderOnly = false);
    static std::unique_ptr<TContents> CreateHeaderOnly(const std::string& FileName,
                                                       int32_t& Status);

    bool HeaderOnly = false;
    // The bookmark the course runs from: the current user's unless set.
    TBookMark* Bookmark = nullptr;
    // Called after every exercise the learner finished or left, while the
    // course goes on (guided studying saves the learner there, so that a
    // crash or a power cut loses no more than the exercise under way).
    std::function<void()> AfterExercise;
    std::string ContentsName;
    std::string Keyboard = "all";
    std::vector<std::unique_ptr<TChapter>> Chapters;
    int32_t DefaultTime = -1;
    std::string WizardName;

    // 0 when loaded, otherwise the file's open status (nothing read).
    int32_t Load(const std::string& FileName);

    // "Lesson 1: Home row" with the prefix, "1. Home row" without.
    TStringList ChapterTitles(bool WithLessonPrefix) const;

    // Runs the course from the bookmark. Finished becomes true when the
    // learner has passed the last chapter. Returns 1000 when the learner
    // left the course, the last chapter's result once the course is passed,
    // 0 at once for a bookmark just past the last chapter, -1001 (logged,
    // the bookmark put back on the last chapter) for one further out, or a
    // chapter's error (logged as -1052). In single-exercise mode the one
    // exercise's result.
    int Run(bool& Finished);

private:
    TBookMark& CurrentBookmark();
};
