// One bubble of the bubbles game: a letter bubble that rises in its column,
// or a small fizz bubble of the background. Positions are in pixels of the
// play area, the top left corner of the bubble's box; a bubble rises by
// lowering FY and wobbles through four phases as it moves.
#pragma once

class Tbubble {
public:
    // No letter.
    static constexpr int NoLetter = -1;

    // The letter shown (a byte 0..255), NoLetter while free or fizz.
    int FLetter = NoLetter;
    bool FActive = false;
    bool FFizz = false;
    // 1 a normal letter bubble, 2 a bonus bubble.
    int FKind = 1;
    int FSize = 40;
    int FX = 0;
    int FY = 0;
    // Rise per move.
    int FSpeed = 0;
    // 0..3, advanced by every move.
    int FPhase = 0;

    // Puts the bubble at the bottom of an area of Height pixels, rising
    // Speed pixels a move, without a letter.
    void Launch(int Speed, int Height);
    void Pop();
    void SetLetter(int Letter) { FLetter = Letter; }
    // Rises by Speed x Factor, rounded; a bubble whose box has gone past
    // the top of the area is popped.
    void Move(double Factor);
};

// Where a bubble's outline is drawn in its wobble phase: the box from
// (Left, Top) to (Right, Bottom), right and bottom edges exclusive.
struct TBubbleBox {
    int Left, Top, Right, Bottom;
};
// Phases 0 and 2 the bubble's box one pixel to the right; phase 1 one pixel
// narrower on each side and one taller at top and bottom; phase 3 one wider
// on each side and one shorter at top and bottom.
TBubbleBox BubbleOutline(const Tbubble& Bubble);
