// A game's list of best scores, kept in a small record file in the data
// folder that everybody who uses that folder shares.
//
// The list named N lives in DataPath + N + ".kqt": records of 514 bytes,
// best first, each a name (short string), a score (16-bit) and the date of
// the entry (short string, the locale's short date). The number of places
// is the number of records, ten for a missing file; at most 100 places are
// kept, and further records are passed over.
#pragma once

#include "files/TextUtils.h"

#include <cstdint>
#include <string>
#include <vector>

class TRecFile;

class TtopTen {
public:
    static constexpr int32_t RecordSize = 514;
    static constexpr int MaxPlaces = 100;
    static constexpr int DefaultPlaces = 10;
    static constexpr int32_t ErrUpdateTimeOut = -801;
    static constexpr int32_t ErrReadTimeOut = -802;
    // The list keeps 16-bit scores: a game's score that passes ScoreCap
    // becomes CappedScore and stays there, short of their end.
    static constexpr int32_t ScoreCap = 31000;
    static constexpr int32_t CappedScore = 31999;
    static int32_t Capped(int32_t Score) { return Score > ScoreCap ? CappedScore : Score; }

    struct TEntry {
        std::string Name;
        int32_t Score = 0;
        std::string Date;
    };

    // A list of default entries.
    TtopTen();

    // Reads the list named ListName: 1 when it was read; -1 when there is no
    // such file and -2 when it could not be opened, both leaving the default
    // entries. A file held by another copy is waited for (see BusyOpen.h).
    int32_t Load(const std::string& ListName);
    // Writes places 1..FCount from the start of the file, first making the
    // file when it is missing; Count above 0 sets FCount first.
    int32_t Save(int Count);
    // Makes the list's file with the default entries unless it is there
    // already; a file another copy has just made is left as it is.
    int32_t CreateDefault(const std::string& ListName);
    // Puts a finished entry into the file as it is now, all in one exclusive
    // open: the file is read again, the entry inserted by the same rule as
    // Insert, and the list written back, so that entries other copies have
    // stored since this list was loaded are kept. The list in memory becomes
    // the one written. Returns the entry's place (0 when it no longer makes
    // the list, or was not stored) and sets Status to the file result; a
    // list that could not be written is reported (-5, or -6 for a failed
    // close).
    int CommitEntry(const TEntry& Given);

    // Offers a score: the place 1..FCount it takes, or 0 when it does not
    // make the list. An equal score goes below the one already there; a
    // score equal to the last place's takes that place.
    int Insert(int32_t Score, const std::string& Name);
    void SetName(int Place, const std::string& Name);
    // "name;score;date" for places 1..N (all for N = 0); a name with ";" in
    // it shows as "the Winner".
    TStringList Lines(int N) const;

    const std::string& FileName() const { return FFileName; }
    int Count() const { return FCount; }
    // Place 1..MaxPlaces.
    const TEntry& Entry(int Place) const { return FEntries[size_t(Place - 1)]; }
    int32_t Status = 0;

    // The entry at place I of a new list.
    static TEntry DefaultEntry(int Place);
    // Today in the locale's short date format.
    static std::string Today();
    // The list's file name for a list name.
    static std::string FileNameOf(const std::string& ListName);

private:
    int32_t ReadRecords(TRecFile& File);
    int32_t WriteRecords(TRecFile& File);
    int InsertEntry(const TEntry& Given);

    std::string FFileName;
    int FCount = DefaultPlaces;
    std::vector<TEntry> FEntries;
};
