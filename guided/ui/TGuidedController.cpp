#include "guided/ui/TGuidedController.h"

#include "guided/ui/TGoodbyeView.h"
#include "guided/ui/TStdProfileView.h"
#include "guided/ui/TWelcomeView.h"

int TBookGuidedPages::RunWelcome() {
    TViewPtr<TWelcomeView> View(new TWelcomeView);
    return View->Run();
}

int TBookGuidedPages::RunProfile() {
    return StdProfileView->Run();
}

int TBookGuidedPages::RunGoodbye() {
    TViewPtr<TGoodbyeView> View(new TGoodbyeView);
    return View->Run();
}

TGuidedController::TGuidedController() : Studying(Pages, Introduction) {}

void TGuidedController::Run() {
    Studying.Run();
}

void CreateStdProfileView() {
    if (!StdProfileView) StdProfileView = new TStdProfileView;
}

void FreeStdProfileView() {
    FreeView(StdProfileView);
}
