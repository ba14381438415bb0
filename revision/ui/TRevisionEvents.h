// How the revision wizard and menu make the events they run, and how the
// course runner runs the "BUILDER" event of the exercise scripts.
//
// The makers create an event from its line, not yet prepared or run. A null
// maker, or one that returns null, makes no event: the activity ends as if
// the learner had left it. Tests replace them to look at what would run.
#pragma once

#include "course/TEventClasses.h"
#include "files/TextUtils.h"

#include <functional>
#include <memory>
#include <optional>
#include <string>

class TEvent;
class TEventLoader;

struct TRevisionEvents {
    using TMaker = std::function<std::unique_ptr<TEvent>(const std::string& Line)>;
    // The falling-words game; Words, when given, replace its vocabulary.
    using TWordsMaker = std::function<std::unique_ptr<TEvent>(
        const std::string& Line, const std::optional<TStringList>& Words)>;

    static TMaker Drill;
    static TMaker Text;
    static TMaker Bubbles;
    static TWordsMaker Lexidrop;

    // Back to the program's own event classes.
    static void Reset();
};

// Makes, prepares and runs the "BUILDER" event of a loader's line: besides
// the cancel permission and the known keys it takes the loader's time limit,
// for the exercise it builds, and its known key groups. The exercise's
// results go to the program's sink.
TEventOutcome RunBuilderEvent(const TEventLoader& Loader);
