// The options page: the learner's lesson length, sound effects and the
// exercises' font size, and the book's size, on the left page; the machine's
// keyboard layout, theme tune and speed unit on the right page, with an
// on-screen keyboard as large as the drills' that highlights the first six
// keys of the upper letter row so that the learner can compare the chosen
// layout with the keyboard in front of them. A new layout is loaded at once; the other choices are
// stored when the page is left.
#pragma once

#include "shell/TFormView.h"

#include <QMetaObject>
#include <QPoint>
#include <QString>

#include <string>
#include <vector>

class TKeyboard;

class TOptionsView : public TFormView {
public:
    TOptionsView();
    ~TOptionsView() override;

    void Activate() override;
    void Deactivate() override;
    void KeyDown(QObject* Sender, std::uint16_t& Key, TShiftState Shift) override;

    // Applies the keyboard choices: stores them in the settings and loads
    // the layout they name. Sender is the control the learner used, or none.
    void LayoutChanged(QObject* Sender);

    // Stores the page's choices into the settings and the current user and
    // saves both.
    void StoreChoices();

    // Shown while the page is open, on a panel that lies over both pages.
    TKeyboard* Keyboard;

private:
    void ShowLayoutChoice(const std::string& LayoutName, bool AutoDetect);

    std::vector<QMetaObject::Connection> FConnections;
    // The keyboard choice whose layout is in use, kept so that a layout
    // that cannot be loaded changes nothing.
    std::string FLayoutInUse;
    bool FAutoDetectInUse = false;
    // The note under the keyboard choice as the page was designed, put back
    // when a detected keyboard's own note is no longer shown.
    QString FMatchNote;
    // Where the keyboard's panel lies on its storage form.
    QPoint FKeybPanelPlace;
};

// What the options tab runs: the page until it is left, then the choices
// are stored.
void RunOptions();
