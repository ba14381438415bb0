#include "tests/support/TextEventFixture.h"

#include "shell/TBookForm.h"

#include <QTest>

void TextEventTest::Type(const std::string& Keys, double Step) {
    for (char C : Keys) {
        Clock.AdvanceClockSeconds(Step);
        Qt::Key Key = Qt::Key_unknown;
        switch (C) {
        case '\b':
            Key = Qt::Key_Backspace;
            break;
        case '\r':
            Key = Qt::Key_Return;
            break;
        case '\t':
            Key = Qt::Key_Tab;
            break;
        case ' ':
            Key = Qt::Key_Space;
            break;
        default:
            if (C >= 'a' && C <= 'z') Key = Qt::Key(Qt::Key_A + (C - 'a'));
            break;
        }
        QTest::sendKeyEvent(QTest::Click, BookForm->windowHandle(), Key,
                            QString(QChar::fromLatin1(C)), Qt::NoModifier);
    }
}
