#include "games/TtopTen.h"

#include "files/BusyOpen.h"
#include "files/ErrorLog.h"
#include "files/RecordItems.h"
#include "files/TProgramSettings.h"
#include "files/TRecFile.h"
#include "platform/Clock.h"
#include "platform/FileNames.h"
#include "platform/ShortDate.h"

#include <algorithm>
#include <fcntl.h>
#include <unistd.h>

namespace {

const char* const OpenFailedText = " Topten open failed.";
const char* const WriteFailedText = " Topten write failed.";
const char* const DefaultName = "Clavora";
constexpr size_t ScoreOffset = 256;
constexpr size_t DateOffset = 258;

std::string DataPath() {
    return Settings->DataPath;
}

// Makes an empty file when none is there; never empties one another copy of
// the program has made meanwhile. True when this call made it.
bool CreateIfMissing(const std::string& Name) {
    const int Fd =
        open(ResolveFileName(Name).c_str(), O_CREAT | O_EXCL | O_WRONLY | O_CLOEXEC, 0666);
    if (Fd < 0) return false;
    close(Fd);
    return true;
}

} // namespace

TtopTen::TtopTen() {
    FEntries.reserve(MaxPlaces);
    for (int Place = 1; Place <= MaxPlaces; ++Place)
        FEntries.push_back(DefaultEntry(Place));
}

TtopTen::TEntry TtopTen::DefaultEntry(int Place) {
    const int32_t Score = Place <= DefaultPlaces ? 1000 - 70 * Place : 300 - 2 * Place;
    return TEntry{DefaultName, Score, Today()};
}

std::string TtopTen::Today() {
    return ShortDateOf(Now());
}

std::string TtopTen::FileNameOf(const std::string& ListName) {
    return DataPath() + ListName + ".kqt";
}

int32_t TtopTen::ReadRecords(TRecFile& File) {
    const int32_t Records = std::min<int32_t>(File.RecordCount(RecordSize), MaxPlaces);
    if (Records > 0) FCount = Records;
    if (Records <= 0) return fsOk;
    std::vector<unsigned char> Block(size_t(Records) * RecordSize);
    if (File.SeekRecord(0, RecordSize) != 1) return fsReadFailed;
    if (File.ReadBlock(Block.data(), int32_t(Block.size())) != fsOk) return File.Status;
    for (int32_t I = 0; I < Records; ++I) {
        const unsigned char* Record = Block.data() + size_t(I) * RecordSize;
        TEntry& E = FEntries[size_t(I)];
        E.Name = RecordItems::ShortString(Record);
        E.Score = RecordItems::Int16(Record + ScoreOffset);
        E.Date = RecordItems::ShortString(Record + DateOffset);
    }
    return fsOk;
}

int32_t TtopTen::WriteRecords(TRecFile& File) {
    // The whole list as one block, so that a reader never sees half of it.
    std::vector<unsigned char> Block(size_t(FCount) * RecordSize, 0);
    for (int I = 0; I < FCount; ++I) {
        unsigned char* Record = Block.data() + size_t(I) * RecordSize;
        const TEntry& E = FEntries[size_t(I)];
        RecordItems::PutShortString(Record, E.Name);
        RecordItems::PutInt16(Record + ScoreOffset, E.Score);
        RecordItems::PutShortString(Record + DateOffset, E.Date);
    }
    if (File.SeekRecord(0, RecordSize) != 1) return fsWriteFailed;
    return File.WriteBlock(Block.data(), int32_t(Block.size()));
}

int32_t TtopTen::Load(const std::string& ListName) {
    FFileName = FileNameOf(ListName);
    FCount = DefaultPlaces;
    for (int Place = 1; Place <= MaxPlaces; ++Place)
        FEntries[size_t(Place - 1)] = DefaultEntry(Place);
    TRecFile File;
    Status = OpenWhenFree(File, FFileName, TRecFile::rsReadDenyWrite, false, ErrReadTimeOut,
                          FFileName + OpenFailedText);
    if (Status == fsOk) {
        const int32_t Read = ReadRecords(File);
        if (Read != fsOk) {
            // What could not be read is the default list again.
            FCount = DefaultPlaces;
            for (int Place = 1; Place <= MaxPlaces; ++Place)
                FEntries[size_t(Place - 1)] = DefaultEntry(Place);
            Status = Read;
        }
    }
    File.Close();
    return Status;
}

int32_t TtopTen::Save(int Count) {
    if (Count > 0) FCount = std::min(Count, MaxPlaces);
    CreateIfMissing(FFileName);
    TRecFile File;
    Status = OpenWhenFree(File, FFileName, TRecFile::rsExclusive, true, ErrUpdateTimeOut,
                          FFileName + OpenFailedText);
    if (Status == fsOk) WriteRecords(File);
    const int32_t Written = File.Status;
    File.Close();
    if (Status == fsOk) Status = File.Status == fsCloseFailed ? fsCloseFailed : Written;
    return Status;
}

int32_t TtopTen::CreateDefault(const std::string& ListName) {
    FFileName = FileNameOf(ListName);
    if (!CreateIfMissing(FFileName)) return Status = FileExists(FFileName) ? fsOk : fsOpenRefused;
    TRecFile File;
    Status = OpenWhenFree(File, FFileName, TRecFile::rsExclusive, true, ErrUpdateTimeOut,
                          FFileName + OpenFailedText);
    // Another copy may have filled the new file before we got it.
    if (Status == fsOk && File.RecordCount(RecordSize) == 0) {
        TtopTen Defaults;
        Defaults.WriteRecords(File);
        Status = File.Status;
    }
    File.Close();
    return Status;
}

int TtopTen::CommitEntry(const TEntry& Given) {
    // The entry may be one of this list's own, which reloading replaces.
    const TEntry Entry = Given;
    CreateIfMissing(FFileName);
    TRecFile File;
    Status = OpenWhenFree(File, FFileName, TRecFile::rsExclusive, true, ErrUpdateTimeOut,
                          FFileName + OpenFailedText);
    int Place = 0;
    if (Status == fsOk) {
        FCount = DefaultPlaces;
        for (int P = 1; P <= MaxPlaces; ++P)
            FEntries[size_t(P - 1)] = DefaultEntry(P);
        const int32_t Read = ReadRecords(File);
        if (Read == fsOk) {
            Place = InsertEntry(Entry);
            if (Place > 0) WriteRecords(File);
            Status = File.Status == fsOk || File.Status == fsEnd ? fsOk : File.Status;
        } else {
            Status = Read;
        }
    }
    File.Close();
    if (Status == fsOk && File.Status == fsCloseFailed) Status = fsCloseFailed;
    if (Status == fsOk) return Place;
    // Not stored. A file held by another copy was told when the open gave
    // up; a file that could not be made, read or written is told here.
    if (Status != fsOpenRefused)
        LogError(Status == fsCloseFailed ? fsCloseFailed : fsWriteFailed,
                 FFileName + WriteFailedText);
    return 0;
}

int TtopTen::Insert(int32_t Score, const std::string& Name) {
    return InsertEntry(TEntry{Name, Score, Today()});
}

int TtopTen::InsertEntry(const TEntry& Given) {
    if (FCount < 1) return 0;
    auto Score = [this](int Place) { return FEntries[size_t(Place - 1)].Score; };
    if (Given.Score < Score(FCount)) return 0;
    FEntries[size_t(FCount - 1)] = Given;
    // An exchange sort from the bottom: every place is compared with those
    // above it, and a higher score changes places with a lower one above.
    // The new entry is followed through every exchange, up or down: in a
    // list read in the wrong order it can also be moved down again.
    int At = FCount;
    for (int B = FCount; B >= 1; --B) {
        for (int J = B - 1; J >= 1; --J) {
            if (Score(J) >= Score(B)) continue;
            std::swap(FEntries[size_t(J - 1)], FEntries[size_t(B - 1)]);
            if (At == B)
                At = J;
            else if (At == J)
                At = B;
        }
    }
    return At;
}

void TtopTen::SetName(int Place, const std::string& Name) {
    if (Place < 1 || Place > FCount) return;
    FEntries[size_t(Place - 1)].Name = Name.substr(0, MaxShortString);
}

TStringList TtopTen::Lines(int N) const {
    const int Last = N <= 0 ? FCount : std::min(N, FCount);
    TStringList Out;
    for (int Place = 1; Place <= Last; ++Place) {
        const TEntry& E = FEntries[size_t(Place - 1)];
        const std::string Name = E.Name.find(';') != std::string::npos ? "the Winner" : E.Name;
        Out.push_back(Name + ";" + std::to_string(E.Score) + ";" + E.Date);
    }
    return Out;
}
