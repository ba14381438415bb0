// Opens a file, web address or mail address with the desktop's handler.
#pragma once

#include <string>

// Returns a value above 32 on success and 0 on failure, so that callers can
// test "32 or less" for failure.
int ShellOpen(const std::string& Target);

// Replaces the opener (tests); an empty function restores the desktop's.
#include <functional>
void SetShellOpener(std::function<bool(const std::string& Target)> Opener);
const std::function<bool(const std::string& Target)>& InstalledShellOpener();
