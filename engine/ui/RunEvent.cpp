#include "engine/ui/RunEvent.h"

namespace {

TAfterEventHook& Hook() {
    static TAfterEventHook Installed;
    return Installed;
}

} // namespace

void SetAfterEventHook(TAfterEventHook Given) {
    Hook() = std::move(Given);
}

const TAfterEventHook& AfterEventHook() {
    return Hook();
}

TEventRecord RunEvent(TEvent& Event, const TEventSetup& Setup) {
    Event.Prepare(Setup);
    const int Result = Event.Execute();
    // A page the program's end left open closes now, so that what its close
    // decides (a game's top-ten entry) is in the record.
    Event.BeforeDestruction();
    TEventRecord Record = Event.Record();
    Record.Result = Result;
    if (const TAfterEventHook& After = Hook()) After(Record);
    return Record;
}
