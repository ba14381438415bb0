// The chapter pages as the course runner sees them (course/TChapterPages.h):
// the two-page chapter container with the begin page on the left and the
// contents page on the right, the results page taking the left after a
// scored run.
#pragma once

#include "course/TChapterPages.h"

class TBookChapterPages : public TChapterPages {
public:
    void SetLessonCount(const std::string& Text) override;
    int ShowChapter(TChapterSpread& Spread) override;
    void BeginExercise(const TExercise& Exercise) override;
};

// Makes the two chapter pages and installs them for the course runner;
// needs the book window and the chapter storage form.
void CreateChapterPages();
void FreeChapterPages();
