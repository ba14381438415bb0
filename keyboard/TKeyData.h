// The learner's physical keyboard: which character each of the 48 character
// keys gives unshifted, with Shift and with Alt Gr, which key gives a
// character, which finger presses it and which modifier it needs.
//
// Keys are numbered row by row from the digit row down: 13 keys (1-13), 12
// (14-25), 12 (26-37, the home row) and 11 (38-48, starting with the key left
// of the first letter). Fingers are 1-4 the left hand from the little finger
// in, 5-8 the right hand from the index finger out, 9 the thumbs.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <utility>

class TKeyData {
public:
    static constexpr int KeyCount = 48;

    // The three characters of a key; a space means nothing at that level.
    struct TKey {
        char Base = ' ';
        char Shift = ' ';
        char AltGr = ' ';
    };

    // Reads a layout file: one line per key row, keys separated by spaces,
    // each written as its Base, Shift and Alt Gr characters (byte 164 for
    // nothing). Keys the file does not define keep what they had. Returns the
    // open status: 1, -1 when the file is missing, other negative codes when
    // it cannot be opened or its header cannot be read.
    //
    // A header line "$deadkey=" names what a dead key makes of the letter
    // typed after it: the dead key's character, then each letter followed by
    // what it makes, letters apart by spaces ("$deadkey=´ aá eé" for a Spanish
    // keyboard's acute accent). The file's lines replace those of
    // the layout loaded before; a reader that knows no such tag skips them.
    int32_t Load(const std::string& FileName);

    // Defines the key at a row and column (both from 1); nothing when there
    // is no such key. Byte 164 is stored as a space and claims no character.
    void SetKey(char Base, char Shift, char AltGr, int Row, int Column);

    // The key giving C at any level, or -1 (NUL, space, CR and characters no
    // key gives).
    int32_t KeyOf(char C) const;

    // The character of the key at a row and column: level 0 Base, 1 or 2
    // Shift, 4 Alt Gr; NUL for any other level or a place with no key.
    char KeyChar(int Row, int Column, int Level) const;

    // The finger that types C: that of its key, 8 for CR, 9 for a space, -1
    // when no key gives C.
    int32_t FingerOf(char C) const;

    // Whether C is made by a dead key and a letter typed after it, as the
    // layout file names them, and no key gives C by itself; then the dead
    // key's character and the letter.
    bool ComposedOf(char C, char& DeadKey, char& Letter) const;

    // Whether C is the character of a dead key of the layout, as its file
    // names them: a key that types nothing until the next key, and C alone
    // when that key is Space.
    bool IsDeadKey(char C) const { return FDead[static_cast<unsigned char>(C)]; }

    // The modifier C needs: 0 none, 1 the left Shift (a Shift character of the
    // right hand), 2 the right Shift (a Shift character of the left hand),
    // 4 Alt Gr.
    int32_t ModifierOf(char C) const;

    // "left little finger" ... "thumb"; "-" for any other number.
    static std::string FingerName(int32_t Finger);

    // The key number of a row and column, or 0 when there is none.
    static int32_t KeyNumber(int Row, int Column);
    // The fixed finger of key 1-48, or -1.
    static int32_t FingerOfKey(int32_t Key);

    // Key 1-48 (an empty key for other numbers).
    const TKey& Key(int32_t Number) const;

private:
    std::array<TKey, KeyCount + 1> FKeys{};
    std::array<int32_t, 256> FCharMap{};
    // For each character a dead key makes: the dead key's character and the
    // letter ('\0' for characters no dead key makes).
    std::array<std::pair<char, char>, 256> FComposed{};
    std::array<bool, 256> FDead{};
};

// The one layout of the program, loaded at start-up; null before.
extern TKeyData* KeyData;
