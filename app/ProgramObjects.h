// The program's long-lived objects and windows: one table of steps, the one
// owner of every one of them. Each step is made once, at its moment, and all
// are freed in reverse order of the table. The entry point makes the
// program's world and start-up the later moments; the tests and benchmarks
// that need the program's world make it too.
//
// The objects keep their global names (Settings, CurrentUser, BookForm, the
// storage forms, the analysis objects, the tabs' controllers ...). A new
// long-lived object adds one step to the table, after everything it uses, so
// that it is freed before them.
#pragma once

#include <string>
#include <vector>

// When a step is made.
enum class TObjectMoment {
    // The module initialisations, the windows and the pages: before start-up.
    World,
    // Start-up has found the program's folders: the settings, which are read
    // from them.
    FoldersFound,
    // Start-up has loaded the settings: the keyboard layout they name, the
    // user database with a current user without a name, the tabs'
    // controllers.
    SettingsLoaded,
    // The learner is known (logged in, or the command line runs without a
    // login): the learner's course.
    LearnerKnown,
};

// Makes the program's world (the steps of TObjectMoment::World).
void CreateProgramObjects();
// Makes the steps of Moment that are not made yet, in the table's order;
// false, with the cause logged, when one could not be made (the keyboard
// layout not found), and then the steps after it are not made.
bool MakeProgramObjects(TObjectMoment Moment);
// Frees every step, made by the table or put in place by a test, in reverse.
void FreeProgramObjects();

// The names of the steps in the table's order.
std::vector<std::string> ProgramObjectSteps();
