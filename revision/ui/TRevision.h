// The revision menu, the controller behind the revision tab: the picture on
// the left page and the four activities on the right, each run from here
// until the learner leaves the menu.
#pragma once

#include "shell/TController.h"

#include <memory>

class TRevisionPicture;
class TRevisionView;

class TRevision : public TController {
public:
    TRevision();
    ~TRevision() override;
    void Run() override;

    // While the menu runs.
    TRevisionView* Menu() const { return FMenu; }

    // The activities; each returns its result (0 ends the menu).
    int PlayLexidrop();
    int PlayBubbles();
    int TypeStory();
    int RunWizard();

    // The time limit of the games and the wizard's exercise (clock seconds).
    static constexpr int ActivitySeconds = 180;

private:
    TRevisionPicture* FPicture = nullptr;
    TRevisionView* FMenu = nullptr;
};
