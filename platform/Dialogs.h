// The one door for every modal message dialog of the program.
//
// Code anywhere (also in libraries without widgets) calls MessageDlg. The GUI
// installs a presenter that shows a real message box; tests install a
// responder that answers without a window. Texts are Latin-1 bytes.
#pragma once

#include <functional>
#include <string>
#include <vector>

enum TMsgDlgType { mtWarning, mtError, mtInformation, mtConfirmation, mtCustom };

// Button set, as a bit mask.
enum TMsgDlgBtn : unsigned { mbYes = 1, mbNo = 2, mbOK = 4, mbCancel = 8, mbHelp = 16 };
using TMsgDlgButtons = unsigned;

// The button that closed a dialog.
enum TModalResult : int {
    mrNone = 0,
    mrOk = 1,
    mrCancel = 2,
    mrYes = 6,
    mrNo = 7,
    mrHelp = 9,
};

struct TDialogRequest {
    std::string Text; // Latin-1, lines separated by CR, LF or both
    TMsgDlgType Type = mtCustom;
    TMsgDlgButtons Buttons = mbOK;
    int HelpContext = 0;
};

using TDialogHandler = std::function<int(const TDialogRequest&)>;

// Shows a modal message and returns the button pressed (a TModalResult).
// Help never closes a dialog: it opens the help topic and the same message
// is asked again.
int MessageDlg(const std::string& Text, TMsgDlgType Type, TMsgDlgButtons Buttons,
               int HelpContext = 0);

// What Help does: opens the dialog's help topic.
void SetHelpHandler(std::function<void(int HelpContext)> Handler);
const std::function<void(int HelpContext)>& InstalledHelpHandler();

// The presenter that shows real windows (installed by the GUI at start-up).
void SetDialogPresenter(TDialogHandler Presenter);
const TDialogHandler& InstalledDialogPresenter();

// A responder answers in place of the presenter while installed (tests).
// Passing an empty function removes it.
void SetDialogResponder(TDialogHandler Responder);
const TDialogHandler& InstalledDialogResponder();

// Every request shown since the last ClearDialogLog (for tests and diagnostics).
const std::vector<TDialogRequest>& DialogLog();
void ClearDialogLog();

// The default answer when neither presenter nor responder is installed: the
// affirmative button of the set (OK, else Yes, else the first one present).
int DefaultAnswer(TMsgDlgButtons Buttons);
