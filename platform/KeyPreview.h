// Key preview: the book window sees every key before the focused control.
//
// An event filter on the window's QWindow turns each key press into a
// key-down (virtual key + shift state) and, when it typed a Latin-1
// character, a key-press; Ctrl with a letter types its control character.
// A receiver that sets the key to 0 consumes it, and the focused control never
// sees it. Each release of a key is a key-up.
//
// A character key's code comes from where the key lies (its native scan
// code), so that the same key gives the same code on every layout: ä on a
// German keyboard is the key right of L, and Shift with 8 is the 8 key. Only
// letters keep the code of the letter they type, so that Alt accelerators
// follow what is printed on the key.
#pragma once

#include "platform/Keys.h"

#include <QObject>

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
    QWindow* FWindow;
    IKeyPreviewReceiver* FReceiver;
};

// The shift state of a set of Qt keyboard modifiers.
TShiftState ShiftStateFromQt(int Modifiers);

class QKeyEvent;
// The virtual-key code of a key event, or 0 for keys the program has no code for.
std::uint16_t VirtualKeyOfEvent(const QKeyEvent& Event);
