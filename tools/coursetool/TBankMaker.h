// Makes a revision bank from a course's key groups: for every key, a group of
// words (kind 1) and a group of crazy sentences (kind 2) at the level of the
// key group that teaches it, and for letters richer groups of real words at
// the later levels where more words become possible, as many as the bank has
// room for. Groups use only the keys known at their level and every entry
// holds the group's key.
//
// Index file: 10-byte entries of five little-endian 16-bit integers
// (character, level, kind, first slot, slot count). Data file: 256-byte slots,
// each a length byte and up to 255 characters. The program reads at most 200
// index entries, so a bank never holds more.
#pragma once

#include "tools/coursetool/TCourseScan.h"
#include "tools/coursetool/TSentenceMaker.h"
#include "tools/coursetool/TWordList.h"

#include <cstdint>
#include <string>
#include <vector>

struct TBankEntry {
    int Char = 0;
    int Level = 0;
    int Kind = 0; // 1 words, 2 sentences
    int First = 0;
    int Count = 0;
};

class TBankMaker {
public:
    static constexpr size_t MaxEntries = 200;

    // DeadKeys are those of the course's layout: their accents stand alone.
    TBankMaker(const TCourseScan& Course, const TWordList& Words, const TSentenceMaker& Sentences,
               const std::string& DeadKeys = "");

    // False with Error when the course has too many keys for one bank.
    bool Make(std::string& Error);
    bool Write(const std::string& HeaderPath, const std::string& DataPath,
               std::string& Error) const;

    const std::vector<TBankEntry>& Entries() const { return FEntries; }
    const std::vector<std::string>& Slots() const { return FSlots; }

private:
    const TCourseScan& FCourse;
    const TWordList& FWords;
    const TSentenceMaker& FSentences;
    std::string FLanguage; // of the course, from its layout
    std::string FDeadKeys;
    std::vector<TBankEntry> FEntries;
    std::vector<std::string> FSlots;
    void AddGroup(unsigned char C, int Level, int Kind);
    // Real words holding C that the keys of a level allow (up to a group's worth).
    size_t WordCount(unsigned char C, int Level) const;
    std::vector<std::string> WordsFor(unsigned char C, int Level, uint64_t Seed);
    std::vector<std::string> RowsFor(unsigned char C, int Level, uint64_t Seed);
};
