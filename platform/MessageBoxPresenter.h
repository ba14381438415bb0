// Shows the program's message dialogs as real message boxes.
#pragma once

#include <functional>

// Installs the presenter behind MessageDlg. The help handler is called with
// the dialog's help context when the learner presses Help; the dialog stays.
void InstallMessageBoxPresenter(std::function<void(int HelpContext)> HelpHandler = {});
