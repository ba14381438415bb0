// Where the 59 keys of the on-screen keyboard stand for a given size, and
// which key shows a character.
//
// Positions 1-48 are the character keys of the layout; 49-59 the special
// keys, 48 + their number: 1 left Shift, 2 right Shift, 3 Alt, 4 Alt Gr,
// 5 space bar, 6 Enter (two rows high), 7 Tab, 8 Caps Lock, 9 left Ctrl,
// 10 right Ctrl, 11 Backspace. The special-key numbers 1, 2 and 4 are the
// modifiers that TKeyData::ModifierOf names.
#pragma once

#include <QRect>

#include <array>

class TKeyData;

enum : int {
    kpLeftShift = 49,
    kpRightShift = 50,
    kpAlt = 51,
    kpAltGr = 52,
    kpSpace = 53,
    kpEnter = 54,
    kpTab = 55,
    kpCapsLock = 56,
    kpLeftCtrl = 57,
    kpRightCtrl = 58,
    kpBackspace = 59,
    kpCount = 59,
};

struct TKeyboardGeometry {
    int KeyWidth = 0;  // W
    int KeyHeight = 0; // H
    // Where the Enter key's lower row begins, from its left edge: left of it
    // the lower row belongs to the last home-row key.
    int EnterNotch = 0;
    // Key rectangles by position (index 0 unused).
    std::array<QRect, kpCount + 1> Keys{};
};

// The keys of a keyboard Width x Height pixels: five rows of keys H =
// Height / 5 - 1 high and W = Width / 15 - 1 wide, one pixel apart.
TKeyboardGeometry KeyboardGeometryFor(int Width, int Height);

// The position showing C: space, CR and Backspace (8) their special keys,
// other characters their key in the layout. C = 0 with Special 1-11 names a
// special key. -1 when nothing shows it.
int KeyPosition(const TKeyData& Layout, char C, int Special = 0);
