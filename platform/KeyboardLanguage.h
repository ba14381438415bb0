// The name of the active keyboard layout, in the form the language detection
// reads: eight hexadecimal digits whose last four name the language and its
// region ("0000041D" for a Swedish layout, "00000807" for a Swiss German one).
//
// The layout is asked, in this order:
// - of the X server through XKB (libX11 and libxkbfile, loaded at run time, so
//   the program starts without them), when the toolkit runs on xcb with a
//   display, or on wayland with an X server beside it (XWayland). The XKB group
//   that is active picks the layout from a list such as "us,se". XWayland
//   always names its rules "us", whatever the desktop's keyboard; there the
//   keymap the compositor handed it names the layout ("pc+gb+inet(evdev)").
//   The offscreen platform has no X connection to ask;
// - of the console keyboard configuration, /etc/default/keyboard;
// - of the system's locale service, through `localectl status`, given one
//   second to answer.
//
// A layout comes with its variant in parentheses, "de(nodeadkeys)". A variant
// whose keys are its layout's (checked against the X server's own keymaps)
// is that layout; a variant whose keys differ ("us(dvorak)", "de(neo)") is
// shown as the US layout rather than as a national one with the wrong keys.
#pragma once

#include <functional>
#include <string>

// The active layout's name, or "" when no layout can be named.
std::string ActiveKeyboardLayoutName();

// The active XKB layout with its variant ("gb", "de(nodeadkeys)"), "" when
// nothing names one.
std::string ActiveXkbLayout();

// The layout name for an XKB layout ("se" gives "0000041D", "gb" gives
// "00000809"); a layout we cannot place gives "00000000", the neutral language.
// A variant whose keys differ from its layout's gives the US layout,
// "00000409", as does a layout named by its variant as a US one ("ca(eng)").
std::string LayoutNameForXkb(const std::string& XkbLayout);

// True when LayoutNameForXkb shows the US layout in place of the keyboard's
// own, which differs from it ("us(dvorak)", "ch(fr)").
bool XkbLayoutReplaced(const std::string& XkbLayout);

// The XKB layout of the X display named by $DISPLAY, "" when it cannot be had.
std::string XkbLayoutOfDisplay();

// The layout of group Group (from 0) in the symbols name of an XKB keymap:
// "pc+us+de(nodeadkeys):2+inet(evdev)" gives "us" for group 0 and
// "de(nodeadkeys)" for group 1; "" when the name has no such group.
std::string XkbLayoutOfSymbols(const std::string& Symbols, unsigned Group);

// The first layout of XKBLAYOUT, with the first variant of XKBVARIANT, in a
// keyboard configuration file such as /etc/default/keyboard; "" when the file
// or the setting is missing.
std::string XkbLayoutOfFile(const std::string& FileName);

// The first layout and variant in the output of `localectl status`
// ("X11 Layout: gb", "X11 Variant: extd" give "gb(extd)"); "" when it names
// none.
std::string XkbLayoutOfLocaleStatus(const std::string& Answer);

// Asks the locale service (the program set with SetLocaleCommand) and reads
// its answer with XkbLayoutOfLocaleStatus; "" when it cannot be run, fails or
// takes longer than a second (it is then stopped).
std::string XkbLayoutOfLocaleService();

// Replaces the XKB query (tests); an empty function restores the real one.
void SetXkbLayoutQuery(std::function<std::string()> Query);
const std::function<std::string()>& InstalledXkbLayoutQuery();
// Replaces the console keyboard configuration file (tests); "" restores
// /etc/default/keyboard.
void SetKeyboardConfigFile(const std::string& FileName);
const std::string& KeyboardConfigFile();
// The program that answers for the locale service, "localectl" unless
// changed; "" asks none (tests, which stand in a script of their own).
void SetLocaleCommand(const std::string& Program);
const std::string& LocaleCommand();
