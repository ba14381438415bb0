// The pages guided studying shows, as its flow sees them. The book's pages
// implement it (guided/ui); tests put their own in its place.
#pragma once

// Results of the welcome page.
enum : int {
    wpLeft = 0, // closed from outside
    wpBeginStudying = 1,
    wpIntroduction = 2,
};

// Results of the studying profile page.
enum : int {
    ppLeft = 0, // closed from outside
    ppNext = 1, // the learner accepted the course and lesson length
    ppBack = 2,
};

// Results of the course-completed page.
enum : int {
    gpLeft = 0, // closed from outside
    gpRestart = 1,
    gpBackOneChapter = 2,
};

class TGuidedPages {
public:
    virtual ~TGuidedPages() = default;
    virtual int RunWelcome() = 0;
    // On Next the current user's course file and lesson length are the
    // ones chosen (not saved yet).
    virtual int RunProfile() = 0;
    virtual int RunGoodbye() = 0;
};
