// The program's entry point, callable from main() and from tests.
#pragma once

// Creates the long-lived objects and the windows in their fixed order, runs
// start-up, the menu loop and the shutdown, destroys the windows and returns
// the exit status. A QApplication must exist.
int ClavoraMain(int ArgumentCount, char** Arguments);
