// Keys as the program's pages see them: a 16-bit virtual-key code with a
// shift state on key-down, and one Latin-1 character on key-press.
#pragma once

#include <cstdint>

// Shift state bits as pages compare them: 2 = Alt alone, 4 = Ctrl alone,
// 5 = Ctrl and Shift, 0 = none.
using TShiftState = std::uint8_t;
inline constexpr TShiftState ssShift = 1;
inline constexpr TShiftState ssAlt = 2;
inline constexpr TShiftState ssCtrl = 4;

// Virtual-key codes used by the program.
enum : std::uint16_t {
    VK_BACK = 8,
    VK_TAB = 9,
    VK_RETURN = 13,
    VK_SHIFT = 16,
    VK_CONTROL = 17,
    VK_MENU = 18,
    VK_PAUSE = 19,
    VK_CAPITAL = 20,
    VK_ESCAPE = 27,
    VK_SPACE = 32,
    VK_PRIOR = 33,
    VK_NEXT = 34,
    VK_END = 35,
    VK_HOME = 36,
    VK_LEFT = 37,
    VK_UP = 38,
    VK_RIGHT = 39,
    VK_DOWN = 40,
    VK_INSERT = 45,
    VK_DELETE = 46,
    VK_F1 = 112,
    VK_F12 = 123,
    VK_OEM_1 = 186,      // ; :
    VK_OEM_PLUS = 187,   // = +
    VK_OEM_COMMA = 188,  // , <
    VK_OEM_MINUS = 189,  // - _
    VK_OEM_PERIOD = 190, // . >
    VK_OEM_2 = 191,      // / ?
    VK_OEM_3 = 192,      // ` ~
    VK_OEM_4 = 219,      // [ {
    VK_OEM_5 = 220,      // \ |
    VK_OEM_6 = 221,      // ] }
    VK_OEM_7 = 222,      // ' "
    VK_OEM_102 = 226,    // < > on the extra key of European keyboards
};

// The virtual-key code of a Qt key (Qt::Key value), or 0 for keys the
// program has no code for.
std::uint16_t VirtualKeyFromQtKey(int QtKey);
