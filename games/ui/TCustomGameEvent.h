// The common base of the game events: a timed event whose console shows a
// score instead of the typing screen and the speed, and whose end reads
// "Game over.".
#pragma once

#include "engine/ui/TTimedEvent.h"

#include <cstdint>

class TCustomGameEvent : public TTimedEvent {
public:
    explicit TCustomGameEvent(const std::string& Line);

    int32_t Score = 0;
    // Score := N, shown on the console.
    void SetScore(int32_t N);

    // The score screen instead of the typing screen and the speed.
    void Activate() override;
    void Finish() override;
    void Deactivate() override;

protected:
    // The learner's name for the top-ten list.
    static std::string PlayerName();
};
