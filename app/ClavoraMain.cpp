#include "app/ClavoraMain.h"

#include "app/CommandLine.h"
#include "app/ProgramObjects.h"
#include "app/TMain.h"
#include "files/ProductInfo.h"
#include "platform/Application.h"
#include "platform/Dialogs.h"
#include "platform/Environment.h"
#include "platform/ErrorHandler.h"
#include "platform/Help.h"
#include "platform/MessageBoxPresenter.h"
#include "shell/StartupProbe.h"
#include "shell/TBookForm.h"

#include <QApplication>

#include <cstdio>
#include <string>
#include <vector>

namespace {

// The command line as start-up takes it; false, with the message printed,
// when the program ends here with the status given.
bool TakeCommandLine(int ArgumentCount, char** Arguments, std::vector<std::string>& Taken,
                     int& Status) {
    for (int I = 1; I < ArgumentCount; ++I)
        if (Arguments[I]) Taken.emplace_back(Arguments[I]);
    const TCommandLine Line = ParseCommandLine(Taken);
    Status = 0;
    switch (Line.Action) {
    case TCommandLine::caHelp:
        std::fputs(UsageText().c_str(), stdout);
        return false;
    case TCommandLine::caVersion:
        std::printf("%s\n", VersionText().c_str());
        return false;
    case TCommandLine::caError:
        std::fprintf(stderr, "clavora: %s\n%s", Line.Value.c_str(), UsageText().c_str());
        Status = 2;
        return false;
    case TCommandLine::caExercise: {
        // Typed in the terminal's encoding; the program works in Latin-1.
        std::string Latin1, Refused;
        if (!LocaleTextToLatin1(Line.Value, Latin1, Refused)) {
            std::fprintf(stderr, "clavora: %s\n", RefusedTextMessage(Refused).c_str());
            Status = 2;
            return false;
        }
        Taken = {"--exercise", Latin1};
        return true;
    }
    default:
        return true;
    }
}

} // namespace

int ClavoraMain(int ArgumentCount, char** Arguments) {
    std::vector<std::string> Taken;
    if (int Status = 0; !TakeCommandLine(ArgumentCount, Arguments, Taken, Status)) return Status;
    std::vector<char*> Pointers;
    for (std::string& Argument : Taken)
        Pointers.push_back(Argument.data());
    Pointers.push_back(nullptr);

    Application::ResetTerminated();
    Application::InstallTerminationSignals();
    TMain::Reset();
    // Dialogs are real message boxes unless a test answers them.
    InstallMessageBoxPresenter();
    SetHelpHandler([](int Topic) { ShowHelpTopic(Topic); });

    QApplication::setApplicationDisplayName(QString::fromLatin1(ProductInfo::Title));
    QApplication::setApplicationName(QStringLiteral("Clavora"));
    UseAccentComposeRules(Application::ProgramDirectory() + "/accents.compose");

    // The program's world: the module initialisations, then the windows (the
    // book window first, as it is the main window) and the pages. Start-up
    // makes the rest of the program's objects as it reads what they need.
    CreateProgramObjects();
    InstallStartupProbe(BookForm);

    Guarded([&] { TMain::Start(int(Taken.size()), Pointers.data()); });
    // Start-up that ended the program itself skips the shutdown.
    if (!TMain::Halted) Guarded([] { TMain::Shutdown(); });
    FreeProgramObjects();
    return TMain::ExitStatus;
}
