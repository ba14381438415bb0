#include "games/Tbubble.h"

#include <cmath>

void Tbubble::Launch(int Speed, int Height) {
    FActive = true;
    FY = Height;
    FSpeed = Speed;
    FLetter = NoLetter;
}

void Tbubble::Pop() {
    FActive = false;
    FLetter = NoLetter;
}

void Tbubble::Move(double Factor) {
    if (!FActive) return;
    FPhase = (FPhase + 1) % 4;
    FY -= int(std::nearbyint(FSpeed * Factor));
    if (FY + FSize <= 0) Pop();
}

TBubbleBox BubbleOutline(const Tbubble& B) {
    TBubbleBox Box{B.FX + 1, B.FY, B.FX + B.FSize + 1, B.FY + B.FSize};
    switch (B.FPhase) {
    case 1:
        Box.Left += 1;
        Box.Right -= 1;
        Box.Top -= 1;
        Box.Bottom += 1;
        break;
    case 3:
        Box.Left -= 1;
        Box.Right += 1;
        Box.Top += 1;
        Box.Bottom -= 1;
        break;
    default:
        break;
    }
    return Box;
}
