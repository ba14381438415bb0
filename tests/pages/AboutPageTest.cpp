// The about page in the running program: the version block, the learner,
// the three links (and a desktop that cannot open them), Escape and Ctrl+Tab.
#include "tests/support/ProgramFixture.h"

#include "app/TMain.h"
#include "files/TProgramSettings.h"
#include "forms/TAboutStorage.h"
#include "platform/Controls.h"
#include "platform/Dialogs.h"
#include "platform/ShellOpen.h"
#include "shell/TBookForm.h"
#include "shell/TFormView.h"
#include "users/TUser.h"

#include <QLabel>

#include <cstdlib>

namespace {

bool Running(const char* Menu) {
    return TMain::RunningMenu == Menu && TFormView::ActiveView() && TFormView::ActiveView()->IsOpen;
}

std::string Text(const QLabel* Label) {
    return Label->text().toStdString();
}

class AboutPageTest : public ProgramTest {
protected:
    void SetUp() override {
        ProgramTest::SetUp();
        SetShellOpener([this](const std::string& Target) {
            Opened.push_back(Target);
            return Opens;
        });
    }
    std::vector<std::string> Opened;
    bool Opens = true;
};

} // namespace

TEST_F(AboutPageTest, ShowsTheVersionAndTheLearnerAndOpensTheLinks) {
    TDriver Driver;
    Driver
        .Then(
            "guided", [] { return Running("MenuGuided"); },
            [] {
                SetCurrentUser(TUser::CreateUser("maria da silva"));
                ClickWidget(BookForm->MenuLogo);
            })
        .Then(
            "about", [] { return Running("MenuLogo"); },
            [this] {
                TAboutStorage& S = *AboutStorage;
                EXPECT_EQ(BookForm->Title->text().toStdString(), "About");
                EXPECT_EQ(Text(S.Version), "4.20 [32Bit]");
                EXPECT_EQ(Text(S.Build), "0161; 98-06-10");
                // The name as the user record keeps it.
                EXPECT_EQ(Text(S.CurrentUser), CurrentUser->FName);
                EXPECT_FALSE(CurrentUser->FName.empty());
                for (QWidget* Shown : std::initializer_list<QWidget*>{
                         S.VersionTitle, S.LatestVersion, S.EmailLink, S.DomainLink, S.TeamTitle,
                         S.Roles.front(), S.Names.back()})
                    EXPECT_TRUE(IsShownOnWindow(Shown)) << Shown->objectName().toStdString();
                if (const char* Shots = std::getenv("CLAVORA_SHOTS"))
                    BookForm->grab().save(QString::fromLocal8Bit(Shots) +
                                          QStringLiteral("/about.png"));

                ClearDialogLog();
                for (QWidget* Link :
                     {static_cast<QWidget*>(S.LatestVersion), static_cast<QWidget*>(S.EmailLink),
                      static_cast<QWidget*>(S.DomainLink)})
                    ClickWidget(Link);
                ASSERT_EQ(Opened.size(), 3u);
                EXPECT_EQ(Opened[0], Settings->NewVersionPage);
                EXPECT_EQ(Opened[0].substr(Opened[0].size() - 18), "/versions/0161.htm");
                EXPECT_EQ(Opened[1], "mailto:" + Text(S.EmailLink));
                EXPECT_EQ(Opened[2].rfind("https://", 0), 0u) << Opened[2];
                EXPECT_TRUE(DialogLog().empty());

                // A desktop without a browser: told, and the page stays.
                Opens = false;
                ClickWidget(S.DomainLink);
                ASSERT_EQ(DialogLog().size(), 1u);
                EXPECT_NE(DialogLog()[0].Text.find("#-5452"), std::string::npos)
                    << DialogLog()[0].Text;
                EXPECT_NE(DialogLog()[0].Text.find(Opened[2]), std::string::npos);
                EXPECT_TRUE(Running("MenuLogo"));
                PressKey(BookForm, Qt::Key_Escape);
            })
        .Then(
            "guided", [] { return Running("MenuGuided") && !BookForm->MenuGuided->isVisible(); },
            [] {
                // Visited again, the page names the learner logged in now.
                SetCurrentUser(TUser::CreateUser("Olli"));
                ClickWidget(BookForm->MenuLogo);
            })
        .Then(
            "about again",
            [] { return Running("MenuLogo") && Text(AboutStorage->CurrentUser) == "Olli"; },
            [] { PressKey(BookForm, Qt::Key_Tab, Qt::ControlModifier); })
        .Then(
            "options after Ctrl+Tab", [] { return Running("MenuOptions"); },
            [] { BookForm->close(); });
    EXPECT_EQ(RunProgram(Driver), 0);
}
