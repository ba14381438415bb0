#include "files/TRecFile.h"
#include "tests/support/TestSupport.h"
#include "users/TUser.h"

#include <gtest/gtest.h>

namespace {

// A record laid out by hand from the table's offsets.
class TGolden {
public:
    TGolden() : FBytes(2504, '\0') {}
    void I16(size_t Offset, int Value) {
        FBytes[Offset] = char(Value & 0xFF);
        FBytes[Offset + 1] = char((Value >> 8) & 0xFF);
    }
    void I32(size_t Offset, int32_t Value) {
        for (int I = 0; I < 4; ++I)
            FBytes[Offset + size_t(I)] = char((uint32_t(Value) >> (8 * I)) & 0xFF);
    }
    void Str(size_t Offset, const std::string& S) {
        FBytes[Offset] = char(S.size());
        FBytes.replace(Offset + 1, S.size(), S);
    }
    void Byte(size_t Offset, int Value) { FBytes[Offset] = char(Value); }
    const std::string& Bytes() const { return FBytes; }

private:
    std::string FBytes;
};

// Difficult keys stand at 1166 + array x 446 + (code - 33) x 2.
size_t KeyOffset(int Array, int Code) {
    return 1166 + size_t(Array) * 446 + size_t(Code - 33) * 2;
}

struct TKnownUser {
    TKnownUser()
        : User("M\xE4rta \xD6"
               "berg",
               &Keys) {
        User.FCourseFile = "touch.cnt";
        User.FSoundsOn = 0;
        User.FLargeFont = 1;
        User.FLessonMinutes = 35;
        User.FTotalMinutes = 135;
        User.FChapterMinutes = 20;
        User.FKeyGroupsReached = 3;
        User.FStoryPosition = 70000;
        User.FStoryFile = "story.txt";
        User.FTopExercise = 4;
        User.FTopChapter = 3;
        for (int C = 1; C <= 20; ++C)
            User.FChapterLastExercise[size_t(C)] = C % 10;
        User.FLastSpeed = 180;
        User.FLastEfficiency = 87;
        User.FLastAccuracy = 96.5f;
        User.FCompleted[1][1] = 1;
        User.FCompleted[1][10] = 1;
        User.FCompleted[3][4] = 1;
        User.FChapterEfficiency[1] = 12.25f; // 122.5 -> 122, halves to even
        User.FChapterAccuracy[1] = 12.35f;   // the float is a hair above: 124
        User.FChapterSpeed[2] = 5000.0f;     // 50000 does not fit: 32767
        User.FChapterSpeed[3] = -4000.0f;    // -32768
        User.FReserved = 0x1234;
        User.FBookMark->FChapter = 3;
        User.FBookMark->FExercise = 4;
        User.FBookMark->FEvent = 5;
        Keys.SetCounts('a', 300, 40, 8);
        Keys.SetCounts(0xE9, 20, 19, 1);
        Keys.SetCounts(255, 29000, 41, 40);
    }
    TDifficultKeys Keys;
    TUser User;
};

TGolden KnownRecord() {
    TGolden G;
    G.Str(0, "M\xE4rta \xD6"
             "berg");
    G.Str(256, "touch.cnt");
    G.I16(512, 0);
    G.I16(514, 1);
    G.I16(516, 35);
    G.I16(518, 135);
    G.I16(520, 20);
    G.I16(522, 3);
    G.I32(524, 70000);
    G.Str(528, "story.txt");
    G.I16(784, 4);
    G.I16(786, 3);
    for (int C = 1; C <= 20; ++C)
        G.I16(788 + size_t(C - 1) * 2, C % 10);
    G.I16(828, 180);
    G.I16(830, 87);
    G.I16(832, 965);
    G.I16(834, -10);
    G.Byte(836 + 0, 1);          // chapter 1, exercise 1
    G.Byte(836 + 9, 1);          // chapter 1, exercise 10
    G.Byte(836 + 2 * 10 + 3, 1); // chapter 3, exercise 4
    for (int C = 1; C <= 20; ++C) {
        G.I16(1036 + size_t(C - 1) * 2, -10);
        G.I16(1076 + size_t(C - 1) * 2, -10);
        G.I16(1116 + size_t(C - 1) * 2, -10);
    }
    G.I16(1036, 122);
    G.I16(1076, 124);
    G.I16(1116 + 2, 32767);
    G.I16(1116 + 4, -32768);
    G.I16(1156, 0x1234);
    G.I16(1158, 3);
    G.I16(1160, 4);
    G.I16(1162, 5);
    G.I16(1164, 0);
    G.I16(KeyOffset(0, 'a'), 300);
    G.I16(KeyOffset(1, 'a'), 40);
    G.I16(KeyOffset(2, 'a'), 8);
    G.I16(KeyOffset(0, 0xE9), 20);
    G.I16(KeyOffset(1, 0xE9), 19);
    G.I16(KeyOffset(2, 0xE9), 1);
    G.I16(KeyOffset(0, 255), 29000);
    G.I16(KeyOffset(1, 255), 41);
    G.I16(KeyOffset(2, 255), 40);
    return G;
}

std::string Written(TUser& User) {
    TRecordBuffer Record;
    User.WriteRecord(Record);
    return std::string(Record.Bytes().begin(), Record.Bytes().end());
}

TEST(TUserRecord, WritesTheGoldenRecord) {
    TKnownUser Known;
    const std::string Bytes = Written(Known.User);
    const std::string Golden = KnownRecord().Bytes();
    ASSERT_EQ(Bytes.size(), 2504u);
    for (size_t I = 0; I < Bytes.size(); ++I)
        ASSERT_EQ(int(uint8_t(Bytes[I])), int(uint8_t(Golden[I]))) << "at offset " << I;
}

TEST(TUserRecord, ReadsTheGoldenRecord) {
    const std::string Golden = KnownRecord().Bytes();
    TDifficultKeys Keys;
    TUser User("", &Keys);
    TRecordBuffer Record(Golden.data(), Golden.size());
    EXPECT_EQ(User.ReadRecord(Record), 1);
    EXPECT_EQ(User.FName, "M\xE4rta \xD6"
                          "berg");
    EXPECT_EQ(User.FCourseFile, "touch.cnt");
    EXPECT_EQ(User.FSoundsOn, 0);
    EXPECT_EQ(User.FLargeFont, 1);
    EXPECT_EQ(User.FLessonMinutes, 35);
    EXPECT_EQ(User.FTotalMinutes, 135);
    EXPECT_EQ(User.FChapterMinutes, 20);
    EXPECT_EQ(User.FKeyGroupsReached, 3);
    EXPECT_EQ(User.FStoryPosition, 70000);
    EXPECT_EQ(User.FStoryFile, "story.txt");
    EXPECT_EQ(User.FTopExercise, 4);
    EXPECT_EQ(User.FTopChapter, 3);
    EXPECT_EQ(User.FChapterLastExercise[7], 7);
    EXPECT_EQ(User.FChapterLastExercise[20], 0);
    EXPECT_EQ(User.FLastSpeed, 180);
    EXPECT_EQ(User.FLastEfficiency, 87);
    EXPECT_FLOAT_EQ(User.FLastAccuracy, 96.5f);
    EXPECT_FLOAT_EQ(User.FLastBackspace, -1.0f);
    EXPECT_EQ(User.FCompleted[1][1], 1);
    EXPECT_EQ(User.FCompleted[1][10], 1);
    EXPECT_EQ(User.FCompleted[3][4], 1);
    EXPECT_EQ(User.FCompleted[4][3], 0);
    EXPECT_FLOAT_EQ(User.FChapterEfficiency[1], 12.2f);
    EXPECT_FLOAT_EQ(User.FChapterAccuracy[1], 12.4f);
    EXPECT_FLOAT_EQ(User.FChapterSpeed[2], 3276.7f);
    EXPECT_FLOAT_EQ(User.FChapterSpeed[3], -3276.8f);
    EXPECT_FLOAT_EQ(User.FChapterSpeed[4], -1.0f);
    EXPECT_EQ(User.FReserved, 0x1234);
    EXPECT_EQ(User.FBookMark->FChapter, 3);
    EXPECT_EQ(User.FBookMark->FExercise, 4);
    EXPECT_EQ(User.FBookMark->FEvent, 5);
    EXPECT_EQ(Keys.TotalStrokes('a'), 300);
    EXPECT_EQ(Keys.WeightedErrors(0xE9), 1);
    EXPECT_EQ(Keys.TotalStrokes(255), 29000);
    EXPECT_EQ(Keys.WeightedStrokes('b'), 0);
    // And what was read writes back to the same bytes.
    EXPECT_EQ(Written(User), Golden);
}

TEST(TUserRecord, ANewUserStoresMinusOneAndMinusTen) {
    TDifficultKeys Keys;
    TUser User("Anna", &Keys);
    EXPECT_EQ(User.FSoundsOn, 1);
    EXPECT_EQ(User.FLargeFont, 0);
    EXPECT_EQ(User.FLessonMinutes, 45);
    EXPECT_EQ(User.FKeyGroupsReached, 1);
    EXPECT_EQ(User.FChapterCount, 0);
    const std::string Bytes = Written(User);
    const auto I16 = [&](size_t Offset) {
        return int16_t(uint8_t(Bytes[Offset]) | (uint8_t(Bytes[Offset + 1]) << 8));
    };
    EXPECT_EQ(I16(828), -1);
    EXPECT_EQ(I16(830), -1);
    EXPECT_EQ(I16(832), -10);
    EXPECT_EQ(I16(834), -10);
    for (size_t C = 0; C < 20; ++C) {
        EXPECT_EQ(I16(1036 + 2 * C), -10);
        EXPECT_EQ(I16(1076 + 2 * C), -10);
        EXPECT_EQ(I16(1116 + 2 * C), -10);
    }
    TUser Back("", &Keys);
    Back.FLastAccuracy = 5;
    TRecordBuffer Record(Bytes.data(), Bytes.size());
    Back.ReadRecord(Record);
    EXPECT_EQ(Back.FLastSpeed, -1);
    EXPECT_EQ(Back.FLastAccuracy, -1.0f);
    EXPECT_EQ(Back.FChapterSpeed[20], -1.0f);
}

TEST(TUserRecord, ResetProgressKeepsTheLearnersChoices) {
    TKnownUser Known;
    TUser& User = Known.User;
    User.FChapterCount = 16;
    User.AddKeyGroup("fj");
    User.ResetProgress();
    EXPECT_EQ(User.FName, "M\xE4rta \xD6"
                          "berg");
    EXPECT_EQ(User.FCourseFile, "touch.cnt");
    EXPECT_EQ(User.FSoundsOn, 0);
    EXPECT_EQ(User.FLessonMinutes, 35);
    EXPECT_EQ(User.FStoryFile, "story.txt");
    EXPECT_EQ(User.FStoryPosition, 70000);
    EXPECT_EQ(Known.Keys.TotalStrokes('a'), 300);
    EXPECT_EQ(User.FBookMark->FChapter, 0);
    EXPECT_EQ(User.FTotalMinutes, 0);
    EXPECT_EQ(User.FKeyGroupsReached, 1);
    EXPECT_EQ(User.FChapterCount, 0);
    EXPECT_TRUE(User.FKeyGroups.empty());
    EXPECT_EQ(User.FTopChapter, 0);
    EXPECT_EQ(User.FLastAccuracy, -1.0f);
    EXPECT_EQ(User.FCompleted[1][1], 0);
    EXPECT_EQ(User.FChapterLastExercise[7], 0);
    EXPECT_EQ(User.FChapterEfficiency[1], -1.0f);
}

TEST(TUserRecord, ACutRecordStopsAtTheReservedWord) {
    TScopedTempDir Dir;
    const std::string Golden = KnownRecord().Bytes();
    WriteFileBytes("cut.kq4", Golden.substr(0, 1157));
    TDifficultKeys Keys;
    Keys.SetCounts('q', 1, 2, 3);
    TUser User("", &Keys);
    User.FBookMark->FChapter = 9;
    TRecFile File;
    ASSERT_EQ(File.Open("cut.kq4", TRecFile::rmOpen, TRecFile::rsReadDenyWrite), 1);
    EXPECT_EQ(User.ReadRecord(File), TUser::ErrReservedUnreadable);
    EXPECT_EQ(User.FName, "M\xE4rta \xD6"
                          "berg");
    EXPECT_EQ(User.FChapterSpeed[2], 3276.7f); // everything before the cut came
    EXPECT_EQ(User.FBookMark->FChapter, 9);
    EXPECT_EQ(Keys.TotalStrokes('q'), 1);

    // Cut inside the bookmark's event: the bookmark's own status.
    WriteFileBytes("event.kq4", Golden.substr(0, 1163));
    TRecFile Other;
    ASSERT_EQ(Other.Open("event.kq4", TRecFile::rmOpen, TRecFile::rsReadDenyWrite), 1);
    EXPECT_EQ(User.ReadRecord(Other), TBookMark::ErrEventUnreadable);
    EXPECT_EQ(User.FBookMark->FChapter, 3);
}

TEST(TUserRecord, KeyGroupsJoinInOrder) {
    TUser User("", nullptr);
    EXPECT_EQ(User.StudiedKeys(1), "");
    EXPECT_EQ(User.AddKeyGroup("fj"), 1);
    EXPECT_EQ(User.AddKeyGroup("dk"), 2);
    EXPECT_EQ(User.AddKeyGroup("sl"), 3);
    EXPECT_EQ(User.StudiedKeys(5), "fjdksl");
    EXPECT_EQ(User.StudiedKeys(2), "fjdk");
    EXPECT_EQ(User.StudiedKeys(0), "");
    EXPECT_EQ(User.StudiedKeys(-3), "");
    EXPECT_EQ(User.KeyGroup(2), "dk");
    EXPECT_EQ(User.KeyGroup(4), "");
    EXPECT_EQ(User.KeyGroup(0), "");
    User.AddKeyGroup(std::string(300, 'x'));
    EXPECT_EQ(User.StudiedKeys(4).size(), 255u);
    User.RaiseKeyGroups(3);
    User.RaiseKeyGroups(2);
    EXPECT_EQ(User.FKeyGroupsReached, 3);
}

TEST(TUserRecord, CompletedExercisesRaiseTheTopMarksWithinTheRecordsRoom) {
    TDifficultKeys Keys;
    TUser User("", &Keys);
    User.AddKeyGroup("fj");
    User.AddKeyGroup("dk");
    User.RecordExerciseCompleted(3, 2, 2);
    EXPECT_EQ(User.FTopChapter, 3);
    EXPECT_EQ(User.FTopExercise, 2);
    EXPECT_EQ(User.FKeyGroupsReached, 2);
    EXPECT_EQ(Keys.StudiedKeys(), "fjdk");
    User.RecordExerciseCompleted(1, 8, 1); // an earlier chapter still raises the exercise
    EXPECT_EQ(User.FTopChapter, 3);
    EXPECT_EQ(User.FTopExercise, 8);
    EXPECT_EQ(User.FKeyGroupsReached, 2);
    EXPECT_EQ(User.FCompleted[1][8], 1);
    User.RecordExerciseCompleted(4, 1, 1); // a new chapter starts the exercise again
    EXPECT_EQ(User.FTopExercise, 1);

    // Outside chapters 1..20 and exercises 1..10 nothing is marked.
    const auto Before = User.FCompleted;
    for (auto [Chapter, Exercise] : {std::pair{0, 0}, {21, 1}, {1, 11}, {-1, 5}, {5, 0}})
        User.RecordExerciseCompleted(Chapter, Exercise, 1);
    EXPECT_EQ(User.FCompleted, Before);
    EXPECT_EQ(User.FTopChapter, 4);
    EXPECT_EQ(User.FTopExercise, 1);
}

TEST(TUserRecord, ChapterResultsKeepTheHighestMeasuredExercise) {
    TUser User("", nullptr);
    User.RecordChapterResults(2, 3, 150, 95.5f, 80);
    EXPECT_EQ(User.FChapterLastExercise[2], 3);
    EXPECT_EQ(User.FChapterSpeed[2], 150);
    User.RecordChapterResults(2, 1, 99, 99, 99); // lower: ignored
    EXPECT_EQ(User.FChapterSpeed[2], 150);
    User.RecordChapterResults(2, 3, 170, 96, 81); // the same again: replaced
    EXPECT_EQ(User.FChapterSpeed[2], 170);
    EXPECT_EQ(User.FChapterAccuracy[2], 96);
    EXPECT_EQ(User.FChapterEfficiency[2], 81);
    for (auto [Chapter, Exercise] : {std::pair{0, 0}, {21, 1}, {2, 11}})
        User.RecordChapterResults(Chapter, Exercise, 1, 1, 1);
    EXPECT_EQ(User.FChapterSpeed[2], 170);
    EXPECT_EQ(User.FChapterLastExercise[2], 3);
}

TEST(TUserRecord, ProgressFiguresAndTimeTexts) {
    TUser User("", nullptr);
    EXPECT_EQ(User.PercentCompleted(), 0); // no course loaded
    EXPECT_EQ(User.TimeLeftText(), "? min.");
    EXPECT_EQ(User.TimeUsedText(), "0 min.");
    User.FChapterCount = 16;
    User.FTopChapter = 3;
    User.FTopExercise = 4;
    EXPECT_EQ(User.PercentCompleted(), 16); // 15.625
    User.FTotalMinutes = 135;
    EXPECT_EQ(User.TimeUsedText(), "2 h 15 min.");
    EXPECT_EQ(User.MinutesLeft(), 709); // 84 x 135 / 16 = 708.75
    EXPECT_EQ(User.TimeLeftText(), "11 h 49 min.");
    User.FTotalMinutes = 45;
    EXPECT_EQ(User.TimeUsedText(), "45 min.");

    // Halves go to the even neighbour: 1 chapter of 8 exercises, 1 of 4 done.
    User.FChapterCount = 8;
    User.FTopChapter = 1;
    User.FTopExercise = 1; // 1/64 = 1.5625 % -> 2
    EXPECT_EQ(User.PercentCompleted(), 2);
    User.FChapterCount = 25;
    User.FTopChapter = 1;
    User.FTopExercise = 1; // 0.5 % -> 0
    EXPECT_EQ(User.PercentCompleted(), 0);
    EXPECT_EQ(User.MinutesLeft(), 0);
    User.FChapterCount = 2;
    User.FTopChapter = 9; // beyond the course: limited to 100
    EXPECT_EQ(User.PercentCompleted(), 100);
    EXPECT_EQ(User.TimeLeftText(), "? min.");
    User.FChapterCount = 4;
    User.FTopChapter = 2;
    User.FTopExercise = 4; // 37.5 -> 38; 62 x 45 / 38 = 73.42 -> 73
    EXPECT_EQ(User.MinutesLeft(), 73);
    EXPECT_EQ(User.TimeLeftText(), "1 h 13 min.");

    User.AddStudyMinutes(15);
    EXPECT_EQ(User.FTotalMinutes, 60);
    EXPECT_EQ(User.FChapterMinutes, 15);
    EXPECT_EQ(User.TimeUsedText(), "1 h 0 min.");
}

} // namespace
