// Key preview: the book window sees every key before the focused control.
//
// An application-wide event filter turns each key press of the window into a
// key-down (virtual key + shift state) and, when it typed a Latin-1
// character, a key-press; Ctrl with a letter types its control character.
// A receiver that sets the key to 0 consumes it, and the focused control never
// sees it. Each release of a key is a key-up. A key that types a character
// outside Latin-1 (the euro sign) types nothing, and no control gets it.
//
// A character key's code comes from where the key lies (its native scan
// code), so that the same key gives the same code on every layout: ä on a
// German keyboard is the key right of L, and Shift with 8 is the 8 key. Only
// letters keep the code of the letter they type, so that Alt accelerators
// follow what is printed on the key.
//
// What a dead key and the letter after it make (é of ´ and e) comes from the
// desktop's input method, which keeps the dead key's press to itself and hands
// the focused control the finished text instead of keys. The preview takes
// that text from whichever control of the window has the focus and gives each
// of its characters to the key-press handler as a key would; what the handler
// leaves goes on to the control. So that the input method composes wherever
// the focus is (the typing screen, a button, the window itself), every control
// of the window says it takes such text. A dead key's press that does reach
// the window (no input method runs) is a key-down that types nothing.
#pragma once

#include "platform/Keys.h"

#include <QObject>

class QInputMethodEvent;
class QKeyEvent;
class QWindow;

class IKeyPreviewReceiver {
public:
    virtual ~IKeyPreviewReceiver() = default;
    virtual void PreviewKeyDown(std::uint16_t& Key, TShiftState Shift) = 0;
    virtual void PreviewKeyPress(char& Key) = 0;
    virtual void PreviewKeyUp(std::uint16_t& Key, TShiftState Shift) {
        (void)Key;
        (void)Shift;
    }
};

class TKeyPreview : public QObject {
public:
    TKeyPreview(QWindow* Window, IKeyPreviewReceiver* Receiver);
    ~TKeyPreview() override;

protected:
    bool eventFilter(QObject* Watched, QEvent* Event) override;

private:
    bool KeyPressed(QKeyEvent& Event);
    void KeyReleased(QKeyEvent& Event);
    // Whether an object is a control of the book window (or the window's own widget).
    bool InWindow(const QObject* Object) const;
    void TakeComposedText(QInputMethodEvent& Event);

    QWindow* FWindow;
    IKeyPreviewReceiver* FReceiver;
};

// The shift state of a set of Qt keyboard modifiers.
TShiftState ShiftStateFromQt(int Modifiers);

// The virtual-key code of a key event, or 0 for keys the program has no code for.
std::uint16_t VirtualKeyOfEvent(const QKeyEvent& Event);
