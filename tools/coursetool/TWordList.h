// A list of real words that drills, texts, games and the revision bank are
// drawn from. Words are Latin-1 and made of letters only; the words of a
// preferred list (our own common words) come before those of a dictionary.
#pragma once

#include "tools/coursetool/TAvoidList.h"

#include <set>
#include <string>
#include <vector>

class TWordList {
public:
    // Adds the words of a list file, one a line, UTF-8 or Latin-1. Words
    // with characters other than letters, names and abbreviations (a capital
    // after the first letter) and single letters other than "a" are passed
    // over; a capitalised word (a German noun) is taken as written with
    // FoldCapitals and passed over without. Returns how many words were
    // added, or -1 when the file cannot be read.
    int AddFile(const std::string& Path, bool FoldCapitals, bool Preferred);

    // Words never to take (rude or unsuitable ones) in any of their forms,
    // from an avoid list (see TAvoidList) read for Language ("en", "de" or
    // "sv"); -1 when it cannot be read.
    int AddAvoided(const std::string& Path, const std::string& Language);

    // Adds one word (Latin-1) if it is acceptable and new; true when added.
    // Words of one or two letters come only from the preferred list.
    bool AddWord(const std::string& Word, bool Preferred);

    // The words made only of the characters of Keys, preferred words first,
    // then the others shortest first, alphabetical within a length. A
    // capitalised word comes as written when Keys hold its capital, in small
    // letters when Keys hold no capitals yet, and not at all otherwise.
    std::vector<std::string> Within(const std::string& Keys, size_t MaxLength = 12) const;

    // True when Word (compared in small letters) is on the list, or is a
    // word of one or two letters that a list held ("a", "I", "to", "ja"):
    // those are real words too, though drills take them only from the
    // preferred list.
    bool Contains(const std::string& Word) const;

    // The avoided words of a text, as written.
    std::vector<std::string> AvoidedIn(const std::string& Text) const {
        return FAvoided.Find(Text, FLanguage);
    }

    size_t Size() const { return FWords.size(); }

private:
    struct TEntry {
        std::string Word;
        bool Preferred;
    };
    std::vector<TEntry> FWords;
    std::set<std::string> FSeen;
    std::set<std::string> FShort; // words of one or two letters of any list
    TAvoidList FAvoided;
    std::string FLanguage = "en";
    mutable bool FSorted = true;
    void Sort() const;
    mutable std::vector<TEntry> FOrdered;
};

// Latin-1 text from a line that may be UTF-8; characters beyond Latin-1 make
// the result empty.
std::string ToLatin1(const std::string& Line);

// True for the Latin-1 letters (a-z, A-Z and the accented letters).
bool IsLetter(unsigned char C);

// How Word is typed with the keys of Allowed (indexed by character): as
// written, or in small letters when it starts with a capital and no capital
// is allowed yet (HasCapitals false); "" when it cannot be typed.
std::string TypedForm(const std::string& Word, const bool* Allowed, bool HasCapitals);
