// The name of the active keyboard layout, in the form the language detection
// reads: eight hexadecimal digits whose last two are the primary language
// ("0000041D" for a Swedish layout).
//
// On an X11 desktop the layout comes from XKB, asked through libxkbfile (loaded
// at run time, so the program starts without it); the XKB group that is active
// picks the layout from a list such as "us,se". Elsewhere the console keyboard
// configuration names it. XKB is asked only when the toolkit runs on xcb with
// a display: other platforms (offscreen, wayland) have no X connection to ask.
#pragma once

#include <functional>
#include <string>

// The active layout's name, or "" when no layout can be named.
std::string ActiveKeyboardLayoutName();

// The layout name for an XKB layout ("se" gives "0000041D", "gb" gives
// "00000809"); a layout we cannot place gives "00000000", the neutral language.
// Variants in parentheses ("de(nodeadkeys)") are ignored.
std::string LayoutNameForXkb(const std::string& XkbLayout);

// The XKB layout of the X display named by $DISPLAY, "" when it cannot be had.
std::string XkbLayoutOfDisplay();

// The first layout of XKBLAYOUT in a keyboard configuration file such as
// /etc/default/keyboard, "" when the file or the setting is missing.
std::string XkbLayoutOfFile(const std::string& FileName);

// Replaces the XKB query (tests); an empty function restores the real one.
void SetXkbLayoutQuery(std::function<std::string()> Query);
const std::function<std::string()>& InstalledXkbLayoutQuery();
// Replaces the console keyboard configuration file (tests); "" restores
// /etc/default/keyboard.
void SetKeyboardConfigFile(const std::string& FileName);
const std::string& KeyboardConfigFile();
