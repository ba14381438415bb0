// Shows the program's message dialogs as real message boxes.
#pragma once

#include <QString>

#include <string>

// Installs the presenter behind MessageDlg.
void InstallMessageBoxPresenter();

// A dialog's Latin-1 text as the box shows it: line ends made one, a text
// too long for the screen shortened in its middle, and words longer than a
// line given places to break.
QString MessageBoxText(const std::string& Text);
