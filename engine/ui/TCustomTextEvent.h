// A timed event that shows a model text on the upper part of the wide page:
// the base of the text typing event and of the keyboard drills.
#pragma once

#include "engine/ui/TTimedEvent.h"

#include <QPointer>

class TViewCanvas;

class TCustomTextEvent : public TTimedEvent {
public:
    explicit TCustomTextEvent(const std::string& Line);
    ~TCustomTextEvent() override;

    // The model text; made with the book window as owner, freed with the event.
    QPointer<TViewCanvas> Canvas;

    // Where the model text stands on the wide page.
    static constexpr int CanvasLeft = 50;
    static constexpr int CanvasTop = 20;
    static constexpr int CanvasWidth = 500;
    static constexpr int CanvasHeight = 250;

    // The model text on the wide page, from StartPos, in a larger font for a
    // learner who asked for one.
    void Activate() override;
    void Deactivate() override;
};
