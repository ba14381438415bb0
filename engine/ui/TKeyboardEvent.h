// The character drill: the model text with its current character marked,
// every key judged at once against it (exactly, so a capital is not a small
// letter). A wrong key marks the expected key with the Shift or Alt Gr key it
// needs and the key that was pressed, and shows the finger to use; each key
// counts toward the learner's difficult keys.
#pragma once

#include "engine/ui/TCustomKeyboardEvent.h"

class TKeyboardEvent : public TCustomKeyboardEvent {
public:
    // Takes the tokens of an event line; the expected key is not shown until
    // the learner misses it.
    explicit TKeyboardEvent(const std::string& Line);

    // Keys that were not the expected one, in this run.
    int Misses = 0;

    void Activate() override;
    void KeyPress(QObject* Sender, char& Key) override;
    // The run's key statistics go into the learner's difficult keys.
    void Deactivate() override;

private:
    std::string CurrentTarget() const;
};
