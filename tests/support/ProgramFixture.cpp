#include "tests/support/ProgramFixture.h"

#include "app/ClavoraMain.h"
#include "app/TMain.h"
#include "platform/Application.h"
#include "platform/Dialogs.h"
#include "platform/FileNames.h"
#include "shell/TBookForm.h"
#include "shell/TFormView.h"

#include <QComboBox>
#include <QLabel>

#include <cstdlib>
#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>

void ProgramTest::SetUp() {
    FDir = std::make_unique<TScopedTempDir>();
    const char* AppDir = std::getenv("CLAVORA_APP_DIR");
    ASSERT_NE(AppDir, nullptr);
    // The shipped layer: the program's material as the build staged it (not
    // the executable), in a folder of the test's own, since nothing may ever
    // be written into the build's.
    ASSERT_EQ(mkdir(Shipped("").c_str(), 0755), 0);
    DIR* Folder = opendir(AppDir);
    ASSERT_NE(Folder, nullptr);
    while (dirent* Entry = readdir(Folder)) {
        const std::string Name = Entry->d_name;
        if (Name == "." || Name == ".." || Name == "clavora") continue;
        // Folders are shared; files are copied, as tests change some of them.
        const std::string From = std::string(AppDir) + "/" + Name;
        if (Entry->d_type == DT_DIR)
            ASSERT_EQ(symlink(From.c_str(), Shipped(Name).c_str()), 0);
        else
            WriteFileBytes(Shipped(Name), ReadFileBytes(From));
    }
    closedir(Folder);
    Application::SetProgramDirectory(Shipped(""));
    ClearDialogLog();
    SetDialogResponder(
        [](const TDialogRequest& Request) { return DefaultAnswer(Request.Buttons); });
}

void ProgramTest::TearDown() {
    FDir.reset();
}

std::string ProgramTest::Shipped(const std::string& Name) const {
    return *FDir / ("app/" + Name);
}

std::string ProgramTest::Mine(const std::string& Name) const {
    return *FDir / ("data/Clavora/" + Name);
}

int ProgramTest::RunProgram(TDriver& Driver, std::vector<std::string> Arguments) {
    // A command line runs its exercise or course without a login.
    if (!LogInAs.empty() && Arguments.empty()) {
        Driver
            .Before(
                "the cover", [] { return BookForm && BookForm->NameField->isVisible(); },
                [this] {
                    BookForm->NameField->setEditText(QString::fromLatin1(LogInAs.c_str()));
                    PressKey(BookForm, Qt::Key_Return);
                })
            .Before(
                "logged in",
                [] {
                    return BookForm->NewUserLbl->isVisible() ||
                           (TMain::RunningMenu == "MenuGuided" && TFormView::ActiveView());
                },
                [] {
                    if (BookForm->NewUserLbl->isVisible()) PressKey(BookForm, Qt::Key_Return);
                });
    }
    Driver.Start();
    Arguments.insert(Arguments.begin(), "clavora");
    std::vector<char*> Pointers;
    for (std::string& Argument : Arguments)
        Pointers.push_back(Argument.data());
    Pointers.push_back(nullptr);
    const int Status = ClavoraMain(int(Arguments.size()), Pointers.data());
    EXPECT_TRUE(Driver.Finished());
    EXPECT_EQ(Driver.Failure(), "");
    return Status;
}
