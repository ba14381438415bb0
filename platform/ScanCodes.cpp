#include "platform/ScanCodes.h"

#include "platform/Keys.h"

#include <QCoreApplication>
#include <QVariant>

#include <array>
#include <cstdlib>
#include <cstring>
#include <dlfcn.h>
#include <mutex>

// Only the types: the libraries are loaded at run time.
#include <X11/XKBlib.h>

namespace {

struct TKeyName {
    const char* Name;
    int Position;
};

// Key names of the XKB keycodes and the positions of their keys.
const TKeyName KeyNames[] = {
    {"TLDE", 1},  {"AE01", 2},  {"AE02", 3},  {"AE03", 4},  {"AE04", 5},  {"AE05", 6},
    {"AE06", 7},  {"AE07", 8},  {"AE08", 9},  {"AE09", 10}, {"AE10", 11}, {"AE11", 12},
    {"AE12", 13}, {"AD01", 14}, {"AD02", 15}, {"AD03", 16}, {"AD04", 17}, {"AD05", 18},
    {"AD06", 19}, {"AD07", 20}, {"AD08", 21}, {"AD09", 22}, {"AD10", 23}, {"AD11", 24},
    {"AD12", 25}, {"AC01", 26}, {"AC02", 27}, {"AC03", 28}, {"AC04", 29}, {"AC05", 30},
    {"AC06", 31}, {"AC07", 32}, {"AC08", 33}, {"AC09", 34}, {"AC10", 35}, {"AC11", 36},
    {"BKSL", 37}, {"LSGT", 38}, {"AB01", 39}, {"AB02", 40}, {"AB03", 41}, {"AB04", 42},
    {"AB05", 43}, {"AB06", 44}, {"AB07", 45}, {"AB08", 46}, {"AB09", 47}, {"AB10", 48},
    {"LFSH", 49}, {"RTSH", 50}, {"LALT", 51}, {"RALT", 52}, {"SPCE", 53}, {"RTRN", 54},
    {"TAB", 55},  {"CAPS", 56}, {"LCTL", 57}, {"RCTL", 58}, {"BKSP", 59},
};

// The keycodes of the standard evdev keymap, for the same names.
const std::pair<int, const char*> EvdevCodes[] = {
    {49, "TLDE"}, {10, "AE01"}, {11, "AE02"}, {12, "AE03"},  {13, "AE04"}, {14, "AE05"},
    {15, "AE06"}, {16, "AE07"}, {17, "AE08"}, {18, "AE09"},  {19, "AE10"}, {20, "AE11"},
    {21, "AE12"}, {24, "AD01"}, {25, "AD02"}, {26, "AD03"},  {27, "AD04"}, {28, "AD05"},
    {29, "AD06"}, {30, "AD07"}, {31, "AD08"}, {32, "AD09"},  {33, "AD10"}, {34, "AD11"},
    {35, "AD12"}, {38, "AC01"}, {39, "AC02"}, {40, "AC03"},  {41, "AC04"}, {42, "AC05"},
    {43, "AC06"}, {44, "AC07"}, {45, "AC08"}, {46, "AC09"},  {47, "AC10"}, {48, "AC11"},
    {51, "BKSL"}, {94, "LSGT"}, {52, "AB01"}, {53, "AB02"},  {54, "AB03"}, {55, "AB04"},
    {56, "AB05"}, {57, "AB06"}, {58, "AB07"}, {59, "AB08"},  {60, "AB09"}, {61, "AB10"},
    {50, "LFSH"}, {62, "RTSH"}, {64, "LALT"}, {108, "RALT"}, {65, "SPCE"}, {36, "RTRN"},
    {23, "TAB"},  {66, "CAPS"}, {37, "LCTL"}, {105, "RCTL"}, {22, "BKSP"},
};

using TCodeTable = std::array<std::int8_t, 256>;

TCodeTable EvdevTable() {
    TCodeTable Table;
    Table.fill(-1);
    for (const auto& [Code, Name] : EvdevCodes)
        Table[size_t(Code)] = std::int8_t(KeyPositionOfXkbName(Name));
    return Table;
}

bool OnX11Display() {
    const QCoreApplication* App = QCoreApplication::instance();
    if (!App || App->property("platformName").toString() != QLatin1String("xcb")) return false;
    const char* Display = std::getenv("DISPLAY");
    return Display && *Display;
}

// The key names the X server gives its keycodes, through XKB; false when
// they cannot be had.
bool XkbTable(TCodeTable& Table) {
    using TOpenDisplay = Display* (*)(const char*);
    using TCloseDisplay = int (*)(Display*);
    using TGetMap = XkbDescPtr (*)(Display*, unsigned int, unsigned int);
    using TGetNames = Status (*)(Display*, unsigned int, XkbDescPtr);
    using TFreeKeyboard = void (*)(XkbDescPtr, unsigned int, Bool);
    // libX11 stays loaded: unloading it is not safe.
    void* X11 = dlopen("libX11.so.6", RTLD_NOW | RTLD_LOCAL);
    if (!X11) return false;
    const auto OpenDisplay = reinterpret_cast<TOpenDisplay>(dlsym(X11, "XOpenDisplay"));
    const auto CloseDisplay = reinterpret_cast<TCloseDisplay>(dlsym(X11, "XCloseDisplay"));
    const auto GetMap = reinterpret_cast<TGetMap>(dlsym(X11, "XkbGetMap"));
    const auto GetNames = reinterpret_cast<TGetNames>(dlsym(X11, "XkbGetNames"));
    const auto FreeKeyboard = reinterpret_cast<TFreeKeyboard>(dlsym(X11, "XkbFreeKeyboard"));
    if (!OpenDisplay || !CloseDisplay || !GetMap || !GetNames || !FreeKeyboard) return false;
    Display* Connection = OpenDisplay(nullptr);
    if (!Connection) return false;
    bool Found = false;
    if (XkbDescPtr Keyboard = GetMap(Connection, 0, XkbUseCoreKbd)) {
        if (GetNames(Connection, XkbKeyNamesMask, Keyboard) == Success && Keyboard->names &&
            Keyboard->names->keys) {
            Table.fill(-1);
            for (int Code = Keyboard->min_key_code; Code <= Keyboard->max_key_code && Code < 256;
                 ++Code) {
                const char* Name = Keyboard->names->keys[Code].name;
                const int Position =
                    KeyPositionOfXkbName(std::string(Name, strnlen(Name, XkbKeyNameLength)));
                if (Position > 0) {
                    Table[size_t(Code)] = std::int8_t(Position);
                    Found = true;
                }
            }
        }
        FreeKeyboard(Keyboard, 0, True);
    }
    CloseDisplay(Connection);
    return Found;
}

} // namespace

int KeyPositionOfXkbName(const std::string& Name) {
    for (const TKeyName& Key : KeyNames)
        if (Name == Key.Name) return Key.Position;
    return -1;
}

int KeyPositionOfScanCode(std::uint32_t ScanCode) {
    static TCodeTable Table;
    static std::once_flag Once;
    std::call_once(Once, [] {
        if (!OnX11Display() || !XkbTable(Table)) Table = EvdevTable();
    });
    return ScanCode < Table.size() ? Table[ScanCode] : -1;
}

std::uint16_t VirtualKeyOfPosition(int Position) {
    static const std::uint16_t Codes[49] = {
        0,        VK_OEM_3, '1',      '2',        '3',          '4',           '5',
        '6',      '7',      '8',      '9',        '0',          VK_OEM_MINUS,  VK_OEM_PLUS,
        'Q',      'W',      'E',      'R',        'T',          'Y',           'U',
        'I',      'O',      'P',      VK_OEM_4,   VK_OEM_6,     'A',           'S',
        'D',      'F',      'G',      'H',        'J',          'K',           'L',
        VK_OEM_1, VK_OEM_7, VK_OEM_5, VK_OEM_102, 'Z',          'X',           'C',
        'V',      'B',      'N',      'M',        VK_OEM_COMMA, VK_OEM_PERIOD, VK_OEM_2,
    };
    return Position >= 1 && Position <= 48 ? Codes[Position] : 0;
}
