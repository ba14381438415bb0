// Every revision bank the program ships, read with the program's record
// reader: each group's entries hold its key and only the keys known at its
// level, and every key its course teaches has words and sentences from the
// level that teaches it on.
#include "files/TFile.h"
#include "files/TRecFile.h"
#include "platform/Latin1Case.h"
#include "tools/coursetool/TCourseScan.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <set>

namespace {

struct TBank {
    const char* Course;
    const char* Header;
    const char* Data;
};

const TBank Banks[] = {
    {"Beginner.cnt", "builder.hdr", "builder.dta"},
    {"Speed.cnt", "speed.hdr", "speed.dta"},
    {"Deutsch.cnt", "deutsch.hdr", "deutsch.dta"},
    {"Svenska.cnt", "svenska.hdr", "svenska.dta"},
};

class ShippedBank : public ::testing::TestWithParam<TBank> {};

TEST_P(ShippedBank, GroupsHoldTheirKeyAndOnlyKeysKnownAtTheirLevel) {
    const std::string App = std::getenv("CLAVORA_APP_DIR");
    TCourseScan Course;
    std::string Error;
    ASSERT_TRUE(Course.Load(App + "/" + GetParam().Course, Error)) << Error;

    TRecFile Index, Data;
    ASSERT_EQ(
        Index.Open(App + "/" + GetParam().Header, TRecFile::rmOpen, TRecFile::rsReadDenyWrite),
        fsOk);
    ASSERT_EQ(Data.Open(App + "/" + GetParam().Data, TRecFile::rmOpen, TRecFile::rsReadDenyWrite),
              fsOk);
    const int32_t Entries = Index.RecordCount(10);
    EXPECT_TRUE(Index.IsWholeRecords(10));
    EXPECT_LE(Entries, 200);             // the program reads no more
    std::set<std::pair<int, int>> Found; // (key, kind) at the level that teaches the key
    for (int32_t E = 0; E < Entries; ++E) {
        int32_t Char = 0, Level = 0, Kind = 0, First = 0, Count = 0;
        for (int32_t* V : {&Char, &Level, &Kind, &First, &Count})
            ASSERT_EQ(Index.ReadInt16(*V), fsOk);
        const unsigned char Key = static_cast<unsigned char>(Char);
        const std::string Where = std::string("group ") + char(Key) + " level " +
                                  std::to_string(Level) + " kind " + std::to_string(Kind);
        EXPECT_TRUE(Kind == 1 || Kind == 2) << Where;
        EXPECT_GT(Count, 0) << Where;
        EXPECT_EQ(Latin1Case::Lower(Key), Key) << Where;
        ASSERT_GT(Course.LevelOf(Key), 0) << Where << ": the course never teaches the key";
        EXPECT_GE(Level, Course.LevelOf(Key)) << Where;
        if (Level == Course.LevelOf(Key)) Found.insert({Key, Kind});
        // Capitals stand for their small letters: the builder lowers the keys it looks for.
        std::string Known = Latin1Case::LowerCase(Course.KnownAt(Level)) + " ";
        ASSERT_EQ(Data.SeekRecord(First, 256), 1);
        for (int32_t I = 0; I < Count; ++I) {
            std::string Slot;
            ASSERT_EQ(Data.ReadString(Slot), fsOk) << Where;
            EXPECT_NE(Slot.find(char(Key)), std::string::npos) << Where << ": " << Slot;
            for (char C : Slot)
                EXPECT_NE(Known.find(C), std::string::npos) << Where << ": " << Slot;
        }
    }
    for (const std::string& Group : Course.Groups())
        for (unsigned char C : Group) {
            const unsigned char Key = Latin1Case::Lower(C);
            EXPECT_TRUE(Found.count({Key, 1}) && Found.count({Key, 2}))
                << GetParam().Course << ": no words or sentences for " << char(Key);
        }
}

INSTANTIATE_TEST_SUITE_P(Banks, ShippedBank, ::testing::ValuesIn(Banks), [](const auto& Info) {
    std::string N = Info.param.Header;
    return N.substr(0, N.find('.'));
});

} // namespace
