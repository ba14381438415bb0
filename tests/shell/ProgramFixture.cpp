#include "tests/shell/ProgramFixture.h"

#include "platform/Application.h"
#include "platform/Dialogs.h"
#include "shell/ClavoraMain.h"

#include <cstdlib>
#include <unistd.h>

void ProgramTest::SetUp() {
    FDir = std::make_unique<TScopedTempDir>();
    const char* AppDir = std::getenv("CLAVORA_APP_DIR");
    ASSERT_NE(AppDir, nullptr);
    ASSERT_EQ(symlink((std::string(AppDir) + "/Pictures").c_str(), (*FDir / "Pictures").c_str()), 0);
    Application::SetProgramDirectory(FDir->Path());
    ClearDialogLog();
    SetDialogResponder([](const TDialogRequest& Request) { return DefaultAnswer(Request.Buttons); });
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
