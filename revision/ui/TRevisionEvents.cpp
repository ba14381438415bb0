#include "revision/ui/TRevisionEvents.h"

#include "course/TEventLoader.h"
#include "engine/ui/TKeyboardEvent.h"
#include "engine/ui/TTextEvent.h"
#include "games/ui/TBubbles.h"
#include "games/ui/TLexidropEvent.h"
#include "revision/ui/TBuilderEvent.h"
#include "users/TUser.h"

namespace {

std::unique_ptr<TEvent> MakeDrill(const std::string& Line) {
    return std::make_unique<TKeyboardEvent>(Line);
}

std::unique_ptr<TEvent> MakeText(const std::string& Line) {
    return std::make_unique<TTextEvent>(Line);
}

std::unique_ptr<TEvent> MakeBubbles(const std::string& Line) {
    return std::make_unique<TBubbles>(Line);
}

std::unique_ptr<TEvent> MakeLexidrop(const std::string& Line,
                                     const std::optional<TStringList>& Words) {
    auto Game = std::make_unique<TLexidropEvent>(Line);
    Game->PresetWords = Words;
    return Game;
}

} // namespace

TRevisionEvents::TMaker TRevisionEvents::Drill = MakeDrill;
TRevisionEvents::TMaker TRevisionEvents::Text = MakeText;
TRevisionEvents::TMaker TRevisionEvents::Bubbles = MakeBubbles;
TRevisionEvents::TWordsMaker TRevisionEvents::Lexidrop = MakeLexidrop;

void TRevisionEvents::Reset() {
    Drill = MakeDrill;
    Text = MakeText;
    Bubbles = MakeBubbles;
    Lexidrop = MakeLexidrop;
}

TEventOutcome RunBuilderEvent(const TEventLoader& Loader) {
    TEventOutcome Outcome;
    TBuilderEvent Event(Loader.Line);
    Event.ResultSink = ProgramResultSink();
    Event.AllowCancel = Loader.AllowCancel;
    Event.TimeLimit = Loader.TimeLimit;
    Event.FGroupsStudied = Loader.KnownGroups;
    Event.KnownKeys = CurrentUser->StudiedKeys(Loader.KnownGroups);
    Outcome.Result = Event.Execute();
    return Outcome;
}
