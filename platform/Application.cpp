#include "platform/Application.h"

#include <QAbstractEventDispatcher>
#include <QCoreApplication>
#include <QSocketNotifier>

#include <atomic>
#include <csignal>
#include <fcntl.h>
#include <unistd.h>

namespace {
std::atomic<bool> FTerminated{false};
std::string FProgramDirectory;
std::string FHelpFile;
int FSignalPipe[2] = {-1, -1};

void OnSignal(int) {
    FTerminated = true;
    // Wake a pump that is waiting for messages.
    if (FSignalPipe[1] >= 0) {
        const char Byte = 1;
        [[maybe_unused]] ssize_t Ignored = write(FSignalPipe[1], &Byte, 1);
    }
}
} // namespace

namespace Application {

bool Terminated() {
    return FTerminated;
}
void Terminate() {
    FTerminated = true;
    if (auto* Dispatcher = QAbstractEventDispatcher::instance()) Dispatcher->wakeUp();
}
void ResetTerminated() {
    FTerminated = false;
}

void WaitAndProcessMessages() {
    if (!QCoreApplication::instance()) return;
    QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
}

void ProcessMessages() {
    if (!QCoreApplication::instance()) return;
    QCoreApplication::processEvents(QEventLoop::AllEvents);
}

void InstallTerminationSignals() {
    if (FSignalPipe[0] >= 0) return;
    if (pipe2(FSignalPipe, O_CLOEXEC | O_NONBLOCK) != 0) return;
    auto* Notifier =
        new QSocketNotifier(FSignalPipe[0], QSocketNotifier::Read, QCoreApplication::instance());
    QObject::connect(Notifier, &QSocketNotifier::activated, [] {
        char Buffer[16];
        while (read(FSignalPipe[0], Buffer, sizeof Buffer) > 0) {
        }
        // Ends every nested event loop, so that an open message box returns
        // and no later one waits: the program runs its shutdown and ends.
        QCoreApplication::exit(0);
    });
    struct sigaction Action {};
    Action.sa_handler = OnSignal;
    sigemptyset(&Action.sa_mask);
    // A hang-up (the terminal that started the program closed, the desktop
    // session ended) ends it as cleanly as a request to terminate.
    for (const int Signal : {SIGTERM, SIGINT, SIGHUP})
        sigaction(Signal, &Action, nullptr);
}

std::string ProgramDirectory() {
    if (!FProgramDirectory.empty()) return FProgramDirectory;
    if (!QCoreApplication::instance()) return ".";
    return QCoreApplication::applicationDirPath().toLocal8Bit().toStdString();
}

void SetProgramDirectory(const std::string& Directory) {
    FProgramDirectory = Directory;
}

const std::string& ProgramDirectorySetting() {
    return FProgramDirectory;
}

void SetHelpFile(const std::string& Name) {
    FHelpFile = Name;
}
const std::string& HelpFile() {
    return FHelpFile;
}

} // namespace Application
