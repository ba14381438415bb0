// Setting the program up for a learner: the installation run ("clavora
// /AUTOSETUP") and the first run, which add the program to the desktop's
// menu and seed the settings from the shipped "setup.net".
#pragma once

class TProgramSettings;

// The installation run: the desktop entry, the seeding, and a message.
// Returns when done; the caller ends the program.
void CreateProgramGroup(TProgramSettings& Store);

// The first run, when the settings have no keyboard layouts yet: offers the
// desktop entry, seeds the settings, and reads the seeded layouts' names.
void FirstRunSetup(TProgramSettings& Store);

// Writes each "Section\Name=Value" line of "setup.net" into the settings; a
// line without all three is passed over. A missing file is reported.
void ApplySetupFile(TProgramSettings& Store);

// The desktop entry and its icon (the program group and item); false when
// either could not be written, after telling the learner.
bool CreateDesktopEntry();
