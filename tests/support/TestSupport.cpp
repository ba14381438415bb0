#include "tests/support/TestSupport.h"

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <limits.h>
#include <stdexcept>
#include <sys/stat.h>
#include <unistd.h>

namespace {
std::string EnvOrEmpty(const char* Name) {
    const char* Value = getenv(Name);
    return Value ? Value : "";
}
void RestoreEnv(const char* Name, const std::string& Value) {
    if (Value.empty())
        unsetenv(Name);
    else
        setenv(Name, Value.c_str(), 1);
}
void RemoveTree(const std::string& Path) {
    const std::string Command = "rm -rf '" + Path + "'";
    [[maybe_unused]] int Ignored = std::system(Command.c_str());
}
} // namespace

TScopedTempDir::TScopedTempDir() {
    char Cwd[PATH_MAX];
    if (getcwd(Cwd, sizeof Cwd)) FOldDir = Cwd;
    std::string Template = "/tmp/clavora-test-XXXXXX";
    if (!mkdtemp(Template.data())) throw std::runtime_error("mkdtemp failed");
    FPath = Template;
    FOldConfig = EnvOrEmpty("XDG_CONFIG_HOME");
    FOldData = EnvOrEmpty("XDG_DATA_HOME");
    mkdir((FPath + "/config").c_str(), 0700);
    mkdir((FPath + "/data").c_str(), 0700);
    setenv("XDG_CONFIG_HOME", (FPath + "/config").c_str(), 1);
    setenv("XDG_DATA_HOME", (FPath + "/data").c_str(), 1);
    if (chdir(FPath.c_str()) != 0) throw std::runtime_error("chdir failed");
}

TScopedTempDir::~TScopedTempDir() {
    if (!FOldDir.empty() && chdir(FOldDir.c_str()) != 0) {
        // nothing sensible to do in a destructor
    }
    RestoreEnv("XDG_CONFIG_HOME", FOldConfig);
    RestoreEnv("XDG_DATA_HOME", FOldData);
    RemoveTree(FPath);
}

void WriteFileBytes(const std::string& Path, const std::string& Bytes) {
    std::ofstream Out(Path, std::ios::binary | std::ios::trunc);
    Out.write(Bytes.data(), std::streamsize(Bytes.size()));
}

std::string ReadFileBytes(const std::string& Path) {
    std::ifstream In(Path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(In), std::istreambuf_iterator<char>());
}

bool PathExists(const std::string& Path) {
    struct stat St {};
    return stat(Path.c_str(), &St) == 0;
}
