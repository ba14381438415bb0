// The pages as a learner sees them, in the real book window: every title
// fits its text whatever title came before, the course-completed page says
// how the course was passed and keeps its card clear of the console, and the
// studying profile shows every lesson of a course and the whole of its
// description. With CLAVORA_SHOTS set each page is kept as a picture there.
#include "tests/support/ProgramFixture.h"

#include "app/TMain.h"
#include "engine/ui/TViewCanvas.h"
#include "forms/TAddViewsStg.h"
#include "forms/TWelcomeStg.h"
#include "guided/ui/TStdProfileView.h"
#include "platform/Controls.h"
#include "shell/TBookForm.h"
#include "shell/TChapterView.h"
#include "shell/TFormView.h"
#include "users/TRecordBuffer.h"
#include "users/TUser.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QLabel>
#include <QScrollArea>
#include <QScrollBar>

#include <algorithm>
#include <cstdlib>

#include <sys/stat.h>

namespace {

// Two chapters with short names, so that every other page's title is
// longer than the chapter's.
const char* const ShortNames = "$description=Short names\r\n"
                               "$longdesc=Two chapters.\r\n"
                               "$end\r\n"
                               "contents name=Short\r\n"
                               "begin chapter\r\n"
                               "chapter name=1;Keys\r\n"
                               "new keys=asdf\r\n"
                               "begin exercise\r\n"
                               "type=Words\r\n"
                               "event=MESSAGE;1;Hello\r\n"
                               "end exercise\r\n"
                               "end chapter\r\n"
                               "begin chapter\r\n"
                               "chapter name=2;Keys\r\n"
                               "new keys=er\r\n"
                               "begin exercise\r\n"
                               "type=Words\r\n"
                               "event=MESSAGE;1;Again\r\n"
                               "end exercise\r\n"
                               "end chapter\r\n";

std::string ViewName() {
    TFormView* View = TFormView::ActiveView();
    return View && View->IsOpen ? View->ViewName : "";
}

std::function<bool()> Showing(const char* Name) {
    return [Name] { return ViewName() == Name; };
}

bool Running(const char* Menu) {
    return TMain::RunningMenu == Menu && TFormView::ActiveView() && TFormView::ActiveView()->IsOpen;
}

bool ChapterShown() {
    return ChapterView && TFormView::ActiveView() == ChapterView && ChapterView->IsOpen;
}

// Where a control lies, in the book window's coordinates.
QRect InWindow(const QWidget* W) {
    return QRect(W->mapTo(BookForm, QPoint(0, 0)), W->size());
}

void Shot(const char* Name) {
    if (const char* Shots = std::getenv("CLAVORA_SHOTS"))
        BookForm->grab().save(QString::fromLocal8Bit(Shots) + QLatin1Char('/') +
                              QLatin1String(Name) + QStringLiteral(".png"));
}

// The title shows its whole text: the label is as wide as the text's
// advance and lies on the title strip.
void ExpectTitleFits(const char* Title) {
    SCOPED_TRACE(Title);
    const QLabel* Label = BookForm->Title;
    EXPECT_EQ(Label->text().toStdString(), Title);
    const QFontMetrics Metrics(Label->font());
    EXPECT_GE(Label->width(), Metrics.horizontalAdvance(Label->text()));
    EXPECT_GE(Label->height(), Metrics.height());
    EXPECT_TRUE(BookForm->TitleConsole->rect().contains(Label->geometry()));
}

// A word-wrapped label in a scroll area shows all its lines, scrolled or not.
void ExpectWholeText(const QLabel* Label, const QScrollArea* Box) {
    const int Needed = Label->heightForWidth(Label->width());
    EXPECT_GE(Label->height(), Needed);
    EXPECT_GE(Box->verticalScrollBar()->maximum() + Box->viewport()->height(), Needed);
    EXPECT_LE(Label->width(), Box->viewport()->width()) << "no line runs past the box";
}

class PageFit : public ProgramTest {
protected:
    void SetUp() override {
        ProgramTest::SetUp();
        mkdir((*FDir / "config/Veltrona").c_str(), 0755);
        mkdir((*FDir / "data").c_str(), 0755);
        mkdir(Mine("").c_str(), 0755);
        WriteFileBytes(*FDir / "config/Veltrona/Clavora.ini",
                       "[General Settings]\nPlayTheme=0\nDefaultContents=Beginner.cnt\n"
                       "[Keyboard Layouts]\nEnglish=qwerty.kbd\n");
    }
    // A database of one learner, made by the callback.
    void Learner(const std::string& Name, const std::function<void(TUser&)>& Make) {
        TDifficultKeys Keys;
        TUser User(Name, &Keys);
        Make(User);
        TRecordBuffer Record;
        User.WriteRecord(Record);
        WriteFileBytes(Mine("Userbase.kq4"),
                       std::string(Record.Bytes().begin(), Record.Bytes().end()));
    }
};

} // namespace

// Each page after a shorter title: the chapter's "Keys", then the tabs, the
// chapter again and the course passed by skipping its last chapter, whose
// page says that no chapter was completed, and back to the chapter.
TEST_F(PageFit, EveryTitleFitsItsTextAndTheCompletedCourseSaysHowItWasPassed) {
    WriteFileBytes(Mine("Short.cnt"), ShortNames);
    Learner("Finn", [](TUser& User) {
        User.FCourseFile = "Short.cnt";
        User.FBookMark->FChapter = 2;
        User.FBookMark->FExercise = 1;
    });
    LogInAs.clear();
    TDriver Driver;
    Driver
        .Then("cover", Showing("Cover"),
              [] {
                  Shot("cover");
                  BookForm->NameField->setEditText(QStringLiteral("Finn"));
                  PressKey(BookForm, Qt::Key_Return);
              })
        .Then("the chapter", ChapterShown,
              [] {
                  ExpectTitleFits("Keys");
                  ClickWidget(BookForm->MenuRevision);
              })
        .Then(
            "revision", [] { return Running("MenuRevision"); },
            [] {
                ExpectTitleFits("Revision");
                Shot("revision");
                ClickWidget(BookForm->MenuInfo);
            })
        .Then(
            "statistics", [] { return Running("MenuInfo"); },
            [] {
                ExpectTitleFits("Statistics");
                Shot("statistics");
                ClickWidget(BookForm->MenuOptions);
            })
        .Then(
            "options", [] { return Running("MenuOptions"); },
            [] {
                ExpectTitleFits("Settings");
                ClickWidget(BookForm->MenuLogo);
            })
        .Then(
            "about", [] { return Running("MenuLogo"); },
            [] {
                ExpectTitleFits("About");
                ClickWidget(BookForm->MenuGuided);
            })
        .Then("the chapter again", ChapterShown,
              [] {
                  ExpectTitleFits("Keys");
                  ClickWidget(BookForm->SkipF);
              })
        .Then("completed", Showing("Goodbye"),
              [] {
                  ExpectTitleFits("Course Completed");
                  EXPECT_EQ(WelcomeStg->DoneLbl->text().toStdString(),
                            "You have reached the end of the course without completing any of "
                            "its chapters.");
                  const QLabel* Done = WelcomeStg->DoneLbl;
                  EXPECT_GE(Done->height(), Done->heightForWidth(Done->width()));
                  // The medal, the card and their texts lie on the page, clear of
                  // the title strip and the console.
                  ASSERT_TRUE(BookForm->BtnConsole->isVisible());
                  for (const QWidget* Part : std::initializer_list<const QWidget*>{
                           WelcomeStg->Restart, WelcomeStg->RestartTitle, WelcomeStg->RestartLbl,
                           WelcomeStg->DonePic, Done}) {
                      SCOPED_TRACE(Part->objectName().toStdString());
                      EXPECT_TRUE(InWindow(BookForm->WidePage).contains(InWindow(Part)));
                      EXPECT_FALSE(InWindow(BookForm->BtnConsole).intersects(InWindow(Part)));
                      EXPECT_FALSE(InWindow(BookForm->TitleConsole).intersects(InWindow(Part)));
                  }
                  const QLabel* Card = WelcomeStg->RestartLbl;
                  EXPECT_GE(Card->height(), Card->heightForWidth(Card->width()));
                  Shot("goodbye");
                  PressKey(BookForm, Qt::Key_K, Qt::AltModifier);
              })
        .Then("back at the chapter", ChapterShown, [] {
            ExpectTitleFits("Keys");
            BookForm->close();
        });
    EXPECT_EQ(RunProgram(Driver), 0);
}

// The preview lays out every chapter title of the course, in its frame and
// clear of the console, and scrolls to the last one; the description shows
// whole: the twenty chapters of the beginners' course, and the long
// description of the speed course.
TEST_F(PageFit, TheProfileShowsEveryLessonAndTheWholeDescription) {
    const struct {
        const char* Course;
        int Chapters;
    } Courses[] = {{"Beginner", 20}, {"Speed", 11}};
    TDriver Driver;
    Driver
        .Then("welcome", Showing("Welcome"), [] { PressKey(BookForm, Qt::Key_B, Qt::AltModifier); })
        .Then("profile", Showing("StdProfile"), [&] {
            TAddViewsStg* S = AddViewsStg;
            const TViewCanvas* Preview = StdProfileView->Preview;
            const QScrollArea* Box = StdProfileView->PreviewBox;
            const QRect Frame = InWindow(S->Shape2).adjusted(1, 1, -1, -1);
            const QRect Console = InWindow(BookForm->BtnConsole);
            for (const auto& C : Courses) {
                SCOPED_TRACE(C.Course);
                const auto& Names = StdProfileView->CourseNames;
                const auto Found = std::find(Names.begin(), Names.end(), C.Course);
                ASSERT_NE(Found, Names.end());
                S->ContentsList->setCurrentIndex(int(Found - Names.begin()));
                // The boxes show or hide their scroll bars at the next turn.
                QCoreApplication::processEvents();

                EXPECT_TRUE(IsShownOnWindow(const_cast<QScrollArea*>(Box)));
                EXPECT_TRUE(Frame.contains(InWindow(Box)));
                EXPECT_FALSE(Console.intersects(InWindow(Box)));
                const std::string& Text = Preview->FullText();
                ASSERT_EQ(std::count(Text.begin(), Text.end(), '\n'), C.Chapters);
                // The last title's last word is laid out, and scrolling to
                // the end shows it in the box.
                ASSERT_GT(Preview->WordCount(), 0);
                const TWordInfo& Last = Preview->Words().back();
                const std::string LastLine = Text.substr(Text.rfind('\n', Text.size() - 2) + 1);
                EXPECT_EQ(LastLine.substr(LastLine.rfind(' ') + 1), Last.Text + "\r\n");
                QScrollBar* Bar = Box->verticalScrollBar();
                Bar->setValue(Bar->maximum());
                const QRect Word(
                    Preview->mapTo(Box->viewport(), Preview->WordRect(Last, 0).topLeft()),
                    Preview->WordRect(Last, 0).size());
                EXPECT_TRUE(Box->viewport()->rect().contains(Word))
                    << Word.y() << " + " << Word.height() << " in " << Box->viewport()->height();
                EXPECT_LE(Preview->width(), Box->viewport()->width());

                ExpectWholeText(S->Description, S->DescriptionBox);
                EXPECT_LT(InWindow(S->DescriptionBox).bottom(), InWindow(S->LessonTitle).top());
                Shot(C.Course == std::string("Speed") ? "profile-speed" : "profile-beginner");
                Bar->setValue(0);
            }
            BookForm->close();
        });
    EXPECT_EQ(RunProgram(Driver), 0);
}
