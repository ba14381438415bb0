// Judging a finished word: the five rules from tables of error percentages,
// and whole words through the error finder into the efficiency counters.
#include "engine/WordJudge.h"
#include "analysis/TEfficiencyCalc.h"
#include "analysis/TErrorFinder.h"
#include "users/TDifficultKeys.h"

#include <gtest/gtest.h>

namespace {

struct TRuleCase {
    const char* Name;
    TWordErrors Errors; // Previous, Current, Next, NextButOne
    TWordRule Rule;
    int Matched, ErrorPercent, Passed, Advance, Mark;
};

// Model words of lengths 2, 3, 4 and 5 around the current one.
const TModelWords Model{"ab", "cde", "fghi", "jklmn"};

TEST(WordJudge, TheFirstRuleThatAppliesDecides) {
    const TRuleCase Cases[] = {
        {"exact", {100, 0, 100, 100}, TWordRule::Current, 0, 0, 3, 1, 0},
        {"slightly wrong: dotted", {100, 35, 100, 100}, TWordRule::Current, 0, 35, 3, 1, 2},
        {"wrong but meant: solid", {100, 40, 100, 100}, TWordRule::Current, 0, 40, 3, 1, 1},
        {"over 40 % and no neighbour", {100, 41, 100, 100}, TWordRule::NoMatch, 0, 100, 3, 1, 1},
        {"next word", {100, 100, 0, 100}, TWordRule::OneSkipped, 1, 0, 7, 2, 0},
        {"next word at the 40 % limit", {100, 100, 40, 100}, TWordRule::OneSkipped, 1, 40, 7, 2, 1},
        {"next word not clearly better", {100, 40, 20, 100}, TWordRule::Current, 0, 40, 3, 1, 1},
        {"next but one", {100, 100, 100, 10}, TWordRule::TwoSkipped, 2, 10, 12, 3, 2},
        {"next but one needs 10 % or less",
         {100, 100, 100, 11},
         TWordRule::NoMatch,
         0,
         100,
         3,
         1,
         1},
        {"next but one not 30 better", {100, 40, 100, 10}, TWordRule::Current, 0, 40, 3, 1, 1},
        {"one skipped wins over two", {100, 100, 30, 0}, TWordRule::OneSkipped, 1, 30, 7, 2, 2},
        {"previous word again", {0, 100, 100, 100}, TWordRule::Repeated, -1, 0, 0, 0, 0},
        {"skip wins over repeat", {0, 100, 0, 100}, TWordRule::OneSkipped, 1, 0, 7, 2, 0},
        {"repeat wins over current", {0, 30, 100, 100}, TWordRule::Repeated, -1, 0, 0, 0, 0},
    };
    for (const TRuleCase& C : Cases) {
        SCOPED_TRACE(C.Name);
        const TWordVerdict V = DecideWord(C.Errors, Model);
        EXPECT_EQ(V.Rule, C.Rule);
        EXPECT_EQ(V.Matched, C.Matched);
        EXPECT_EQ(V.ErrorPercent, C.ErrorPercent);
        EXPECT_EQ(V.Passed, C.Passed);
        EXPECT_EQ(V.Advance, C.Advance);
        EXPECT_EQ(V.Mark, C.Mark);
    }
}

TEST(WordJudge, OnlyBackspaceEnterAndPrintableCharactersAreTyped) {
    for (int Key : {8, 13, 32, int('a'), int('~'), 160, 171, 255})
        EXPECT_TRUE(IsTypingKey(Key)) << Key;
    for (int Key : {0, 9, 10, 27, 31, 127, 128, 159})
        EXPECT_FALSE(IsTypingKey(Key)) << Key;
}

class WordJudgeRun : public ::testing::Test {
protected:
    // The finder reports to a table of the test's own.
    TDifficultKeys Keys;

    TWordVerdict Type(const std::string& Typed, const TModelWords& Words) {
        return Judge.Judge(Typed, Words, Finder, Efficiency);
    }

    TWordJudge Judge;
    TErrorFinder Finder{&Keys};
    TEfficiencyCalc Efficiency;
};

TEST_F(WordJudgeRun, CatTypedForTheCatSatSkipsAWord) {
    const TWordVerdict V = Type("cat", {"", "the", "cat", "sat"});
    EXPECT_EQ(V.Rule, TWordRule::OneSkipped);
    EXPECT_EQ(V.Advance, 2);
    EXPECT_EQ(V.Passed, 6);
    EXPECT_EQ(Efficiency.KeysRequired(), 7);
    EXPECT_EQ(Efficiency.TextChars(), 6);
    EXPECT_DOUBLE_EQ(Efficiency.CorrectChars(), 3);
    // The keys count against "cat", the word the learner meant.
    EXPECT_EQ(Keys.PendingStrokes('c'), 1);
    EXPECT_EQ(Keys.PendingStrokes('h'), 0);
    EXPECT_EQ(Judge.WordsTyped, 1);
}

TEST_F(WordJudgeRun, ThePreviousWordAgainAddsOnlyItsCorrectCharacters) {
    const TWordVerdict V = Type("then", {"then", "cat", "sat", "on"});
    EXPECT_EQ(V.Rule, TWordRule::Repeated);
    EXPECT_EQ(V.Advance, 0);
    EXPECT_EQ(Efficiency.KeysRequired(), 1);
    EXPECT_EQ(Efficiency.TextChars(), 0);
    EXPECT_DOUBLE_EQ(Efficiency.CorrectChars(), 4);
}

TEST_F(WordJudgeRun, BadWordsInARowCallForTheHintWithoutHighlighting) {
    TWordVerdict V = Type("xyzzy", {"", "the", "cat", "sat"});
    EXPECT_EQ(V.Rule, TWordRule::NoMatch);
    EXPECT_EQ(V.ErrorPercent, 100);
    EXPECT_EQ(V.Advance, 1);
    EXPECT_EQ(V.Mark, 1);
    EXPECT_EQ(Efficiency.TextChars(), 3);
    EXPECT_DOUBLE_EQ(Efficiency.CorrectChars(), 0);
    EXPECT_EQ(Keys.PendingStrokes('t'), 0) << "no match records no keys";
    EXPECT_FALSE(Judge.HintDue(false));

    Type("qqq", {"the", "cat", "sat", "on"});
    EXPECT_EQ(Judge.BadRun, 2);
    EXPECT_TRUE(Judge.HintDue(false));
    EXPECT_FALSE(Judge.HintDue(true));

    // A word that matches ends the bad run.
    V = Type("sxt", {"cat", "sat", "on", "a"});
    EXPECT_EQ(V.Rule, TWordRule::Current);
    EXPECT_EQ(V.ErrorPercent, 33);
    EXPECT_EQ(V.Mark, 2);
    EXPECT_EQ(Judge.BadRun, 0);
    EXPECT_EQ(Judge.WordsTyped, 3);
}

} // namespace
