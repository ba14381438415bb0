// Small services used all over the program: the language of the keyboard
// layout, the random source and list shuffle, a linear interpolation for the
// scoring, and character filters and a word reader on short strings.
//
// Opening a file or address with the desktop's handler is ShellOpen in
// platform/ShellOpen.h (it needs the widget toolkit).
#pragma once

#include "files/TextUtils.h"

#include <cstdint>
#include <string>

// The language of the active keyboard layout: a name of the language table,
// "Unknown (" + identifier + ")" for a language not in it, or
// "Not available" when the system cannot name the active layout.
std::string DetectKeyboardLanguage();

// What the options page says of the active keyboard when the US layout
// stands in for it, its keys differing from those of its language's layout:
// "No layout for de(neo): US keys shown"; "" otherwise.
std::string DetectKeyboardNote();

// The language for a layout name of eight hexadecimal digits. A layout of a
// region with keys of its own is named by its last four: "00000809" gives
// "English (UK)", "00000807" "German (Switzerland)". Otherwise the last two
// (upper-cased) are the language identifier: "0000041D" gives "Swedish",
// "00000C07" gives "German", "00000419" gives "Unknown (19)". A name of fewer
// than eight characters gives "Not available".
std::string KeyboardLanguageOf(const std::string& LayoutName);

// The program's one random source, the same sequence on every machine for the
// same seed.
// Reseeds from the clock, unless a seed is fixed.
void Randomize();
// Fixes the sequence (tests): seeds it now and makes Randomize do nothing.
void FixRandomSeed(uint64_t Seed);
// Lets Randomize reseed from the clock again.
void ReleaseRandomSeed();
// The random source's whole state, to put back later (tests).
struct TRandomState {
    uint64_t State;
    bool Fixed;
};
TRandomState SavedRandomState();
void RestoreRandomState(const TRandomState& Saved);
// A whole number from 0 to Range - 1, every one equally likely; 0 when Range
// is less than 1.
int Random(int Range);

// Reorders the list in place after reseeding: each item but the last is
// exchanged with one at a random position that is never the last. The last
// item stays where it is, so a list of two keeps its order.
void Shuffle(TStringList& List);

// Maps X from FromLow..FromHigh onto ToLow..ToHigh, in single precision and
// without clamping: Interpolate(4, 3, 100, 95, X) turns a percentage of 95 to
// 100 into a mark of 3 to 4. An empty source range (FromHigh == FromLow)
// gives ToLow.
float Interpolate(float ToHigh, float ToLow, float FromHigh, float FromLow, float X);

// C upper-cased; Latin-1 letters have their capitals ("ä" gives "Ä").
char UpCaseChar(char C);

// S lower-cased; its first character upper-cased when it is a-z; then every
// character that follows a space and is not the last of S upper-cased when its
// capital is one of Letters.
std::string CapitalizeWords(const std::string& S, const std::string& Letters);

// S without the characters A-Z.
std::string RemoveCapitals(const std::string& S);
// Only the characters A-Z of S, in order.
std::string KeepCapitals(const std::string& S);
// S with every repeated character dropped after its first occurrence.
std::string UniqueChars(const std::string& S);
// Only the letters A-Z and a-z of S.
std::string KeepLetters(const std::string& S);
// Only the letters A-Z, a-z, "." and ",".
std::string KeepLettersAndPunctuation(const std::string& S);

// Reads the next word of the zero-terminated text at P into Word (at most
// Capacity characters; the rest of a longer word is skipped) and returns
// where reading stopped. Tab, space, LF and byte 255 separate words. A CR
// ends a word and stays to be read next; read on its own it is returned as
// the one-character word "\r" and passed. At the end of the text Word is
// empty and the result points at the terminating zero. A null P gives an
// empty word and null.
const char* ReadWord(const char* P, std::string& Word, size_t Capacity);
