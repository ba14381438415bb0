#include "keyboard/KeyboardGeometry.h"

#include "keyboard/TKeyData.h"

#include <algorithm>

namespace {

// The right edge of a key as the geometry counts it: one past its last pixel.
int RightOf(const QRect& R) {
    return R.left() + R.width();
}

} // namespace

TKeyboardGeometry KeyboardGeometryFor(int Width, int Height) {
    TKeyboardGeometry G;
    const int H = std::max(0, Height / 5 - 1);
    const int W = std::max(0, Width / 15 - 1);
    const int U = 15 * (W + 1);
    G.KeyWidth = W;
    G.KeyHeight = H;
    auto& K = G.Keys;
    // Widths of the keys that are wider than a character key, as whole
    // pixels of a multiple of W: 3 W / 2 is 1.5 W cut toward zero.
    const int Wide15 = 3 * W / 2;
    const int Wide18 = 9 * W / 5;
    const int Wide13 = 13 * W / 10;

    // Digit row, then Backspace to the right edge.
    for (int I = 1; I <= 13; ++I)
        K[I] = QRect((I - 1) * (W + 1), 0, W, H);
    K[kpBackspace] = QRect(RightOf(K[13]) + 1, 0, U - RightOf(K[13]), H);

    // Upper letter row after Tab; Enter spans this row and the next.
    int Top = H + 1;
    K[kpTab] = QRect(0, Top, Wide15 - 1, H);
    for (int I = 14; I <= 25; ++I)
        K[I] = QRect(RightOf(K[kpTab]) + (I - 14) * (W + 1) + 1, Top, W, H);
    K[kpEnter] = QRect(RightOf(K[25]) + 1, Top, U - RightOf(K[25]) - 1, 2 * H + 1);

    // Home row after Caps Lock.
    Top = 2 * H + 2;
    K[kpCapsLock] = QRect(0, Top, Wide18 - 1, H);
    for (int I = 26; I <= 37; ++I)
        K[I] = QRect(RightOf(K[kpCapsLock]) + (I - 26) * (W + 1) + 1, Top, W, H);
    G.EnterNotch = RightOf(K[37]) - K[kpEnter].left() + 3;

    // Lower letter row between the two Shift keys.
    Top = 3 * H + 3;
    K[kpLeftShift] = QRect(0, Top, Wide13 - 1, H);
    for (int I = 38; I <= 48; ++I)
        K[I] = QRect(RightOf(K[kpLeftShift]) + (I - 38) * (W + 1) + 1, Top, W, H);
    K[kpRightShift] = QRect(RightOf(K[48]) + 1, Top, U - RightOf(K[48]) - 1, H);

    // Bottom row: the space bar centred, Alt and Alt Gr beside it, Ctrl at
    // both ends.
    Top = 4 * H + 4;
    const int Space = 7 * W;
    K[kpLeftCtrl] = QRect(0, Top, Wide15, H);
    K[kpRightCtrl] = QRect(U - Wide15, Top, Wide15, H);
    K[kpSpace] = QRect((U - Space) / 2, Top, Space, H);
    K[kpAltGr] = QRect(RightOf(K[kpSpace]) + 1, Top, Wide15, H);
    K[kpAlt] = QRect(K[kpSpace].left() - Wide15 - 1, Top, Wide15, H);
    return G;
}

int KeyPosition(const TKeyData& Layout, char C, int Special) {
    if (C != '\0') {
        if (C == ' ') return kpSpace;
        if (C == '\r') return kpEnter;
        if (C == '\b') return kpBackspace;
        return Layout.KeyOf(C);
    }
    if (Special >= 1 && Special <= kpCount - 48) return 48 + Special;
    return -1;
}
