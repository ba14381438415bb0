#include "analysis/AnalysisObjects.h"
#include "users/TDifficultKeys.h"

#include <gtest/gtest.h>

namespace {

const std::string AccuracyAdvice =
    "errors you made decreased your efficiency. You should be more careful with accuracy.";
const std::string BackSpaceAdvice = "used pretty much BackSpace. You should use BackSpace more "
                                    "rarely in order to increase your typing efficiency.";
const std::string SingleKeyAdvice =
    "seem to have some problems with a single char. Revision Wizard could help you.";
const std::string SpeedAdvice =
    "should increase your typing speed in order to reach better efficiency levels.";

TEST(TStudyingTip, RulesFromTable) {
    struct {
        float Accuracy, BackSpace, SingleKeys, Speed;
        std::string Comment;
    } const Cases[] = {
        // All equal: every rank is 1.
        {4, 4, 4, 4, "You typed really fast. Good!"},
        {2, 2, 2, 2, "You typed fast. Good!"}, // weights exactly 2
        {1, 1, 1, 1, "The " + AccuracyAdvice},
        {1.7f, 1.7f, 1.7f, 1.7f, ""}, // weights 1.445: no advice, no praise
        // Accuracy the weakest.
        {0.5f, 4, 4, 4, "Your speed was really good, but the " + AccuracyAdvice},
        {0.5f, 4, 4, 2, "Your speed was good, but the " + AccuracyAdvice},
        {1, 2, 2, 1.9f, "The " + AccuracyAdvice}, // speed weight below 2
        // Backspace.
        {4, 0, 4, 4, "Your accuracy percentage was really good, but you " + BackSpaceAdvice},
        {1.9f, 0.5f, 4, 4,
         "Your accuracy percentage was relatively good, but you " + BackSpaceAdvice},
        {1, 0.5f, 1, 1, "You " + BackSpaceAdvice},
        // A single key.
        {2.5f, 4, 0, 4, "Your overall accuracy percentage was good, but you " + SingleKeyAdvice},
        {1, 1, 0, 1, "You " + SingleKeyAdvice},
        // Speed.
        {4, 4, 4, 0,
         "As the other aspects of your typing are now in really good condition, you " +
             SpeedAdvice},
        {3, 3, 3, 0.5f,
         "As the other aspects of your typing are now in good condition, you " + SpeedAdvice},
        // An average of exactly 2 in single precision, a hair below it in double.
        {1.6f, 2.6f, 2.6f, 1.2f,
         "As the other aspects of your typing are now in good condition, you " + SpeedAdvice},
        {1.5f, 1.5f, 1.5f, 0.5f, "You " + SpeedAdvice},
        // The weakest is good enough: praise.
        {2.5f, 4, 4, 3, "You typed really fast. Good!"},
        {1.9f, 4, 4, 1.9f, "You typed relatively fast. Good!"},
        {4, 3.5f, 4, 3.5f, "Your overall accuracy was really good. Great!"},
        {3.5f, 4, 4, 3, "Your overall accuracy was really good. Great!"},
        {2.5f, 4, 4, 2.4f, "Your overall accuracy was good. Great!"},
    };
    for (const auto& Case : Cases)
        EXPECT_EQ(
            TStudyingTip::CommentFor(Case.Accuracy, Case.BackSpace, Case.SingleKeys, Case.Speed),
            Case.Comment)
            << Case.Accuracy << " " << Case.BackSpace << " " << Case.SingleKeys << " "
            << Case.Speed;
}

class TAnalysisRun : public ::testing::Test {
protected:
    void SetUp() override {
        CreateDifficultKeys();
        CreateAnalysisObjects();
        ResetAnalysisObjects();
    }
    void TearDown() override {
        FreeAnalysisObjects();
        FreeDifficultKeys();
    }
};

TEST_F(TAnalysisRun, TheCommentatorReadsTheMeasuredRun) {
    // A flawless minute at 270 keys without a backspace.
    for (int Word = 0; Word < 54; ++Word) {
        for (int Key = 0; Key < 5; ++Key)
            BackSpaceCounter->CountKey('f');
        ASSERT_EQ(ErrorFinder->ErrorPercent("ffff", "ffff"), 0);
        EfficiencyCalc->AddWord(4, 0, 4);
    }
    EfficiencyCalc->SetElapsed(60);
    EXPECT_EQ(EfficiencyCalc->Speed(), 270);
    EXPECT_EQ(LevelNames->LevelName(EfficiencyCalc->EfficiencyGrade()), "Expert");
    EXPECT_EQ(StudyingTip->Comment(), "You typed really fast. Good!");

    // One backspace in eight keys: backspace grade 0, the weakest.
    BackSpaceCounter->Keys = 8;
    BackSpaceCounter->BackSpaces = 1;
    EXPECT_EQ(StudyingTip->Comment(),
              "Your accuracy percentage was really good, but you " + BackSpaceAdvice);

    // A new run starts from nothing, but keeps the objects.
    TEfficiencyCalc* Calc = EfficiencyCalc;
    CreateAnalysisObjects();
    EXPECT_EQ(EfficiencyCalc, Calc);
    ResetAnalysisObjects();
    EXPECT_EQ(EfficiencyCalc->Speed(), 0);
    EXPECT_EQ(BackSpaceCounter->Keys, 0);
    EXPECT_EQ(DeviationCalc->RingCount(), 0);
}

} // namespace
