#include "tests/support/EventFixture.h"

#include "app/ProgramObjects.h"
#include "engine/ui/RunEvent.h"
#include "files/TProgramSettings.h"
#include "forms/TEventViewStg.h"
#include "forms/TEventsStg.h"
#include "platform/Application.h"
#include "platform/Dialogs.h"
#include "shell/TBookForm.h"
#include "users/TUser.h"

#include <QLabel>
#include <QTest>

#include <cstdlib>

void EventTest::SetUp() {
    Dir = std::make_unique<TScopedTempDir>();
    const char* AppDir = std::getenv("CLAVORA_APP_DIR");
    ASSERT_NE(AppDir, nullptr);
    Application::SetProgramDirectory(AppDir);
    Application::ResetTerminated();
    SetClock(&Clock);
    ClearDialogLog();
    SetDialogResponder([this](const TDialogRequest& Request) {
        return Request.Buttons & mbYes ? Answer : DefaultAnswer(Request.Buttons);
    });
    // The settings at their defaults, kept in the temporary folder's
    // configuration folder.
    Settings = new TProgramSettings;
    SetCurrentUser(std::make_unique<TUser>());
    CreateProgramObjects();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(BookForm));
}

void EventTest::TearDown() {
    FreeProgramObjects();
    SetCurrentUser(nullptr);
    Dir.reset();
}

int EventTest::DialogCount() const {
    return int(DialogLog().size());
}

std::string EventTest::LastDialog() const {
    return DialogLog().empty() ? std::string() : DialogLog().back().Text;
}

int EventTest::RunEvent(TEvent& Event, TDriver& Driver) {
    Driver.Start();
    const int Result = Event.Execute();
    EXPECT_TRUE(Driver.Finished());
    EXPECT_EQ(Driver.Failure(), "");
    return Result;
}

TEventRecord EventTest::RunAsProgram(TEvent& Event, TDriver& Driver) {
    Driver.Start();
    const TEventRecord Record = ::RunEvent(Event, TEventSetup(Event.Setup));
    EXPECT_TRUE(Driver.Finished());
    EXPECT_EQ(Driver.Failure(), "");
    return Record;
}

std::string TextOf(const QLabel* Label) {
    return Label->text().toStdString();
}
