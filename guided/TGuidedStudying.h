// Guided studying, the book's first tab: the learner's course taken from the
// learner's bookmark. A learner who has not started (chapter 0) first meets
// the welcome page, from which the introduction and the studying profile
// are reached; then the course is loaded from the learner's course file and
// run, and the learner is saved after every exercise and every return from
// it. A course file that is gone or damaged is told, and the learner chooses
// another on the profile, the progress kept. A completed course leads to the
// course-completed page: start again (the welcome page, progress reset) or
// go back one chapter.
#pragma once

class TGuidedPages;
class TIntroduction;

class TGuidedStudying {
public:
    static constexpr int ErrContentsFatal = -5633;

    TGuidedStudying(TGuidedPages& Pages, TIntroduction& Introduction);

    // The whole flow; returns 0, the introduction's result, the course's
    // result when the course ended the flow (1000 when the learner left it).
    int Run();

private:
    // True when the learner goes on to the course, false when the flow ends
    // (Result then holds the flow's result).
    bool WelcomeLoop(int& Result);
    // The profile, for a learner whose course cannot be loaded: true once
    // another course is chosen, false when the page was left.
    bool ChooseAnotherCourse();
    void RestartStudying();

    TGuidedPages& FPages;
    TIntroduction& FIntroduction;
};
