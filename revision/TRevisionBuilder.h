// Typing material for a chosen set of keys, taken from the revision bank: a
// word-and-sentence store of two files.
//
// The index file ("builder.hdr") is a run of 10-byte entries, five
// little-endian signed 16-bit integers each: the key the group practises (its
// low byte), the level (the number of key groups the learner must have
// reached to use the group), the kind (1 words, 2 rows, that is sentences),
// the group's first slot in the data file and its number of slots. The data
// file ("builder.dta") is a run of 256-byte slots, each a short string.
//
// A course may bring a bank of its own, named by its "wizardname" key: that
// name with ".hdr" and ".dta"; a file of the pair that does not exist is
// taken from the standard pair.
#pragma once

#include "files/TextUtils.h"

#include <cstdint>
#include <string>

class TRevisionBuilder {
public:
    // Kinds of bank groups.
    enum TKind { bkWords = 1, bkRows = 2 };
    // Index entries beyond this many are ignored.
    static constexpr int MaxIndexEntries = 200;
    // Status reported for a bank whose index points outside its data file.
    static constexpr int32_t ErrOutsideData = -10;

    // The bank is the one the current course names, if any.
    TRevisionBuilder();

    // The course's bank name ("" for the standard bank); set from the
    // current course on creation.
    std::string WizardName;
    // The keys to collect for: lower case, every key once.
    std::string FChars;
    // The learner's number of key groups: groups of higher levels are not used.
    int32_t FLevel = 0;
    std::string FHeaderFile;
    std::string FDataFile;
    // The collected material; the caller may take it over.
    TStringList FLines;

    // Chooses FHeaderFile and FDataFile from WizardName.
    void ChooseFiles();

    // Collects, for every key of FChars in order, up to Wanted entries of the
    // kind from the groups of that key, each group shuffled; rows are
    // followed by an empty line per group. A bank that cannot be opened, or
    // whose index points outside its data file, is reported and gives
    // nothing. Returns the number of lines in FLines.
    int Collect(int Kind, int Wanted);

    // Words for a keyboard drill, five a line (Collect with five times
    // WordsPerKey). Words are separated by ", " when Keys hold a comma.
    int BuildDrillLines(const std::string& Keys, int32_t Level, int WordsPerKey);
    // Sentences for a text event: sentence case when Keys hold capitals, and
    // a full stop at the end of a row when Keys hold one.
    int BuildRows(const std::string& Keys, int32_t Level, int RowsPerKey);
    // Words for the falling-words game, one a line.
    int BuildGameWords(const std::string& Keys, int32_t Level, int WordsPerKey);

private:
    // Sets FChars and FLevel and returns the capitals of Keys.
    std::string SetKeys(const std::string& Keys, int32_t Level);
    // Words starting with one of the capitals get their capital.
    void ApplyCapitals(const std::string& Capitals);
};
