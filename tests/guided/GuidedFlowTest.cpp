// Guided studying's flow without a window: the welcome loop, the
// introduction with its own bookmark, the learner's course loaded and run
// from the bookmark and the learner saved, the course-completed page with its
// two ways on, a course file that cannot be loaded, and the learner saved
// after every exercise. The pages answer as scripted; the course's events and
// chapter spread too.
#include "course/CurrentCourse.h"
#include "course/TChapterPages.h"
#include "course/TEventClasses.h"
#include "course/TEventLoader.h"
#include "guided/CourseEnd.h"
#include "guided/TGuidedPages.h"
#include "guided/TGuidedStudying.h"
#include "guided/TIntroduction.h"
#include "platform/Dialogs.h"
#include "tests/support/TSeamGuard.h"
#include "tests/support/TestSupport.h"
#include "users/TUser.h"

#include <gtest/gtest.h>

#include <deque>

namespace {

const char* const Course = "contents name=Flow course\r\n"
                           "default time=25\r\n"
                           "begin chapter\r\n"
                           "chapter name=1;Home keys\r\n"
                           "new keys=asdf\r\n"
                           "begin exercise\r\n"
                           "type=Words\r\n"
                           "event=TEXT;1;sad dad\r\n"
                           "end exercise\r\n"
                           "end chapter\r\n"
                           "begin chapter\r\n"
                           "chapter name=2;Reaching out\r\n"
                           "new keys=gh\r\n"
                           "begin exercise\r\n"
                           "type=Words\r\n"
                           "event=TEXT;1;had gash\r\n"
                           "end exercise\r\n"
                           "end chapter\r\n";

const char* const Introduction = "contents name=Introduction\r\n"
                                 "begin chapter\r\n"
                                 "chapter name=1;How it works\r\n"
                                 "begin exercise\r\n"
                                 "type=First text\r\n"
                                 "event=TEXT;1;the intro\r\n"
                                 "end exercise\r\n"
                                 "end chapter\r\n";

// The welcome, profile and course-completed pages as scripted answers; the
// profile's Next chooses the course and lesson length the test set.
struct TScriptedGuidedPages : TGuidedPages {
    std::deque<int> Welcome, Profile, Goodbye;
    std::vector<std::string> Shown;
    std::string ChosenCourse = "Flow.cnt";
    int ChosenMinutes = 25;
    // The learner's bookmark when each page opened: chapter, exercise.
    std::vector<std::pair<int, int>> Marks;

    static int Next(std::deque<int>& Answers) {
        if (Answers.empty()) return 0;
        const int Answer = Answers.front();
        Answers.pop_front();
        return Answer;
    }
    void Note(const char* Page) {
        Shown.push_back(Page);
        Marks.emplace_back(CurrentUser->FBookMark->FChapter, CurrentUser->FBookMark->FExercise);
    }
    int RunWelcome() override {
        Note("welcome");
        return Next(Welcome);
    }
    int RunProfile() override {
        Note("profile");
        const int Answer = Next(Profile);
        if (Answer == ppNext) {
            CurrentUser->FCourseFile = ChosenCourse;
            CurrentUser->FLessonMinutes = ChosenMinutes;
        }
        return Answer;
    }
    int RunGoodbye() override {
        Note("goodbye");
        return Next(Goodbye);
    }
};

// The chapter spread: each showing answers with the next scripted result.
struct TScriptedSpread : TChapterPages {
    std::deque<int> Presses;
    std::vector<std::string> Chapters; // the titles shown, in turn
    void SetLessonCount(const std::string&) override {}
    int ShowChapter(TChapterSpread& Spread) override {
        Chapters.push_back(Spread.Title);
        if (Presses.empty()) return spLeft;
        const int Press = Presses.front();
        Presses.pop_front();
        return Press;
    }
    void BeginExercise(const TExercise&) override {}
};

class GuidedFlow : public ::testing::Test {
protected:
    void SetUp() override {
        CreateDifficultKeys();
        ClearEventClasses();
        // Every text is typed through, measured at 200 characters a minute.
        RegisterEventClass("TEXT", [](const TEventLoader&) {
            return TEventOutcome{3, TMeasuredRun{200, 95, 90}};
        });
        SetChapterPages(&Spread);
        ClearDialogLog();
        SetDialogResponder([](const TDialogRequest&) { return int(mrOk); });
        WriteFileBytes("Flow.cnt", Course);
        WriteFileBytes("Userbase.kq4", "");
        SetCurrentUser(TUser::CreateUser("Ann"));
        ASSERT_NE(CurrentUser, nullptr);
    }
    void TearDown() override {
        SetCurrentCourse(nullptr);
        SetCurrentUser(nullptr);
        SetChapterPages(nullptr);
        ClearEventClasses();
        FreeDifficultKeys();
    }
    // The learner as stored in the database.
    static std::unique_ptr<TUser> Stored() { return TUser::FindUser("Ann"); }

    TSeamGuard Seams;
    TScopedTempDir Dir;
    TScriptedGuidedPages Pages;
    TScriptedSpread Spread;
    TIntroduction Intro;
    TGuidedStudying Studying{Pages, Intro};
};

} // namespace

TEST_F(GuidedFlow, ANewLearnerGoesFromTheWelcomePageThroughTheProfileToChapterOne) {
    Pages.Welcome = {wpBeginStudying, wpBeginStudying};
    Pages.Profile = {ppBack, ppNext};
    // Begin the first exercise, then leave from the spread.
    Spread.Presses = {spBegin, spLeft};

    EXPECT_EQ(Studying.Run(), pcStop);
    EXPECT_EQ(Pages.Shown, (std::vector<std::string>{"welcome", "profile", "welcome", "profile"}));
    EXPECT_EQ(Spread.Chapters, (std::vector<std::string>{"Home keys", "Home keys"}));
    ASSERT_NE(CurrentCourse, nullptr);
    EXPECT_EQ(CurrentCourse->ContentsName, "Flow course");

    const auto Saved = Stored();
    ASSERT_NE(Saved, nullptr);
    EXPECT_EQ(Saved->FCourseFile, "Flow.cnt");
    EXPECT_EQ(Saved->FLessonMinutes, 25);
    EXPECT_EQ(Saved->FBookMark->FChapter, 1);
    EXPECT_EQ(Saved->FBookMark->FExercise, 2) << "the one exercise is done";
    EXPECT_EQ(Saved->FCompleted[1][1], 1);
    EXPECT_EQ(Saved->FChapterSpeed[1], 200.0f);
}

TEST_F(GuidedFlow, LeavingAPageEndsTheFlowWithoutTouchingTheCourse) {
    // welcome left; profile left; Begin on the welcome page each time first.
    const struct {
        std::deque<int> Welcome, Profile;
        std::vector<std::string> Shown;
    } Cases[] = {
        {{wpLeft}, {}, {"welcome"}},
        {{wpBeginStudying}, {ppLeft}, {"welcome", "profile"}},
    };
    for (const auto& Case : Cases) {
        Pages.Shown.clear();
        Pages.Welcome = Case.Welcome;
        Pages.Profile = Case.Profile;
        EXPECT_EQ(Studying.Run(), 0);
        EXPECT_EQ(Pages.Shown, Case.Shown);
        EXPECT_EQ(CurrentUser->FBookMark->FChapter, 0);
        EXPECT_EQ(CurrentCourse, nullptr);
        EXPECT_TRUE(Spread.Chapters.empty());
    }
}

TEST_F(GuidedFlow, TheIntroductionRunsOnItsOwnBookmarkAndLeavesTheLearnersProgressAlone) {
    // Without the introduction the learner is told so and is back on the welcome page.
    Pages.Welcome = {wpIntroduction, wpLeft};
    EXPECT_EQ(Studying.Run(), 0);
    ASSERT_EQ(DialogLog().size(), 1u);
    EXPECT_EQ(DialogLog()[0].Type, mtInformation);
    EXPECT_EQ(Pages.Shown.size(), 2u);

    WriteFileBytes("introd.kqs", Introduction);
    Pages.Shown.clear();
    // The introduction's text is begun and typed, then its last row ("Exit
    // introduction") leaves it, which ends the flow: the menu loop starts
    // guided studying again at the welcome page.
    Pages.Welcome = {wpIntroduction};
    Spread.Presses = {spBegin, spBegin};
    EXPECT_EQ(Studying.Run(), pcStop);
    EXPECT_EQ(Pages.Shown, std::vector<std::string>{"welcome"});
    EXPECT_EQ(Spread.Chapters, (std::vector<std::string>{"How it works", "How it works"}));
    EXPECT_EQ(CurrentUser->FBookMark->FChapter, 0);
    EXPECT_EQ(CurrentUser->FBookMark->FExercise, 0);
    EXPECT_EQ(CurrentUser->FCompleted[1][1], 0) << "no exercise of the course is done";
    EXPECT_EQ(CurrentUser->FChapterSpeed[1], -1.0f)
        << "the introduction's typing is not the learner's";
}

TEST_F(GuidedFlow, BackOneChapterFromTheCompletedCourseResumesAtTheLastChaptersFirstExercise) {
    CurrentUser->FCourseFile = "Flow.cnt";
    CurrentUser->FBookMark->FChapter = 3; // past the last of two chapters
    CurrentUser->FBookMark->FExercise = 2;
    Pages.Goodbye = {gpBackOneChapter};
    EXPECT_EQ(Studying.Run(), pcStop);
    EXPECT_EQ(Pages.Shown, std::vector<std::string>{"goodbye"});
    EXPECT_EQ(Spread.Chapters, std::vector<std::string>{"Reaching out"});
    EXPECT_EQ(Stored()->FBookMark->FChapter, 2);
    EXPECT_EQ(Stored()->FBookMark->FExercise, 1);
}

TEST_F(GuidedFlow, RestartStudyingShowsTheWelcomePageWithProgressReset) {
    CurrentUser->FCourseFile = "Flow.cnt";
    CurrentUser->FBookMark->FChapter = 3;
    CurrentUser->FBookMark->FExercise = 2;
    CurrentUser->FBookMark->FEvent = 4;
    CurrentUser->FTotalMinutes = 90;
    CurrentUser->FCompleted[2][1] = 1;
    CurrentUser->FKeyGroupsReached = 0;
    Pages.Goodbye = {gpRestart};
    Pages.Welcome = {wpLeft};
    EXPECT_EQ(Studying.Run(), 0);
    EXPECT_EQ(Pages.Shown, (std::vector<std::string>{"goodbye", "welcome"}));
    EXPECT_EQ(Pages.Marks[1], std::make_pair(0, 1)) << "the welcome page sees a fresh start";
    const auto Saved = Stored();
    EXPECT_EQ(Saved->FBookMark->FChapter, 0);
    EXPECT_EQ(Saved->FBookMark->FExercise, 1);
    EXPECT_EQ(Saved->FBookMark->FEvent, 1);
    EXPECT_EQ(Saved->FTotalMinutes, 0);
    EXPECT_EQ(Saved->FCompleted[2][1], 0);
    EXPECT_EQ(Saved->FCourseFile, "Flow.cnt") << "the course stays until another is chosen";
    EXPECT_GE(CurrentUser->FKeyGroupsReached, 1);
}

// A learner whose course file is gone or damaged is told why and is not
// locked out: another course is chosen on the profile (Back has nowhere to
// go), and the course runs from the bookmark the record kept.
TEST_F(GuidedFlow, ACourseThatCannotBeLoadedIsToldAndAnotherIsChosenWithTheProgressKept) {
    // Its fourth line, counting the header's two, is the damaged one.
    WriteFileBytes("Damaged.cnt", "$description=Damaged\r\n$end\r\n"
                                  "contents name=Damaged\r\ndefault time=soon\r\n");
    struct TTold {
        std::string Start, Holds;
    };
    const struct {
        const char* File;
        std::vector<TTold> Told;
    } Cases[] = {
        {"Gone.cnt", {{"#-5633 Fatal Contents Error; Program halted", "File not found"}}},
        {"Damaged.cnt",
         {{"#-1095 ", "Damaged.cnt, line 4: "},
          {"#-5633 Fatal Contents Error; Program halted", "Contents file description invalid"}}},
    };
    for (const auto& Case : Cases) {
        SCOPED_TRACE(Case.File);
        CurrentUser->FCourseFile = Case.File;
        CurrentUser->FBookMark->FChapter = 2;
        CurrentUser->FBookMark->FExercise = 1;
        CurrentUser->FCompleted[1][1] = 1;
        CurrentUser->FTotalMinutes = 30;
        ASSERT_EQ(CurrentUser->Save(), 2);
        ClearDialogLog();
        Pages.Shown.clear();
        Spread.Chapters.clear();
        Pages.Profile = {ppBack, ppNext};

        EXPECT_EQ(Studying.Run(), pcStop) << "left from the chapter spread";
        EXPECT_EQ(Pages.Shown, (std::vector<std::string>{"profile", "profile"}));
        ASSERT_EQ(DialogLog().size(), Case.Told.size());
        for (size_t I = 0; I < Case.Told.size(); ++I) {
            const std::string& Text = DialogLog()[I].Text;
            EXPECT_EQ(Text.rfind(Case.Told[I].Start, 0), 0u) << Text;
            EXPECT_NE(Text.find(Case.Told[I].Holds), std::string::npos) << Text;
        }
        EXPECT_EQ(Spread.Chapters, std::vector<std::string>{"Reaching out"});
        const auto Saved = Stored();
        EXPECT_EQ(Saved->FCourseFile, "Flow.cnt");
        EXPECT_EQ(Saved->FBookMark->FChapter, 2);
        EXPECT_EQ(Saved->FCompleted[1][1], 1);
        EXPECT_EQ(Saved->FTotalMinutes, 30);
    }

    // Leaving the profile leaves the tab, the record as it was.
    CurrentUser->FCourseFile = "Gone.cnt";
    ASSERT_EQ(CurrentUser->Save(), 2);
    Pages.Profile = {ppLeft};
    EXPECT_EQ(Studying.Run(), 0);
    EXPECT_EQ(Stored()->FCourseFile, "Gone.cnt");
    EXPECT_EQ(Stored()->FBookMark->FChapter, 2);
}

// A crash or a power cut loses no more than the exercise under way: each
// exercise that ends, done or left, is in the database before the next
// begins. Each event counts five minutes of study.
TEST_F(GuidedFlow, EachExerciseIsInTheDatabaseBeforeTheNextBegins) {
    WriteFileBytes("Two.cnt", "contents name=Two\r\n"
                              "begin chapter\r\nchapter name=1;Home keys\r\nnew keys=asdf\r\n"
                              "begin exercise\r\nevent=TEXT;1;sad\r\nend exercise\r\n"
                              "begin exercise\r\nevent=TEXT;1;dad\r\nend exercise\r\n"
                              "end chapter\r\n");
    CurrentUser->FCourseFile = "Two.cnt";
    CurrentUser->FBookMark->FChapter = 1;
    CurrentUser->FBookMark->FExercise = 1;
    ASSERT_EQ(CurrentUser->Save(), 2);
    struct TSeen {
        int Exercise, Minutes, FirstDone, SecondDone;
        float Speed;
        bool operator==(const TSeen& O) const {
            return Exercise == O.Exercise && Minutes == O.Minutes && FirstDone == O.FirstDone &&
                   SecondDone == O.SecondDone && Speed == O.Speed;
        }
    };
    std::vector<TSeen> Seen; // the stored record as each event began
    // The first exercise typed through, the second left, then typed through.
    std::deque<int> Codes = {3, 2, 3};
    RegisterEventClass("TEXT", [&](const TEventLoader&) {
        const auto S = Stored();
        Seen.push_back({S->FBookMark->FExercise, S->FTotalMinutes, S->FCompleted[1][1],
                        S->FCompleted[1][2], S->FChapterSpeed[1]});
        CurrentUser->AddStudyMinutes(5);
        const int Code = Codes.empty() ? 0 : Codes.front();
        if (!Codes.empty()) Codes.pop_front();
        return Code == 3 ? TEventOutcome{3, TMeasuredRun{180, 95, 90}} : TEventOutcome{Code, {}};
    });
    Spread.Presses = {spBegin, spBegin, spBegin, spLeft};

    EXPECT_EQ(Studying.Run(), pcStop);
    ASSERT_EQ(Seen.size(), 3u);
    EXPECT_TRUE(Seen[0] == (TSeen{1, 0, 0, 0, -1.0f}));
    EXPECT_TRUE(Seen[1] == (TSeen{2, 5, 1, 0, 180.0f})) << "the first exercise done";
    EXPECT_TRUE(Seen[2] == (TSeen{2, 10, 1, 0, 180.0f})) << "the second left, its minutes kept";
    const auto Saved = Stored();
    EXPECT_EQ(Saved->FBookMark->FExercise, 3);
    EXPECT_EQ(Saved->FTotalMinutes, 15);
    EXPECT_EQ(Saved->FCompleted[1][2], 1);
}

// What the course-completed page says, from the exercises the record marks
// completed: a chapter counts when all its exercises are, as far as the
// record has room (20 chapters of 10 exercises).
TEST(CourseEnd, ThePageSaysHowManyChaptersWereCompleted) {
    const std::string Skipped =
        "You have reached the end of the course without completing any of its chapters.";
    const std::string Every = "Well done! You have studied every chapter of the course.";
    const struct {
        const char* What;
        std::vector<int> Exercises;
        std::vector<std::pair<int, int>> Done; // chapter, exercise
        std::string Text;
    } Cases[] = {
        {"every chapter skipped", std::vector<int>(20, 3), {}, Skipped},
        {"one exercise of each chapter", {2, 2}, {{1, 1}, {2, 1}}, Skipped},
        {"one of two chapters",
         {2, 2},
         {{1, 1}, {1, 2}, {2, 2}},
         "You have reached the end of the course and completed 1 of its 2 chapters."},
        {"every chapter", {2, 1}, {{1, 1}, {1, 2}, {2, 1}}, Every},
        {"a chapter longer than the record counts by its first ten",
         {12},
         {{1, 1}, {1, 2}, {1, 3}, {1, 4}, {1, 5}, {1, 6}, {1, 7}, {1, 8}, {1, 9}, {1, 10}},
         Every},
        {"a 21st chapter is never known completed",
         std::vector<int>(21, 1),
         {{1, 1},  {2, 1},  {3, 1},  {4, 1},  {5, 1},  {6, 1},  {7, 1},  {8, 1},  {9, 1},  {10, 1},
          {11, 1}, {12, 1}, {13, 1}, {14, 1}, {15, 1}, {16, 1}, {17, 1}, {18, 1}, {19, 1}, {20, 1}},
         "You have reached the end of the course and completed 20 of its 21 chapters."},
        {"no course known", {}, {}, "You have reached the end of the course."},
    };
    for (const auto& C : Cases) {
        TUser User("Ann", nullptr);
        for (const auto& [Chapter, Exercise] : C.Done)
            User.RecordExerciseCompleted(Chapter, Exercise, 1);
        EXPECT_EQ(CourseEndText(User, C.Exercises), C.Text) << C.What;
    }
}
