// Environment-variable references in settings: "%NAME%" stands for the value
// of the variable NAME. A reference to a variable that is not set stays as
// written, "%%" and a lone "%" too. USERNAME falls back to USER and then
// LOGNAME, which is where a Linux session keeps the login name.
#pragma once

#include <string>

std::string ExpandEnvironmentStrings(const std::string& Text);
