// The revision menu's right page: the Revision Wizard, story typing for a
// chosen time, the bubbles game with a chosen key set and the falling-words
// game with a chosen vocabulary. A click on an activity's picture or caption
// (or Alt with R, S, B or W) closes the page with the activity's code.
#pragma once

#include "shell/TFormView.h"

#include <QMetaObject>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class QObject;

class TRevisionView : public TFormView {
public:
    // Result codes: the activity chosen.
    enum { rvLexidrop = 1, rvBubbles = 3, rvStory = 4, rvWizard = 6 };

    TRevisionView();
    ~TRevisionView() override;

    // The chosen story duration (1..4), bubbles key set (1..4) and
    // vocabulary ("-stud-" for the studied keys).
    int FDuration = 1;
    int FKeySet = 1;
    std::string FVocabulary = "-stud-";

    void Activate() override;
    void KeyDown(QObject* Sender, std::uint16_t& Key, TShiftState Shift) override;
    void Deactivate() override;
    void ButtonClick(QObject* Sender);

private:
    void VocabularyChanged();
    std::vector<QMetaObject::Connection> FConnections;
    std::unique_ptr<QObject> FLabelClicks;
};
