// The whole program driven as a learner drives it: tab clicks, shortcuts,
// Escape, pages that refuse to close, the exit picture and the window's close.
#include "tests/support/ProgramFixture.h"

#include "app/TMain.h"
#include "files/ErrorLog.h"
#include "files/TProgramSettings.h"
#include "keyboard/TKeyData.h"
#include "platform/Dialogs.h"
#include "platform/FileNames.h"
#include "shell/TBookForm.h"
#include "shell/TFormView.h"
#include "users/TDifficultKeys.h"
#include "users/TUser.h"

#include <QLabel>

#include <sys/stat.h>
#include <unistd.h>

namespace {

bool Running(const char* Menu) {
    return TMain::RunningMenu == Menu && TFormView::ActiveView() && TFormView::ActiveView()->IsOpen;
}

std::string TitleText() {
    return BookForm->Title->text().toStdString();
}

} // namespace

TEST_F(ProgramTest, StartsOnGuidedStudyingAndEndsWhenTheWindowCloses) {
    TDriver Driver;
    bool Checked = false;
    Driver.Then(
        "guided studying runs", [] { return Running("MenuGuided"); },
        [&] {
            EXPECT_EQ(TMain::SelectedMenu, "MenuGuided");
            EXPECT_EQ(TMain::SelectedPicture, BookForm->MenuGuided);
            EXPECT_TRUE(BookForm->MenuGuided->isHidden());
            EXPECT_TRUE(BookForm->Book->isVisible());
            EXPECT_FALSE(BookForm->BookCover->isVisible());
            // A new learner meets the welcome page, one wide page.
            EXPECT_TRUE(BookForm->WidePage->isVisible());
            EXPECT_FALSE(BookForm->LeftPage->isVisible());
            EXPECT_FALSE(BookForm->TitleConsole->isVisible());
            EXPECT_EQ(BookForm->windowTitle().toStdString(), "Clavora 98");
            Checked = true;
            BookForm->close();
        });
    EXPECT_EQ(RunProgram(Driver), 0);
    EXPECT_TRUE(Checked);
    EXPECT_TRUE(TMain::ExitRequested);
    EXPECT_EQ(BookForm, nullptr) << "the windows are gone when the program ends";
}

TEST_F(ProgramTest, TabClicksSwitchControllers) {
    TDriver Driver;
    Driver
        .Then(
            "guided", [] { return Running("MenuGuided"); },
            [] { ClickWidget(BookForm->MenuRevision); })
        .Then(
            "revision", [] { return Running("MenuRevision"); },
            [] {
                EXPECT_TRUE(BookForm->MenuRevision->isHidden());
                EXPECT_FALSE(BookForm->MenuGuided->isHidden());
                EXPECT_EQ(TitleText(), "Revision");
                ClickWidget(BookForm->MenuInfo);
            })
        .Then(
            "statistics", [] { return Running("MenuInfo"); },
            [] {
                EXPECT_EQ(TitleText(), "Statistics");
                ClickWidget(BookForm->MenuOptions);
            })
        .Then(
            "options", [] { return Running("MenuOptions"); },
            [] { ClickWidget(BookForm->MenuLogo); })
        .Then(
            "about", [] { return Running("MenuLogo"); },
            [] {
                EXPECT_EQ(TitleText(), "About");
                BookForm->close();
            });
    EXPECT_EQ(RunProgram(Driver), 0);
}

TEST_F(ProgramTest, CtrlTabStepsForwardAndCtrlShiftTabBackFromTheRunningTab) {
    TDriver Driver;
    const char* Forward[] = {"MenuGuided", "MenuRevision", "MenuInfo",
                             "MenuLogo",   "MenuOptions",  "MenuGuided"};
    for (int I = 0; I < 5; ++I)
        Driver.Then(
            std::string("forward from ") + Forward[I], [M = Forward[I]] { return Running(M); },
            [] { PressKey(BookForm, Qt::Key_Tab, Qt::ControlModifier); });
    const char* Backward[] = {"MenuGuided", "MenuOptions",  "MenuLogo",
                              "MenuInfo",   "MenuRevision", "MenuGuided"};
    for (int I = 0; I < 5; ++I)
        Driver.Then(
            std::string("backward from ") + Backward[I], [M = Backward[I]] { return Running(M); },
            // Qt reports Ctrl+Shift+Tab as Backtab.
            [] { PressKey(BookForm, Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier); });
    Driver.Then(
        "back at guided", [] { return Running("MenuGuided"); }, [] { BookForm->close(); });
    EXPECT_EQ(RunProgram(Driver), 0);
}

TEST_F(ProgramTest, EscapeReturnsToGuidedStudying) {
    TDriver Driver;
    Driver
        .Then(
            "guided", [] { return Running("MenuGuided"); }, [] { ClickWidget(BookForm->MenuInfo); })
        .Then(
            "statistics", [] { return Running("MenuInfo"); },
            [] { PressKey(BookForm, Qt::Key_Escape); })
        .Then(
            "guided again", [] { return Running("MenuGuided"); },
            [] {
                EXPECT_FALSE(BookForm->MenuInfo->isHidden());
                BookForm->close();
            });
    EXPECT_EQ(RunProgram(Driver), 0);
}

TEST_F(ProgramTest, APageThatRefusesToCloseKeepsItsTab) {
    TDriver Driver;
    bool Refuse = true;
    Driver
        .Then(
            "revision", [] { return Running("MenuGuided"); },
            [] { ClickWidget(BookForm->MenuRevision); })
        .Then(
            "refusing", [] { return Running("MenuRevision"); },
            [&] {
                TFormView::ActiveView()->OnCloseQuery = [&](bool& Refused) { Refused = Refuse; };
                ClickWidget(BookForm->MenuInfo);
                PressKey(BookForm, Qt::Key_Tab, Qt::ControlModifier);
                PressKey(BookForm, Qt::Key_Escape);
            })
        .Do("still revision",
            [] {
                EXPECT_EQ(TMain::SelectedMenu, "MenuRevision");
                EXPECT_TRUE(Running("MenuRevision"));
                EXPECT_TRUE(BookForm->MenuRevision->isHidden());
                EXPECT_FALSE(BookForm->MenuInfo->isHidden());
                // The exit picture and the window's close are refused too.
                ClickWidget(BookForm->MenuExit);
                EXPECT_FALSE(BookForm->MenuExit->isHidden());
                EXPECT_FALSE(TMain::ExitRequested);
                BookForm->close();
                EXPECT_TRUE(BookForm->isVisible());
                EXPECT_FALSE(TMain::ExitRequested);
            })
        .Do("let go",
            [&] {
                EXPECT_TRUE(Running("MenuRevision"));
                Refuse = false;
                ClickWidget(BookForm->MenuInfo);
            })
        .Then(
            "statistics", [] { return Running("MenuInfo"); }, [] { BookForm->close(); });
    EXPECT_EQ(RunProgram(Driver), 0);
}

TEST_F(ProgramTest, TheExitPictureEndsTheProgram) {
    TDriver Driver;
    Driver.Then(
        "guided", [] { return Running("MenuGuided"); }, [] { ClickWidget(BookForm->MenuExit); });
    EXPECT_EQ(RunProgram(Driver), 0);
    EXPECT_EQ(TMain::SelectedMenu, "MenuExit");
    EXPECT_TRUE(TMain::ExitRequested);
}

TEST_F(ProgramTest, ClickingTheSelectedTabsPlaceDoesNothing) {
    TDriver Driver;
    TFormView* Page = nullptr;
    Driver
        .Then(
            "guided", [] { return Running("MenuGuided"); },
            [&] {
                Page = TFormView::ActiveView();
                // The selected tab's picture is hidden: the click lands on
                // the tab row beneath it.
                ClickWidget(BookForm->TabRowPic, BookForm->MenuGuided->geometry().center());
            })
        .Do("unchanged", [&] {
            EXPECT_EQ(TFormView::ActiveView(), Page);
            EXPECT_TRUE(Page->IsOpen);
            BookForm->close();
        });
    EXPECT_EQ(RunProgram(Driver), 0);
}

TEST_F(ProgramTest, SettingsAreReadAtStartAndSavedAtShutdown) {
    mkdir((*FDir / "config/Veltrona").c_str(), 0755);
    WriteFileBytes(*FDir / "config/Veltrona/Clavora.ini",
                   "[General Settings]\nMeasuringUnit=WPM\nPlayTheme=0\nMaximizedBook=0\n"
                   "AutoLogon=%USERNAME%\n[Keyboard Layouts]\nEnglish=qwerty.kbd\n");
    // The automatic login skips the cover; the new learner says Yes.
    LogInAs.clear();
    TDriver Driver;
    Driver.Then(
        "new learner", [] { return BookForm->NewUserLbl->isVisible(); },
        [] { PressKey(BookForm, Qt::Key_Return); });
    Driver.Then(
        "running", [] { return Running("MenuGuided"); },
        [] {
            EXPECT_EQ(Settings->Version, "4.20");
            EXPECT_EQ(Settings->Build, "0161");
            EXPECT_TRUE(Settings->MeasuringUnit);
            EXPECT_FALSE(BookForm->IsMaximized());
            BookForm->close();
        });
    EXPECT_EQ(RunProgram(Driver), 0);
    EXPECT_TRUE(DialogLog().empty()) << "an installed machine asks nothing at start";
    const std::string Saved = ReadFileBytes(*FDir / "config/Veltrona/Clavora.ini");
    EXPECT_NE(Saved.find("MeasuringUnit=WPM\n"), std::string::npos);
    EXPECT_NE(Saved.find("MaximizedBook=0\n"), std::string::npos);
    EXPECT_NE(Saved.find("KeyboardLayout=English\n"), std::string::npos);
    EXPECT_NE(Saved.find("AutoLogon=%USERNAME%\n"), std::string::npos);
    EXPECT_EQ(Saved.find("DataPath"), std::string::npos);
}

// The learner's data goes to the learner's own folder; the shipped folder is
// only read, however often the program runs.
TEST_F(ProgramTest, TheShippedDatabaseIsCopiedIntoTheLearnersFolder) {
    const auto Listing = [&] { return ListFiles(Shipped("*")); };
    const std::vector<std::string> Before = Listing();
    for (int Run = 1; Run <= 2; ++Run) {
        SCOPED_TRACE(Run);
        TDriver Driver;
        Driver.Then(
            "running", [] { return Running("MenuGuided"); },
            [&] {
                EXPECT_EQ(ResolveFileName(Settings->DataPath + "Userbase.kq4"),
                          Mine("Userbase.kq4"));
                // The shipped records, and the learner's record after them:
                // made on the first run, found on the second.
                const std::string Shipped = ReadFileBytes(this->Shipped("UserBase.org"));
                const std::string Own = ReadFileBytes(Mine("Userbase.kq4"));
                EXPECT_EQ(Own.substr(0, Shipped.size()), Shipped);
                EXPECT_EQ(Own.size(), Shipped.size() + 2504);
                ASSERT_NE(CurrentUser, nullptr);
                EXPECT_EQ(CurrentUser->FName, "Tester");
                ASSERT_NE(DifficultKeys, nullptr);
                LogError(-501, "a file");
                BookForm->close();
            });
        EXPECT_EQ(RunProgram(Driver), 0);
        EXPECT_EQ(CurrentUser, nullptr) << "freed when the program ends";
    }
    EXPECT_TRUE(PathExists(Mine("Errors.log")));
    EXPECT_EQ(Listing(), Before);
}

TEST_F(ProgramTest, ADatabaseThatCannotBeMovedIsReportedAndStartUpGoesOn) {
    mkdir((*FDir / "config/Veltrona").c_str(), 0755);
    WriteFileBytes(*FDir / "config/Veltrona/Clavora.ini",
                   "[General Settings]\nDataPath=" + *FDir / "missing/folder" +
                       "\n[Keyboard Layouts]\nEnglish=qwerty.kbd\n");
    // Without a database nobody can log in: the learner closes the window.
    LogInAs.clear();
    TDriver Driver;
    Driver.Then(
        "the cover", [] { return BookForm->NameField->isVisible(); }, [] { BookForm->close(); });
    EXPECT_EQ(RunProgram(Driver), 0);
    // The cover's list of learners tells that the database is missing.
    ASSERT_EQ(DialogLog().size(), 2u);
    EXPECT_EQ(DialogLog()[1].Type, mtWarning);
    EXPECT_EQ(DialogLog()[0].Text, "#-6633 Error when renaming default userbase to:\n\r" +
                                       (*FDir / "missing/folder") + "\\Userbase.kq4");
    EXPECT_TRUE(PathExists(Shipped("UserBase.org")));
}

TEST_F(ProgramTest, TheChosenKeyboardLayoutIsLoadedAtStart) {
    mkdir((*FDir / "config/Veltrona").c_str(), 0755);
    WriteFileBytes(*FDir / "config/Veltrona/Clavora.ini",
                   "[General Settings]\nKeyboardAutoDetect=0\nKeyboardLayout=German\n"
                   "[Keyboard Layouts]\nEnglish=qwerty.kbd\nGerman=qwertz.kbd;German\n");
    TDriver Driver;
    Driver.Then(
        "running", [] { return Running("MenuGuided"); },
        [] {
            ASSERT_NE(KeyData, nullptr);
            EXPECT_EQ(KeyData->KeyOf('\xE4'), 36);
            EXPECT_EQ(KeyData->KeyOf('z'), 19);
            BookForm->close();
        });
    EXPECT_EQ(RunProgram(Driver), 0);
    EXPECT_EQ(KeyData, nullptr) << "freed when the program ends";
}

TEST_F(ProgramTest, AMissingKeyboardLayoutIsReportedAndEndsTheProgram) {
    mkdir((*FDir / "config/Veltrona").c_str(), 0755);
    const std::string Ini = "[General Settings]\nKeyboardAutoDetect=0\nKeyboardLayout=German\n"
                            "[Keyboard Layouts]\nGerman=qwertz.kbd;German\n";
    WriteFileBytes(*FDir / "config/Veltrona/Clavora.ini", Ini);
    ASSERT_EQ(unlink(Shipped("qwertz.kbd").c_str()), 0);
    LogInAs.clear();
    TDriver Driver;
    EXPECT_EQ(RunProgram(Driver), 1) << "a broken installation ends with a failure status";
    ASSERT_EQ(DialogLog().size(), 1u);
    EXPECT_EQ(DialogLog()[0].Type, mtError);
    EXPECT_EQ(DialogLog()[0].Text.rfind("#-500 "), 0u);
    EXPECT_NE(DialogLog()[0].Text.find("qwertz.kbd not found!"), std::string::npos);
    EXPECT_NE(ReadFileBytes(Mine("Errors.log")).find("qwertz.kbd not found!"), std::string::npos);
    EXPECT_TRUE(TMain::Halted);
    EXPECT_EQ(TMain::SelectedMenu, "");
    // Nothing after the layout ran, and nothing was written back.
    EXPECT_TRUE(PathExists(Shipped("UserBase.org")));
    EXPECT_FALSE(PathExists(Mine("Userbase.kq4")));
    EXPECT_EQ(ReadFileBytes(*FDir / "config/Veltrona/Clavora.ini"), Ini);
    EXPECT_EQ(KeyData, nullptr);
}
