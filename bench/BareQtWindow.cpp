// The yardstick for the program's start-up: a minimal Qt Widgets window with
// a label, a text edit and 40 buttons, shown as soon as it is made. It runs
// until it is terminated.
#include <QApplication>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QTextEdit>
#include <QWidget>

int main(int argc, char** argv) {
    QApplication App(argc, argv);
    QWidget Window;
    Window.setWindowTitle(QStringLiteral("Bare Qt window"));
    auto* Grid = new QGridLayout(&Window);
    Grid->addWidget(new QLabel(QStringLiteral("A plain window to compare start-up times with")), 0,
                    0, 1, 8);
    Grid->addWidget(new QTextEdit, 1, 0, 1, 8);
    for (int I = 0; I < 40; ++I)
        Grid->addWidget(new QPushButton(QStringLiteral("Button %1").arg(I + 1)), 2 + I / 8, I % 8);
    Window.show();
    return App.exec();
}
