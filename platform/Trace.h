// A trace of what the program shows, for the tests that drive the built
// program and for a maintainer following a run: one line per page shown,
// per event started and ended, per result shown and per keyboard layout
// loaded, written and flushed at once.
//
// The environment variable CLAVORA_TRACE switches it on: "1" writes to
// standard error, any other value except "0" names a file the lines are
// added to. Off by default; then a trace point costs one test of a bool:
//
//     if (Tracing()) Trace("page " + Name);
//
// The lines:
//     page <view name, or its class when it has none>
//     event start <class> <event name>
//     event completed <class>          (a timed event's run is done)
//     event end <class> <result code>
//     drill misses <count>              (a character drill typed to its end)
//     result speed=<cpm> accuracy=<score> efficiency=<%> backspace=<%>
//     result none                       (the run was too short to score)
//     layout <file name>                (a keyboard layout was loaded)
#pragma once

#include <string>
#include <typeinfo>

namespace TraceState {
// Read from the environment when the program starts.
extern bool On;
} // namespace TraceState

inline bool Tracing() {
    return TraceState::On;
}

// Writes one line (a line end is added). Nothing when the trace is off.
void Trace(const std::string& Line);

// Switches the trace as the value of CLAVORA_TRACE would (nullptr, "" and
// "0" switch it off); for tests.
void SetTraceTarget(const char* Target);

// The name of a class as written in the source, e.g. "TTextEvent".
std::string ClassName(const std::type_info& Type);
