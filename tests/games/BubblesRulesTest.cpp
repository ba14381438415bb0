// The bubbles game's rules as step functions of the clock: each tick of the
// bubble timer 100 ms after the last, each key, with a fixed random seed.
#include "files/SystemUtils.h"
#include "games/TBubblesGame.h"
#include "tests/support/TSeamGuard.h"

#include <gtest/gtest.h>

#include <set>

namespace {

constexpr double TickDays = 0.1 / 86400.0; // 100 ms
constexpr double Start = 46000.0;

class BubblesRules : public ::testing::Test {
protected:
    void SetUp() override { FixRandomSeed(16); }
    TSeamGuard Seams;

    // Puts a letter bubble of a kind into a slot, at a height.
    static void Place(TBubblesGame& Game, int Slot, char Letter, int Kind = 1, int Y = 200) {
        Tbubble& B = Game.FSlots[size_t(Slot)];
        B.FKind = Kind;
        B.FSize = Kind == 2 ? 45 : 40;
        B.Launch(3, Game.Height);
        B.FY = Y;
        B.SetLetter(static_cast<unsigned char>(Letter));
        Game.FSlotLetters[size_t(Slot)] = static_cast<unsigned char>(Letter);
    }

    // Ticks until the condition holds (at most Limit ticks); returns the ticks.
    static int TickUntil(TBubblesGame& Game, double& Now, const std::function<bool()>& Done,
                         int Limit = 5000) {
        int Ticks = 0;
        while (!Done() && Ticks < Limit) {
            Now += TickDays;
            Game.Tick(Now);
            ++Ticks;
        }
        return Ticks;
    }
};

} // namespace

TEST_F(BubblesRules, PopsScoreByKindPaceAndKeySet) {
    struct {
        std::string Keys;
        double Pace;
        int Kind;
        int32_t Points;
    } const Cases[] = {
        {"", 1.0, 1, 5},        {"", 1.0, 2, 10},       // the 26 letters: divisor 1
        {"asdf", 1.0, 1, 1},    {"asdf", 1.0, 2, 2},    // four keys: divisor 4
        {"asdfjkl", 1.0, 1, 2}, {"asdfjkl", 1.0, 2, 5}, // seven keys: divisor 2
        {"", 2.9, 1, 7},        {"", 3.0, 2, 14},       // 2 x whole pace + 3 or + 8
    };
    for (const auto& C : Cases) {
        TBubblesGame Game;
        Game.Begin(C.Keys, Start);
        Game.FSpeedFactor = C.Pace;
        Place(Game, 4, 'a', C.Kind);
        const auto R = Game.KeyPress('a', true);
        EXPECT_EQ(R.Popped, 1);
        EXPECT_EQ(Game.Score, C.Points) << "keys '" << C.Keys << "' pace " << C.Pace;
        EXPECT_FALSE(Game.FSlots[4].FActive);
        EXPECT_EQ(Game.FSlotLetters[4], Tbubble::NoLetter);
    }
}

TEST_F(BubblesRules, WrongKeysCostTwiceThePaceButNeverGoBelowZero) {
    TBubblesGame Game;
    Game.Begin("", Start);
    Place(Game, 0, 'k');
    // Before anything was popped: nothing to lose.
    EXPECT_TRUE(Game.KeyPress('j', true).Wrong);
    EXPECT_EQ(Game.Score, 0);
    Game.KeyPress('k', true);
    EXPECT_EQ(Game.Score, 5);
    for (unsigned char Key : {'K', '\r', '\b', '\0'}) {
        const auto R = Game.KeyPress(Key, true);
        EXPECT_TRUE(R.Wrong);
        EXPECT_EQ(R.Popped, 0);
    }
    // 5 - 2 - 2 - 1, held at 0.
    EXPECT_EQ(Game.Score, 0);
    Game.Score = 10;
    Game.FSpeedFactor = 2.5;
    Game.KeyPress('z', true);
    EXPECT_EQ(Game.Score, 6);
    // While the bubbles stand still a wrong key costs nothing.
    Game.KeyPress('z', false);
    EXPECT_EQ(Game.Score, 6);
}

TEST_F(BubblesRules, OneKeyPopsEveryBubbleWithItsLetterEachAtThePaceOfItsMoment) {
    // A normal bubble in slot 1 is popped first, at height Y; the pop moves
    // the pace, and the bonus bubble in slot 7 (at height 100, popped second)
    // scores at the pace it left. Points are 2 x whole pace + 3, or + 8.
    struct {
        double Pace;
        int Y;
        int32_t Score;
    } const Cases[] = {
        // High up adds 0.008: 1.008, still a whole 1: 5 + 10.
        {1.0, 200, 15},
        // The middle band adds 0.07: 1.67, still 1: 5 + 10.
        {1.6, 257, 15},
        // At the bottom it adds 0.5: 2.1, a whole 2: 5 + (4 + 8).
        {1.6, 337, 17},
        // 2.9 + 0.5 = 3.4: 7 + (6 + 8).
        {2.9, 337, 21},
    };
    for (const auto& C : Cases) {
        TBubblesGame Game;
        Game.Begin("", Start);
        Game.FSpeedFactor = C.Pace;
        Place(Game, 1, 'e', 1, C.Y);
        Place(Game, 7, 'e', 2, 100);
        Place(Game, 3, 'r', 1);
        const auto R = Game.KeyPress('e', true);
        EXPECT_EQ(R.Popped, 2);
        EXPECT_EQ(R.Points, C.Score) << "pace " << C.Pace << ", first at " << C.Y;
        EXPECT_EQ(Game.Score, C.Score) << "pace " << C.Pace << ", first at " << C.Y;
        EXPECT_TRUE(Game.FSlots[3].FActive);
    }
}

TEST_F(BubblesRules, ScorePast31000BecomesTheCap) {
    TBubblesGame Game;
    Game.Begin("", Start);
    const struct {
        int32_t Before, After;
    } Cases[] = {{30995, 31000}, {30996, 31999}, {31000, 31999}, {31999, 31999}};
    for (const auto& C : Cases) {
        Game.Score = C.Before;
        Place(Game, 0, 'a');
        Game.KeyPress('a', true);
        EXPECT_EQ(Game.Score, C.After) << C.Before << " + 5";
    }
}

TEST_F(BubblesRules, PaceRisesMostForBubblesPoppedLow) {
    // Area height 337: popped at 337 adds 0.5, at 297 (40 up) 0.3, at 257
    // (80 up) the middle band's 0.07, higher up 0.008; an escape counts -30.
    struct {
        std::vector<int> Heights;
        double Pace;
    } const Cases[] = {
        {{337}, 1.5},
        {{297}, 1.3},
        {{257}, 1.07},
        {{100}, 1.008},
        {{-30}, 1.008},
        // The average of the last four decides: (337 + 337 + 337 + 17) / 4 = 257.
        {{337, 337, 337, 17}, 1.0 + 0.5 + 0.5 + 0.5 + 0.07},
        // Averages 17, 177, 230, 257, then the 17 drops out of the four: 337.
        {{17, 337, 337, 337, 337}, 1.0 + 0.008 + 0.008 + 0.07 + 0.07 + 0.5},
    };
    for (size_t I = 0; I < std::size(Cases); ++I) {
        const auto& C = Cases[I];
        TBubblesGame Game;
        Game.Begin("", Start);
        for (int H : C.Heights)
            Game.RecordHeight(H);
        EXPECT_NEAR(Game.FSpeedFactor, C.Pace, 1e-5) << "case " << I;
    }
    TBubblesGame Game;
    Game.Begin("", Start);
    EXPECT_EQ(Game.RiseSpeed(), 3);
    EXPECT_DOUBLE_EQ(Game.FSpawnInterval, 2);
    Game.FSpeedFactor = 10;
    Game.RecordHeight(100);
    EXPECT_EQ(Game.RiseSpeed(), 11);
    EXPECT_NEAR(Game.FSpawnInterval, 0.55 - 0.95 * 0.008 / 9, 1e-6);
    Game.FSpeedFactor = 20;
    EXPECT_EQ(Game.RiseSpeed(), 13);
}

TEST_F(BubblesRules, NewBubblesPreferLettersNotOnScreen) {
    TBubblesGame Game;
    Game.Begin("abc", Start);
    // With "a" on screen, every start and direction finds "b" or "c".
    Place(Game, 0, 'a');
    for (int I = 0; I < 40; ++I)
        EXPECT_NE(Game.PickLetter(1), 'a');
    // Every key on screen: the new bubble repeats one of them.
    Place(Game, 1, 'b');
    Place(Game, 2, 'c');
    for (int I = 0; I < 40; ++I) {
        const int Letter = Game.PickLetter(3);
        EXPECT_TRUE(Letter >= 'a' && Letter <= 'c') << Letter;
        EXPECT_EQ(Game.FSlots[3].FLetter, Letter);
        EXPECT_EQ(Game.FSlotLetters[3], Letter);
    }
    // Ten bubbles of the 26 letters: each new one is a letter not yet shown
    // unless the search runs out at an end of the set.
    TBubblesGame Full;
    Full.Begin("", Start);
    int Repeats = 0;
    for (int Slot = 0; Slot < 10; ++Slot) {
        const int Letter = Full.PickLetter(Slot);
        Repeats += int(std::count(Full.FSlotLetters.begin(), Full.FSlotLetters.end(), Letter)) - 1;
    }
    EXPECT_LE(Repeats, 1);
}

TEST_F(BubblesRules, TicksLaunchRiseAndLetSixEscapesEndTheGame) {
    TBubblesGame Game;
    double Now = Start;
    Game.Begin("", Now);
    // The first bubble comes once more than two clock seconds have passed:
    // 2 x 0.864 s, the 18th tick of 100 ms.
    const int First = TickUntil(Game, Now, [&] {
        for (const Tbubble& B : Game.FSlots)
            if (B.FActive) return true;
        return false;
    });
    EXPECT_EQ(First, 18);
    int Slot = 0;
    while (!Game.FSlots[size_t(Slot)].FActive)
        ++Slot;
    const Tbubble& B = Game.FSlots[size_t(Slot)];
    EXPECT_EQ(B.FX, 46 * Slot + 5);
    EXPECT_EQ(B.FY, 337);
    EXPECT_NE(B.FLetter, Tbubble::NoLetter);
    EXPECT_EQ(Game.FSlotLetters[size_t(Slot)], B.FLetter);
    // Fizz rises in the background, smaller than letter bubbles.
    EXPECT_FALSE(Game.FFizzList.empty());
    for (const Tbubble& F : Game.FFizzList) {
        EXPECT_TRUE(F.FFizz);
        EXPECT_GE(F.FSize, 4);
        EXPECT_LE(F.FSize, 8);
        EXPECT_EQ(F.FSpeed, F.FSize - 2);
    }

    // Nobody types: bubbles escape one after another until the sixth.
    int Escaped = 0;
    bool Over = false;
    for (int T = 0; T < 5000 && !Over; ++T) {
        Now += TickDays;
        const auto R = Game.Tick(Now);
        Escaped += R.Escaped;
        Over = R.GameOver;
        EXPECT_LE(Game.FMissed, 6);
    }
    EXPECT_TRUE(Over);
    EXPECT_EQ(Escaped, 6);
    EXPECT_EQ(Game.FMissed, 6);
    // Each escape counts as a bubble popped high up: 0.008 more pace.
    EXPECT_NEAR(Game.FSpeedFactor, 1.048, 1e-9);
}

TEST_F(BubblesRules, WobbleOutlineByPhase) {
    Tbubble B;
    B.FX = 10;
    B.FY = 100;
    B.FSize = 40;
    const TBubbleBox Expected[] = {
        {11, 100, 51, 140}, {12, 99, 50, 141}, {11, 100, 51, 140}, {10, 101, 52, 139}};
    for (int Phase = 0; Phase < 4; ++Phase) {
        B.FPhase = Phase;
        const TBubbleBox Box = BubbleOutline(B);
        EXPECT_EQ((std::vector<int>{Box.Left, Box.Top, Box.Right, Box.Bottom}),
                  (std::vector<int>{Expected[Phase].Left, Expected[Phase].Top,
                                    Expected[Phase].Right, Expected[Phase].Bottom}))
            << "phase " << Phase;
    }
    // Moving advances the phase and rises; past the top the bubble is gone.
    B.FActive = true;
    B.FSpeed = 7;
    B.FPhase = 3;
    B.Move(1);
    EXPECT_EQ(B.FPhase, 0);
    EXPECT_EQ(B.FY, 93);
    B.FY = -33;
    B.Move(1);
    EXPECT_FALSE(B.FActive);
}
