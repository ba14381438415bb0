// Clavora 98: the program makes its application object and runs.
#include "app/ClavoraMain.h"
#include "app/CommandLine.h"
#include "files/TProgramSettings.h"
#include "platform/BookScale.h"

#include <QApplication>

int main(int argc, char** argv) {
    // The help, the version and a mistyped option need no display.
    if (const int Status = AnswerCommandLineEarly(argc, argv); Status >= 0) return Status;
    // The toolkit takes the book's scale when the application object is made.
    BookScale::Prepare(TProgramSettings::ScaleBookWanted());
    QApplication App(argc, argv);
    BookScale::Forget();
    return ClavoraMain(argc, argv);
}
