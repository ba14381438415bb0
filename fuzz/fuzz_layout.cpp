// Loads arbitrary bytes as a keyboard layout over a complete one and checks
// that the layout still answers sensibly: every character the layout names a
// key for is given by that key, fingers and modifiers stay in range, and a
// character a dead key makes has no key of its own and is made of characters.
// Odd first bytes put the input behind a "$fileformat=crypted" line.
#include "keyboard/TKeyData.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <unistd.h>

namespace {

const std::string& TempName() {
    static const std::string Name = [] {
        char Template[] = "/tmp/clavora-fuzz-XXXXXX";
        const int Fd = mkstemp(Template);
        if (Fd < 0) abort();
        close(Fd);
        return std::string(Template);
    }();
    return Name;
}

void Check(bool Condition) {
    if (!Condition) abort();
}

void Write(const std::string& Bytes) {
    FILE* Out = fopen(TempName().c_str(), "wb");
    if (!Out) abort();
    fwrite(Bytes.data(), 1, Bytes.size(), Out);
    fclose(Out);
}

const char* const UsRows = "`~ 1! 2@ 3# 4$ 5%\xA4 6^ 7& 8* 9( 0) -_ =+\r\n"
                           "qQ wW eE rR tT yY uU iI oO pP [{ ]}\r\n"
                           "aA sS dD fF gG hH jJ kK lL ;: '\" \\|\r\n"
                           "\xA4 zZ xX cC vV bB nN mM ,< .> /?\r\n";

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size) {
    std::string Bytes(reinterpret_cast<const char*>(Data), Size);
    if (!Bytes.empty() && (Bytes[0] & 1)) Bytes = "$fileformat=crypted\r\n" + Bytes.substr(1);
    TKeyData Layout;
    Write(UsRows);
    Check(Layout.Load(TempName()) == 1);
    Write(Bytes);
    Layout.Load(TempName());
    unlink(TempName().c_str()); // the fuzzer may stop at any time; leave nothing behind

    for (int Code = 0; Code < 256; ++Code) {
        const char C = char(Code);
        const int32_t Key = Layout.KeyOf(C);
        Check(Key == -1 || (Key >= 1 && Key <= TKeyData::KeyCount));
        if (Key > 0) {
            const TKeyData::TKey& K = Layout.Key(Key);
            Check(K.Base == C || K.Shift == C || K.AltGr == C);
        }
        const int32_t Finger = Layout.FingerOf(C);
        Check(Finger == -1 || (Finger >= 1 && Finger <= 9));
        const int32_t Modifier = Layout.ModifierOf(C);
        Check(Modifier == 0 || Modifier == 1 || Modifier == 2 || Modifier == 4);
        char Dead = 0, Letter = 0;
        if (Layout.ComposedOf(C, Dead, Letter)) {
            Check(Key == -1);
            for (const char Part : {Dead, Letter})
                Check(Part != '\0' && Part != ' ' && Part != '\r' && Part != '\n' &&
                      Part != '\xA4');
        }
    }
    for (int Row = 0; Row <= 5; ++Row)
        for (int Column = 0; Column <= 14; ++Column)
            for (int Level : {0, 1, 4})
                Check(Layout.KeyChar(Row, Column, Level) != '\xA4');
    return 0;
}
