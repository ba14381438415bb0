// Key preview: the book window sees every key before the focused control.
//
// An event filter on the window's QWindow turns each key press into a
// key-down (virtual key + shift state) and, when it typed a Latin-1
// character, a key-press. A receiver that sets the key to 0 consumes it, and
// the focused control never sees it.
#pragma once

#include "platform/Keys.h"

#include <QObject>

class QWindow;

class IKeyPreviewReceiver {
public:
    virtual ~IKeyPreviewReceiver() = default;
    virtual void PreviewKeyDown(std::uint16_t& Key, TShiftState Shift) = 0;
    virtual void PreviewKeyPress(char& Key) = 0;
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
