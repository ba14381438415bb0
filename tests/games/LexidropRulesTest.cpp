// The falling-words game's rules as step functions: each step of the fall
// timer, each key, each new word.
#include "games/TLexidropGame.h"

#include <gtest/gtest.h>

namespace {

TLexidropGame NewGame(TStringList Words) {
    TLexidropGame Game;
    Game.Words = std::move(Words);
    Game.Begin();
    return Game;
}

// Types the current word out.
void TypeWord(TLexidropGame& Game) {
    const std::string Word = Game.CurrentWord();
    char Expected = 0;
    for (char C : Word)
        Game.TypeChar(C, Expected);
}

// Lets the word fall to the stack; returns the steps it took.
int LetFall(TLexidropGame& Game) {
    int Steps = 0;
    for (;;) {
        ++Steps;
        const TLexidropGame::TFall F = Game.FallStep();
        if (F != TLexidropGame::fMoved) return Steps;
    }
}

} // namespace

TEST(LexidropRules, FallIntervalFromWordLengthAndLevel) {
    struct {
        size_t Length;
        float Level;
        int Ms;
    } const Cases[] = {
        {5, 1, 1170}, // 9 x 1.3 x 100
        {5, 7, 225},  // 9 x 0.25 x 100
        {1, 1, 650},
        {6, 2, 1125}, // 10 x 1.125 x 100
        {200, 1, 26520},
        // From about level 8.1 on the fall is held at (length + 4) x 10 ms.
        {5, 8.43f, 90},
        {5, 10, 90},
        {1, 10, 50},
    };
    for (const auto& C : Cases)
        EXPECT_EQ(TLexidropGame::FallInterval(C.Length, C.Level), C.Ms)
            << C.Length << " letters at level " << C.Level;
    // Faster with every level up to the floor.
    for (float L = 1; L < 8; L += 0.5f)
        EXPECT_GT(TLexidropGame::FallInterval(7, L), TLexidropGame::FallInterval(7, L + 0.5f));
}

TEST(LexidropRules, LevelMovesByTheRowTheWordEndedIn) {
    struct {
        float Before;
        int Stacked;
        int LastRow;
        float After;
    } const Cases[] = {
        {1, 0, 1, 1.5f},
        {1, 0, 3, 1.5f},
        {1, 0, 9, 1.1f},
        {1, 0, 4, 1.0f + 0.1f + 0.4f * 5 / 9},
        {1, 0, 11, 1.0f},    // missed, never below 1
        {5.5f, 0, 11, 3.0f}, // missed
        {9.8f, 0, 1, 10.0f}, // never above 10
        // With two words stacked (m = 7) row 1 still counts as high, row 2 no longer.
        {2, 2, 1, 2.5f},
        {2, 2, 2, 2.0f + 0.1f + 0.4f * 5 / 7},
        {2, 2, 7, 2.1f},
    };
    for (const auto& C : Cases) {
        TLexidropGame Game = NewGame({"word"});
        Game.GameLevel = C.Before;
        Game.Stack.assign(size_t(C.Stacked), "old");
        Game.LastRow = C.LastRow;
        Game.AdjustLevel();
        EXPECT_FLOAT_EQ(Game.GameLevel, C.After)
            << "level " << C.Before << ", row " << C.LastRow << ", stack " << C.Stacked;
    }
}

TEST(LexidropRules, WordsScoreTenTimesTheWholeLevel) {
    struct {
        float Level;
        int32_t Points;
    } const Cases[] = {{1, 10}, {1.9f, 10}, {2.0f, 20}, {9.99f, 90}, {10, 100}};
    for (const auto& C : Cases) {
        TLexidropGame Game = NewGame({"go", "on"});
        Game.GameLevel = C.Level;
        TypeWord(Game);
        EXPECT_EQ(Game.Score, C.Points) << C.Level;
        EXPECT_EQ(Game.LoopState, lsNextWord);
    }
    // Ten steps of 0.1 from level 1.0 reach 2.0, and the score counts it.
    TLexidropGame Game = NewGame({"go"});
    for (int I = 0; I < 10; ++I)
        Game.GameLevel += 0.1f;
    EXPECT_EQ(TLexidropGame::WordPoints(Game.GameLevel), 20);
}

TEST(LexidropRules, ScorePast31000BecomesTheCapAsTheBubblesDo) {
    // The list keeps 16-bit scores; without the cap 32760 + 10 would be read
    // back as -32766.
    const struct {
        int32_t Before;
        float Level;
        int32_t After;
    } Cases[] = {{30990, 1, 31000},
                 {30991, 1, 31999},
                 {31000, 1, 31999},
                 {31999, 10, 31999},
                 {32760, 1, 31999}};
    for (const auto& C : Cases) {
        TLexidropGame Game = NewGame({"go"});
        Game.Score = C.Before;
        Game.GameLevel = C.Level;
        TypeWord(Game);
        EXPECT_EQ(Game.Score, C.After) << C.Before << " at level " << C.Level;
    }
}

TEST(LexidropRules, KeysTypeTheFallingWordAndWrongKeysChangeNothing) {
    TLexidropGame Game = NewGame({"cat"});
    char Expected = 0;
    EXPECT_EQ(Game.TypeChar('c', Expected), TLexidropGame::kRight);
    EXPECT_EQ(Game.TypeChar('x', Expected), TLexidropGame::kWrong);
    EXPECT_EQ(Expected, 'a');
    EXPECT_EQ(Game.TypeChar('A', Expected), TLexidropGame::kWrong);
    EXPECT_EQ(Game.TypedPart(), "c");
    EXPECT_EQ(Game.RestPart(), "at");
    Game.FallStep();
    Game.FallStep();
    EXPECT_EQ(Game.TypeChar('a', Expected), TLexidropGame::kRight);
    EXPECT_EQ(Game.TypeChar('t', Expected), TLexidropGame::kWordDone);
    EXPECT_EQ(Game.LastRow, 3);
    // A finished word neither takes keys nor falls until the next one starts.
    EXPECT_EQ(Game.TypeChar('t', Expected), TLexidropGame::kIgnored);
    EXPECT_EQ(Game.FallStep(), TLexidropGame::fNone);
    EXPECT_EQ(Game.Rows[3], "cat");
    // Finished in row 3 with an empty stack: level 1.5.
    EXPECT_EQ(Game.NextWord(), TLexidropGame::FallInterval(3, 1.5f));
    EXPECT_FLOAT_EQ(Game.GameLevel, 1.5f);
    EXPECT_EQ(Game.Rows[1], "cat");
    EXPECT_EQ(Game.Rows[3], "");
}

TEST(LexidropRules, MissedWordsStackUpAndTheSixthEndsTheGame) {
    TLexidropGame Game = NewGame({"one", "two", "three"});
    const std::string Shuffled[] = {"one", "two", "three"};
    for (int Word = 0; Word < 6; ++Word) {
        EXPECT_EQ(Game.CurrentWord(), Shuffled[Word % 3]) << "the list starts again, unshuffled";
        // Each word falls as far as the top of the stack.
        EXPECT_EQ(LetFall(Game), 10 - Word) << "word " << Word + 1;
        EXPECT_EQ(int(Game.Stack.size()), Word + 1);
        EXPECT_EQ(Game.LastRow, 11);
        if (Word < 5) {
            EXPECT_EQ(Game.LoopState, lsNextWord);
            EXPECT_FALSE(Game.Over());
            Game.NextWord();
            EXPECT_FLOAT_EQ(Game.GameLevel, 1.0f);
        }
    }
    EXPECT_EQ(Game.LoopState, lsGameOver);
    EXPECT_TRUE(Game.Over());
    // The oldest word lies at the bottom.
    EXPECT_EQ(Game.Rows[10], "one");
    EXPECT_EQ(Game.Rows[5], "three");
    EXPECT_EQ(Game.Rows[4], "");
    char Expected = 0;
    EXPECT_EQ(Game.TypeChar('o', Expected), TLexidropGame::kIgnored);
}

TEST(LexidropRules, VocabularyKeepsWordsThatFitARow) {
    const std::string Long(200, 'w');
    const TStringList Lines = {
        "  apple ", "", "   ", Long, "\xe4pfel", "twenty-letter-word-x", "twenty-one-letters-xx"};
    EXPECT_EQ(TLexidropGame::Vocabulary(Lines),
              (TStringList{"apple", "\xe4pfel", "twenty-letter-word-x"}));
    // A word of one Latin-1 letter plays like any other.
    TLexidropGame Game = NewGame({"\xe9"});
    char Expected = 0;
    EXPECT_EQ(Game.TypeChar('\xe9', Expected), TLexidropGame::kWordDone);
    Game.NextWord();
    EXPECT_EQ(Game.CurrentWord(), "\xe9");
}
