// Every revision bank the program ships, read with the program's record
// reader: each group's entries hold its key and only the keys known at its
// level, and every key its course teaches has words and sentences from the
// level that teaches it on; the groups of a key come richest first, those
// above its first level hold real words, and symbols stand where people
// write them.
#include "files/TFile.h"
#include "files/TRecFile.h"
#include "platform/Latin1Case.h"
#include "tools/coursetool/TCourseScan.h"
#include "tools/coursetool/TWordList.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <map>
#include <regex>
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

// English contractions as people write them (with a mark after them).
bool IsContraction(const std::string& Token) {
    static const std::regex Form(
        "((do|does|did|is|are|was|were|has|have|had|could|would|should|ca|wo|ai|need|must)n't|"
        "(it|he|she|that|there|what|who|here|let|where)'s|I'm|(we|you|they|who|what)'re|"
        "(I|we|you|they|he|she|it|that)'(ll|d)|(I|we|you|they)'ve|o'clock)[,.;:!?]?",
        std::regex::icase);
    return std::regex_match(Token, Form);
}

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
    EXPECT_LE(Entries, 200);                      // the program reads no more
    std::set<std::pair<int, int>> Found;          // (key, kind) at the level that teaches the key
    std::map<std::pair<int, int>, int> LastLevel; // (key, kind): level of its group before
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
        // The builder takes the first group it may use: a key's groups go
        // from the highest level down.
        const auto Before = LastLevel.find({Key, Kind});
        if (Before != LastLevel.end()) {
            EXPECT_LT(Level, Before->second) << Where;
        }
        LastLevel[{Key, Kind}] = Level;
        // Capitals stand for their small letters (the builder lowers the keys
        // it looks for); words keep their capitals once capitals are taught.
        std::string Known =
            Course.KnownAt(Level) + Latin1Case::LowerCase(Course.KnownAt(Level)) + " ";
        ASSERT_EQ(Data.SeekRecord(First, 256), 1);
        for (int32_t I = 0; I < Count; ++I) {
            std::string Slot;
            ASSERT_EQ(Data.ReadString(Slot), fsOk) << Where;
            EXPECT_NE(Latin1Case::LowerCase(Slot).find(char(Key)), std::string::npos)
                << Where << ": " << Slot;
            for (char C : Slot)
                EXPECT_NE(Known.find(C), std::string::npos) << Where << ": " << Slot;
            // A richer group holds real words (every one has a vowel), not letter groups.
            if (Kind == 1 && Level > Course.LevelOf(Key) && IsLetter(Key)) {
                EXPECT_NE(Latin1Case::LowerCase(Slot).find_first_of("aeiouy\xE4\xF6\xFC\xE5\xE9"),
                          std::string::npos)
                    << Where << ": " << Slot;
            }
            for (size_t At = 1; At + 1 < Slot.size(); ++At) {
                const unsigned char C = static_cast<unsigned char>(Slot[At]);
                if (C == ' ' || IsLetter(C) ||
                    !IsLetter(static_cast<unsigned char>(Slot[At - 1])) ||
                    !IsLetter(static_cast<unsigned char>(Slot[At + 1])))
                    continue;
                // Between two letters: a hyphen, an address, a path, a file name
                // (two words joined by an underscore, with its extension) or an
                // English contraction.
                const size_t Start = Slot.rfind(' ', At) + 1;
                const std::string Token = Slot.substr(Start, Slot.find(' ', At) - Start);
                const bool Address = Token.find_first_of("@/_") != std::string::npos;
                const bool Ok =
                    C == '-' || C == '_' || C == '@' || C == '/' || (C == '.' && Address) ||
                    (C == '\'' && std::string(GetParam().Course) != "Deutsch.cnt" &&
                     std::string(GetParam().Course) != "Svenska.cnt" && IsContraction(Token));
                EXPECT_TRUE(Ok) << Where << ": " << Token << " in " << Slot;
            }
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
