// The application's message pump and terminating state.
//
// The program never runs the toolkit's own main loop: every modal loop turns
// the pump itself. A turn processes all pending messages and, when there are
// none, sleeps until the next one arrives, so an idle page costs no CPU.
#pragma once

#include <string>

namespace Application {

// True once the main window's close was accepted (or a termination signal
// arrived).
bool Terminated();
void Terminate();
// Clears the flag (tests that run the program more than once in a process).
void ResetTerminated();

// One turn of a modal loop: process what is pending, or wait for the next
// message. Callers check their own done flags before every turn.
void WaitAndProcessMessages();

// Processes pending messages without waiting (retry loops, forced repaints).
void ProcessMessages();

// Makes SIGTERM, SIGINT and SIGHUP end the program like closing its window.
void InstallTerminationSignals();

// The folder of the program and its material (the executable's folder
// unless set otherwise, as tests do).
std::string ProgramDirectory();
void SetProgramDirectory(const std::string& Directory);
// The folder SetProgramDirectory set, "" when none was.
const std::string& ProgramDirectorySetting();

// The help book and its topics.
void SetHelpFile(const std::string& Name);
const std::string& HelpFile();

} // namespace Application
