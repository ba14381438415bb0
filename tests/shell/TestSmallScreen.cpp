// Start-up on a screen 640 pixels wide: the warning, its Help, and the
// borderless book with the navigation console; or the end of the program.
#include "tests/support/ProgramFixture.h"

#include "app/TMain.h"
#include "files/TProgramSettings.h"
#include "platform/Dialogs.h"
#include "platform/ShellOpen.h"
#include "shell/TBookForm.h"
#include "shell/TNavigate.h"

#include <QGuiApplication>
#include <QScreen>

#include <algorithm>

namespace {
const char* const Warning = "Clavora cannot fit to screen, since your display\r"
                            "area is only 640x480 or smaller. Press Help button to\r"
                            "view the instructions.\r"
                            "\r"
                            "Do you want to continue?";
}

TEST_F(ProgramTest, NoOnASmallScreenEndsTheProgramBeforeAnySettingIsRead) {
    std::vector<std::string> Asked;
    SetDialogResponder([&](const TDialogRequest& R) {
        Asked.push_back(R.Text);
        EXPECT_EQ(R.Type, mtWarning);
        EXPECT_EQ(R.Buttons, unsigned(mbYes | mbNo | mbHelp));
        EXPECT_EQ(R.HelpContext, 1010);
        return int(mrNo);
    });
    LogInAs.clear();
    TDriver Driver;
    EXPECT_EQ(RunProgram(Driver), 0);
    EXPECT_EQ(Asked, std::vector<std::string>{Warning}) << "no first-run question either";
    EXPECT_TRUE(TMain::Halted);
    EXPECT_EQ(TMain::SelectedMenu, "");
}

TEST_F(ProgramTest, YesOnASmallScreenGivesABorderlessBookAndTheNavigationConsole) {
    std::vector<std::string> Opened;
    SetShellOpener([&](const std::string& Target) {
        Opened.push_back(Target);
        return true;
    });
    int Warnings = 0;
    SetDialogResponder([&](const TDialogRequest& R) {
        if (R.Text != Warning) return DefaultAnswer(R.Buttons);
        // Help first: the warning comes again afterwards.
        return ++Warnings == 1 ? int(mrHelp) : int(mrYes);
    });
    TDriver Driver;
    Driver.Then(
        "guided", [] { return TMain::RunningMenu == "MenuGuided"; },
        [&] {
            EXPECT_TRUE(Settings->SmallScreen);
            EXPECT_TRUE(BookForm->windowFlags() & Qt::FramelessWindowHint);
            ASSERT_NE(Navigate, nullptr);
            EXPECT_TRUE(Navigate->isVisible());
            const QRect Book = BookForm->frameGeometry();
            EXPECT_EQ(Navigate->y() + Navigate->height(), Book.top() + Book.height());
            BookForm->close();
        });
    EXPECT_EQ(RunProgram(Driver), 0);
    EXPECT_EQ(Warnings, 2);
    ASSERT_EQ(Opened.size(), 1u);
    EXPECT_EQ(Opened[0], "file://" + Shipped("Clavora.html#topic1010"));
}

// Run on a 1280 x 960 screen drawn at twice the size, which leaves 640 x 480
// of the book's own pixels: the screen is not small, so nothing is asked.
TEST_F(ProgramTest, AScreenIsSmallByItsRealPixelsNotByTheScaledOnes) {
    QScreen* Screen = QGuiApplication::primaryScreen();
    if (Screen->devicePixelRatio() == 1) GTEST_SKIP() << "runs on the scaled screen only";
    ASSERT_EQ(Screen->availableGeometry().width(), 640);
    std::vector<std::string> Asked;
    SetDialogResponder([&](const TDialogRequest& R) {
        Asked.push_back(R.Text);
        return DefaultAnswer(R.Buttons);
    });
    TDriver Driver;
    Driver.Then(
        "guided", [] { return TMain::RunningMenu == "MenuGuided"; },
        [] {
            EXPECT_FALSE(Settings->SmallScreen);
            BookForm->close();
        });
    EXPECT_EQ(RunProgram(Driver), 0);
    EXPECT_TRUE(std::find(Asked.begin(), Asked.end(), Warning) == Asked.end());
}
