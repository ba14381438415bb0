#include "platform/Trace.h"

#include <cstdlib>
#include <cxxabi.h>
#include <fcntl.h>
#include <memory>
#include <unistd.h>

namespace {

// Where the lines go: standard error, or a file of their own; -1 when off.
int TraceFd = -1;

bool Configure(const char* Target) {
    if (TraceFd > 2) close(TraceFd);
    TraceFd = -1;
    const std::string Value = Target ? Target : "";
    if (Value.empty() || Value == "0") return false;
    TraceFd =
        Value == "1" ? 2 : open(Value.c_str(), O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0644);
    return TraceFd >= 0;
}

} // namespace

bool TraceState::On = Configure(std::getenv("CLAVORA_TRACE"));

void SetTraceTarget(const char* Target) {
    TraceState::On = Configure(Target);
}

void Trace(const std::string& Line) {
    if (!TraceState::On) return;
    // One write per line, so that a reader never sees half a line and lines
    // of two programs tracing into one file do not mix.
    const std::string Text = Line + "\n";
    size_t Done = 0;
    while (Done < Text.size()) {
        const ssize_t Written = write(TraceFd, Text.data() + Done, Text.size() - Done);
        if (Written <= 0) return;
        Done += size_t(Written);
    }
}

std::string ClassName(const std::type_info& Type) {
    int Status = 0;
    const std::unique_ptr<char, void (*)(void*)> Name(
        abi::__cxa_demangle(Type.name(), nullptr, nullptr, &Status), std::free);
    std::string Result = Status == 0 && Name ? Name.get() : Type.name();
    // Classes private to one source file are named as the others are.
    const std::string Private = "(anonymous namespace)::";
    for (size_t At; (At = Result.find(Private)) != std::string::npos;)
        Result.erase(At, Private.size());
    return Result;
}
