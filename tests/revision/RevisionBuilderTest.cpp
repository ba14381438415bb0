// The revision builder over small banks written by the test: how words are
// laid out for a drill, how rows are finished, which groups are used, and
// banks that are missing or damaged.
#include "revision/TRevisionBuilder.h"

#include "files/SystemUtils.h"
#include "platform/Dialogs.h"
#include "tests/revision/BankFixture.h"
#include "tests/support/TSeamGuard.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <functional>

#include <algorithm>

namespace {

std::vector<std::string> Numbered(const std::string& Stem, int N) {
    std::vector<std::string> Words;
    for (int I = 1; I <= N; ++I)
        Words.push_back(Stem + std::to_string(I));
    return Words;
}

TStringList Sorted(TStringList L) {
    std::sort(L.begin(), L.end());
    return L;
}

class RevisionBuilderTest : public ::testing::Test {
protected:
    void SetUp() override {
        FixRandomSeed(17);
        ClearDialogLog();
        SetDialogResponder([](const TDialogRequest&) { return int(mrOk); });
    }
    TSeamGuard Seams;
    TScopedTempDir Dir;
};

TEST_F(RevisionBuilderTest, DrillWordsAreLaidOutFiveToALine) {
    struct {
        int Words;
        std::string Keys;
        std::vector<size_t> WordsPerLine;
        const char* Separator;
    } Cases[] = {
        {10, "a", {5, 5}, " "},
        {11, "a", {5, 5, 1}, " "},
        {1, "a", {1}, " "},
        {7, "a,", {5, 2}, ", "},
    };
    for (const auto& C : Cases) {
        SCOPED_TRACE(C.Words);
        TBankFixture().Group('a', 1, 1, Numbered("aw", C.Words)).Write();
        TRevisionBuilder B;
        EXPECT_EQ(B.BuildDrillLines(C.Keys, 1, 3), int(C.WordsPerLine.size()));
        ASSERT_EQ(B.FLines.size(), C.WordsPerLine.size());
        TStringList All;
        for (size_t I = 0; I < B.FLines.size(); ++I) {
            const std::string& Line = B.FLines[I];
            EXPECT_EQ(Line, Trim(Line));
            // With a comma among the keys every word, the last of a line
            // too, is followed by a comma.
            if (std::string(C.Separator) == ", ") {
                EXPECT_EQ(Line.back(), ',') << Line;
            }
            const TStringList Words = Split(Line, " ,");
            EXPECT_EQ(Words.size(), C.WordsPerLine[I]) << Line;
            EXPECT_EQ(Line.find("  "), std::string::npos);
            All.insert(All.end(), Words.begin(), Words.end());
        }
        EXPECT_EQ(Sorted(All), Sorted(Numbered("aw", C.Words)));
    }
}

TEST_F(RevisionBuilderTest, CapitalsAmongTheKeysCapitaliseTheirWords) {
    TBankFixture().Group('t', 1, 1, {"tan", "ten"}).Group('a', 1, 1, {"ant", "tag"}).Write();
    TRevisionBuilder B;
    B.BuildGameWords("Ta", 1, 5);
    // "Ta" collects for t and a; words starting with t take their capital.
    EXPECT_EQ(B.FChars, "ta");
    EXPECT_EQ(Sorted(B.FLines), Sorted({"Tan", "Ten", "ant", "Tag"}));
}

TEST_F(RevisionBuilderTest, RowsAreFinishedForCapitalsAndFullStop) {
    TBankFixture()
        .Group('t', 1, 2, {"the tall tree", "ask tom", "was it up?", "tip", "a tin cup,"})
        .Write();
    TRevisionBuilder B;
    ASSERT_EQ(B.BuildRows("tT.", 1, 9), 6);
    // One empty line closes the group.
    EXPECT_EQ(B.FLines.back(), "");
    const TStringList Rows(B.FLines.begin(), B.FLines.end() - 1);
    EXPECT_EQ(Sorted(Rows),
              Sorted({"The Tall Tree.", "Ask Tom.", "Was it up?", "Tip", "A Tin cup,"}));

    // Without capitals or a full stop among the keys the rows stay as stored.
    B.BuildRows("t", 1, 9);
    EXPECT_EQ(Sorted(TStringList(B.FLines.begin(), B.FLines.end() - 1)),
              Sorted({"the tall tree", "ask tom", "was it up?", "tip", "a tin cup,"}));
}

TEST_F(RevisionBuilderTest, GroupsAreUsedByLevelAndUntilEnoughWereRead) {
    TBankFixture()
        .Group('f', 1, 1, {"f1", "f2", "f3"})
        .Group('f', 5, 1, {"g1", "g2"})
        .Group('f', 2, 1, Numbered("h", 8))
        .Group('f', 1, 2, {"a row"})
        .Group('j', 1, 1, Numbered("j", 6))
        .Group('j', 1, 1, {"k1"})
        .Write();
    TRevisionBuilder B;
    B.FChars = "fj";
    B.FLevel = 4;
    // f: its first group gives all 3, the level 5 group is passed over, the
    // third gives up to 5 again; j: its first group gives 5 and is enough.
    ASSERT_EQ(B.Collect(TRevisionBuilder::bkWords, 5), 13);
    const TStringList F(B.FLines.begin(), B.FLines.begin() + 3);
    EXPECT_EQ(Sorted(F), Sorted({"f1", "f2", "f3"}));
    for (int I = 3; I < 8; ++I)
        EXPECT_EQ(B.FLines[I][0], 'h') << B.FLines[I];
    for (int I = 8; I < 13; ++I)
        EXPECT_EQ(B.FLines[I][0], 'j') << B.FLines[I];

    B.FLevel = 5;
    B.FChars = "f";
    B.Collect(TRevisionBuilder::bkWords, 50);
    EXPECT_EQ(B.FLines.size(), 13u);
}

TEST_F(RevisionBuilderTest, ACourseBankFallsBackFileByFileToTheStandardOne) {
    TBankFixture().Group('a', 1, 1, {"standard"}).Write();
    TBankFixture("mine").Group('a', 1, 1, {"own"}).Write();
    TRevisionBuilder B;
    B.WizardName = "mine";
    B.BuildGameWords("a", 1, 5);
    EXPECT_EQ(B.FLines, TStringList{"own"});
    B.WizardName = "";
    B.BuildGameWords("a", 1, 5);
    EXPECT_EQ(B.FLines, TStringList{"standard"});
    // Only the course's index: its entries are read from the standard data.
    std::remove("mine.dta");
    B.WizardName = "mine";
    B.BuildGameWords("a", 1, 5);
    EXPECT_EQ(B.FHeaderFile, "mine.hdr");
    EXPECT_EQ(B.FDataFile, "builder.dta");
    EXPECT_EQ(B.FLines, TStringList{"standard"});
    EXPECT_TRUE(DialogLog().empty());
}

TEST_F(RevisionBuilderTest, DamagedBanksGiveNoMaterialAndSaySo) {
    const auto Good = [] { return TBankFixture().Group('a', 1, 1, {"as", "ad"}); };
    struct {
        const char* Name;
        std::function<void()> Make;
        int Lines;
        std::string Message; // the first line of the dialog, or "" for none
    } Cases[] = {
        {"missing data", [&] { Good().Write(), std::remove("builder.dta"); }, 0,
         "#-1 File not found"},
        {"missing index", [&] { Good().Write(), std::remove("builder.hdr"); }, 0,
         "#-1 File not found"},
        {"count past the data", [&] { Good().Entry('a', 1, 1, 1, 5).Write(); }, 0,
         "#-10 out of file request"},
        {"first past the data", [&] { Good().Entry('a', 1, 1, 9, 1).Write(); }, 0,
         "#-10 out of file request"},
        {"negative count", [&] { Good().Entry('a', 1, 1, 0, -1).Write(); }, 0,
         "#-10 out of file request"},
        {"torn last entry", [&] { Good().IndexTail(std::string("a\0\1\0\1\0\0", 7)).Write(); }, 2,
         ""},
        {"empty slots",
         [&] {
             TBankFixture().Group('a', 1, 1, {"", "as", ""}).Write();
         },
         1, ""},
        {"damage for another key", [&] { Good().Entry('b', 1, 1, 0, 99).Write(); }, 2, ""},
    };
    for (const auto& C : Cases) {
        SCOPED_TRACE(C.Name);
        ClearDialogLog();
        C.Make();
        TRevisionBuilder B;
        EXPECT_EQ(B.BuildGameWords("a", 1, 10), C.Lines);
        EXPECT_EQ(int(B.FLines.size()), C.Lines);
        if (C.Message.empty()) {
            EXPECT_TRUE(DialogLog().empty());
        } else {
            ASSERT_EQ(DialogLog().size(), 1u);
            EXPECT_EQ(DialogLog()[0].Text.substr(0, C.Message.size()), C.Message);
            EXPECT_NE(DialogLog()[0].Text.find("builder."), std::string::npos);
        }
    }
}

TEST_F(RevisionBuilderTest, OnlyTheFirst200IndexEntriesCount) {
    TBankFixture Bank;
    // 1,000 entries: 199 of key a, then one each of keys b and c at places
    // 200 and 201.
    for (int I = 0; I < 199; ++I)
        Bank.Group('a', 1, 1, {"a" + std::to_string(I)});
    Bank.Group('b', 1, 1, {"bee"}).Group('c', 1, 1, {"sea"});
    for (int I = 0; I < 799; ++I)
        Bank.Group('d', 1, 1, {"dd"});
    Bank.Write();
    TRevisionBuilder B;
    EXPECT_EQ(B.BuildGameWords("bcd", 1, 5), 1);
    EXPECT_EQ(B.FLines, TStringList{"bee"});
}

} // namespace
