// Makes the lines of a chapter's drills, word texts and game word lists from
// the keys known there, the keys the chapter adds and a word list. Every line
// uses known keys only.
#pragma once

#include "tools/coursetool/TToolRandom.h"
#include "tools/coursetool/TWordList.h"

#include <string>
#include <vector>

class TDrillMaker {
public:
    // Language ("en", "de" or "sv") decides how symbols are written: prices,
    // decimal marks, apostrophes and hyphenated words. DeadKeys are the
    // layout's dead keys: an accent typed alone stands as a key of its own,
    // never on a word.
    TDrillMaker(const TWordList& Words, const std::string& Known, const std::string& New,
                uint64_t Seed, const std::string& Language = "en",
                const std::string& DeadKeys = "");

    // Lines of letter groups: the first ones of the new keys alone, the rest
    // of the new keys mixed with known letters.
    std::vector<std::string> LetterLines(int Count, size_t Width = 40);

    // Lines of real words (Width characters at most), most of them holding a
    // new key; the new punctuation, digits and capitals are worked into them,
    // but no dead key and no capital that begins none of the words (both
    // left to the letter lines). Letter groups stand in when the known keys
    // make no words.
    std::vector<std::string> WordLines(int Count, size_t Width = 44);

    // Real words for a falling-words game, one per entry, at least 3 letters.
    std::vector<std::string> GameWords(size_t Count);

    // The real words the known keys allow, and those holding a new letter.
    const std::vector<std::string>& Usable() const { return FUsable; }
    const std::vector<std::string>& Fresh() const { return FFresh; }

    // Dresses a word in a punctuation key, digit or symbol C the way people
    // write that symbol, so that the result holds C: marks after the word,
    // brackets and quotes around it (quotes around a phrase), an e-mail
    // address, a price, a time, a path, a sum, a range or a hyphenated word
    // of the language, a contraction for the English apostrophe. "" when C
    // has no way of its own (plain letters, dead keys).
    std::string Decorate(const std::string& Word, unsigned char C);

    // Bits of text holding C: dressed words, or numbers for a digit; a dead
    // key's accent alone.
    std::string TokenWith(unsigned char C);

private:
    std::string FKnown, FNew, FLanguage;
    std::string FNewLetters, FNewOther, FKnownLetters, FDeadKeys;
    std::string FDressing; // the new keys word lines work into words
    bool FCapitals = false;
    bool FStartsSentence = false; // the last token's capital needs a sentence start
    std::vector<std::string> FUsable, FFresh;
    TToolRandom FRandom;
    bool Known(unsigned char C) const { return FKnown.find(char(C)) != std::string::npos; }
    bool Dead(unsigned char C) const { return FDeadKeys.find(char(C)) != std::string::npos; }
    std::string Group(const std::string& From, const std::string& Must, size_t Length);
    std::string PlainWord();
    std::string Capitalised(const std::string& W) const;
    std::string Number(unsigned char Must);
    std::string KnownFrom(const std::vector<std::string>& Candidates);
    std::string Price(unsigned char Sign);
    std::string Path();
    std::string Email(const std::string& Name);
    std::string Hyphenated(const std::string& Word);
    std::string Apostrophe(const std::string& Word);
};
