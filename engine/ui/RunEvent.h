// The one way an event runs, whoever runs it: guided studying, the revision
// menu and its wizard, story typing, the games and the command-line runs.
//
// RunEvent hands the event its setup, runs it, closes what is still open and
// returns its record: the result code, the figures of the run it measured
// and the page it asks to show next. Before returning it passes the record
// to the after-event hook, which the application installs and which alone
// decides what the chapter container shows after an event (the results
// page after a measured run, or the page the event asked for).
#pragma once

#include "engine/ui/TEvent.h"

#include <functional>

TEventRecord RunEvent(TEvent& Event, const TEventSetup& Setup);

using TAfterEventHook = std::function<void(const TEventRecord& Record)>;
// None until installed, and none again after SetAfterEventHook(nullptr):
// the records then go only to the runners.
void SetAfterEventHook(TAfterEventHook Hook);
const TAfterEventHook& AfterEventHook();
