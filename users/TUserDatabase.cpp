// The database operations of TUser: opening with waiting and retry, finding,
// creating, listing and saving records. The file is opened and closed by
// every operation and nothing of it is kept in between; no operation keeps
// the file open while a message waits for the learner.
#include "users/TUser.h"

#include "files/BusyOpen.h"
#include "files/ErrorLog.h"
#include "files/TProgramSettings.h"
#include "platform/Dialogs.h"
#include "platform/FileNames.h"
#include "platform/Latin1Case.h"

#include <algorithm>
#include <fcntl.h>
#include <unistd.h>
#include <vector>

namespace {

const char* const OpenFailedText = "Userbase open failed.";
const char* const MissingText = "#-1507 User database doesn't exist!";
const char* const CannotOpenText = "#-1506 Cannot open User database";
const char* const WillCreateText = "User database doesn't exist, new one will be created.";
const char* const ListErrorText = "GetUserList: Userbase error";

// Whole records read at a time when looking through the names: large enough
// that the system calls do not dominate, small enough to stay in the cache.
constexpr int32_t ScanBlockRecords = 32;

int ShareOf(TUser::TAccess Access) {
    switch (Access) {
    case TUser::daRead:
        return TRecFile::rsReadDenyWrite;
    case TUser::daUpdate:
        return TRecFile::rsExclusive;
    case TUser::daSharedUpdate:
        break;
    }
    return 1;
}

// Calls Visit(index, record bytes) for the whole records 0..Count-1 in order,
// until Visit returns false. Only the name at the start of each record is
// looked at. Returns 1, or the failing read status. Every caller holds the
// file against writers (read-deny-write or exclusive), so it cannot shrink
// while it is scanned through a mapping, which reads the names where they
// lie instead of copying ten times their bytes. Without a mapping the
// records are read in blocks.
template <class TVisit> int32_t ScanRecords(TRecFile& File, int32_t Count, TVisit Visit) {
    if (const auto View = File.MapRecords(Count, TUser::RecordSize)) {
        for (int32_t K = 0; K < Count; ++K)
            if (!Visit(K, View->Data() + size_t(K) * TUser::RecordSize)) break;
        return fsOk;
    }
    std::vector<unsigned char> Block(size_t(std::min(Count, ScanBlockRecords)) * TUser::RecordSize);
    for (int32_t First = 0; First < Count; First += ScanBlockRecords) {
        const int32_t N = std::min(ScanBlockRecords, Count - First);
        if (File.SeekRecord(First, TUser::RecordSize) != 1) return fsReadFailed;
        // The last record of the block is needed only up to its name.
        const int32_t Bytes = (N - 1) * TUser::RecordSize + int32_t(ShortStringSlot);
        if (File.ReadBlock(Block.data(), Bytes) != fsOk) return File.Status;
        for (int32_t K = 0; K < N; ++K)
            if (!Visit(First + K, Block.data() + size_t(K) * TUser::RecordSize)) return fsOk;
    }
    return fsOk;
}

// The number of the first whole record whose name matches (upper-cased, as
// UpperName already is), or -1.
int32_t FindRecord(TRecFile& File, const std::string& UpperName, int32_t& ReadStatus) {
    int32_t Found = -1;
    ReadStatus = ScanRecords(File, File.RecordCount(TUser::RecordSize),
                             [&](int32_t Index, const unsigned char* Slot) {
                                 if (!Latin1Case::SameUpper(Slot + 1, Slot[0], UpperName))
                                     return true;
                                 Found = Index;
                                 return false;
                             });
    return Found;
}

// Makes an empty database when none is there, never emptying one that
// another copy of the program has made meanwhile.
void CreateEmptyDatabase(const std::string& Name) {
    const int Fd =
        open(ResolveFileName(Name).c_str(), O_CREAT | O_EXCL | O_WRONLY | O_CLOEXEC, 0666);
    if (Fd >= 0) close(Fd);
}

// The database, open for one operation and closed when the guard goes, on
// every path; Close gives the status of closing where a caller needs it (a
// write is not done until the file has been synced and closed). Dialogs are
// shown only after the guard is gone: no operation keeps the file open while
// a message waits for the learner.
class TDatabaseFile {
public:
    explicit TDatabaseFile(TUser::TAccess Access) : Opened(TUser::OpenDatabase(File, Access)) {}
    ~TDatabaseFile() { File.Close(); }
    TDatabaseFile(const TDatabaseFile&) = delete;
    TDatabaseFile& operator=(const TDatabaseFile&) = delete;

    int32_t Close() { return File.Close(); }

    TRecFile File;
    const int32_t Opened;
};

std::string DataPath() {
    return Settings ? Settings->DataPath : ".\\";
}

} // namespace

void TUser::SetRetryInterval(std::chrono::milliseconds Interval) {
    SetBusyRetryInterval(Interval);
}

std::string TUser::DatabaseName() {
    return DataPath() + "userbase.kq4";
}

int32_t TUser::OpenDatabase(TRecFile& File, TAccess Access) {
    const int32_t TimeOut = Access == daUpdate ? ErrUpdateTimeOut
                            : Access == daRead ? ErrReadTimeOut
                                               : 0;
    return OpenWhenFree(File, DatabaseName(), ShareOf(Access), Access != daRead, TimeOut,
                        OpenFailedText);
}

bool TUser::PrepareDatabase(const std::string& ProgramDatabase) {
    const std::string Target = DataPath() + "Userbase.kq4";
    if (FileExists(Target)) return true;
    // A copy: the shipped database stays for the next learner of the machine.
    if (CopyNewFile(ProgramDatabase, Target)) return true;
    // Another copy of the program may have put it there in the meantime.
    if (FileExists(Target)) return true;
    LogError(ErrMoveDatabase, Target);
    return false;
}

std::unique_ptr<TUser> TUser::FindUser(const std::string& Name) {
    auto User = std::make_unique<TUser>("", DifficultKeys);
    int32_t Result = fsOk;
    bool Whole = true;
    int32_t Index = -1;
    {
        TDatabaseFile Database(daRead);
        Result = Database.Opened;
        if (Result == fsOk) {
            TRecFile& File = Database.File;
            Whole = File.IsWholeRecords(RecordSize);
            int32_t ReadStatus = fsOk;
            Index = FindRecord(File, Latin1Case::UpperCase(Name), ReadStatus);
            if (Index >= 0 && File.SeekRecord(Index, RecordSize) == 1) User->ReadRecord(File);
        }
    }
    if (Result == fsNotFound) {
        MessageDlg(MissingText, mtWarning, mbOK);
        return nullptr;
    }
    if (Result != fsOk) {
        MessageDlg(CannotOpenText, mtWarning, mbOK);
        return nullptr;
    }
    if (!Whole) LogError(ErrPartialRecord, DatabaseName());
    if (Index < 0) return nullptr;
    return User;
}

std::unique_ptr<TUser> TUser::CreateUser(const std::string& Name) {
    auto User = std::make_unique<TUser>(Name, DifficultKeys);
    auto Database = std::make_unique<TDatabaseFile>(daUpdate);
    if (Database->Opened == fsNotFound) {
        Database.reset();
        MessageDlg(WillCreateText, mtWarning, mbOK);
        // Made empty and then opened alone, like every other update: two
        // copies creating their first learners at once must not both write
        // record 0, nor the second empty the file the first has just filled.
        CreateEmptyDatabase(DataPath() + "Userbase.kq4");
        Database = std::make_unique<TDatabaseFile>(daUpdate);
    }
    if (Database->Opened != fsOk) {
        const int32_t Status = Database->File.Status;
        Database.reset();
        LogErrorCode(ErrCreateFailed, Status);
        return nullptr;
    }
    // Just past the last whole record: a partial one left by an interrupted
    // write is written over.
    TRecFile& File = Database->File;
    const int32_t Count = File.RecordCount(RecordSize);
    int32_t Status =
        File.SeekRecord(Count, RecordSize) == 1 ? User->WriteRecord(File) : fsWriteFailed;
    // A record that did not all go is cut off again, so that the database
    // holds what it held before.
    if (Status < 0) File.Truncate(Count * RecordSize);
    const int32_t Closed = Database->Close();
    if (Status >= 0 && Closed != fsClosed) Status = Closed;
    if (Status < 0) {
        LogErrorCode(ErrCreateFailed, Status);
        return nullptr;
    }
    return User;
}

int32_t TUser::Save() {
    if (IsVisitor()) return 1;
    TDatabaseFile Database(daUpdate);
    if (Database.Opened != fsOk) return Database.File.Status;
    TRecFile& File = Database.File;
    int32_t ReadStatus = fsOk;
    const int32_t Index = FindRecord(File, Latin1Case::UpperCase(FName), ReadStatus);
    if (Index < 0) return ReadStatus < 0 ? ReadStatus : ErrNotInDatabase;
    // The stored record, to put back should the new one not all go: a record
    // half old and half new would be neither.
    std::vector<unsigned char> Stored(RecordSize);
    if (File.SeekRecord(Index, RecordSize) != 1 ||
        File.ReadBlock(Stored.data(), RecordSize) != fsOk)
        return File.Status < 0 ? File.Status : fsReadFailed;
    if (File.SeekRecord(Index, RecordSize) != 1 || WriteRecord(File) < 0) {
        const int32_t Status = File.Status < 0 ? File.Status : fsWriteFailed;
        File.Status = fsOk;
        if (File.SeekRecord(Index, RecordSize) == 1) File.WriteBlock(Stored.data(), RecordSize);
        return Status;
    }
    return Database.Close();
}

std::optional<TStringList> TUser::GetUserList() {
    int32_t Result = fsOk;
    int32_t Count = 0;
    int32_t ReadStatus = fsOk;
    TStringList Names;
    {
        TDatabaseFile Database(daRead);
        Result = Database.Opened;
        if (Result == fsOk) {
            Count = Database.File.RecordCount(RecordSize);
            if (Count <= MaxListedUsers)
                ReadStatus =
                    ScanRecords(Database.File, Count, [&](int32_t, const unsigned char* Slot) {
                        std::string Name(reinterpret_cast<const char*>(Slot + 1), Slot[0]);
                        if (Latin1Case::AsciiUpperCase(Name) != "VISITOR")
                            Names.push_back(std::move(Name));
                        return true;
                    });
        }
    }
    if (Result == fsNotFound) {
        MessageDlg(MissingText, mtWarning, mbOK);
        return std::nullopt;
    }
    if (Result != fsOk) {
        MessageDlg(CannotOpenText, mtWarning, mbOK);
        return Names;
    }
    if (Count > MaxListedUsers) return Names;
    if (ReadStatus != fsOk) LogError(ReadStatus, ListErrorText);
    std::stable_sort(Names.begin(), Names.end(), [](const std::string& A, const std::string& B) {
        return Latin1Case::CompareText(A, B) < 0;
    });
    return Names;
}
