#include "tests/shell/ProgramFixture.h"

#include "app/ClavoraMain.h"
#include "platform/Application.h"
#include "platform/Dialogs.h"

#include <cstdlib>
#include <dirent.h>
#include <unistd.h>

void ProgramTest::SetUp() {
    FDir = std::make_unique<TScopedTempDir>();
    const char* AppDir = std::getenv("CLAVORA_APP_DIR");
    ASSERT_NE(AppDir, nullptr);
    // The program's material, as the build staged it (not the executable).
    DIR* Folder = opendir(AppDir);
    ASSERT_NE(Folder, nullptr);
    while (dirent* Entry = readdir(Folder)) {
        const std::string Name = Entry->d_name;
        if (Name == "." || Name == ".." || Name == "clavora") continue;
        // Folders are shared; files are copied, as the program moves and
        // writes some of them.
        const std::string From = std::string(AppDir) + "/" + Name;
        if (Entry->d_type == DT_DIR)
            ASSERT_EQ(symlink(From.c_str(), (*FDir / Name).c_str()), 0);
        else
            WriteFileBytes(*FDir / Name, ReadFileBytes(From));
    }
    closedir(Folder);
    Application::SetProgramDirectory(FDir->Path());
    ClearDialogLog();
    SetDialogResponder(
        [](const TDialogRequest& Request) { return DefaultAnswer(Request.Buttons); });
}

void ProgramTest::TearDown() {
    SetDialogResponder(nullptr);
    Application::SetProgramDirectory("");
    Application::ResetTerminated();
    FDir.reset();
}

int ProgramTest::RunProgram(TDriver& Driver) {
    Driver.Start();
    char Name[] = "clavora";
    char* Arguments[] = {Name, nullptr};
    const int Status = ClavoraMain(1, Arguments);
    EXPECT_TRUE(Driver.Finished());
    EXPECT_EQ(Driver.Failure(), "");
    return Status;
}
