// The learner's own folders, as the desktop's base directories name them.
//
// $XDG_CONFIG_HOME and $XDG_DATA_HOME when they are set to absolute paths;
// otherwise ~/.config and ~/.local/share, where the home folder is $HOME or,
// when that is unset or relative, the one the password database gives the
// user. Never the current directory: a program started from its own folder
// must not write its settings there.
#pragma once

#include <string>

namespace UserFolders {

// The learner's home folder; "" only when neither HOME nor the password
// database names one.
std::string Home();
std::string ConfigHome();
std::string DataHome();

} // namespace UserFolders
