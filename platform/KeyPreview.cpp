#include "platform/KeyPreview.h"

#include "platform/ErrorHandler.h"
#include "platform/Latin1.h"

#include <QKeyEvent>
#include <QWindow>

TShiftState ShiftStateFromQt(int Modifiers) {
    TShiftState Shift = 0;
    if (Modifiers & Qt::ShiftModifier) Shift |= ssShift;
    if (Modifiers & Qt::AltModifier) Shift |= ssAlt;
    if (Modifiers & Qt::ControlModifier) Shift |= ssCtrl;
    return Shift;
}

TKeyPreview::TKeyPreview(QWindow* Window, IKeyPreviewReceiver* Receiver)
    : QObject(Window), FWindow(Window), FReceiver(Receiver) {
    FWindow->installEventFilter(this);
}

TKeyPreview::~TKeyPreview() {
    if (FWindow) FWindow->removeEventFilter(this);
}

bool TKeyPreview::eventFilter(QObject* Watched, QEvent* Event) {
    if (Watched != FWindow || Event->type() != QEvent::KeyPress) return false;
    auto* KeyEvent = static_cast<QKeyEvent*>(Event);
    TShiftState Shift = ShiftStateFromQt(int(KeyEvent->modifiers()));
    // Ctrl+Shift+Tab arrives as Backtab; pages expect Tab with Shift.
    if (KeyEvent->key() == Qt::Key_Backtab) Shift |= ssShift;

    std::uint16_t Key = VirtualKeyFromQtKey(KeyEvent->key());
    if (Key != 0) {
        Guarded([&] { FReceiver->PreviewKeyDown(Key, Shift); });
        if (Key == 0) return true;
    }

    // A key with Alt alone is an accelerator: it never types a character,
    // whether or not a page used it.
    if (Shift == ssAlt || Shift == (ssAlt | ssShift)) return Key != 0 && Key != VK_MENU;
    if (Shift & ssCtrl) return false;

    unsigned char Typed = KeyTextToLatin1(KeyEvent->text());
    if (Typed == 0) return false;
    char Char = char(Typed);
    Guarded([&] { FReceiver->PreviewKeyPress(Char); });
    return Char == 0;
}
