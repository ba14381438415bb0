// Shows the program's message dialogs as real message boxes.
#pragma once

// Installs the presenter behind MessageDlg.
void InstallMessageBoxPresenter();
