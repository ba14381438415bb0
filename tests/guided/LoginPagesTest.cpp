// The pages a learner meets before studying, in the real program driven
// through its book window: the cover with its name field, OK and Visitor;
// the new-user question; the automatic login; the welcome page; the studying
// profile with its course list, lesson lengths, pie and preview, and the
// learner whose course is gone or damaged sent there; and the
// course-completed page with its two ways on.
#include "tests/support/ProgramFixture.h"

#include "app/TMain.h"
#include "course/CurrentCourse.h"
#include "engine/ui/TViewCanvas.h"
#include "files/TProgramSettings.h"
#include "forms/TAddViewsStg.h"
#include "forms/TEventsStg.h"
#include "forms/TWelcomeStg.h"
#include "guided/ui/TCoverView.h"
#include "guided/ui/TStdProfileView.h"
#include "platform/Dialogs.h"
#include "platform/Environment.h"
#include "platform/FileNames.h"
#include "shell/TBookForm.h"
#include "shell/TChapterView.h"
#include "shell/TFormView.h"
#include "users/TRecordBuffer.h"
#include "users/TUser.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

#include <algorithm>

#include <sys/stat.h>

namespace {

std::string Text(const QLabel* Label) {
    return Label->text().toStdString();
}

std::string ViewName() {
    TFormView* View = TFormView::ActiveView();
    return View && View->IsOpen ? View->ViewName : "";
}

std::function<bool()> Showing(const char* Name) {
    return [Name] { return ViewName() == Name; };
}

bool ChapterShown() {
    return ChapterView && TFormView::ActiveView() == ChapterView && ChapterView->IsOpen;
}

bool CoverShown() {
    return BookForm && BookForm->NameField->isVisible() && ViewName() == "Cover";
}

void Type(const std::string& Name) {
    BookForm->NameField->setEditText(QString::fromLatin1(Name.c_str()));
}

const char* const QuickCourse = "$description=Quick course\r\n"
                                "$longdesc=Two short chapters.\r\n"
                                "$end\r\n"
                                "contents name=Quick\r\n"
                                "default time=35\r\n"
                                "begin chapter\r\n"
                                "chapter name=1;Home row\r\n"
                                "new keys=asdf\r\n"
                                "begin exercise\r\n"
                                "type=Words\r\n"
                                "event=MESSAGE;1;Hello\r\n"
                                "end exercise\r\n"
                                "end chapter\r\n"
                                "begin chapter\r\n"
                                "chapter name=2;Top row\r\n"
                                "new keys=er\r\n"
                                "begin exercise\r\n"
                                "type=Words\r\n"
                                "event=MESSAGE;1;Again\r\n"
                                "end exercise\r\n"
                                "end chapter\r\n";

class LoginPages : public ProgramTest {
protected:
    void SetUp() override {
        ProgramTest::SetUp();
        mkdir((*FDir / "config/Veltrona").c_str(), 0755);
        // The learner's own folder, where the database and own courses lie.
        mkdir((*FDir / "data").c_str(), 0755);
        mkdir(Mine("").c_str(), 0755);
        Ini("");
    }
    void Ini(const std::string& General) {
        WriteFileBytes(*FDir / "config/Veltrona/Clavora.ini",
                       "[General Settings]\nPlayTheme=0\n" + General +
                           "[Keyboard Layouts]\nEnglish=qwerty.kbd\n");
    }
    std::string SavedIni() const { return ReadFileBytes(*FDir / "config/Veltrona/Clavora.ini"); }
    // A user database of these learners, each made by the callback.
    void Database(const std::vector<std::string>& Names,
                  const std::function<void(TUser&)>& Make = nullptr) {
        std::string Bytes;
        TDifficultKeys Keys;
        for (const std::string& Name : Names) {
            TUser User(Name, &Keys);
            if (Make) Make(User);
            TRecordBuffer Record;
            User.WriteRecord(Record);
            Bytes.append(Record.Bytes().begin(), Record.Bytes().end());
        }
        WriteFileBytes(Mine("Userbase.kq4"), Bytes);
    }
    size_t StoredLearners() const { return ReadFileBytes(Mine("Userbase.kq4")).size() / 2504; }
};

} // namespace

TEST(CoverName, TheEnteredNameIsCleanedTrimmedAndCapitalised) {
    const std::string Long(300, 'x');
    const struct {
        std::string Typed, Name;
    } Cases[] = {
        {"  mary ann smith  ", "Mary Ann smith"},
        {"JOE", "Joe"},
        {"", "Visitor"},
        {"     ", "Visitor"},
        {"\t\r\n", "Visitor"},
        {"Jo\x01"
         "e\x7f",
         "Joe"},
        {"\tann\nlee ", "Annlee"},
        {Long, "X" + std::string(254, 'x')},
    };
    for (const auto& Case : Cases)
        EXPECT_EQ(TCoverView::NameFromField(Case.Typed), Case.Name) << Case.Typed;
}

TEST(AutoLogon, ReferencesToTheEnvironmentAreExpanded) {
    setenv("CLAVORA_LEARNER", "Joe", 1);
    unsetenv("CLAVORA_NOBODY");
    const struct {
        const char* Setting;
        const char* Expanded;
    } Cases[] = {
        {"%CLAVORA_LEARNER%", "Joe"},
        {"Dr %CLAVORA_LEARNER% Smith", "Dr Joe Smith"},
        {"%CLAVORA_NOBODY%", "%CLAVORA_NOBODY%"},
        {"%CLAVORA_NOBODY%CLAVORA_LEARNER%", "%CLAVORA_NOBODYJoe"},
        {"100%", "100%"},
        {"%%", "%%"},
        {"plain", "plain"},
    };
    for (const auto& Case : Cases)
        EXPECT_EQ(ExpandEnvironmentStrings(Case.Setting), Case.Expanded) << Case.Setting;
    // The login name of the session stands in for USERNAME.
    const char* Saved = std::getenv("USERNAME");
    const std::string Kept = Saved ? Saved : "";
    unsetenv("USERNAME");
    setenv("USER", "jdoe", 1);
    EXPECT_EQ(ExpandEnvironmentStrings("%USERNAME%"), "jdoe");
    if (Saved) setenv("USERNAME", Kept.c_str(), 1);
}

TEST_F(LoginPages, TheCoverAsksForANameAndANewLearnerIsCreatedOnYes) {
    Database({"Joe", "anna"});
    Ini("LastUser=Joe\n");
    LogInAs.clear();
    TDriver Driver;
    Driver
        .Then("cover", CoverShown,
              [] {
                  EXPECT_EQ(BookForm->NameField->currentText().toStdString(), "Joe");
                  ASSERT_EQ(BookForm->NameField->count(), 2);
                  EXPECT_EQ(BookForm->NameField->itemText(0).toStdString(), "anna");
                  EXPECT_EQ(BookForm->NameField->itemText(1).toStdString(), "Joe");
                  EXPECT_TRUE(BookForm->BookCover->isVisible());
                  EXPECT_FALSE(BookForm->Book->isVisible());
                  Type("  mary ann smith ");
                  PressKey(BookForm, Qt::Key_Return);
              })
        .Then("asked", Showing("NewUser"),
              [] {
                  EXPECT_EQ(Text(BookForm->NewUserLbl), "Mary Ann smith, are you a new user?");
                  EXPECT_FALSE(BookForm->NameField->isVisible());
                  PressKey(BookForm, Qt::Key_Escape);
              })
        .Then("cover again", CoverShown,
              [] {
                  Type("mary ann smith");
                  ClickWidget(BookForm->LogOK);
              })
        .Then("asked again", Showing("NewUser"), [] { ClickWidget(BookForm->UserYes); })
        .Then("welcome", Showing("Welcome"), [] {
            EXPECT_EQ(CurrentUser->FName, "Mary Ann smith");
            EXPECT_TRUE(BookForm->WidePage->isVisible());
            EXPECT_FALSE(BookForm->LoadLabel->isVisible());
            BookForm->close();
        });
    EXPECT_EQ(RunProgram(Driver), 0);
    EXPECT_EQ(StoredLearners(), 3u);
    EXPECT_NE(SavedIni().find("LastUser=Mary Ann smith\n"), std::string::npos) << SavedIni();
    EXPECT_TRUE(DialogLog().empty());
}

TEST_F(LoginPages, TheVisitorInAnyCaseIsWelcomedAndNotRememberedAsTheLastLearner) {
    Database({"Joe"});
    Ini("LastUser=Joe\n");
    LogInAs.clear();
    // Typed in odd letter case; and the Visitor button, whatever the field holds.
    const std::function<void()> Ways[] = {[] {
                                              Type("vIsItOr");
                                              PressKey(BookForm, Qt::Key_Return);
                                          },
                                          [] {
                                              Type("Zed");
                                              ClickWidget(BookForm->LogVisitor);
                                          }};
    for (const auto& Way : Ways) {
        ClearDialogLog();
        TDriver Driver;
        Driver.Then("cover", CoverShown, Way)
            .Then("new", Showing("NewUser"), [] { PressKey(BookForm, Qt::Key_Return); })
            .Then("welcome", Showing("Welcome"), [] {
                EXPECT_EQ(UpperCase(CurrentUser->FName), "VISITOR");
                BookForm->close();
            });
        EXPECT_EQ(RunProgram(Driver), 0);
        ASSERT_EQ(DialogLog().size(), 1u);
        EXPECT_EQ(DialogLog()[0].Type, mtCustom);
        EXPECT_EQ(DialogLog()[0].Text.rfind("Welcome to explore Clavora as a Visitor.", 0), 0u);
        EXPECT_NE(SavedIni().find("LastUser=Joe\n"), std::string::npos);
        EXPECT_EQ(SavedIni().find("Zed"), std::string::npos);
        Database({"Joe"});
    }
}

TEST_F(LoginPages, ALongNameIsAskedAboutShortenedAndStoredWhole) {
    LogInAs.clear();
    const std::string Name = "Z" + std::string(254, 'z');
    TDriver Driver;
    Driver
        .Then("cover", CoverShown,
              [&] {
                  // The field takes no more than a name can hold.
                  Type(std::string(300, 'z'));
                  EXPECT_EQ(BookForm->NameField->currentText().size(), 255);
                  PressKey(BookForm, Qt::Key_Return);
              })
        .Then("asked", Showing("NewUser"),
              [] {
                  const std::string Question = Text(BookForm->NewUserLbl);
                  EXPECT_LT(Question.size(), 120u);
                  EXPECT_EQ(Question.substr(Question.size() - 21), ", are you a new user?");
                  PressKey(BookForm, Qt::Key_Return);
              })
        .Then("welcome", Showing("Welcome"), [] { BookForm->close(); });
    EXPECT_EQ(RunProgram(Driver), 0);
    TDifficultKeys Keys;
    auto* Kept = DifficultKeys;
    DifficultKeys = &Keys;
    const auto Found = TUser::FindUser(Name);
    DifficultKeys = Kept;
    ASSERT_NE(Found, nullptr);
    EXPECT_EQ(Found->FName, Name);
}

TEST_F(LoginPages, AnAutomaticLoginSkipsTheCoverAndAsksANewNameUntilYes) {
    setenv("CLAVORA_LEARNER", "Kim", 1);
    Ini("AutoLogon=%CLAVORA_LEARNER%\n");
    LogInAs.clear();
    bool CoverSeen = false;
    TDriver Driver;
    Driver
        .Then("asked", Showing("NewUser"),
              [] {
                  EXPECT_EQ(Text(BookForm->NewUserLbl), "Kim, are you a new user?");
                  PressKey(BookForm, Qt::Key_Escape);
              })
        .Then(
            "asked again",
            [&] {
                CoverSeen |= CoverShown();
                return ViewName() == "NewUser";
            },
            [] { PressKey(BookForm, Qt::Key_Return); })
        .Then("welcome", Showing("Welcome"), [] {
            EXPECT_EQ(CurrentUser->FName, "Kim");
            BookForm->close();
        });
    EXPECT_EQ(RunProgram(Driver), 0);
    EXPECT_FALSE(CoverSeen);
    EXPECT_NE(SavedIni().find("AutoLogon=%CLAVORA_LEARNER%\n"), std::string::npos);
}

TEST_F(LoginPages, TheProfileListsTheCoursesAndBackKeepsTheLearnersChoice) {
    WriteFileBytes(Mine("Quick.cnt"), QuickCourse);
    // A course whose header the reader cannot take is left out of the list.
    WriteFileBytes(Mine("Broken.cnt"), "$description\r\n$end\r\n");
    Ini("DefaultContents=BEGINNER.CNT\n");
    TAddViewsStg* S = nullptr;
    int QuickItem = -1;
    TDriver Driver;
    Driver
        .Then("welcome", Showing("Welcome"),
              [&] {
                  S = AddViewsStg;
                  PressKey(BookForm, Qt::Key_B, Qt::AltModifier);
              })
        .Then("profile", Showing("StdProfile"),
              [&] {
                  EXPECT_EQ(BookForm->Title->text().toStdString(), "Studying Profile");
                  // The shipped courses and the learner's own, item by item.
                  const auto& Names = StdProfileView->CourseNames;
                  ASSERT_EQ(S->ContentsList->count(), int(Names.size()));
                  EXPECT_EQ(std::count(Names.begin(), Names.end(), "Broken"), 0);
                  QuickItem = int(std::find(Names.begin(), Names.end(), "Quick") - Names.begin());
                  ASSERT_LT(QuickItem, int(Names.size()));
                  EXPECT_EQ(S->ContentsList->itemText(QuickItem).toStdString(), "Quick course");
                  const int Beginner =
                      int(std::find(Names.begin(), Names.end(), "Beginner") - Names.begin());
                  EXPECT_EQ(S->ContentsList->currentIndex(), Beginner) << "the default course";
                  EXPECT_EQ(StdProfileView->CourseFile, "Beginner.cnt");
                  EXPECT_TRUE(S->Time45->isChecked());
                  EXPECT_EQ(S->LessonGraph->Progress(), 45);
                  EXPECT_EQ(StdProfileView->Preview->FullText().rfind("Lesson 1: ", 0), 0u);
                  EXPECT_TRUE(IsShownOnWindow(S->ContentsList));
                  EXPECT_TRUE(IsShownOnWindow(S->LessonGraph));
                  EXPECT_TRUE(BookForm->Next->isVisible());
                  EXPECT_TRUE(BookForm->Back->isVisible());

                  S->ContentsList->setCurrentIndex(QuickItem);
                  EXPECT_EQ(StdProfileView->CourseFile, "Quick.cnt");
                  EXPECT_EQ(Text(S->Description), "Two short chapters.");
                  // The course suggests 35 minutes: a pie of 35 of 60.
                  EXPECT_TRUE(S->Time35->isChecked());
                  EXPECT_EQ(S->Time35->text().toStdString(), "&35 minutes");
                  EXPECT_EQ(S->LessonGraph->Progress(), 35);
                  EXPECT_EQ(S->LessonGraph->MaxValue(), 60);
                  EXPECT_EQ(StdProfileView->Preview->FullText(),
                            "Lesson 1: Home row\r\nLesson 2: Top row\r\n");
                  ClickWidget(S->TimeFree);
                  EXPECT_EQ(S->LessonGraph->Progress(), 0);
                  PressKey(BookForm, Qt::Key_Escape);
              })
        .Then("welcome again", Showing("Welcome"),
              [] {
                  EXPECT_EQ(CurrentUser->FCourseFile, "BEGINNER.CNT");
                  EXPECT_EQ(CurrentUser->FLessonMinutes, 45);
                  ClickWidget(WelcomeStg->StudyingMask);
              })
        .Then("profile again", Showing("StdProfile"),
              [&] {
                  EXPECT_TRUE(S->Time45->isChecked()) << "until the course suggests otherwise";
                  S->ContentsList->setCurrentIndex(QuickItem);
                  ClickWidget(S->Time25);
                  ClickWidget(BookForm->Next);
              })
        .Then("the first chapter", ChapterShown, [] {
            EXPECT_EQ(CurrentUser->FCourseFile, "Quick.cnt");
            EXPECT_EQ(CurrentUser->FLessonMinutes, 25);
            EXPECT_EQ(CurrentUser->FBookMark->FChapter, 1);
            ASSERT_NE(CurrentCourse, nullptr);
            EXPECT_EQ(CurrentCourse->ContentsName, "Quick");
            BookForm->close();
        });
    EXPECT_EQ(RunProgram(Driver), 0);
}

// A learner whose course file is gone is told so and lands on the profile,
// not out of the program; a course with a line the loader cannot take is
// shown there as damaged and Next refuses it, naming the line; another
// course starts from the bookmark the record kept.
TEST_F(LoginPages, ALearnerWhoseCourseIsGoneChoosesAnotherAndADamagedOneIsRefused) {
    WriteFileBytes(Mine("Quick.cnt"), QuickCourse);
    // Its header reads well; its seventh line, in an exercise, does not.
    WriteFileBytes(Mine("Damaged.cnt"), "$description=Damaged course\r\n$end\r\n"
                                        "contents name=Damaged\r\nbegin chapter\r\n"
                                        "chapter name=1;One\r\nbegin exercise\r\n"
                                        "duration=two\r\nend exercise\r\nend chapter\r\n");
    Database({"Gina"}, [](TUser& User) {
        User.FCourseFile = "Gone.cnt";
        User.FBookMark->FChapter = 2;
        User.FBookMark->FExercise = 1;
        User.FCompleted[1][1] = 1;
        User.FTotalMinutes = 30;
    });
    LogInAs = "Gina";
    TAddViewsStg* S = nullptr;
    TDriver Driver;
    Driver
        .Then("profile", Showing("StdProfile"),
              [&] {
                  ASSERT_EQ(DialogLog().size(), 1u);
                  EXPECT_EQ(DialogLog()[0].Text.rfind("#-5633 ", 0), 0u) << DialogLog()[0].Text;
                  EXPECT_NE(DialogLog()[0].Text.find("File not found"), std::string::npos);
                  ClearDialogLog();
                  S = AddViewsStg;
                  const auto& Names = StdProfileView->CourseNames;
                  const auto Damaged = std::find(Names.begin(), Names.end(), "Damaged");
                  ASSERT_NE(Damaged, Names.end()) << "its header reads well";
                  S->ContentsList->setCurrentIndex(int(Damaged - Names.begin()));
                  EXPECT_EQ(Text(S->Description),
                            "This course file is damaged and cannot be studied.");
                  EXPECT_EQ(StdProfileView->Preview->FullText(), "");
                  ClickWidget(BookForm->Next);
                  ASSERT_EQ(DialogLog().size(), 1u);
                  const std::string Told = DialogLog()[0].Text;
                  EXPECT_EQ(Told.rfind("#-1095 ", 0), 0u) << Told;
                  EXPECT_NE(Told.find("Damaged.cnt, line 7: "), std::string::npos) << Told;
                  EXPECT_EQ(ViewName(), "StdProfile") << "the damaged course is not started";
                  const auto Quick = std::find(Names.begin(), Names.end(), "Quick");
                  S->ContentsList->setCurrentIndex(int(Quick - Names.begin()));
                  ClickWidget(BookForm->Next);
              })
        .Then("the kept chapter", ChapterShown, [] {
            EXPECT_EQ(CurrentUser->FCourseFile, "Quick.cnt");
            EXPECT_EQ(CurrentUser->FBookMark->FChapter, 2);
            EXPECT_EQ(CurrentUser->FCompleted[1][1], 1);
            EXPECT_EQ(CurrentUser->FTotalMinutes, 30);
            ASSERT_NE(CurrentCourse, nullptr);
            EXPECT_EQ(CurrentCourse->ContentsName, "Quick");
            BookForm->close();
        });
    EXPECT_EQ(RunProgram(Driver), 0);
    EXPECT_EQ(DialogLog().size(), 1u);
}

TEST_F(LoginPages, WithoutAnyCourseTheProfileReportsItAndTheProgramEnds) {
    for (const std::string& Course : ListFiles(Shipped("*.cnt")))
        ASSERT_EQ(unlink(Shipped(Course).c_str()), 0);
    TDriver Driver;
    Driver.Then("welcome", Showing("Welcome"),
                [] { PressKey(BookForm, Qt::Key_B, Qt::AltModifier); });
    EXPECT_EQ(RunProgram(Driver), 0);
    ASSERT_FALSE(DialogLog().empty());
    EXPECT_EQ(DialogLog().back().Text.rfind("#-6123 ", 0), 0u) << DialogLog().back().Text;
    EXPECT_FALSE(TMain::ExitRequested) << "ended by the program, not by the learner";
}

TEST_F(LoginPages, TheCompletedCourseGoesBackOneChapterOrStartsAgain) {
    WriteFileBytes(Mine("Quick.cnt"), QuickCourse);
    Database({"Finn"}, [](TUser& User) {
        User.FCourseFile = "Quick.cnt";
        User.FBookMark->FChapter = 3;
        User.FBookMark->FExercise = 2;
        User.FTotalMinutes = 40;
    });
    LogInAs = "Finn";
    TDriver Driver;
    Driver
        .Then("completed", Showing("Goodbye"),
              [] {
                  EXPECT_EQ(BookForm->Title->text().toStdString(), "Course Completed");
                  EXPECT_TRUE(BookForm->SkipB->isVisible());
                  EXPECT_TRUE(IsShownOnWindow(WelcomeStg->Restart));
                  EXPECT_EQ(WelcomeStg->RestartTitle->property("caption").toString().toStdString(),
                            "&Restart Studying");
                  PressKey(BookForm, Qt::Key_K, Qt::AltModifier);
              })
        .Then("the last chapter", ChapterShown,
              [] {
                  EXPECT_EQ(CurrentUser->FBookMark->FChapter, 2);
                  EXPECT_EQ(CurrentUser->FBookMark->FExercise, 1);
                  // Next lesson from the last chapter completes the course again.
                  ClickWidget(BookForm->SkipF);
              })
        .Then("completed again", Showing("Goodbye"),
              [] { PressKey(BookForm, Qt::Key_R, Qt::AltModifier); })
        .Then("welcome", Showing("Welcome"), [] {
            EXPECT_EQ(CurrentUser->FBookMark->FChapter, 0);
            EXPECT_EQ(CurrentUser->FTotalMinutes, 0);
            EXPECT_EQ(CurrentUser->FCourseFile, "Quick.cnt");
            BookForm->close();
        });
    EXPECT_EQ(RunProgram(Driver), 0);
}
