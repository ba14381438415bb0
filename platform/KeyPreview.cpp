#include "platform/KeyPreview.h"

#include "platform/ErrorHandler.h"
#include "platform/Latin1.h"
#include "platform/ScanCodes.h"

#include <QCoreApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QWidget>
#include <QWindow>

namespace {

// Text with a character beyond Latin-1 in it.
bool HasForeignCharacter(const QString& Text) {
    for (const QChar C : Text)
        if (C.unicode() > 255) return true;
    return false;
}

} // namespace

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
    // Application-wide: the input method's text goes to the focused control,
    // never to the window.
    QCoreApplication::instance()->installEventFilter(this);
}

TKeyPreview::~TKeyPreview() {
    if (QCoreApplication* App = QCoreApplication::instance()) App->removeEventFilter(this);
}

bool TKeyPreview::eventFilter(QObject* Watched, QEvent* Event) {
    switch (Event->type()) {
    case QEvent::KeyPress:
        return Watched == FWindow && KeyPressed(*static_cast<QKeyEvent*>(Event));
    case QEvent::KeyRelease:
        if (Watched == FWindow) KeyReleased(*static_cast<QKeyEvent*>(Event));
        return false;
    case QEvent::InputMethodQuery: {
        // The input method asks the focused control whether it takes
        // composed text; every control of the window does.
        auto* Query = static_cast<QInputMethodQueryEvent*>(Event);
        if (Query->queries() != Qt::ImEnabled || !InWindow(Watched)) return false;
        Query->setValue(Qt::ImEnabled, true);
        Query->accept();
        return true;
    }
    case QEvent::InputMethod:
        if (InWindow(Watched)) TakeComposedText(*static_cast<QInputMethodEvent*>(Event));
        return false;
    default:
        return false;
    }
}

bool TKeyPreview::InWindow(const QObject* Object) const {
    if (!Object || !Object->isWidgetType()) return false;
    const QWidget* Window = static_cast<const QWidget*>(Object)->window();
    return Window && Window->windowHandle() == FWindow;
}

void TKeyPreview::KeyReleased(QKeyEvent& Event) {
    if (Event.isAutoRepeat()) return;
    std::uint16_t Key = VirtualKeyOfEvent(Event);
    const TShiftState Shift = ShiftStateFromQt(int(Event.modifiers()));
    Guarded([&] { FReceiver->PreviewKeyUp(Key, Shift); });
}

bool TKeyPreview::KeyPressed(QKeyEvent& Event) {
    TShiftState Shift = ShiftStateFromQt(int(Event.modifiers()));
    // Ctrl+Shift+Tab arrives as Backtab; pages expect Tab with Shift.
    if (Event.key() == Qt::Key_Backtab) Shift |= ssShift;

    std::uint16_t Key = VirtualKeyOfEvent(Event);
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
            const unsigned char Text = KeyTextToLatin1(Event.text());
            if (Text > 0 && Text < 32) Typed = Text;
        }
    } else {
        Typed = KeyTextToLatin1(Event.text());
        // A character outside Latin-1 is no character of the program's: a
        // control must not take it either (a name would keep a "?" for it).
        if (Typed == 0 && HasForeignCharacter(Event.text())) return true;
    }
    if (Typed == 0) return false;
    char Char = char(Typed);
    Guarded([&] { FReceiver->PreviewKeyPress(Char); });
    return Char == 0;
}

void TKeyPreview::TakeComposedText(QInputMethodEvent& Event) {
    const QString Text = Event.commitString();
    if (Text.isEmpty()) return;
    // Each character as if a key had typed it; the control gets what the
    // handler leaves.
    QString Left;
    for (const QChar C : Text) {
        if (C.unicode() > 255) continue;
        char Char = char(C.unicode());
        Guarded([&] { FReceiver->PreviewKeyPress(Char); });
        if (Char != 0) Left += QChar::fromLatin1(Char);
    }
    if (Left != Text)
        Event.setCommitString(Left, Event.replacementStart(), Event.replacementLength());
}
