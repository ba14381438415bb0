// File names as the program uses them.
//
// Names come from data files, settings and code written for a file system that
// ignores letter case and separates folders with '\'. Every file the program
// names goes through ResolveFileName: '\' becomes '/', and each part of the
// path is looked up in its folder without regard to letter case ("UserBase.org"
// finds "userbase.org"). Relative names are relative to the current directory.
// Names are Latin-1 bytes; letter case is folded for A-Z and the Latin-1
// accented letters.
#pragma once

#include "platform/Latin1Case.h"

#include <string>
#include <vector>

// The name with '\' mapped to '/' and each existing component replaced by its
// spelling on disk. Components from the first one that does not exist on are
// kept as given, so a new file in an existing folder gets the folder's real
// spelling.
std::string ResolveFileName(const std::string& Name);

// True when the name resolves to an ordinary file (not a folder, device or pipe).
bool FileExists(const std::string& Name);

// True when the name resolves to a folder.
bool DirectoryExists(const std::string& Name);

// True when Name matches Mask, where '*' stands for any run of characters and
// '?' for exactly one, without regard to letter case. "*.*" matches every name.
bool MatchesMask(const std::string& Name, const std::string& Mask);

// The names (without folder) of the ordinary files in the mask's folder (the
// current directory when the mask has none) that match the mask's last part.
// Hidden files (names beginning with ".") and folders are left out. Sorted
// without regard to letter case, so the order does not depend on the file system.
std::vector<std::string> ListFiles(const std::string& Mask);

// Renames or moves a file; fails when the target already exists. Across file
// systems the file is copied (and synced) and the original deleted. Returns
// false with errno set on failure.
bool RenameFile(const std::string& From, const std::string& To);

// Case-insensitive equality of two Latin-1 names.
bool SameFileName(const std::string& A, const std::string& B);
