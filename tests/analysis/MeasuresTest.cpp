#include "analysis/TBackSpaceCounter.h"
#include "analysis/TDeviationCalc.h"
#include "analysis/TEfficiencyCalc.h"
#include "analysis/TLevelNames.h"
#include "users/TDifficultKeys.h"

#include <gtest/gtest.h>

namespace {

class TWithKeyTable : public ::testing::Test {
protected:
    void SetUp() override { CreateDifficultKeys(); }
    void TearDown() override { FreeDifficultKeys(); }
};

TEST(LevelName, BreakPoints) {
    EXPECT_EQ(LevelName(0), "Beginner");
    EXPECT_EQ(LevelName(0.9999f), "Beginner");
    EXPECT_EQ(LevelName(1), "Intermediate");
    EXPECT_EQ(LevelName(2), "Advanced");
    EXPECT_EQ(LevelName(2.9999f), "Advanced");
    EXPECT_EQ(LevelName(3), "Expert");
    EXPECT_EQ(LevelName(4), "Expert");
}

using TBackSpaces = TWithKeyTable;

TEST_F(TBackSpaces, TheKeyAfterCorrectionsIsRecordedAsWrongEvenInTheNextRun) {
    TBackSpaceCounter Counter;
    for (unsigned char Key : {'a', '\b', '\b', 'b', 'c'})
        Counter.CountKey(Key);
    EXPECT_EQ(Counter.Keys, 5);
    EXPECT_EQ(Counter.BackSpaces, 2);
    EXPECT_EQ(Counter.PendingBackSpaces, 0);
    EXPECT_EQ(DifficultKeys->PendingErrors('b'), 1);
    EXPECT_EQ(DifficultKeys->PendingStrokes('c'), 0);
    EXPECT_FLOAT_EQ(Counter.Percentage(), 40);

    Counter.CountKey('\b');
    Counter.Reset();
    EXPECT_EQ(Counter.Keys, 0);
    EXPECT_EQ(Counter.BackSpaces, 0);
    EXPECT_EQ(Counter.PendingBackSpaces, 1);
    Counter.CountKey('q');
    EXPECT_EQ(DifficultKeys->PendingErrors('q'), 1);
}

TEST(TBackSpaceCounter, GradeAtItsBreakPoints) {
    struct {
        int Keys, BackSpaces;
        float Grade;
        const char* Level;
    } const Cases[] = {
        {0, 0, 4, "Expert"},    {50, 0, 4, "Expert"},       {40, 1, 3, "Expert"}, // 2.5 %
        {20, 1, 2, "Advanced"}, {40, 3, 1, "Intermediate"},                       // 5 %, 7.5 %
        {10, 1, 0, "Beginner"}, {5, 4, 0, "Beginner"},
    };
    for (const auto& Case : Cases) {
        TBackSpaceCounter Counter;
        Counter.Keys = Case.Keys;
        Counter.BackSpaces = Case.BackSpaces;
        EXPECT_EQ(Counter.BackSpaceGrade(), Case.Grade) << Case.Keys << "/" << Case.BackSpaces;
        EXPECT_EQ(LevelName(Counter.BackSpaceGrade()), Case.Level);
    }
}

TEST(TEfficiencyCalc, SpeedAndItsGrade) {
    struct {
        int Keys, Elapsed, Speed;
        float Grade;
    } const Cases[] = {
        {90, 60, 90, 1},   {150, 60, 150, 2}, {210, 60, 210, 3}, {270, 60, 270, 4},
        {400, 60, 400, 4}, {30, 60, 30, 0},   {10, 60, 10, 0},   {75, 100, 45, 0.25f},
        {1, 120, 0, 0},    {3, 120, 2, 0}, // 0.5 and 1.5, halves to even
        {500, 0, 0, 0},    {500, -5, 0, 0},
    };
    for (const auto& Case : Cases) {
        TEfficiencyCalc Calc;
        Calc.AddWord(Case.Keys - 1, 0, Case.Keys - 1);
        Calc.SetElapsed(Case.Elapsed);
        EXPECT_EQ(Calc.Speed(), Case.Speed) << Case.Keys << "/" << Case.Elapsed;
        EXPECT_EQ(Calc.SpeedGrade(), Case.Grade) << Case.Keys << "/" << Case.Elapsed;
    }
}

TEST(TEfficiencyCalc, AccuracyAndItsGradeAtTheBreakPoints) {
    struct {
        int Chars, Correct;
        float Score, Grade;
        const char* Level;
    } const Cases[] = {
        {100, 100, 100, 4, "Expert"},    {200, 199, 95, 3, "Expert"},
        {200, 197, 85, 2, "Advanced"},   {100, 96, 60, 1, "Intermediate"},
        {100, 93, 30, 0.5f, "Beginner"}, {100, 90, 0, 0, "Beginner"},
        {100, 50, 0, 0, "Beginner"},
    };
    for (const auto& Case : Cases) {
        TEfficiencyCalc Calc;
        Calc.AddWord(Case.Chars, 0, Case.Correct);
        EXPECT_EQ(Calc.Accuracy(), Case.Score) << Case.Correct << "/" << Case.Chars;
        EXPECT_EQ(Calc.AccuracyGrade(), Case.Grade) << Case.Correct << "/" << Case.Chars;
        EXPECT_EQ(LevelName(Calc.AccuracyGrade()), Case.Level);
    }

    // Fractions of words add up exactly: 10 + 0.97 x 10 of 20 characters is
    // 98.5 % right, a score of exactly 85.
    TEfficiencyCalc Calc;
    Calc.AddWord(10, 0, 10);
    Calc.AddWord(10, 3, 10);
    EXPECT_DOUBLE_EQ(Calc.CorrectChars(), 19.7);
    EXPECT_EQ(Calc.Accuracy(), 85);
    EXPECT_EQ(Calc.AccuracyGrade(), 2);
    EXPECT_EQ(LevelName(Calc.AccuracyGrade()), "Advanced");
    // A word typed again adds correct characters but no model characters;
    // the score stays at 100.
    Calc.AddWord(0, 0, 50);
    EXPECT_EQ(Calc.Accuracy(), 100);
    EXPECT_EQ(Calc.KeysRequired(), 10 + 1 + 10 + 1 + 1);
    EXPECT_EQ(Calc.TextChars(), 20);

    TEfficiencyCalc Empty;
    EXPECT_EQ(Empty.Accuracy(), 0);
    EXPECT_EQ(Empty.AccuracyGrade(), 0);
}

TEST(TEfficiencyCalc, EfficiencyIsTheHarmonicMeanOfTheGrades) {
    struct {
        int Chars, Correct, Speed, Efficiency;
        float Grade;
    } const Cases[] = {
        {100, 100, 270, 100, 4},   // 4 and 4
        {200, 197, 150, 50, 2},    // 2 and 2
        {100, 96, 90, 25, 1},      // 1 and 1
        {200, 199, 90, 38, 1.52f}, // 3 and 1: 37.5, halves to even
        {100, 93, 60, 12, 0.48f},  // 0.5 and 0.5: 12.5, halves to even
        {100, 100, 30, 0, 0},      // speed grade 0
        {100, 90, 270, 0, 0},      // accuracy grade 0
    };
    for (const auto& Case : Cases) {
        // The first word carries the accuracy; empty words bring the keys up
        // to Speed per minute of Elapsed.
        TEfficiencyCalc Calc;
        Calc.AddWord(Case.Chars, 0, Case.Correct);
        const int Minutes = (Case.Chars + 1 + Case.Speed - 1) / Case.Speed;
        while (Calc.KeysRequired() < Case.Speed * Minutes)
            Calc.AddWord(0, 0, 0);
        Calc.SetElapsed(60 * Minutes);
        ASSERT_EQ(Calc.Speed(), Case.Speed);
        EXPECT_EQ(Calc.Efficiency(), Case.Efficiency) << Case.Correct << "/" << Case.Speed;
        EXPECT_FLOAT_EQ(Calc.EfficiencyGrade(), Case.Grade);
    }
}

TEST(TEfficiencyCalc, NoTimeNoSpeedNoEfficiency) {
    TEfficiencyCalc Calc;
    Calc.AddWord(100, 0, 100);
    Calc.SetElapsed(0);
    EXPECT_EQ(Calc.Accuracy(), 100);
    EXPECT_EQ(Calc.Speed(), 0);
    EXPECT_EQ(Calc.Efficiency(), 0);
    EXPECT_EQ(LevelName(Calc.EfficiencyGrade()), "Beginner");
    Calc.SetElapsed(60);
    Calc.Reset();
    EXPECT_EQ(Calc.KeysRequired(), 0);
    EXPECT_EQ(Calc.TextChars(), 0);
    EXPECT_EQ(Calc.CorrectChars(), 0);
    EXPECT_EQ(Calc.Elapsed(), 0);
}

using TDeviation = TWithKeyTable;

TEST_F(TDeviation, AHesitationAfterAFullRingMarksTheKey) {
    TDeviationCalc Calc;
    for (int I = 0; I < 10; ++I)
        Calc.AddInterval('a', 0.3f);
    EXPECT_EQ(Calc.RingCount(), 10);
    EXPECT_NEAR(Calc.Average(), 0.3f, 1e-6);
    // 1.0 is below 0.37 x 1.3 + 0.6, the new interval already in the average.
    Calc.AddInterval('k', 1.0f);
    EXPECT_EQ(DifficultKeys->PendingStrokes('k'), 0);
    // Longer than 5: a break, left out altogether.
    Calc.AddInterval('m', 5.5f);
    EXPECT_EQ(DifficultKeys->PendingStrokes('m'), 0);
    EXPECT_NEAR(Calc.Average(), 0.37f, 1e-6);
    Calc.AddInterval('n', -0.5f);
    EXPECT_NEAR(Calc.Average(), 0.37f, 1e-6);

    Calc.Reset();
    for (int I = 0; I < 10; ++I)
        Calc.AddInterval('a', 0.3f);
    Calc.AddInterval('j', 1.2f); // 0.39 x 1.3 + 0.6 = 1.107
    EXPECT_EQ(DifficultKeys->PendingErrors('j'), 1);
    EXPECT_EQ(Calc.RingIndex(), 1);
    EXPECT_EQ(DifficultKeys->PendingStrokes('a'), 0); // steady keys are not recorded
}

TEST_F(TDeviation, NothingIsJudgedBeforeTheRingIsFull) {
    TDeviationCalc Calc;
    for (int I = 0; I < 8; ++I)
        Calc.AddInterval('a', 0.1f);
    Calc.AddInterval('z', 5.0f); // the ninth interval
    EXPECT_EQ(DifficultKeys->PendingErrors('z'), 0);
    // The tenth fills the ring and is judged at once; exactly 5 still counts.
    Calc.AddInterval('y', 5.0f);
    EXPECT_NEAR(Calc.Average(), 1.08f, 1e-6);
    EXPECT_EQ(DifficultKeys->PendingErrors('y'), 1);
}

} // namespace
