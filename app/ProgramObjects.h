// The program's long-lived objects and windows: one table of steps, made in
// its order and freed in reverse. The entry point makes them, and so do the
// tests and benchmarks that need the program's world.
//
// The objects keep their global names (Settings, CurrentUser, BookForm, the
// storage forms, the analysis objects ...); this table is their one owner.
// A few are made by start-up, when it has read what they need (the settings,
// the keyboard layout, the current user, the course); the table frees them
// all the same. A new long-lived object adds one step to the table, after
// everything it uses, so that it is freed before them.
#pragma once

#include <string>
#include <vector>

void CreateProgramObjects();
void FreeProgramObjects();

// The names of the steps in the order they are made.
std::vector<std::string> ProgramObjectSteps();
