#include "course/ui/EventClassTable.h"

#include "engine/ui/TKeyboardEvent.h"
#include "engine/ui/TMessageEvent.h"
#include "engine/ui/TNewKeysEvent.h"
#include "engine/ui/TTextEvent.h"
#include "engine/ui/TTimedEvent.h"
#include "games/ui/TBubbles.h"
#include "games/ui/TLexidropEvent.h"
#include "revision/ui/TRevisionEvents.h"
#include "users/TUser.h"

void PrepareEvent(TEvent& Event, const TEventLoader& Loader) {
    Event.AllowCancel = Loader.AllowCancel;
    if (auto* Timed = dynamic_cast<TTimedEvent*>(&Event)) Timed->TimeLimit = Loader.TimeLimit;
    Event.KnownKeys = CurrentUser->StudiedKeys(Loader.KnownGroups);
}

std::optional<TMeasuredRun> MeasuredRun(const std::optional<TRunResults>& Scored) {
    if (!Scored) return std::nullopt;
    return TMeasuredRun{float(Scored->Speed), Scored->Accuracy, float(Scored->Efficiency)};
}

TResultSink CourseResultSink(std::optional<TMeasuredRun>& Measured) {
    return [&Measured](const std::optional<TRunResults>& Scored) {
        Measured = MeasuredRun(Scored);
        if (const TResultSink& Program = ProgramResultSink()) Program(Scored);
    };
}

void RegisterEventClasses() {
    RegisterEventClass("MESSAGE", RunEventOf<TMessageEvent>);
    RegisterEventClass("BUILDER", RunBuilderEvent);
    RegisterEventClass("KEYBOARD", RunEventOf<TKeyboardEvent>);
    RegisterEventClass("TEXT", RunEventOf<TTextEvent>);
    RegisterEventClass("EXAM", RunEventOf<TTextEvent>);
    RegisterEventClass("LEXIDROP", RunEventOf<TLexidropEvent>);
    RegisterEventClass("BUBBLES", RunEventOf<TBubbles>);
    RegisterEventClass("NEWKEYS", RunEventOf<TNewKeysEvent>);
}
