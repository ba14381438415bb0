#include "platform/UserFolders.h"

#include <cstdlib>
#include <pwd.h>
#include <unistd.h>
#include <vector>

namespace {

std::string AbsoluteVariable(const char* Name) {
    const char* Value = std::getenv(Name);
    if (!Value || Value[0] != '/') return "";
    return Value;
}

std::string PasswordHome() {
    long Size = sysconf(_SC_GETPW_R_SIZE_MAX);
    if (Size <= 0) Size = 16384;
    std::vector<char> Buffer(size_t(Size), '\0');
    passwd Entry{};
    passwd* Found = nullptr;
    if (getpwuid_r(getuid(), &Entry, Buffer.data(), Buffer.size(), &Found) != 0 || !Found ||
        !Found->pw_dir || Found->pw_dir[0] != '/')
        return "";
    return Found->pw_dir;
}

std::string UnderHome(const char* Variable, const char* Fallback) {
    const std::string Set = AbsoluteVariable(Variable);
    if (!Set.empty()) return Set;
    const std::string Base = UserFolders::Home();
    return Base.empty() ? std::string() : Base + Fallback;
}

} // namespace

namespace UserFolders {

std::string Home() {
    const std::string Set = AbsoluteVariable("HOME");
    return Set.empty() ? PasswordHome() : Set;
}

std::string ConfigHome() {
    return UnderHome("XDG_CONFIG_HOME", "/.config");
}

std::string DataHome() {
    return UnderHome("XDG_DATA_HOME", "/.local/share");
}

} // namespace UserFolders
