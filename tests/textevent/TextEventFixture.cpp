#include "tests/textevent/TextEventFixture.h"

#include "analysis/AnalysisObjects.h"
#include "analysis/results/TExercInfoView.h"
#include "engine/TChapterView.h"
#include "engine/TEvent.h"
#include "forms/TChapterStgs.h"
#include "forms/TEventViewStg.h"
#include "forms/TEventsStg.h"
#include "forms/TGeneralStg.h"
#include "platform/Application.h"
#include "platform/Dialogs.h"
#include "shell/ProgramObjects.h"
#include "shell/TBookForm.h"
#include "users/TDifficultKeys.h"
#include "users/TUser.h"

#include <QLabel>
#include <QTest>

#include <cstdlib>

void TextEventTest::SetUp() {
    Dir = std::make_unique<TScopedTempDir>();
    const char* AppDir = std::getenv("CLAVORA_APP_DIR");
    ASSERT_NE(AppDir, nullptr);
    Application::SetProgramDirectory(AppDir);
    Application::ResetTerminated();
    SetClock(&Clock);
    SetDialogResponder([this](const TDialogRequest& Request) {
        return Request.Buttons & mbYes ? Answer : DefaultAnswer(Request.Buttons);
    });
    SetCurrentUser(std::make_unique<TUser>());
    CreateProgramObjects();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(BookForm));
}

void TextEventTest::TearDown() {
    FreeProgramObjects();
    SetCurrentUser(nullptr);
    SetStoryChooser(nullptr);
    SetDialogResponder(nullptr);
    SetClock(nullptr);
    Application::ResetTerminated();
    Application::SetProgramDirectory("");
    Dir.reset();
}

int TextEventTest::RunEvent(TEvent& Event, TDriver& Driver) {
    Driver.Start();
    const int Result = Event.Execute();
    EXPECT_TRUE(Driver.Finished());
    EXPECT_EQ(Driver.Failure(), "");
    return Result;
}

void TextEventTest::Type(const std::string& Keys, double Step) {
    for (char C : Keys) {
        Clock.AdvanceClockSeconds(Step);
        Qt::Key Key = Qt::Key_unknown;
        switch (C) {
        case '\b':
            Key = Qt::Key_Backspace;
            break;
        case '\r':
            Key = Qt::Key_Return;
            break;
        case '\t':
            Key = Qt::Key_Tab;
            break;
        case ' ':
            Key = Qt::Key_Space;
            break;
        default:
            if (C >= 'a' && C <= 'z') Key = Qt::Key(Qt::Key_A + (C - 'a'));
            break;
        }
        QTest::sendKeyEvent(QTest::Click, BookForm->windowHandle(), Key,
                            QString(QChar::fromLatin1(C)), Qt::NoModifier);
    }
}

std::string TextOf(const QLabel* Label) {
    return Label->text().toStdString();
}
