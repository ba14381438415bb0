#include "revision/ui/TRevisionEvents.h"

#include "course/TEventClasses.h"
#include "course/TEventLoader.h"
#include "engine/ui/TKeyboardEvent.h"
#include "engine/ui/TTextEvent.h"
#include "games/ui/TBubbles.h"
#include "games/ui/TLexidropEvent.h"
#include "revision/ui/TBuilderEvent.h"
#include "users/TUser.h"

TRevisionEvents::TMaker TRevisionEvents::Drill;
TRevisionEvents::TMaker TRevisionEvents::Text;
TRevisionEvents::TMaker TRevisionEvents::Bubbles;
TRevisionEvents::TWordsMaker TRevisionEvents::Lexidrop;

void TRevisionEvents::Reset() {
    Drill = [](const std::string& Line) { return std::make_unique<TKeyboardEvent>(Line); };
    Text = [](const std::string& Line) { return std::make_unique<TTextEvent>(Line); };
    Bubbles = [](const std::string& Line) { return std::make_unique<TBubbles>(Line); };
    Lexidrop = [](const std::string& Line, const std::optional<TStringList>& Words) {
        auto Game = std::make_unique<TLexidropEvent>(Line);
        Game->PresetWords = Words;
        return Game;
    };
}

int RunBuilderLine(const TEventLoader& Loader) {
    TBuilderEvent Event(Loader.Line);
    Event.AllowCancel = Loader.AllowCancel;
    Event.TimeLimit = Loader.TimeLimit;
    Event.FGroupsStudied = Loader.KnownGroups;
    Event.KnownKeys = CurrentUser ? CurrentUser->StudiedKeys(Loader.KnownGroups) : std::string();
    return Event.Execute();
}

void RegisterRevisionEvents() {
    if (!TRevisionEvents::Text) TRevisionEvents::Reset();
    RegisterEventClass("BUILDER", [](const TEventLoader& Loader) {
        TEventOutcome Outcome;
        Outcome.Result = RunBuilderLine(Loader);
        return Outcome;
    });
}
