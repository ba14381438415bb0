// Helpers shared by the test executables.
#pragma once

#include <string>

// Makes a fresh temporary directory the current directory and points
// XDG_CONFIG_HOME and XDG_DATA_HOME into it; restores both on destruction.
class TScopedTempDir {
public:
    TScopedTempDir();
    ~TScopedTempDir();
    TScopedTempDir(const TScopedTempDir&) = delete;
    TScopedTempDir& operator=(const TScopedTempDir&) = delete;

    const std::string& Path() const { return FPath; }
    // Absolute path of a name inside the directory.
    std::string operator/(const std::string& Name) const { return FPath + "/" + Name; }

private:
    std::string FPath;
    std::string FOldDir;
    std::string FOldConfig;
    std::string FOldData;
};

// Whole-file helpers (binary, exact bytes).
void WriteFileBytes(const std::string& Path, const std::string& Bytes);
std::string ReadFileBytes(const std::string& Path);
bool PathExists(const std::string& Path);
