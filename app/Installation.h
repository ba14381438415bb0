// The start-up check of the installation: the material the book cannot be
// shown without (its pictures and the help book) must be in the program's
// folder. Sounds are optional: without them the program is silent.
#pragma once

#include <string>
#include <vector>

// The names, relative to the program's folder, of the pictures that the
// windows made so far ask for and of the help book, that are missing or
// cannot be read; sorted, each once.
std::vector<std::string> MissingMaterial();

// Tells the learner, in one message naming the folder and what is missing,
// that the installation is broken; false then.
bool InstallationComplete();
