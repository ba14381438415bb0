// The base of the keyboard drills: a timed event with the model text on the
// upper part of the page, the on-screen keyboard below it and the finger
// guide under the book page. The keyboard shows each typed key pressed until
// the key is let go, and can mark the key expected next.
#pragma once

#include "engine/ui/TCustomTextEvent.h"

#include <QPointer>

class TFingers;
class TKeyboard;

class TCustomKeyboardEvent : public TCustomTextEvent {
public:
    explicit TCustomKeyboardEvent(const std::string& Line);
    ~TCustomKeyboardEvent() override;

    // The key expected next.
    char Target = 0;
    // Made with the book window as owner on the program's layout; freed with the event.
    QPointer<TKeyboard> Keyboard;
    QPointer<TFingers> Fingers;
    // The expected key is marked on the keyboard before it is typed.
    bool ShowTarget = true;

    // Where the keyboard stands on the wide page.
    static constexpr int KeyboardLeft = 30;
    static constexpr int KeyboardTop = 128;
    static constexpr int KeyboardWidth = 502;
    static constexpr int KeyboardHeight = 170;

    void Activate() override;
    // Shows the typed key pressed.
    void KeyPress(QObject* Sender, char& Key) override;
    // A key let go shows no key pressed.
    void KeyUp(QObject* Sender, std::uint16_t& Key, TShiftState Shift) override;
    void Deactivate() override;

    // The key expected next; marked on the keyboard when ShowTarget is on.
    void SetTarget(char Ch);
    // Puts the finger guide under the book page.
    void PlaceFingers();
    // Shows no key pressed.
    void ReleaseKeys();
};
