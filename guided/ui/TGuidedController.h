// Guided studying on the book: the flow of guided/TGuidedStudying with the
// book's welcome, profile and course-completed pages, run as the first tab's
// controller.
#pragma once

#include "guided/TGuidedPages.h"
#include "guided/TGuidedStudying.h"
#include "guided/TIntroduction.h"
#include "shell/TController.h"

class TBookGuidedPages : public TGuidedPages {
public:
    int RunWelcome() override;
    int RunProfile() override;
    int RunGoodbye() override;
};

class TGuidedController : public TController {
public:
    TGuidedController();
    void Run() override;

    TIntroduction Introduction;
    TBookGuidedPages Pages;
    TGuidedStudying Studying;
};

// The studying profile page lives as long as the program (made after the
// book window, which owns its preview).
void CreateStdProfileView();
void FreeStdProfileView();
