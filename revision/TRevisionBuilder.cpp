#include "revision/TRevisionBuilder.h"

#include "course/CurrentCourse.h"
#include "files/ErrorLog.h"
#include "files/RecordItems.h"
#include "files/SystemUtils.h"
#include "files/TRecFile.h"
#include "platform/FileNames.h"

#include <vector>

namespace {

constexpr int32_t EntrySize = 10;

struct TIndexEntry {
    unsigned char Char = 0;
    int32_t Level = 0;
    int32_t Kind = 0;
    int32_t First = 0;
    int32_t Count = 0;
};

// The entries of an open index file in file order, at most Max; an
// incomplete last entry is left out.
std::vector<TIndexEntry> ReadIndex(TRecFile& File, int Max) {
    std::vector<TIndexEntry> Entries;
    const int32_t Whole = File.RecordCount(EntrySize);
    for (int32_t I = 0; I < Whole && I < Max; ++I) {
        unsigned char Raw[EntrySize];
        if (File.ReadBlock(Raw, EntrySize) != fsOk) break;
        TIndexEntry E;
        E.Char = static_cast<unsigned char>(RecordItems::Int16(Raw) & 0xFF);
        E.Level = RecordItems::Int16(Raw + 2);
        E.Kind = RecordItems::Int16(Raw + 4);
        E.First = RecordItems::Int16(Raw + 6);
        E.Count = RecordItems::Int16(Raw + 8);
        Entries.push_back(E);
    }
    return Entries;
}

} // namespace

TRevisionBuilder::TRevisionBuilder() {
    if (CurrentCourse) WizardName = CurrentCourse->WizardName;
}

void TRevisionBuilder::ChooseFiles() {
    FHeaderFile = "builder.hdr";
    FDataFile = "builder.dta";
    if (WizardName.empty()) return;
    if (FileExists(WizardName + ".hdr")) FHeaderFile = WizardName + ".hdr";
    if (FileExists(WizardName + ".dta")) FDataFile = WizardName + ".dta";
}

int TRevisionBuilder::Collect(int Kind, int Wanted) {
    FLines.clear();
    ChooseFiles();

    TRecFile Data;
    if (Data.Open(FDataFile, TRecFile::rmOpen, TRecFile::rsReadDenyWrite) != fsOk) {
        LogError(Data.Status, FDataFile);
        Data.Close();
        return 0;
    }
    std::vector<TIndexEntry> Index;
    {
        TRecFile Header;
        if (Header.Open(FHeaderFile, TRecFile::rmOpen, TRecFile::rsReadDenyWrite) != fsOk) {
            LogError(Header.Status, FHeaderFile);
            Header.Close();
            Data.Close();
            return 0;
        }
        Index = ReadIndex(Header, MaxIndexEntries);
        Header.Close();
    }

    const int32_t Slots = Data.RecordCount(int32_t(ShortStringSlot));
    TStringList Work;
    for (char Key : FChars) {
        const auto C = static_cast<unsigned char>(Key);
        int Read = 0;
        for (const TIndexEntry& E : Index) {
            if (E.Char != C || E.Kind != Kind || E.Level > FLevel) continue;
            // A group that reaches outside the data file means a damaged
            // bank: nothing of it is used, and nothing is read past the file.
            if (E.First < 0 || E.Count < 0 || int64_t(E.First) + E.Count > Slots) {
                Data.Close();
                FLines.clear();
                LogError(ErrOutsideData, FDataFile);
                return 0;
            }
            for (int32_t I = 0; I < E.Count; ++I) {
                std::string Slot;
                if (Data.SeekRecord(E.First + I, int32_t(ShortStringSlot)) != fsOk ||
                    Data.ReadString(Slot) != fsOk) {
                    const int32_t Status = Data.Status;
                    Data.Close();
                    FLines.clear();
                    LogError(Status, FDataFile);
                    return 0;
                }
                ++Read;
                // An empty slot is no material.
                if (!Slot.empty()) Work.push_back(Slot);
            }
            Shuffle(Work);
            if (Wanted >= int(Work.size()))
                FLines.insert(FLines.end(), Work.begin(), Work.end());
            else if (Wanted > 0)
                FLines.insert(FLines.end(), Work.begin(), Work.begin() + Wanted);
            if (Kind == bkRows) FLines.emplace_back();
            Work.clear();
            if (Read >= Wanted) break;
        }
    }
    Data.Close();
    return int(FLines.size());
}

std::string TRevisionBuilder::SetKeys(const std::string& Keys, int32_t Level) {
    FChars = UniqueChars(LowerCase(Keys));
    FLevel = Level;
    return KeepCapitals(Keys);
}

void TRevisionBuilder::ApplyCapitals(const std::string& Capitals) {
    if (Capitals.empty()) return;
    for (std::string& Word : FLines)
        if (!Word.empty() && Capitals.find(UpCaseChar(Word[0])) != std::string::npos)
            Word = CapitalizeName(Word);
}

int TRevisionBuilder::BuildDrillLines(const std::string& Keys, int32_t Level, int WordsPerKey) {
    const std::string Capitals = SetKeys(Keys, Level);
    Collect(bkWords, WordsPerKey * 5);
    ApplyCapitals(Capitals);
    const std::string Separator = Keys.find(',') != std::string::npos ? ", " : " ";
    TStringList Lines;
    std::string Line;
    for (size_t I = 0; I < FLines.size(); ++I) {
        Line += FLines[I] + Separator;
        if (I % 5 == 4) {
            Lines.push_back(Trim(Line));
            Line.clear();
        }
    }
    if (!Line.empty()) Lines.push_back(Trim(Line));
    FLines = std::move(Lines);
    return int(FLines.size());
}

int TRevisionBuilder::BuildRows(const std::string& Keys, int32_t Level, int RowsPerKey) {
    const std::string Capitals = SetKeys(Keys, Level);
    Collect(bkRows, RowsPerKey);
    if (!Capitals.empty())
        for (std::string& Row : FLines)
            Row = CapitalizeWords(Row, Capitals);
    if (Keys.find('.') != std::string::npos)
        for (std::string& Row : FLines)
            if (Row.size() > 3 && std::string(",.!?-").find(Row.back()) == std::string::npos)
                Row += '.';
    return int(FLines.size());
}

int TRevisionBuilder::BuildGameWords(const std::string& Keys, int32_t Level, int WordsPerKey) {
    const std::string Capitals = SetKeys(Keys, Level);
    Collect(bkWords, WordsPerKey);
    ApplyCapitals(Capitals);
    return int(FLines.size());
}
