// The rules of the falling-words game, without any drawing.
//
// Words fall down a shaft of ten rows, one row per step of the fall timer.
// The learner types the falling word; a word typed completely scores
// 10 x the whole part of the level. A word that reaches the stack at the
// bottom of the shaft is added to it, and the sixth word on the stack ends
// the game. After each word the level moves: up by 0.5 for a word finished
// high in the shaft, by less the lower it was finished, down by 2.5 for a
// missed word, always within 1..10. The higher the level, the shorter the
// fall step.
#pragma once

#include "files/TextUtils.h"

#include <cstdint>
#include <string>

// What the game loop is to do next.
enum : int32_t {
    lsNextWord = 10022,
    lsIdle = 10023,
    lsGameOver = 10024,
};

class TLexidropGame {
public:
    static constexpr int RowCount = 10;
    static constexpr int StackLimit = 6;
    // The row a missed word counts as having ended in.
    static constexpr int MissedRow = RowCount + 1;
    // The first word falls one row a second.
    static constexpr int FirstInterval = 1000;
    // Longer words do not fit a row of the shaft; the vocabulary leaves them out.
    static constexpr size_t MaxWordLength = 20;
    static constexpr float MinLevel = 1, MaxLevel = 10;

    // The words in play: shuffled, and played again from the first after the last.
    TStringList Words;
    // Rows[1..10]: what each row of the shaft shows, row 1 at the top.
    std::string Rows[RowCount + 1];
    // The missed words, oldest first.
    TStringList Stack;
    int32_t WordIndex = 0;
    // The falling word's row, 0 when no word falls.
    int32_t FallRow = 0;
    int32_t LoopState = lsIdle;
    // 1-based: the next character of the word to type.
    int32_t TypedCount = 1;
    int32_t LastRow = 0;
    float GameLevel = MinLevel;
    int32_t Score = 0;

    // The words of a vocabulary: its lines trimmed, empty lines and words
    // too long for a row left out.
    static TStringList Vocabulary(const TStringList& Lines);
    // The body lines of a vocabulary file (a tagged text file); false when
    // it cannot be opened or its header is broken.
    static bool ReadVocabulary(const std::string& FileName, TStringList& Lines);

    // A new game on Words (which must not be empty): the first word at the
    // top of the shaft, an empty stack, level 1, no score.
    void Begin();
    const std::string& CurrentWord() const { return Words[size_t(WordIndex)]; }
    // The part of the falling word typed so far, and the rest.
    std::string TypedPart() const;
    std::string RestPart() const;
    // The word is typed out and waits for the loop to start the next.
    bool WordDone() const { return TypedCount > int32_t(CurrentWord().size()); }
    bool Over() const { return LoopState == lsGameOver || int(Stack.size()) >= StackLimit; }

    enum TFall {
        fNone,     // nothing falls
        fMoved,    // the word moved down a row
        fLanded,   // the word landed on the stack
        fGameOver, // ... and that was the sixth
    };
    // One step of the fall timer.
    TFall FallStep();

    enum TKey {
        kIgnored, // no word to type
        kRight,
        kWrong,
        kWordDone, // the key finished the word, which scored
    };
    // One typed character; Expected is the character that was due.
    TKey TypeChar(char Ch, char& Expected);

    // Starts the next word (the list starts again after its last word),
    // moves the level for the word before and returns the fall step of the
    // new word in milliseconds.
    int NextWord();
    void AdjustLevel();

    // Milliseconds per row for a word of Length characters at a level:
    // (Length + 4) x f x 100 with f = 1.3 - 0.175 x (level - 1), rounded; f
    // is kept at 0.1 or more, so that from about level 8.1 on a word takes
    // (Length + 4) x 10 ms a row and a short word can still be typed before
    // it lands.
    static int FallInterval(size_t Length, float Level);
    static constexpr double MinFallFactor = 0.1;
    // Points for a word at a level.
    static int32_t WordPoints(float Level);

    // Fills Rows from the falling word and the stack.
    void LayRows();
    // The lowest row the falling word can reach above the stack.
    int LowestFreeRow() const { return RowCount - int(Stack.size()); }
};
