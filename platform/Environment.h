// Environment-variable references in settings: "%NAME%" stands for the value
// of the variable NAME. A reference to a variable that is not set stays as
// written, "%%" and a lone "%" too. USERNAME falls back to USER and then
// LOGNAME, which is where a Linux session keeps the login name.
#pragma once

#include <string>

std::string ExpandEnvironmentStrings(const std::string& Text);

// Makes the input method compose with the program's rules file, the locale's
// rules with an accent key and Space giving the accent alone, unless the
// learner has rules of their own (XCOMPOSEFILE, or ~/.XCompose, which a
// learner who writes compose rules keeps using). Must run before the first
// key reaches the input method, which reads the rules then. Returns whether
// the program's file is in use.
bool UseAccentComposeRules(const std::string& RulesFile);
