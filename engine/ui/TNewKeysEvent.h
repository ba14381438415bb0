// The introduction of new keys: the text is cut into groups of up to four
// keys followed by Space, each group shown as a row of key caps; the learner
// presses them one by one while the keyboard marks the key, the hands show
// the finger and its name is written below. A wrong key changes nothing but
// the marks. At the end the Enter key is marked.
#pragma once

#include "engine/ui/TCustomKeyboardEvent.h"

#include <QPointer>

#include <cstdint>
#include <string>

class TImage;

class TNewKeysEvent : public TCustomKeyboardEvent {
public:
    // Takes the tokens of an event line.
    explicit TNewKeysEvent(const std::string& Line);
    ~TNewKeysEvent() override;

    // The next character of Text to read into a group.
    std::int32_t TextPos = 0;
    // The current group; its last character is always a space.
    std::string Group;
    // The key of Group expected next, from 1.
    std::int32_t GroupIndex = 1;
    // The group as a row of key caps, on the new-keys panel.
    QPointer<TImage> GroupPicture;

    void Activate() override;
    void KeyPress(QObject* Sender, char& Key) override;
    void Finish() override;

    // Reads the next group from Text, or finishes when no key is left.
    void NextGroup();
    // Shows the group with the key expected next, its finger and the finger's name.
    void ShowCurrent();
    void DrawGroup();

protected:
    // The letter after a dead key: its finger and the finger's name.
    void DeadKeyPressed() override;

private:
    // The finger of the key that stands for the key expected, and its name.
    void ShowFinger();
};
