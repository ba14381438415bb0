#include "course/ui/EventClassTable.h"

#include "engine/ui/TKeyboardEvent.h"
#include "engine/ui/TMessageEvent.h"
#include "engine/ui/TNewKeysEvent.h"
#include "engine/ui/TTextEvent.h"
#include "files/TextUtils.h"
#include "games/ui/TBubbles.h"
#include "games/ui/TLexidropEvent.h"
#include "revision/ui/TBuilderEvent.h"
#include "users/TUser.h"

namespace {

struct TClassRow {
    const char* Keyword; // upper case
    TEventMaker Make;
};

// In the order the keywords are tested.
const TClassRow Classes[] = {
    {"MESSAGE", MakeEventOf<TMessageEvent>},   {"BUILDER", MakeEventOf<TBuilderEvent>},
    {"KEYBOARD", MakeEventOf<TKeyboardEvent>}, {"TEXT", MakeEventOf<TTextEvent>},
    {"EXAM", MakeEventOf<TTextEvent>},         {"LEXIDROP", MakeEventOf<TLexidropEvent>},
    {"BUBBLES", MakeEventOf<TBubbles>},        {"NEWKEYS", MakeEventOf<TNewKeysEvent>},
};

} // namespace

std::unique_ptr<TEvent> MakeEvent(const std::string& Line) {
    // The keyword is cut as the loader cuts it, at "=", ";" and ",".
    const TStringList Fields = Split(Line, "=;,");
    if (Fields.size() < 2) return nullptr;
    const std::string Keyword = UpperCase(Trim(Fields[1]));
    for (const TClassRow& Row : Classes)
        if (Keyword == Row.Keyword) return Row.Make(Line);
    return nullptr;
}

TEventSetup SetupOf(const TEventLoader& Loader) {
    TEventSetup Setup;
    Setup.TimeLimit = Loader.TimeLimit;
    Setup.Weight = Loader.Weight;
    Setup.KnownGroups = Loader.KnownGroups;
    Setup.KnownKeys = CurrentUser->StudiedKeys(Loader.KnownGroups);
    Setup.AllowCancel = Loader.AllowCancel;
    return Setup;
}

std::optional<TMeasuredRun> MeasuredRun(const TEventRecord& Record) {
    if (!Record.Scored) return std::nullopt;
    return TMeasuredRun{float(Record.Scored->Speed), Record.Scored->Accuracy,
                        float(Record.Scored->Efficiency)};
}

TEventOutcome RunMadeEvent(TEventMaker Make, const TEventLoader& Loader) {
    const std::unique_ptr<TEvent> Event = Make(Loader.Line);
    const TEventRecord Record = RunEvent(*Event, SetupOf(Loader));
    return TEventOutcome{Record.Result, MeasuredRun(Record)};
}

void RegisterEventClasses() {
    for (const TClassRow& Row : Classes) {
        const TEventMaker Make = Row.Make;
        RegisterEventClass(
            Row.Keyword, [Make](const TEventLoader& Loader) { return RunMadeEvent(Make, Loader); });
    }
}
