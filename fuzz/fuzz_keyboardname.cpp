// The readers of the keyboard's name: the locale service's answer, a keymap's
// symbols name and the layout name made of what they give. Whatever they are
// handed, they give an XKB name or nothing, never text to pass on unchecked.
#include "platform/KeyboardLanguage.h"

#include <cstdint>
#include <cstdlib>
#include <string>

namespace {

// "gb", "de(nodeadkeys)" or "": letters, digits, "_" and "-", with a variant
// in parentheses.
bool XkbName(const std::string& Name) {
    if (Name.empty()) return true;
    const size_t Open = Name.find('(');
    const std::string Layout = Name.substr(0, Open);
    std::string Variant;
    if (Open != std::string::npos) {
        if (Name.back() != ')') return false;
        Variant = Name.substr(Open + 1, Name.size() - Open - 2);
        if (Variant.empty()) return false;
    }
    for (const std::string& Part : {Layout, Variant})
        for (char C : Part)
            if (!((C >= 'a' && C <= 'z') || (C >= 'A' && C <= 'Z') || (C >= '0' && C <= '9') ||
                  C == '_' || C == '-'))
                return false;
    return !Layout.empty();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size) {
    if (Size == 0) return 0;
    const unsigned Group = Data[0] % 5;
    const std::string Text(reinterpret_cast<const char*>(Data + 1), Size - 1);

    for (const std::string& Name : {XkbLayoutOfLocaleStatus(Text), XkbLayoutOfSymbols(Text, Group)})
        if (!XkbName(Name)) abort();

    const std::string Layout = LayoutNameForXkb(Text);
    if (Layout.size() != 8 || Layout.compare(0, 4, "0000") != 0) abort();
    // The US layout stands in for every keyboard it replaces.
    if (XkbLayoutReplaced(Text) && Layout != "00000409") abort();
    return 0;
}
