#include "app/ClavoraMain.h"

#include "app/ProgramObjects.h"
#include "app/TMain.h"
#include "files/ProductInfo.h"
#include "files/TProgramSettings.h"
#include "keyboard/TKeyData.h"
#include "platform/Application.h"
#include "platform/Dialogs.h"
#include "platform/ErrorHandler.h"
#include "platform/Help.h"
#include "platform/MessageBoxPresenter.h"
#include "shell/StartupProbe.h"
#include "shell/TBookForm.h"
#include "users/TUser.h"

#include <QApplication>

int ClavoraMain(int ArgumentCount, char** Arguments) {
    Application::ResetTerminated();
    Application::InstallTerminationSignals();
    TMain::Reset();
    // Dialogs are real message boxes unless a test answers them.
    InstallMessageBoxPresenter();
    SetHelpHandler([](int Topic) { ShowHelpTopic(Topic); });

    QApplication::setApplicationDisplayName(QString::fromLatin1(ProductInfo::Title));
    QApplication::setApplicationName(QStringLiteral("Clavora"));

    // The module initialisations, then the windows; the book window is
    // created first and is the main window.
    CreateProgramObjects();
    InstallStartupProbe(BookForm);

    Guarded([&] {
        TMain::Start(ArgumentCount > 0 ? ArgumentCount - 1 : 0,
                     Arguments ? Arguments + 1 : nullptr);
    });
    // Start-up that ended the program itself skips the shutdown.
    if (!TMain::Halted) Guarded([] { TMain::Shutdown(); });
    SetCurrentUser(nullptr);
    delete Settings;
    Settings = nullptr;
    delete KeyData;
    KeyData = nullptr;
    FreeProgramObjects();
    return 0;
}
