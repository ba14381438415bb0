// The bubbles game as an exercise event ("BUBBLES"): letter bubbles rise
// through the play area and the learner pops them by typing their letters.
// Each tick of the bubble timer moves the bubbles, lets new ones rise and
// redraws the whole play area off screen, copied to the screen in one go.
// When the event closes, the score goes to the "bubbles" top-ten list, which
// becomes the chapter container's left page.
#pragma once

#include "games/TBubblesGame.h"
#include "games/ui/TCustomGameEvent.h"

#include <QPixmap>
#include <QPointer>

#include <cstdint>
#include <memory>
#include <unordered_map>
#include <vector>

class QPainter;
class TMissedLcd;

class TBubbles : public TCustomGameEvent {
public:
    explicit TBubbles(const std::string& Line);
    ~TBubbles() override;

    std::unique_ptr<TBubblesGame> FGame;
    QPointer<TMissedLcd> FMissedDisplay;
    // The frame drawn last.
    const QPixmap& Frame() const { return FFrames[FNextFrame]; }

    void Activate() override;
    void Deactivate() override;
    void KeyPress(QObject* Sender, char& Key) override;
    void Pause() override;
    void Finish() override;
    void Start() override;

    // The bubble timer's tick.
    void BubbleTick();
    // Draws the play area into the buffer and shows it.
    void Draw();
    // One bubble, while it is active.
    static void DrawBubble(QPainter& P, const Tbubble& Bubble);

private:
    // What is left of a popped bubble for a few ticks.
    struct TBurst {
        int X, Y, Size;
        bool Bonus;
        int Age;
    };
    static constexpr int BurstTicks = 3;
    std::vector<TBurst> FBursts;
    void DrawBursts(QPainter& P) const;

    // The play area's background, tiled once.
    QPixmap FBackdrop;
    // Frames drawn in turn, so that drawing one never copies the one the
    // screen still shows.
    QPixmap FFrames[2];
    int FNextFrame = 0;
    // Pictures of bubbles as they look, by kind, size, phase and letter.
    static constexpr int SpriteMargin = 3;
    std::unordered_map<uint32_t, QPixmap> FSprites;
    qreal FSpriteRatio = 0;
    const QPixmap& Sprite(const Tbubble& Bubble, qreal Ratio);
    void MakeBackdrop();
};
