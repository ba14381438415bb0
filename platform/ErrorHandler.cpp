#include "platform/ErrorHandler.h"

#include "platform/Dialogs.h"

void ShowException(const std::exception& Error) {
    // Messages of the program's own errors are Latin-1 text already.
    MessageDlg(Error.what(), mtError, mbOK);
}
