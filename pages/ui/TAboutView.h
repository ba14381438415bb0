// The about page: the version, build and learner on the left page with the
// link to newer versions and the maker's mail and web addresses, the team
// on the right page. TAbout is what the about tab runs.
#pragma once

#include "shell/TController.h"
#include "shell/TFormView.h"

class TAboutView : public TFormView {
public:
    TAboutView();
    ~TAboutView() override;

    void Activate() override;
    void Deactivate() override;
    void KeyDown(QObject* Sender, std::uint16_t& Key, TShiftState Shift) override;

    // Opens what the clicked link names; tells the learner when the desktop
    // cannot open it.
    void LinkClick(QObject* Sender);
};

class TAbout : public TController {
public:
    // Shows the page with the version block filled in, until it is left.
    void Run() override;
    // The version, the build and the name of the learner logged in.
    static void ShowVersion();
};
