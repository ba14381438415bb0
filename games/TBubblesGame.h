// The rules of the bubbles game, without any drawing.
//
// Letter bubbles rise from the bottom of the play area, at most one in each
// of ten column slots; the learner pops a bubble by typing its letter before
// it leaves the top. Popping bubbles while they are still low raises the
// pace (faster rising, more frequent bubbles); six bubbles that escape end
// the game. Small fizz bubbles rise in the background for show.
//
// Time is the program's clock in days; intervals are in clock seconds
// (1/100000 of a day). Chance comes from the program's random source.
#pragma once

#include "games/Tbubble.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

class TBubblesGame {
public:
    static constexpr int SlotCount = 10;
    static constexpr int MissLimit = 6;
    // The height recorded for a bubble that escaped.
    static constexpr int EscapeHeight = -30;
    static constexpr const char* DefaultKeys = "qwertyuiopasdfghjklzxcvbnm";

    explicit TBubblesGame(int AreaWidth = 563, int AreaHeight = 337);

    const int Width, Height;
    // The letters bubbles may carry.
    std::string FKeys;
    // Slot I always holds the same bubble, in its own column.
    std::array<Tbubble, SlotCount> FSlots;
    // The letter of slot I's active bubble, or Tbubble::NoLetter.
    std::array<int, SlotCount> FSlotLetters;
    std::vector<Tbubble> FFizzList;
    int FMissed = 0;
    double FSpeedFactor = 1.0;
    // The heights at which the last four bubbles were popped or escaped.
    std::array<int, 4> FRecentHeights{};
    int FRecentCount = 0, FRecentNext = 0, FRecentSum = 0;
    double FSpawnInterval = 2;
    double FLastSpawn = 0;
    double FFizzInterval = 0.8;
    double FLastFizz = 0;
    int FScoreDivisor = 1;
    int32_t Score = 0;

    // Letters from Keys (the learner's known keys) without blanks and
    // control characters; the 26 letters when none remain.
    static std::string KeySet(const std::string& Keys);
    // 4 for up to 6 keys, 2 for 7..9, 1 for 10 or more.
    static int ScoreDivisor(size_t KeyCount);

    // A new game at time Now: no bubbles, pace 1, the first bubble due
    // after two clock seconds.
    void Begin(const std::string& KnownKeys, double Now);

    struct TKeyResult {
        int Popped = 0;
        int32_t Points = 0; // gained, or lost (negative) for a wrong key
        bool Wrong = false; // no bubble carries the key
    };
    // A typed character. Running says whether the bubbles rise; a wrong key
    // costs points only then.
    TKeyResult KeyPress(unsigned char Ch, bool Running);

    struct TTickResult {
        int Escaped = 0;
        bool GameOver = false;
        int Spawned = -1; // the slot of a new letter bubble
    };
    // One tick of the bubble timer at time Now: every bubble rises, a letter
    // bubble and a fizz bubble appear when they are due.
    TTickResult Tick(double Now);

    // Notes the height at which a bubble was popped or escaped and moves the pace.
    void RecordHeight(int H);
    // Rise per move of a normal bubble at the present pace.
    int RiseSpeed() const;
    // Chooses the letter of a new bubble in Slot, preferring one that is on
    // no bubble yet, and gives it to the slot.
    int PickLetter(int Slot);
    // The slot's column.
    int SlotX(int Slot) const { return (Width / SlotCount - 10) * Slot + 5; }
    bool OnScreen(int Letter) const;
};
