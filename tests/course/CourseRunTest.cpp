// The course runner's walk: exercises from the bookmark's event, chapters
// through their spread, the course across chapters. The events and the
// chapter pages are played by the test: each event answers with the next
// scripted result, each showing of the spread with the next scripted button
// and row.
#include "course/TChapterPages.h"
#include "course/TContents.h"
#include "course/TEventClasses.h"
#include "platform/Dialogs.h"
#include "tests/support/TSeamGuard.h"
#include "tests/support/TestSupport.h"
#include "users/TUser.h"

#include <gtest/gtest.h>

#include <deque>

namespace {

struct TScriptedEvents {
    std::deque<TEventOutcome> Outcomes; // what the events answer, in turn
    std::vector<std::string> Ran;       // the lines of the events run

    void Register(const std::string& Keyword) {
        RegisterEventClass(Keyword, [this](const TEventLoader& Loader) {
            Ran.push_back(Loader.Line);
            TEventOutcome Outcome{3, std::nullopt};
            if (!Outcomes.empty()) {
                Outcome = Outcomes.front();
                Outcomes.pop_front();
            }
            return Outcome;
        });
    }
};

struct TScriptedPages : TChapterPages {
    struct TPress {
        int Result;
        int Row; // the row selected when the button is pressed; 0 keeps it
    };
    std::deque<TPress> Presses;
    std::vector<TChapterSpread> Shown;
    std::vector<std::string> Begun;
    std::string LessonCount = "unset";

    void SetLessonCount(const std::string& Text) override { LessonCount = Text; }
    int ShowChapter(TChapterSpread& Spread) override {
        Shown.push_back(Spread);
        if (Presses.empty()) return spLeft;
        const TPress Press = Presses.front();
        Presses.pop_front();
        if (Press.Row) Spread.SelectedRow = Press.Row;
        return Press.Result;
    }
    void BeginExercise(const TExercise& Exercise) override { Begun.push_back(Exercise.Name); }
};

class CourseRun : public ::testing::Test {
protected:
    void SetUp() override {
        ClearEventClasses();
        Events.Register("TEXT");
        Events.Register("EXAM");
        Events.Register("MESSAGE");
        SetChapterPages(&Pages);
        SetCurrentUser(std::make_unique<TUser>("Runner"));
        ClearDialogLog();
        SetDialogResponder([](const TDialogRequest&) { return int(mrOk); });
    }
    void TearDown() override {
        SetChapterPages(nullptr);
        ClearEventClasses();
    }

    // An exercise of N events named "e1".."eN".
    static std::unique_ptr<TExercise> Exercise(int N, const std::string& Keyword = "TEXT") {
        auto Made = std::make_unique<TExercise>();
        for (int I = 1; I <= N; ++I)
            Made->AddEvent("event=" + Keyword + ";1;e" + std::to_string(I));
        return Made;
    }

    // A course file of chapters with the given numbers of one-event exercises.
    std::unique_ptr<TContents> Course(const std::vector<int>& ExerciseCounts) {
        std::string Text;
        for (size_t C = 0; C < ExerciseCounts.size(); ++C) {
            Text += "begin chapter\nchapter name=" + std::to_string(C + 1) + ";Chapter " +
                    std::to_string(C + 1) + "\nnew keys=k" + std::to_string(C + 1) + "\n";
            for (int E = 0; E < ExerciseCounts[C]; ++E)
                Text += "begin exercise\nduration=1\nevent=TEXT;1;c" + std::to_string(C + 1) + "e" +
                        std::to_string(E + 1) + "\nend exercise\n";
            Text += "end chapter\n";
        }
        WriteFileBytes(Dir / "run.cnt", Text);
        int32_t Status = 0;
        auto Made = std::make_unique<TContents>("run.cnt", Status);
        EXPECT_EQ(Status, 0);
        return Made;
    }

    TSeamGuard Seams;
    TScopedTempDir Dir;
    TScriptedEvents Events;
    TScriptedPages Pages;
};

TEST_F(CourseRun, AnExerciseRunsFromTheBookmarksEventAndMovesItOn) {
    struct TCase {
        int Start;                // the bookmark's event before the run
        std::vector<int> Results; // the events' results in turn
        int Return, EventAfter;   // what Run returns, where the bookmark stands after
        bool Finished;
        size_t Ran; // events run
    };
    const TCase Cases[] = {
        {0, {3, 3, 2}, 0, 3, false, 3},   // Cancel in the third event: it comes again
        {3, {4}, 0, 4, false, 1},         // Cancel after completing the third
        {1, {3, 1, 3, 3}, 0, 5, true, 4}, // all four done
        {4, {4}, 0, 5, true, 1},          // the last one left once done
        {2, {0}, 1000, 2, false, 1},      // left from outside: stop at once
        {2, {3, 7, 2}, 0, 4, false, 3},   // an unknown result counts as done
        {5, {}, TExercise::ErrEventPastEnd, 5, false, 0},
    };
    for (const TCase& Case : Cases) {
        SCOPED_TRACE(Case.Start);
        Events.Ran.clear();
        Events.Outcomes.clear();
        for (int R : Case.Results)
            Events.Outcomes.push_back({R, std::nullopt});
        auto Four = Exercise(4);
        TBookMark Mark;
        Mark.FEvent = Case.Start;
        bool Finished = !Case.Finished;
        EXPECT_EQ(Four->Run(Mark, Finished), Case.Return);
        EXPECT_EQ(Mark.FEvent, Case.EventAfter);
        EXPECT_EQ(Finished, Case.Finished);
        EXPECT_EQ(Events.Ran.size(), Case.Ran);
    }
}

TEST_F(CourseRun, UnknownKeywordsAndEmptyBlocksCountAsDone) {
    auto Odd = std::make_unique<TExercise>();
    Odd->AddEvent("event=FANFARE;1;x");
    Odd->AddEvent("event=text;1;last");
    TBookMark Mark;
    bool Finished = false;
    EXPECT_EQ(Odd->Run(Mark, Finished), 0);
    EXPECT_TRUE(Finished);
    EXPECT_EQ(Events.Ran, std::vector<std::string>{"event=text;1;last"});

    TExercise Empty;
    Mark.FEvent = 1;
    EXPECT_EQ(Empty.Run(Mark, Finished), 0);
    EXPECT_TRUE(Finished);
}

TEST_F(CourseRun, AScoredTextOrExamRunBecomesTheChaptersResults) {
    const TMeasuredRun Run{150, 97.5f, 88};
    struct TCase {
        std::string Keyword;
        bool WithBookmark, Measured;
        int LastExerciseBefore; // the chapter's results came from this exercise
        bool Recorded;
    };
    const TCase Cases[] = {
        {"TEXT", true, true, 0, true},   {"EXAM", true, true, 2, true},
        {"TEXT", true, true, 3, false},  {"MESSAGE", true, true, 0, false},
        {"TEXT", false, true, 0, false}, {"TEXT", true, false, 0, false},
    };
    for (const TCase& Case : Cases) {
        SCOPED_TRACE(Case.Keyword + std::to_string(Case.LastExerciseBefore));
        SetCurrentUser(std::make_unique<TUser>("Runner"));
        CurrentUser->FChapterLastExercise[4] = Case.LastExerciseBefore;
        Events.Outcomes = {{3, Case.Measured ? std::optional(Run) : std::nullopt}};
        TEventLoader Loader("event=" + Case.Keyword + ";1;x");
        TBookMark Mark;
        Mark.FChapter = 4;
        Mark.FExercise = 2;
        EXPECT_EQ(Loader.Run(Case.WithBookmark ? &Mark : nullptr), pcDone);
        const float Untouched = TUser("Fresh").FChapterSpeed[4];
        EXPECT_EQ(CurrentUser->FChapterSpeed[4], Case.Recorded ? 150 : Untouched);
        EXPECT_EQ(CurrentUser->FChapterAccuracy[4], Case.Recorded ? 97.5f : Untouched);
        EXPECT_EQ(CurrentUser->FChapterEfficiency[4], Case.Recorded ? 88 : Untouched);
        EXPECT_EQ(CurrentUser->FChapterLastExercise[4],
                  Case.Recorded ? 2 : Case.LastExerciseBefore);
    }
}

TEST_F(CourseRun, AChapterShowsItsSpreadRunsTheChosenExerciseAndMarksItDone) {
    const auto Twelve = Course({1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 3});
    TChapter& Last = *Twelve->Chapters[11];
    TBookMark& Mark = *CurrentUser->FBookMark;
    Mark.FChapter = 12;
    Mark.FExercise = 1;
    // Row 2 begun and done; then row 3 begun and left with Cancel in its
    // event; then SkipF.
    Pages.Presses = {{spBegin, 2}, {spBegin, 0}, {spSkipF, 0}};
    Events.Outcomes = {{3, std::nullopt}, {2, std::nullopt}};
    bool Finished = true;
    EXPECT_EQ(Last.Run(Mark, Finished), spSkipF);
    EXPECT_FALSE(Finished);

    ASSERT_EQ(Pages.Shown.size(), 3u);
    const TChapterSpread& First = Pages.Shown[0];
    EXPECT_EQ(First.Title, "Chapter 12");
    EXPECT_EQ(First.Numeral, "2");
    EXPECT_EQ(First.TensNumeral, "1");
    EXPECT_EQ(First.LastRowText, "Next Lesson");
    EXPECT_TRUE(First.SkipFAllowed && First.SkipBAllowed && !First.CancelAllowed);
    EXPECT_TRUE(First.FirstPass);
    EXPECT_EQ(First.SelectedRow, 1);
    // After exercise 2 is done the next row is offered; after the cancelled
    // exercise 3 the same row.
    EXPECT_FALSE(Pages.Shown[1].FirstPass);
    EXPECT_EQ(Pages.Shown[1].SelectedRow, 3);
    EXPECT_EQ(Pages.Shown[2].SelectedRow, 3);
    EXPECT_EQ(Pages.Begun, (std::vector<std::string>{"12.2", "12.3"}));
    EXPECT_EQ(Events.Ran, (std::vector<std::string>{"event=TEXT;1;c12e2", "event=TEXT;1;c12e3"}));

    // Only exercise 2 counts as done; its key groups are the learner's now.
    EXPECT_EQ(CurrentUser->FCompleted[12][2], 1);
    EXPECT_EQ(CurrentUser->FCompleted[12][3], 0);
    EXPECT_EQ(CurrentUser->FTopChapter, 12);
    EXPECT_EQ(CurrentUser->FTopExercise, 2);
    EXPECT_EQ(CurrentUser->FKeyGroupsReached, 12);
    EXPECT_EQ(Mark.FExercise, 3);
}

TEST_F(CourseRun, TheSpreadsButtonsAndTheFinalRowEndTheChapterRun) {
    const auto Two = Course({2, 2});
    struct TCase {
        int Mode, Press, Row, Exercise; // the bookmark's mode and exercise
        int Return;
        bool Finished;
    };
    const TCase Cases[] = {
        {TBookMark::bmGuided, spLeft, 0, 1, 1000, false},
        {TBookMark::bmGuided, spSkipB, 0, 1, spSkipB, false},
        {TBookMark::bmGuided, spBegin, 3, 1, spSkipF, true},        // "Next Lesson"
        {TBookMark::bmIntroduction, spBegin, 3, 1, spCancel, true}, // "Exit introduction"
        {TBookMark::bmIntroduction, spCancel, 0, 2, spCancel, false},
        // Done with the last exercise, the bookmark waits on the final row.
        {TBookMark::bmGuided, spBegin, 0, 3, spSkipF, true},
        {TBookMark::bmGuided, spBegin, 0, 4, TChapter::ErrExercisePastEnd, false},
    };
    for (const TCase& Case : Cases) {
        SCOPED_TRACE(std::to_string(Case.Mode) + "/" + std::to_string(Case.Press));
        Pages.Shown.clear();
        Pages.Presses = {{Case.Press, Case.Row}};
        TBookMark Mark;
        Mark.FMode = Case.Mode;
        Mark.FChapter = 2;
        Mark.FExercise = Case.Exercise;
        bool Finished = !Case.Finished;
        EXPECT_EQ(Two->Chapters[1]->Run(Mark, Finished), Case.Return);
        EXPECT_EQ(Finished, Case.Finished);
        if (Case.Return == TChapter::ErrExercisePastEnd) {
            EXPECT_TRUE(Pages.Shown.empty());
            EXPECT_EQ(Mark.FExercise, 2);
        }
    }
    EXPECT_TRUE(Events.Ran.empty());
}

TEST_F(CourseRun, TheIntroductionMarksNothingDone) {
    const auto One = Course({2});
    TBookMark Mark;
    Mark.FMode = TBookMark::bmIntroduction;
    Pages.Presses = {{spBegin, 1}, {spCancel, 0}};
    bool Finished = false;
    EXPECT_EQ(One->Chapters[0]->Run(Mark, Finished), spCancel);
    ASSERT_EQ(Pages.Shown.size(), 2u);
    EXPECT_EQ(Pages.Shown[0].Numeral, " i");
    EXPECT_EQ(Pages.Shown[0].TensNumeral, "");
    EXPECT_EQ(Pages.Shown[0].LastRowText, "Exit introduction");
    EXPECT_TRUE(!Pages.Shown[0].SkipFAllowed && !Pages.Shown[0].SkipBAllowed);
    EXPECT_TRUE(Pages.Shown[0].CancelAllowed);
    EXPECT_EQ(Pages.Shown[1].SelectedRow, 2);
    EXPECT_EQ(CurrentUser->FCompleted[1][1], 0);
    EXPECT_EQ(CurrentUser->FTopChapter, 0);
}

TEST_F(CourseRun, ACourseGoesForwardAndBackAcrossChapters) {
    const auto Three = Course({2, 1, 1});
    TBookMark& Mark = *CurrentUser->FBookMark;
    Mark.FChapter = 1;
    Mark.FExercise = 2;
    Mark.FEvent = 3;
    CurrentUser->FChapterMinutes = 17;
    // SkipF to chapter 2, SkipB back to 1, SkipF twice, the final row of 3.
    Pages.Presses = {{spSkipF, 0}, {spSkipB, 0}, {spSkipF, 0}, {spSkipF, 0}, {spBegin, 2}};
    bool Finished = false;
    EXPECT_EQ(Three->Run(Finished), spSkipF);
    EXPECT_TRUE(Finished);
    EXPECT_EQ(Pages.LessonCount, "of 3");
    std::vector<std::string> Titles;
    for (const TChapterSpread& Spread : Pages.Shown)
        Titles.push_back(Spread.Title + "@" + std::to_string(Spread.SelectedRow));
    EXPECT_EQ(Titles, (std::vector<std::string>{"Chapter 1@2", "Chapter 2@1", "Chapter 1@1",
                                                "Chapter 2@1", "Chapter 3@1"}));
    EXPECT_EQ(Mark.FChapter, 4);
    EXPECT_EQ(Mark.FExercise, 1);
    EXPECT_EQ(Mark.FEvent, 1);
    EXPECT_EQ(CurrentUser->FChapterMinutes, 0);
    EXPECT_FALSE(Pages.Shown[0].SkipBAllowed);
    EXPECT_TRUE(Pages.Shown[1].SkipBAllowed);
}

TEST_F(CourseRun, ABookmarkAtOrPastTheEndOfTheCourse) {
    const auto Two = Course({1, 1});
    TBookMark& Mark = *CurrentUser->FBookMark;
    bool Finished = false;

    Mark.FChapter = 3; // just past the last chapter: the course is done
    EXPECT_EQ(Two->Run(Finished), 0);
    EXPECT_TRUE(Finished);
    EXPECT_TRUE(Pages.Shown.empty());
    EXPECT_TRUE(DialogLog().empty());

    Mark.FChapter = 9; // further out: logged, and back on the last chapter
    Finished = false;
    EXPECT_EQ(Two->Run(Finished), TContents::ErrChapterPastEnd);
    EXPECT_TRUE(Finished);
    EXPECT_EQ(Mark.FChapter, 2);
    ASSERT_EQ(DialogLog().size(), 1u);
    EXPECT_EQ(DialogLog()[0].Text.rfind("#-1052 ", 0), 0u) << DialogLog()[0].Text;
    EXPECT_TRUE(PathExists(Dir / "Errors.log"));
}

TEST_F(CourseRun, TheIntroductionCourseLeavesWithCancelAndShowsNoCount) {
    const auto Two = Course({1, 1});
    TBookMark Own;
    Own.FMode = TBookMark::bmIntroduction;
    Two->Bookmark = &Own;
    Pages.Presses = {{spCancel, 0}};
    bool Finished = true;
    EXPECT_EQ(Two->Run(Finished), 1000);
    EXPECT_FALSE(Finished);
    EXPECT_EQ(Pages.LessonCount, "");
    EXPECT_EQ(Own.FChapter, 1);
    EXPECT_EQ(CurrentUser->FBookMark->FChapter, 0); // the learner's own is untouched
}

} // namespace
