// One learner: the in-memory form of a record of the user database
// "userbase.kq4", and the operations that find, create, list and save
// records. Exactly one TUser is the current user at any time.
//
// The database is a file of 2504-byte records, one per learner, in creation
// order, and nothing else. Several copies of the program may share it on a
// network drive; every operation opens it, does its work and closes it, and
// opening waits while another copy holds it (see OpenDatabase).
#pragma once

#include "files/TRecFile.h"
#include "files/TextUtils.h"
#include "users/TBookMark.h"
#include "users/TDifficultKeys.h"

#include <array>
#include <chrono>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>

class TUser {
public:
    static constexpr int32_t RecordSize = 2504;
    // Room in the record: chapters 1..20, exercises 1..10 in each.
    static constexpr int MaxChapters = 20;
    static constexpr int MaxExercises = 10;
    // GetUserList gives nothing for a database of more records than this.
    static constexpr int32_t MaxListedUsers = 250;

    static constexpr int32_t ErrReservedUnreadable = -1502;
    static constexpr int32_t ErrNoDatabase = -1507;
    static constexpr int32_t ErrCannotOpen = -1506;
    static constexpr int32_t ErrCreateFailed = -1505;
    static constexpr int32_t ErrNotInDatabase = -1508;
    static constexpr int32_t ErrPartialRecord = -1517;
    static constexpr int32_t ErrUpdateTimeOut = -801;
    static constexpr int32_t ErrReadTimeOut = -802;
    static constexpr int32_t ErrMoveDatabase = -6633;

    enum TAccess {
        daRead,         // read only; others may read, not write
        daUpdate,       // read and write; nobody else may open the file
        daSharedUpdate, // read and write; others may do anything
    };

    // A user with the given name and the defaults: no course file, sounds on,
    // normal font, 45-minute lessons, no course loaded, and no progress. It
    // works with the given difficult-keys table (the shared one by default)
    // without owning it.
    explicit TUser(const std::string& Name = "", TDifficultKeys* Keys = DifficultKeys);
    ~TUser();
    TUser(const TUser&) = delete;
    TUser& operator=(const TUser&) = delete;

    // Starts the course afresh: bookmark, study time, progress, results and
    // key groups back to their beginnings. Name, course file, options, story
    // and the difficult-key statistics stay.
    void ResetProgress();

    // The record of this name (letter case not counted), read into a new user
    // whose statistics are now in the shared table; null when there is none
    // or the database cannot be read (the learner has been told why).
    static std::unique_ptr<TUser> FindUser(const std::string& Name);
    // Appends a new record for the name (called after FindUser found none);
    // null when it could not be stored.
    static std::unique_ptr<TUser> CreateUser(const std::string& Name);
    // Every stored name but the visitor's, sorted without regard to case;
    // empty for more than 250 records; none when the database is missing.
    static std::optional<TStringList> GetUserList();
    // Rewrites this user's record in place: 2 after a successful write, 1 for
    // the visitor (never written), -1508 when no record has the name, or the
    // failing file status. The user in memory is unchanged either way.
    int32_t Save();

    // Opens "userbase.kq4" in the data folder: 1 when open, -1 when it does
    // not exist, -2 when it could not be opened. A file held by another copy
    // is tried again 14 times 200 ms apart while the window keeps working,
    // then the learner is asked whether to go on trying; giving up reports
    // -801 (update) or -802 (read).
    static int32_t OpenDatabase(TRecFile& File, TAccess Access);
    // The database's name: the data folder followed by "userbase.kq4".
    static std::string DatabaseName();
    // Start-up: when the database is missing, copies the shipped empty one
    // (ProgramDatabase) into its place, reporting -6633 when that fails.
    // Returns true when a database is there afterwards.
    static bool PrepareDatabase(const std::string& ProgramDatabase);

    // The 2504 bytes at the file's position. WriteRecord first folds the
    // pending strokes into the statistics and writes the record in one piece.
    // ReadRecord gives -1502 when the reserved word could not be read (the
    // bookmark and statistics then keep their values), otherwise the status
    // of the bookmark's read.
    int32_t WriteRecord(TRecFile& File);
    int32_t ReadRecord(TRecFile& File);
    // The same on a record in memory.
    void WriteRecord(TRecordBuffer& Record);
    int32_t ReadRecord(TRecordBuffer& Record);

    // Key groups of the loaded course, one per "new keys" line in order.
    int AddKeyGroup(const std::string& Keys); // the new number of groups
    std::string KeyGroup(int N) const;        // 1-based; empty outside 1..count
    std::string StudiedKeys(int N) const;     // groups 1..N joined, at most 255 characters
    void RaiseKeyGroups(int N);

    void AddStudyMinutes(int Minutes);
    void RecordExerciseCompleted(int Chapter, int Exercise, int KeyGroupIndex);
    void RecordChapterResults(int Chapter, int Exercise, float Speed, float Accuracy,
                              float Efficiency);

    int PercentCompleted() const;     // 0..100
    int MinutesLeft() const;          // whole minutes
    std::string TimeLeftText() const; // "1 h 15 min.", "45 min.", "? min."
    std::string TimeUsedText() const; // "2 h 15 min.", "0 min."

    bool IsVisitor() const;

    // The stored fields, in record order. Arrays indexed by chapter and
    // exercise are 1-based; index 0 is not used.
    std::string FName;
    std::string FCourseFile;
    int32_t FSoundsOn = 1;
    int32_t FLargeFont = 0;
    int32_t FLessonMinutes = 45;
    int32_t FTotalMinutes = 0;
    int32_t FChapterMinutes = 0;
    int32_t FKeyGroupsReached = 1;
    int32_t FStoryPosition = 0;
    std::string FStoryFile;
    int32_t FTopExercise = 0;
    int32_t FTopChapter = 0;
    std::array<int32_t, MaxChapters + 1> FChapterLastExercise{};
    int32_t FLastSpeed = -1;      // characters per minute
    int32_t FLastEfficiency = -1; // whole percent
    float FLastAccuracy = -1;     // percent
    float FLastBackspace = -1;    // percent
    std::array<std::array<unsigned char, MaxExercises + 1>, MaxChapters + 1> FCompleted{};
    std::array<float, MaxChapters + 1> FChapterEfficiency{};
    std::array<float, MaxChapters + 1> FChapterAccuracy{};
    std::array<float, MaxChapters + 1> FChapterSpeed{};
    int32_t FReserved = 0; // kept as read, never interpreted

    // Not stored as such: the bookmark has its 8 bytes in the record and the
    // shared table its 1338.
    std::unique_ptr<TBookMark> FBookMark;
    TDifficultKeys* FDifficultKeys = nullptr;
    int32_t FChapterCount = 0;
    TStringList FKeyGroups;

    // Tests: the pause between two tries of a busy database (200 ms).
    static void SetRetryInterval(std::chrono::milliseconds Interval);
};

// The learner logged in (at start-up a placeholder with an empty name).
// Owned through SetCurrentUser; null before the first.
extern TUser* CurrentUser;
// Makes User the current user, freeing the one before.
void SetCurrentUser(std::unique_ptr<TUser> User);
