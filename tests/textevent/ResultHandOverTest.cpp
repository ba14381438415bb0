// Where a finished text event's results go: in the record the runner
// returns, once, to the hook that shows the results page, and nowhere when
// the event was not run by the runner.
#include "tests/support/TextEventFixture.h"

#include "analysis/AnalysisObjects.h"
#include "analysis/results/TExercInfoView.h"
#include "app/PageAfterEvent.h"
#include "course/TEventLoader.h"
#include "course/ui/EventClassTable.h"
#include "engine/ui/TTextEvent.h"
#include "shell/TBookForm.h"
#include "shell/TChapterView.h"

#include <vector>

// "ask bob for the keys" typed without a slip, a key every 0.7 clock
// seconds: 21 keys (16 letters, 4 spaces, Enter), all of them required, in
// 20 x 0.7 = 14 clock seconds from the first to the last.
//   speed       21 / (14 / 60) = 90 cpm; grade (90 - 30) / 60 = 1     Intermediate
//   accuracy    every character right: 100; grade 3 + 5 / 5 = 4      Expert
//   efficiency  50 x 4 x 1 / (4 + 1) = 40 %; grade 40 / 25 = 1.6      Intermediate
//   backspace   none: 0 %; grade 4                                     Expert
// The same line with four words is too short to be scored; a story the
// learner leaves the chooser without is never shown and measures nothing.
TEST_F(TextEventTest, TheCourseRunnerHandsTheRunsFiguresToTheHookOnce) {
    // The program's hook, watched.
    std::vector<std::optional<TRunResults>> Received;
    SetAfterEventHook([&](const TEventRecord& Record) {
        if (Record.Measured) Received.push_back(Record.Scored);
        ShowPageAfterEvent(Record);
    });
    const TEventClass* Text = FindEventClass("TEXT");
    ASSERT_NE(Text, nullptr);

    struct TCase {
        const char* Line;
        const char* Keys; // null: the event is never shown
        int Result;
        size_t Calls;
        bool Scored;
    } Cases[] = {
        {"Keys=TEXT;1;ask bob for the keys", "ask bob for the keys\r", erNext, 1, true},
        // After a scored run, whose figures the results page still holds.
        {"Story=TEXT;1;ASK:*.exm", nullptr, erCancelled, 0, false},
        {"Four=TEXT;1;ask bob for keys", "ask bob for keys\r", erNext, 1, false},
    };
    for (const TCase& C : Cases) {
        SCOPED_TRACE(C.Line);
        Received.clear();
        TDriver Driver;
        if (C.Keys)
            Driver.Do("type", [&] {
                Type(C.Keys, 0.7);
                PressKey(BookForm, Qt::Key_Return);
            });
        Driver.Start();
        const TEventOutcome Outcome = (*Text)(TEventLoader(C.Line));
        EXPECT_TRUE(Driver.Finished());
        EXPECT_EQ(Outcome.Result, C.Result);
        ASSERT_EQ(Received.size(), C.Calls);
        EXPECT_EQ(Outcome.Measured.has_value(), C.Scored);
        if (C.Calls == 1) {
            EXPECT_EQ(Received[0].has_value(), C.Scored);
        }
        if (!C.Scored) continue;
        const TRunResults& R = *Received[0];
        EXPECT_EQ(R.Speed, 90);
        EXPECT_EQ(R.SpeedLevel, "Intermediate");
        EXPECT_EQ(R.Accuracy, 100);
        EXPECT_EQ(R.AccuracyLevel, "Expert");
        EXPECT_EQ(R.Efficiency, 40);
        EXPECT_EQ(R.EfficiencyLevel, "Intermediate");
        EXPECT_EQ(R.BackSpace, 0);
        EXPECT_EQ(R.BackSpaceLevel, "Expert");
        EXPECT_EQ(R.Comment, StudyingTip->Comment());
        EXPECT_EQ(Outcome.Measured->Speed, 90);
        EXPECT_EQ(Outcome.Measured->Accuracy, 100);
        EXPECT_EQ(Outcome.Measured->Efficiency, 40);
        EXPECT_EQ(ExercInfoView->SpeedValue, 90);
    }
}

// An event run without the runner: the run is measured as ever, and the
// results page and the chapter container stay as they were.
TEST_F(TextEventTest, WithoutTheRunnerTheResultsGoNowhere) {
    ExercInfoView->ViewName = "Untouched";
    TTextEvent Event("Keys=TEXT;1;ask bob for the keys");
    TDriver Driver;
    Driver.Do("type", [&] {
        Type("ask bob for the keys\r", 0.7);
        EXPECT_EQ(Event.State, esCompleted);
        PressKey(BookForm, Qt::Key_Return);
    });
    EXPECT_EQ(RunEvent(Event, Driver), erNext);
    EXPECT_TRUE(Event.ResultsValid());
    EXPECT_EQ(EfficiencyCalc->Speed(), 90);
    EXPECT_EQ(ExercInfoView->ViewName, "Untouched");
    EXPECT_FALSE(ExercInfoView->Valid);
    EXPECT_EQ(ExercInfoView->SpeedValue, -1);
    EXPECT_EQ(ChapterView->Following(), nullptr);
}
