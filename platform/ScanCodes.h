// Which key of the keyboard a native scan code is, whatever the layout: the
// X keycode of a key event named through XKB (TLDE, AE01, AD01, AC01, BKSL,
// LSGT, AB01 ...), then numbered as the on-screen keyboard numbers its keys:
// 1-48 the character keys row by row from the digit row down, 49-59 the
// special keys (49 left Shift, 50 right Shift, 51 Alt, 52 Alt Gr, 53 space
// bar, 54 Enter, 55 Tab, 56 Caps Lock, 57 left Ctrl, 58 right Ctrl, 59
// Backspace).
#pragma once

#include <cstdint>
#include <string>

// The position of an XKB key name, or -1.
int KeyPositionOfXkbName(const std::string& Name);

// The position of a native scan code, or -1. On an X display the server's
// XKB key names decide; elsewhere the standard evdev keycodes do.
int KeyPositionOfScanCode(std::uint32_t ScanCode);

// The virtual-key code of the key at a position 1-48 as a US keyboard
// labels it: '1'-'9', '0', 'A'-'Z' and the VK_OEM codes; 0 for others.
std::uint16_t VirtualKeyOfPosition(int Position);
