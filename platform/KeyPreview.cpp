#include "platform/KeyPreview.h"

#include "platform/ErrorHandler.h"
#include "platform/Latin1.h"
#include "platform/ScanCodes.h"

#include <QKeyEvent>
#include <QWindow>

TShiftState ShiftStateFromQt(int Modifiers) {
    TShiftState Shift = 0;
    if (Modifiers & Qt::ShiftModifier) Shift |= ssShift;
    if (Modifiers & Qt::AltModifier) Shift |= ssAlt;
    if (Modifiers & Qt::ControlModifier) Shift |= ssCtrl;
    return Shift;
}

std::uint16_t VirtualKeyOfEvent(const QKeyEvent& Event) {
    const int QtKey = Event.key();
    if (QtKey >= Qt::Key_A && QtKey <= Qt::Key_Z) return std::uint16_t(QtKey);
    if (const std::uint16_t Code =
            VirtualKeyOfPosition(KeyPositionOfScanCode(Event.nativeScanCode())))
        return Code;
    return VirtualKeyFromQtKey(QtKey);
}

TKeyPreview::TKeyPreview(QWindow* Window, IKeyPreviewReceiver* Receiver)
    : QObject(Window), FWindow(Window), FReceiver(Receiver) {
    FWindow->installEventFilter(this);
}

TKeyPreview::~TKeyPreview() {
    if (FWindow) FWindow->removeEventFilter(this);
}

bool TKeyPreview::eventFilter(QObject* Watched, QEvent* Event) {
    if (Watched != FWindow) return false;
    if (Event->type() == QEvent::KeyRelease) {
        auto* KeyEvent = static_cast<QKeyEvent*>(Event);
        if (KeyEvent->isAutoRepeat()) return false;
        std::uint16_t Key = VirtualKeyOfEvent(*KeyEvent);
        const TShiftState Shift = ShiftStateFromQt(int(KeyEvent->modifiers()));
        Guarded([&] { FReceiver->PreviewKeyUp(Key, Shift); });
        return false;
    }
    if (Event->type() != QEvent::KeyPress) return false;
    auto* KeyEvent = static_cast<QKeyEvent*>(Event);
    TShiftState Shift = ShiftStateFromQt(int(KeyEvent->modifiers()));
    // Ctrl+Shift+Tab arrives as Backtab; pages expect Tab with Shift.
    if (KeyEvent->key() == Qt::Key_Backtab) Shift |= ssShift;

    std::uint16_t Key = VirtualKeyOfEvent(*KeyEvent);
    if (Key != 0) {
        Guarded([&] { FReceiver->PreviewKeyDown(Key, Shift); });
        if (Key == 0) return true;
    }

    // A key with Alt alone is an accelerator: it never types a character,
    // whether or not a page used it.
    if (Shift == ssAlt || Shift == (ssAlt | ssShift)) return Key != 0 && Key != VK_MENU;
    unsigned char Typed = 0;
    if (Shift & ssCtrl) {
        // Ctrl with a letter types its control character (Ctrl+A is 1),
        // whatever text the platform gave; Ctrl with Alt types nothing.
        if (Shift & ssAlt) return false;
        if (Key >= 'A' && Key <= 'Z')
            Typed = static_cast<unsigned char>(Key - 'A' + 1);
        else {
            const unsigned char Text = KeyTextToLatin1(KeyEvent->text());
            if (Text > 0 && Text < 32) Typed = Text;
        }
    } else
        Typed = KeyTextToLatin1(KeyEvent->text());
    if (Typed == 0) return false;
    char Char = char(Typed);
    Guarded([&] { FReceiver->PreviewKeyPress(Char); });
    return Char == 0;
}
