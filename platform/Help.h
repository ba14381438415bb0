// The help book: an HTML page in the program directory, opened in the
// desktop's browser at the topic's anchor ("topic1010").
#pragma once

#include <string>

// The HTML page that stands for a help file name: "CLAVORA.HLP" is the
// page "clavora.html" of the program directory (found in any letter case).
std::string HelpPageFor(const std::string& HelpFile);

// Opens the help file set with Application::SetHelpFile at a topic; false
// when no browser could open it.
bool ShowHelpTopic(int Topic);
