// Files read and written whole: small configuration files, desktop entries,
// icons. A replaced file is written beside the old one, flushed to disk and
// renamed over it, so a crash leaves either the old or the new file.
#pragma once

#include <string>
#include <sys/types.h>

// Makes a folder and the folders above it; true when it exists afterwards.
bool MakeFolders(const std::string& Path);

// The whole file into Bytes (appended); false when it cannot be read.
bool ReadWholeFile(const std::string& Name, std::string& Bytes);

// Writes Bytes as the file's new content; false, with the old file kept,
// when that fails.
bool ReplaceFile(const std::string& Name, const std::string& Bytes, mode_t Mode = 0644);
