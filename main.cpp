// Clavora 98: the program makes its application object and runs.
#include "app/ClavoraMain.h"
#include "files/TProgramSettings.h"
#include "platform/BookScale.h"

#include <QApplication>

int main(int argc, char** argv) {
    // The toolkit takes the book's scale when the application object is made.
    BookScale::Prepare(TProgramSettings::ScaleBookWanted());
    QApplication App(argc, argv);
    BookScale::Forget();
    return ClavoraMain(argc, argv);
}
