// The user in memory: defaults, progress, key groups and the record layout.
// The database operations are in TUserDatabase.cpp.
#include "users/TUser.h"

#include "platform/Rounding.h"

#include "platform/Latin1Case.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <vector>

TUser* CurrentUser = nullptr;

void SetCurrentUser(std::unique_ptr<TUser> User) {
    delete CurrentUser;
    CurrentUser = User.release();
}

namespace {

// Percent and speed values travel as 16-bit integers holding ten times the
// value, to the nearest integer with halves to even; -1 ("no result yet")
// becomes -10. A float times 10 is exact in double precision, so the
// rounding sees the true value. Beyond the 16-bit range the nearest value
// that fits is stored, so a robot typist cannot wrap into a negative.
int32_t Tenths(float Value) {
    if (std::isnan(Value)) return -10;
    const double Scaled = std::nearbyint(double(Value) * 10.0);
    if (Scaled <= -32768.0) return -32768;
    if (Scaled >= 32767.0) return 32767;
    return int32_t(Scaled);
}

float FromTenths(int32_t Stored) {
    return float(Stored / 10.0);
}

int32_t SaturatedAdd(int32_t A, int32_t B) {
    return Saturated(int64_t(A) + B);
}

bool InRecord(int Chapter, int Exercise) {
    return Chapter >= 1 && Chapter <= TUser::MaxChapters && Exercise >= 1 &&
           Exercise <= TUser::MaxExercises;
}

std::string MinutesText(int Minutes) {
    std::string Text = std::to_string(Minutes % 60) + " min.";
    if (Minutes / 60 > 0) Text = std::to_string(Minutes / 60) + " h " + Text;
    return Text;
}

} // namespace

TUser::TUser(const std::string& Name, TDifficultKeys* Keys)
    : FName(Name), FBookMark(std::make_unique<TBookMark>()), FDifficultKeys(Keys) {
    ResetProgress();
}

TUser::~TUser() = default;

void TUser::ResetProgress() {
    FBookMark->Clear();
    FChapterCount = 0;
    FChapterMinutes = 0;
    FKeyGroupsReached = 1;
    FTotalMinutes = 0;
    FTopChapter = 0;
    FTopExercise = 0;
    FLastSpeed = -1;
    FLastEfficiency = -1;
    FLastAccuracy = -1.0f;
    FLastBackspace = -1.0f;
    FKeyGroups.clear();
    for (int Chapter = 1; Chapter <= MaxChapters; ++Chapter) {
        FChapterLastExercise[size_t(Chapter)] = 0;
        FCompleted[size_t(Chapter)].fill(0);
        FChapterEfficiency[size_t(Chapter)] = -1.0f;
        FChapterAccuracy[size_t(Chapter)] = -1.0f;
        FChapterSpeed[size_t(Chapter)] = -1.0f;
    }
}

bool TUser::IsVisitor() const {
    return Latin1Case::AsciiUpperCase(FName) == "VISITOR";
}

// ---- The record ------------------------------------------------------------

void TUser::WriteRecord(TRecordBuffer& Record) {
    Record.WriteString(FName);
    Record.WriteString(FCourseFile);
    Record.WriteInt16(ClampInt16(FSoundsOn));
    Record.WriteInt16(ClampInt16(FLargeFont));
    Record.WriteInt16(ClampInt16(FLessonMinutes));
    Record.WriteInt16(ClampInt16(FTotalMinutes));
    Record.WriteInt16(ClampInt16(FChapterMinutes));
    Record.WriteInt16(ClampInt16(FKeyGroupsReached));
    Record.WriteInt32(FStoryPosition);
    Record.WriteString(FStoryFile);
    Record.WriteInt16(ClampInt16(FTopExercise));
    Record.WriteInt16(ClampInt16(FTopChapter));
    uint16_t Words[MaxChapters];
    const auto PutWords = [&](auto Value) {
        for (int Chapter = 1; Chapter <= MaxChapters; ++Chapter)
            Words[Chapter - 1] = uint16_t(Value(size_t(Chapter)));
        Record.WriteWords(Words, MaxChapters);
    };
    PutWords([&](size_t C) { return ClampInt16(FChapterLastExercise[C]); });
    Record.WriteInt16(ClampInt16(FLastSpeed));
    Record.WriteInt16(ClampInt16(FLastEfficiency));
    Record.WriteInt16(Tenths(FLastAccuracy));
    Record.WriteInt16(Tenths(FLastBackspace));
    unsigned char Completed[MaxChapters * MaxExercises];
    for (int Chapter = 1; Chapter <= MaxChapters; ++Chapter)
        for (int Exercise = 1; Exercise <= MaxExercises; ++Exercise)
            Completed[(Chapter - 1) * MaxExercises + Exercise - 1] =
                FCompleted[size_t(Chapter)][size_t(Exercise)];
    Record.WriteBlock(Completed, sizeof Completed);
    PutWords([&](size_t C) { return Tenths(FChapterEfficiency[C]); });
    PutWords([&](size_t C) { return Tenths(FChapterAccuracy[C]); });
    PutWords([&](size_t C) { return Tenths(FChapterSpeed[C]); });
    Record.WriteInt16(ClampInt16(FReserved));
    FBookMark->WriteTo(Record);
    if (FDifficultKeys) {
        FDifficultKeys->SaveTo(Record);
    } else {
        const uint16_t None[3 * TDifficultKeys::CodeCount] = {};
        Record.WriteWords(None, 3 * TDifficultKeys::CodeCount);
    }
}

int32_t TUser::ReadRecord(TRecordBuffer& Record) {
    Record.ReadString(FName);
    Record.ReadString(FCourseFile);
    Record.ReadInt16(FSoundsOn);
    Record.ReadInt16(FLargeFont);
    Record.ReadInt16(FLessonMinutes);
    Record.ReadInt16(FTotalMinutes);
    Record.ReadInt16(FChapterMinutes);
    Record.ReadInt16(FKeyGroupsReached);
    Record.ReadInt32(FStoryPosition);
    Record.ReadString(FStoryFile);
    Record.ReadInt16(FTopExercise);
    Record.ReadInt16(FTopChapter);
    uint16_t Words[MaxChapters];
    // Each array is set only when its read succeeded, as a file read would.
    const auto GetWords = [&](auto Store) {
        if (Record.ReadWords(Words, MaxChapters) != fsOk) return;
        for (int Chapter = 1; Chapter <= MaxChapters; ++Chapter)
            Store(size_t(Chapter), int32_t(int16_t(Words[Chapter - 1])));
    };
    GetWords([&](size_t C, int32_t V) { FChapterLastExercise[C] = V; });
    Record.ReadInt16(FLastSpeed);
    Record.ReadInt16(FLastEfficiency);
    int32_t Stored = 0;
    if (Record.ReadInt16(Stored) == fsOk) FLastAccuracy = FromTenths(Stored);
    if (Record.ReadInt16(Stored) == fsOk) FLastBackspace = FromTenths(Stored);
    unsigned char Completed[MaxChapters * MaxExercises];
    if (Record.ReadBlock(Completed, sizeof Completed) == fsOk)
        for (int Chapter = 1; Chapter <= MaxChapters; ++Chapter)
            for (int Exercise = 1; Exercise <= MaxExercises; ++Exercise)
                FCompleted[size_t(Chapter)][size_t(Exercise)] =
                    Completed[(Chapter - 1) * MaxExercises + Exercise - 1];
    GetWords([&](size_t C, int32_t V) { FChapterEfficiency[C] = FromTenths(V); });
    GetWords([&](size_t C, int32_t V) { FChapterAccuracy[C] = FromTenths(V); });
    GetWords([&](size_t C, int32_t V) { FChapterSpeed[C] = FromTenths(V); });
    if (Record.ReadInt16(FReserved) != fsOk) return ErrReservedUnreadable;
    const int32_t Result = FBookMark->ReadFrom(Record);
    if (FDifficultKeys) FDifficultKeys->LoadFrom(Record);
    return Result;
}

int32_t TUser::WriteRecord(TRecFile& File) {
    TRecordBuffer Record;
    WriteRecord(Record);
    return File.WriteBlock(Record.Bytes().data(), int32_t(Record.Bytes().size()));
}

int32_t TUser::ReadRecord(TRecFile& File) {
    // One read of the whole record; what came is then taken apart item by
    // item, with the same results as reading the items from the file.
    std::vector<unsigned char> Bytes(RecordSize);
    const int64_t Left = File.Status == fsOk ? int64_t(File.Size) - File.Position : 0;
    File.ReadBlock(Bytes.data(), RecordSize);
    size_t Came = RecordSize;
    if (File.Status == fsEnd) Came = size_t(std::clamp<int64_t>(Left, 0, RecordSize));
    if (File.Status != fsOk && File.Status != fsEnd) Came = 0;
    TRecordBuffer Record(Bytes.data(), Came, File.Status);
    return ReadRecord(Record);
}

// ---- Key groups, time and progress -------------------------------------------

int TUser::AddKeyGroup(const std::string& Keys) {
    FKeyGroups.push_back(Keys);
    return int(FKeyGroups.size());
}

std::string TUser::KeyGroup(int N) const {
    if (N < 1 || size_t(N) > FKeyGroups.size()) return "";
    return FKeyGroups[size_t(N) - 1];
}

std::string TUser::StudiedKeys(int N) const {
    std::string Keys;
    for (size_t I = 0; N > 0 && I < FKeyGroups.size() && I < size_t(N); ++I)
        Keys += FKeyGroups[I];
    if (Keys.size() > MaxShortString) Keys.resize(MaxShortString);
    return Keys;
}

void TUser::RaiseKeyGroups(int N) {
    if (N > FKeyGroupsReached) FKeyGroupsReached = N;
}

void TUser::AddStudyMinutes(int Minutes) {
    FTotalMinutes = SaturatedAdd(FTotalMinutes, Minutes);
    FChapterMinutes = SaturatedAdd(FChapterMinutes, Minutes);
}

void TUser::RecordExerciseCompleted(int Chapter, int Exercise, int KeyGroupIndex) {
    // The keys learnt count wherever the exercise lies; the progress marks
    // only where the record has room for them.
    RaiseKeyGroups(KeyGroupIndex);
    if (FDifficultKeys) FDifficultKeys->SetStudiedKeys(StudiedKeys(FKeyGroupsReached));
    if (!InRecord(Chapter, Exercise)) return;
    if (Chapter > FTopChapter) {
        FTopChapter = Chapter;
        FTopExercise = 0;
    }
    if (Exercise > FTopExercise) FTopExercise = Exercise;
    FCompleted[size_t(Chapter)][size_t(Exercise)] = 1;
}

void TUser::RecordChapterResults(int Chapter, int Exercise, float Speed, float Accuracy,
                                 float Efficiency) {
    if (!InRecord(Chapter, Exercise)) return;
    const size_t C = size_t(Chapter);
    if (FChapterLastExercise[C] > Exercise) return;
    FChapterEfficiency[C] = Efficiency;
    FChapterAccuracy[C] = Accuracy;
    FChapterSpeed[C] = Speed;
    FChapterLastExercise[C] = Exercise;
}

int TUser::PercentCompleted() const {
    if (FChapterCount <= 0) return 0;
    // ((top chapter - 1) + top exercise / 8) / chapters x 100, on integers:
    // each chapter counts as eight exercises.
    const int64_t Eighths = (int64_t(FTopChapter) - 1) * 8 + FTopExercise;
    const int64_t Percent = RoundedQuotient(Eighths * 100, int64_t(FChapterCount) * 8);
    return int(std::clamp<int64_t>(Percent, 0, 100));
}

int TUser::MinutesLeft() const {
    const int Percent = PercentCompleted();
    if (Percent == 0) return 0;
    const int64_t Left = RoundedQuotient(int64_t(100 - Percent) * FTotalMinutes, Percent);
    return int(std::clamp<int64_t>(Left, std::numeric_limits<int>::min(),
                                   std::numeric_limits<int>::max()));
}

std::string TUser::TimeLeftText() const {
    const int Minutes = MinutesLeft();
    return Minutes < 1 ? "? min." : MinutesText(Minutes);
}

std::string TUser::TimeUsedText() const {
    return MinutesText(std::max(FTotalMinutes, 0));
}
