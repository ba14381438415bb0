// Clavora 98: the program makes its application object and runs.
#include "app/ClavoraMain.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication App(argc, argv);
    return ClavoraMain(argc, argv);
}
