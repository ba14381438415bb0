// A course of two chapters run from the learner's bookmark in the real book
// window: the chapter spread, a message, a drill and a text with its
// results beside the exercise list, over to the next chapter and back; and
// the introduction left with Cancel.
#include "tests/support/TextEventFixture.h"

#include "analysis/results/TExercInfoView.h"
#include "app/DemoCourse.h"
#include "course/TContents.h"
#include "course/ui/EventClassTable.h"
#include "engine/ui/TMessageEvent.h"
#include "engine/ui/TTextEvent.h"
#include "forms/TChapterStgs.h"
#include "guided/ui/TChpBeginView.h"
#include "guided/ui/TChpContentsView.h"
#include "guided/ui/TExerciseList.h"
#include "platform/Application.h"
#include "platform/Dialogs.h"
#include "shell/TBookForm.h"
#include "shell/TChapterView.h"
#include "users/TUser.h"

#include <QFile>

#include <cstdlib>

namespace {

// Stands in for a keyboard drill: a page that Enter completes.
class TStandInDrill : public TMessageEvent {
public:
    explicit TStandInDrill(const std::string& Line) : TMessageEvent(Line) {
        ViewName = "StandInDrill";
    }
};

const char* const Fixture = "contents name=Fixture course\r\n"
                            "default time=25\r\n"
                            "begin chapter\r\n"
                            "chapter name=1;Home keys\r\n"
                            "new keys=asdf\r\n"
                            "durationpercent=100\r\n"
                            "extradesc=Four keys under the left hand.\r\n"
                            "begin exercise\r\n"
                            "type=Meet the keys\r\n"
                            "duration=1\r\n"
                            "event=MESSAGE;1;Rest your fingers on a s d f.;Home keys\r\n"
                            "event=KEYBOARD;2;asdf\r\n"
                            "end exercise\r\n"
                            "begin exercise\r\n"
                            "type=First words\r\n"
                            "duration=2\r\n"
                            "event=TEXT;1;sad fad dad lad ask\r\n"
                            "end exercise\r\n"
                            "end chapter\r\n"
                            "begin chapter\r\n"
                            "chapter name=2;Reaching out\r\n"
                            "picture=reach.pic\r\n"
                            "new keys=gh\r\n"
                            "durationpercent=100\r\n"
                            "begin exercise\r\n"
                            "type=G and H\r\n"
                            "duration=1\r\n"
                            "event=TEXT;1;gash hags\r\n"
                            "end exercise\r\n"
                            "end chapter\r\n";

class CourseWindowTest : public TextEventTest {
protected:
    void SetUp() override {
        TextEventTest::SetUp();
        WriteFileBytes(*Dir / "fixture.cnt", Fixture);
        // The chapter picture of chapters without their own.
        QFile::copy(QString::fromLocal8Bit(std::getenv("CLAVORA_APP_DIR")) +
                        QStringLiteral("/Ch1.pic"),
                    QString::fromStdString(*Dir / "Ch1.pic"));
        RegisterEventClass("KEYBOARD", [this](const TEventLoader& Loader) {
            DrillLimit = Loader.TimeLimit;
            return RunEventOf<TStandInDrill>(Loader);
        });
        int32_t Status = -99;
        Course = std::make_unique<TContents>("fixture.cnt", Status);
        ASSERT_EQ(Status, 0);
    }
    void TearDown() override {
        Course.reset();
        RegisterEventClasses();
        TextEventTest::TearDown();
    }

    static bool SpreadOpen() { return ChpContentsView->IsOpen; }
    static TEvent* ActiveEvent(const std::string& Name = "") {
        auto* Event = dynamic_cast<TEvent*>(TFormView::ActiveView());
        return Event && Event->IsOpen && (Name.empty() || Event->ViewName == Name) ? Event
                                                                                   : nullptr;
    }
    static std::string Text(const QLabel* Label) { return Label->text().toStdString(); }
    static void Shot(const char* Name) {
        if (const char* Shots = std::getenv("CLAVORA_SHOTS"))
            BookForm->grab().save(QString::fromLocal8Bit(Shots) + QLatin1Char('/') +
                                  QLatin1String(Name));
    }

    std::unique_ptr<TContents> Course;
    int32_t DrillLimit = -1;
};

TEST_F(CourseWindowTest, TwoChaptersFromTheBookmarkThroughTheirPages) {
    TBookMark& Mark = *CurrentUser->FBookMark;
    Mark.FChapter = 1;
    Mark.FExercise = 1;
    TDriver Driver(8000);
    Driver
        .Then("the first chapter's spread", SpreadOpen,
              [&] {
                  EXPECT_EQ(Text(BookForm->Title), "Home keys");
                  EXPECT_EQ(Text(ChapterStgs->LessonCount), "of 2");
                  EXPECT_EQ(Text(ChapterStgs->Chapter), "1");
                  EXPECT_EQ(Text(ChapterStgs->Chapter2), "");
                  EXPECT_EQ(Text(ChapterStgs->ExtraDescLbl), "Four keys under the left hand.");
                  EXPECT_FALSE(ChapterStgs->ChpPicture->Picture().isNull());
                  EXPECT_EQ(ChapterView->LeftSubView, ChpBeginView);
                  EXPECT_EQ(ChpContentsView->List->RowCount(), 3);
                  // 45 minutes over shares 1 and 2.
                  EXPECT_EQ(ChpContentsView->List->RowText(1, 3), "15 min.");
                  EXPECT_EQ(ChpContentsView->List->RowText(2, 3), "30 min.");
                  Shot("course-chapter1.png");
                  PressKey(BookForm, Qt::Key_Return);
              })
        .Then(
            "the message", [] { return ActiveEvent() && !ActiveEvent("StandInDrill"); },
            [&] {
                EXPECT_NE(dynamic_cast<TMessageEvent*>(ActiveEvent()), nullptr);
                EXPECT_EQ(ActiveEvent()->Setup.KnownKeys, "asdf");
                EXPECT_EQ(Mark.FEvent, 1);
                PressKey(BookForm, Qt::Key_Return);
            })
        .Then(
            "the drill", [] { return ActiveEvent("StandInDrill") != nullptr; },
            [&] {
                EXPECT_EQ(Mark.FEvent, 2);
                EXPECT_EQ(ActiveEvent()->Setup.KnownKeys, "asdf");
                EXPECT_EQ(DrillLimit, 600) << "weight 2 of 3 of 15 minutes";
                PressKey(BookForm, Qt::Key_Return);
            })
        .Then("the spread with the first exercise done", SpreadOpen,
              [&] {
                  EXPECT_EQ(ChpContentsView->List->SelectedRow(), 2);
                  EXPECT_EQ(ChpContentsView->List->IsCompleted(1), 1);
                  EXPECT_EQ(CurrentUser->FCompleted[1][1], 1);
                  PressKey(BookForm, Qt::Key_Return);
              })
        .Then(
            "the text", [] { return dynamic_cast<TTextEvent*>(ActiveEvent()) != nullptr; },
            [&] {
                Type("sad fad dad lad ask ", 0.7);
                EXPECT_EQ(ActiveEvent()->State, esCompleted);
                PressKey(BookForm, Qt::Key_Return);
            })
        .Then("the results beside the list", SpreadOpen,
              [&] {
                  EXPECT_EQ(ChapterView->LeftSubView, ExercInfoView);
                  EXPECT_TRUE(ExercInfoView->IsOpen);
                  EXPECT_EQ(Text(ChapterStgs->ExerciseIDLbl), "1.2");
                  EXPECT_GT(ExercInfoView->SpeedValue, 0);
                  EXPECT_EQ(CurrentUser->FChapterSpeed[1], float(ExercInfoView->SpeedValue));
                  EXPECT_EQ(CurrentUser->FChapterLastExercise[1], 2);
                  EXPECT_EQ(CurrentUser->FCompleted[1][2], 1);
                  EXPECT_EQ(ChpContentsView->List->SelectedRow(), 3) << "Next Lesson";
                  EXPECT_EQ(Text(BookForm->Title), "Home keys");
                  EXPECT_GE(BookForm->Title->width(), BookForm->Title->sizeHint().width())
                      << "the whole title shows";
                  Shot("course-results.png");
                  ClickWidget(BookForm->SkipF);
              })
        .Then(
            "the second chapter",
            [] {
                return SpreadOpen() && BookForm->Title->text() == QStringLiteral("Reaching out");
            },
            [&] {
                EXPECT_EQ(Text(ChapterStgs->Chapter), "2");
                EXPECT_EQ(ChapterView->LeftSubView, ChpBeginView);
                EXPECT_TRUE(BookForm->ConsoleButtons & cbSkipB);
                EXPECT_EQ(Mark.FChapter, 2);
                EXPECT_EQ(Mark.FExercise, 1);
                ClickWidget(BookForm->SkipB);
            })
        .Then(
            "back in the first",
            [] { return SpreadOpen() && BookForm->Title->text() == QStringLiteral("Home keys"); },
            [&] {
                EXPECT_FALSE(BookForm->ConsoleButtons & cbSkipB);
                EXPECT_EQ(ChpContentsView->List->SelectedRow(), 1);
                TFormView::CloseActiveView(); // another tab
            });
    Driver.Start();
    bool Finished = true;
    EXPECT_EQ(Course->Run(Finished), 1000);
    EXPECT_TRUE(Driver.Finished()) << Driver.Failure();
    EXPECT_FALSE(Finished);
    EXPECT_EQ(Mark.FChapter, 1);
    EXPECT_EQ(CurrentUser->FTopChapter, 1);
    EXPECT_EQ(CurrentUser->FTopExercise, 2);
    EXPECT_EQ(CurrentUser->FKeyGroupsReached, 1);
}

TEST_F(CourseWindowTest, TheIntroductionIsLeftWithCancel) {
    TBookMark Own;
    Own.FMode = TBookMark::bmIntroduction;
    Course->Bookmark = &Own;
    TDriver Driver;
    Driver.Then("the introduction's spread", SpreadOpen, [&] {
        EXPECT_EQ(Text(ChapterStgs->Chapter), " i");
        EXPECT_EQ(Text(ChapterStgs->LessonCount), "");
        EXPECT_EQ(BookForm->ConsoleButtons, cbBegin | cbCancel);
        EXPECT_EQ(ChpContentsView->List->RowText(3, 1), "Exit introduction");
        PressKey(BookForm, Qt::Key_Escape);
    });
    Driver.Start();
    bool Finished = true;
    EXPECT_EQ(Course->Run(Finished), 1000);
    EXPECT_TRUE(Driver.Finished()) << Driver.Failure();
    EXPECT_EQ(CurrentUser->FBookMark->FChapter, 0) << "the learner's own bookmark";
}

} // namespace

namespace {

// A course that cannot be read is told as a numbered message, and the
// program goes on.
TEST_F(CourseWindowTest, ABrokenOrMissingCourseIsToldWithItsNumber) {
    struct TCase {
        const char* File;
        const char* Text; // nullptr: no such file
        std::string Message;
    };
    const TCase Cases[] = {
        {"missing.cnt", nullptr, "#-5633 "},
        {"nokey.cnt", "begin chapter\r\nchapter name=1;A\r\nnew keys\r\n", "#-1095 "},
        {"notnumber.cnt", "default time=soon\r\n", "#-1095 "},
    };
    for (const TCase& Case : Cases) {
        SCOPED_TRACE(Case.File);
        if (Case.Text) WriteFileBytes(*Dir / Case.File, Case.Text);
        ClearDialogLog();
        RunDemoCourse(Case.File);
        ASSERT_EQ(DialogCount(), 1);
        EXPECT_EQ(LastDialog().rfind(Case.Message, 0), 0u) << LastDialog();
        EXPECT_FALSE(ChpContentsView->IsOpen);
    }
}

} // namespace
