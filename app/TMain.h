// The application controller: start-up, the main menu loop that runs one
// tab's controller at a time, the tab clicks and shortcuts that switch
// between them, the window's close, and the shutdown.
#pragma once

#include "shell/TBookForm.h"

#include <QPointer>
#include <optional>
#include <string>

class TController;

class TMain {
public:
    // Component name of the tab picture whose click was last accepted.
    static std::string SelectedMenu;
    // The tab whose controller the menu loop started last.
    static std::string RunningMenu;
    // The tab picture hidden because it is selected.
    static QPointer<QWidget> SelectedPicture;
    // Set when the window's close has been accepted; never cleared.
    static bool ExitRequested;

    // The tabs' controllers; steps of the program's objects, made by start-up
    // once the settings are loaded.
    static TController* GuidedStudying;
    static TController* Revision;
    static TController* StatisticsPage;
    static TController* About;

    // The command line (without the program name) that start-up looks at.
    static void Start(int ArgumentCount, char** Arguments);
    static void Shutdown();
    static void MenuLoop();
    static void MenuClick(QObject* Sender);
    static void BookClose(QObject* Sender, TCloseAction& Action);
    static void SelectNextMenu(QObject* Sender);
    static void SelectPreviousMenu(QObject* Sender);
    static void SelectGuidedMenu(QObject* Sender);

    // Set when start-up ends the program before its shutdown (the small
    // screen refused, the installation run).
    static bool Halted;
    // The program's exit status: not 0 when start-up found the installation
    // broken or the command line's exercise could not run.
    static int ExitStatus;

    // Back to the state before the first start (a program run in a test).
    static void Reset();

    // The longest name an automatic login may give.
    static constexpr size_t MaxAutoLogonName = 98;
    // The AutoLogon setting with its %NAME% references expanded; none when
    // the learner logs in on the cover.
    static std::optional<std::string> AutoLogonName();

private:
    // Logs a learner in as the current user; false when the window was
    // closed first. EnteredName is the name as entered.
    static bool LoginLoop(std::string& EnteredName);
    static void RunOptions();
    static bool SmallScreenRefused();
};
