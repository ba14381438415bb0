// What the course runner asks of the pages it shows: the chapter spread
// (the chapter's number, picture and exercise list with the console
// buttons) and the results page's exercise name. The chapter pages of the
// book implement it (guided/ui); tests put their own in its place.
#pragma once

#include <string>

class TChapter;
class TExercise;

// How the chapter spread is to look when it opens.
struct TChapterSpread {
    const TChapter* Chapter = nullptr;
    std::string Title;       // the book's title line
    std::string Picture;     // picture file to show; empty leaves the picture as it was
    std::string LastRowText; // the list's final row
    std::string Numeral;     // units digit of the chapter's number (" i" in the introduction)
    std::string TensNumeral; // tens digit; empty below 10
    bool SkipFAllowed = true;
    bool SkipBAllowed = true;
    bool CancelAllowed = false;
    // The first showing of this chapter's run: the begin page goes on the left.
    bool FirstPass = true;
    // The row selected when the spread opens, and when it closed.
    int SelectedRow = 1;
};

// Results of the spread, as its buttons give them.
enum : int {
    spLeft = 0,   // closed from outside (another tab)
    spBegin = 1,  // begin the selected row
    spCancel = 2, // leave
    spSkipB = 3,  // previous chapter
    spSkipF = 4,  // next chapter
};

class TChapterPages {
public:
    virtual ~TChapterPages() = default;
    // "of N" under the chapter numerals (empty in the introduction).
    virtual void SetLessonCount(const std::string& Text) = 0;
    // Shows the spread modally and returns its result; SelectedRow comes
    // back as the learner left it.
    virtual int ShowChapter(TChapterSpread& Spread) = 0;
    // An exercise begins: the begin page returns to the left of the spread
    // (a scored run puts the results page there), and the results page
    // takes the exercise's name.
    virtual void BeginExercise(const TExercise& Exercise) = 0;
};

// The pages the course runner uses; none until start-up installs them.
// Without pages a chapter run is left at once, as if another tab was chosen.
TChapterPages* ChapterPages();
void SetChapterPages(TChapterPages* Pages);
