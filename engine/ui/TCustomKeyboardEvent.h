// The base of the keyboard drills: a timed event with the model text on the
// upper part of the page, the on-screen keyboard below it and the finger
// guide under the book page. The keyboard shows each typed key pressed until
// the key is let go, and can mark the key expected next.
//
// A character that no key gives by itself but a dead key and a letter make
// (é of ´ and e on a Spanish keyboard, as the layout file names them) is shown
// as its dead key until that key has been pressed and let go, then as the
// letter. The input method keeps the dead key's press to itself; its release
// still comes.
#pragma once

#include "engine/ui/TCustomTextEvent.h"

#include <QPointer>

#include <string>

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
    // A key let go shows no key pressed; the dead key of a character shown
    // lets the letter after it be shown instead.
    void KeyUp(QObject* Sender, std::uint16_t& Key, TShiftState Shift) override;
    void Deactivate() override;

    // The key expected next; marked on the keyboard when ShowTarget is on.
    void SetTarget(char Ch);
    // Highlights the keys of the characters of Expected with the modifiers
    // they need, and marks those of Wrong.
    void ShowExpected(const std::string& Expected, const std::string& Wrong);
    // The character whose key stands for Ch now: Ch's own, or for a character
    // a dead key makes, the dead key's until it has been pressed, then the
    // letter's.
    char KeyFor(char Ch) const;
    // Puts the finger guide under the book page.
    void PlaceFingers();
    // Shows no key pressed.
    void ReleaseKeys();

protected:
    // The dead key of a character shown has been pressed: the letter is
    // highlighted now, and a finger shown becomes the letter's.
    virtual void DeadKeyPressed();

private:
    void ShowExpectedKeys(const std::string& Wrong);

    // The characters highlighted (by ShowExpected), and whether the dead key
    // of one of them has been pressed since.
    std::string FExpected;
    bool FDeadKeyDone = false;
};
