// The revision wizard's event ("BUILDER" in the exercise scripts): it asks
// the learner for the keys and the method on the wizard's page, has the
// revision builder collect material for those keys, and runs the exercise
// it makes of it: a keyboard drill of words, a text of crazy sentences, the
// bubbles game or the falling-words game.
#pragma once

#include "engine/ui/TEvent.h"
#include "revision/ui/TBuilderView.h"

#include <cstdint>

class TBuilderEvent : public TEvent {
public:
    explicit TBuilderEvent(const std::string& Line);
    ~TBuilderEvent() override;

    // The key group the exercise introduces.
    int FCurrentGroup = 0;
    // How many key groups may be revised: the setup's known groups, or all
    // the learner has reached outside a course.
    int FGroupsStudied = 0;
    // The wizard's page while the event runs.
    TViewPtr<TBuilderView> Page;

    // Shows the wizard's page and, on Next, builds and runs the exercise.
    int Execute() override;
    // Works out the keys, builds the exercise and runs it: its result, or 0
    // when none ran.
    int Build();
};
