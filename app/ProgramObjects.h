// The program's long-lived objects and windows, made in their fixed order:
// the module initialisations (the sound switch, the difficult-keys table, the
// analysis objects, the chapter container and the results page), then the
// book window, which becomes the main window, the navigation console and the
// thirteen storage forms. Freed in reverse. The entry point makes them, and
// so do the tests and benchmarks that need the program's world.
#pragma once

void CreateProgramObjects();
void FreeProgramObjects();
