#include "platform/Environment.h"

#include <cstdlib>
#include <unistd.h>

namespace {

const char* Variable(const std::string& Name) {
    if (const char* Value = std::getenv(Name.c_str())) return Value;
    if (Name == "USERNAME") {
        if (const char* Value = std::getenv("USER")) return Value;
        if (const char* Value = std::getenv("LOGNAME")) return Value;
    }
    return nullptr;
}

} // namespace

std::string ExpandEnvironmentStrings(const std::string& Text) {
    std::string Result;
    size_t Pos = 0;
    while (Pos < Text.size()) {
        const size_t Open = Text.find('%', Pos);
        const size_t Close = Open == std::string::npos ? Open : Text.find('%', Open + 1);
        if (Close == std::string::npos) {
            Result.append(Text, Pos, std::string::npos);
            break;
        }
        Result.append(Text, Pos, Open - Pos);
        const std::string Name = Text.substr(Open + 1, Close - Open - 1);
        const char* Value = Name.empty() ? nullptr : Variable(Name);
        if (Value) {
            Result += Value;
            Pos = Close + 1;
        } else {
            // Not a reference: the first "%" stays, and the second may open one.
            Result += '%';
            Result.append(Name);
            Pos = Close;
        }
    }
    return Result;
}

bool UseAccentComposeRules(const std::string& RulesFile) {
    const char* Own = std::getenv("XCOMPOSEFILE");
    if (Own && *Own) return false;
    if (const char* Home = std::getenv("HOME");
        Home && *Home && access((std::string(Home) + "/.XCompose").c_str(), F_OK) == 0)
        return false;
    if (access(RulesFile.c_str(), R_OK) != 0) return false;
    return setenv("XCOMPOSEFILE", RulesFile.c_str(), 1) == 0;
}
