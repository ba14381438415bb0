// The language of the keyboard layout: the language table, the XKB names and
// the console configuration and locale service that stand in when there is no
// X display.
#include "platform/KeyboardLanguage.h"
#include "files/SystemUtils.h"
#include "tests/support/TSeamGuard.h"
#include "tests/support/TestSupport.h"

#include <gtest/gtest.h>

#include <chrono>
#include <sys/stat.h>

TEST(KeyboardLanguage, TheLayoutNamesLastTwoDigitsPickTheLanguage) {
    const struct {
        const char* Layout;
        const char* Language;
    } Cases[] = {
        {"0000041D", "Swedish"},
        {"00000409", "English"},
        {"00000809", "English (UK)"},
        {"00001809", "English (UK)"},
        {"00000807", "German (Switzerland)"},
        {"00000C07", "German"},
        {"0000080c", "French (Belgium)"},
        {"00000C0C", "French (Canada)"},
        {"00000416", "Portuguese (Brazil)"},
        {"0000080A", "Spanish (Latin America)"},
        {"0000100C", "French"},
        {"0000040B", "Finnish"},
        {"0000040b", "Finnish"},
        {"00000413", "Dutch"},
        {"0000040A", "Spanish"},
        {"00000406", "Danish"},
        {"0000040F", "Icelandic"},
        {"00000414", "Norwegian"},
        {"00000816", "Portuguese"},
        {"0000040C", "French"},
        {"00000407", "German"},
        {"0000040E", "Hungarian"},
        {"00000410", "Italian"},
        {"00000415", "Polish"},
        {"00000419", "Unknown (19)"},
        {"00000000", "Unknown (00)"},
        {"0000041d", "Swedish"},
        {"", "Not available"},
        {"41D", "Not available"},
    };
    for (const auto& C : Cases)
        EXPECT_EQ(KeyboardLanguageOf(C.Layout), C.Language) << C.Layout;
}

TEST(KeyboardLanguage, XkbLayoutsMapToTheirLanguageIdentifiers) {
    const struct {
        const char* Xkb;
        const char* Layout;
        const char* Language;
    } Cases[] = {
        {"us", "00000409", "English"},
        {"gb", "00000809", "English (UK)"},
        {"fi", "0000040B", "Finnish"},
        {"se", "0000041D", "Swedish"},
        {"de", "00000407", "German"},
        {"ch", "00000807", "German (Switzerland)"},
        {"fr", "0000040C", "French"},
        {"be", "0000080C", "French (Belgium)"},
        {"es", "0000040A", "Spanish"},
        {"latam", "0000080A", "Spanish (Latin America)"},
        {"dk", "00000406", "Danish"},
        {"no", "00000414", "Norwegian"},
        {"is", "0000040F", "Icelandic"},
        {"pt", "00000816", "Portuguese"},
        {"br", "00000416", "Portuguese (Brazil)"},
        {"hu", "0000040E", "Hungarian"},
        {"it", "00000410", "Italian"},
        {"pl", "00000415", "Polish"},
        {"nl", "00000413", "Dutch"},
        {"ru", "00000419", "Unknown (19)"},
        {"SE", "0000041D", "Swedish"},
        {" de(nodeadkeys) ", "00000407", "German"},
        {"xx", "00000000", "Unknown (00)"},
    };
    for (const auto& C : Cases) {
        EXPECT_EQ(LayoutNameForXkb(C.Xkb), C.Layout) << C.Xkb;
        EXPECT_EQ(KeyboardLanguageOf(LayoutNameForXkb(C.Xkb)), C.Language) << C.Xkb;
    }
}

TEST(KeyboardLanguage, TheConsoleConfigurationNamesTheFirstLayout) {
    TScopedTempDir Dir;
    const struct {
        const char* Content;
        const char* Layout;
    } Cases[] = {
        {"# KEYBOARD CONFIGURATION FILE\n\nXKBMODEL=\"pc105\"\nXKBLAYOUT=\"se\"\n"
         "XKBVARIANT=\"\"\nXKBOPTIONS=\"\"\n",
         "se"},
        {"XKBLAYOUT=fi\n", "fi"},
        {"XKBLAYOUT='de,us'\r\n", "de"},
        {"export XKBLAYOUT = \"us,ru\"\n", "us"},
        {"# XKBLAYOUT=\"fr\"\nXKBLAYOUTS=\"fr\"\nXKBMODEL=\"pc105\"\n", ""},
        {"XKBLAYOUT=\"\"\n", ""},
        {"", ""},
        // The variant of the first layout comes with it.
        {"XKBLAYOUT=\"de,us\"\nXKBVARIANT=\"nodeadkeys,\"\n", "de(nodeadkeys)"},
        {"XKBVARIANT=\",dvorak\"\nXKBLAYOUT=\"ch,us\"\n", "ch"},
        {"XKBVARIANT=intl\n", ""},
        // What is no XKB name is not used.
        {"XKBLAYOUT=\"gb\"\nXKBVARIANT=\"x); rm\"\n", "gb"},
        {"XKBLAYOUT=\"$(reboot)\"\n", ""},
    };
    for (const auto& C : Cases) {
        WriteFileBytes(Dir / "keyboard", C.Content);
        EXPECT_EQ(XkbLayoutOfFile(Dir / "keyboard"), C.Layout) << C.Content;
    }
    EXPECT_EQ(XkbLayoutOfFile(Dir / "missing"), "");
}

TEST(KeyboardLanguage, WithoutAGuiApplicationOnlyTheConsoleConfigurationIsAsked) {
    TSeamGuard Seams;
    TScopedTempDir Dir;
    int XkbAsked = 0;
    SetXkbLayoutQuery([&] {
        ++XkbAsked;
        return std::string("fr");
    });
    WriteFileBytes(Dir / "keyboard", "XKBLAYOUT=\"se\"\n");
    SetKeyboardConfigFile(Dir / "keyboard");
    EXPECT_EQ(DetectKeyboardLanguage(), "Swedish");
    WriteFileBytes(Dir / "keyboard", "XKBLAYOUT=\"ru\"\n");
    EXPECT_EQ(DetectKeyboardLanguage(), "Unknown (19)");
    SetKeyboardConfigFile(Dir / "missing");
    EXPECT_EQ(DetectKeyboardLanguage(), "Not available");
    EXPECT_EQ(XkbAsked, 0);
    // Without a console configuration the locale service answers.
    WriteFileBytes(Dir / "localectl", "#!/bin/sh\necho 'X11 Layout: gb'\n");
    chmod((Dir / "localectl").c_str(), 0755);
    SetLocaleCommand(Dir / "localectl");
    EXPECT_EQ(DetectKeyboardLanguage(), "English (UK)");
    EXPECT_EQ(XkbAsked, 0);
}

TEST(KeyboardLanguage, AKeymapsSymbolsNameTheLayoutOfEachGroup) {
    const struct {
        const char* Symbols;
        unsigned Group;
        const char* Layout;
    } Cases[] = {
        {"pc+gb+inet(evdev)", 0, "gb"},
        {"pc+gb(extd)+inet(evdev)", 0, "gb(extd)"},
        {"pc+us+de(nodeadkeys):2+inet(evdev)+group(alt_shift_toggle)", 0, "us"},
        {"pc+us+de(nodeadkeys):2+inet(evdev)+group(alt_shift_toggle)", 1, "de(nodeadkeys)"},
        {"pc+us+de:2+fr:3+inet(evdev)", 2, "fr"},
        {"pc+us+inet(evdev)", 1, ""},
        {"pc+inet(evdev)+capslock(swapescape)+compose(ralt)", 0, ""},
        {"macintosh_vndr/apple(alukbd)+ch(fr)+inet(evdev)", 0, "ch(fr)"},
        {"pc+level3(ralt_switch)+us+inet(evdev)", 0, "us"},
        {"pc+us:x+se", 0, "se"},
        {"", 0, ""},
    };
    for (const auto& C : Cases)
        EXPECT_EQ(XkbLayoutOfSymbols(C.Symbols, C.Group), C.Layout) << C.Symbols << " " << C.Group;
}

TEST(KeyboardLanguage, TheLocaleServiceIsReadSafelyAndWaitedForOneSecondAtMost) {
    const struct {
        const char* Answer;
        const char* Layout;
    } Answers[] = {
        {"   System Locale: LANG=en_GB.UTF-8\n       VC Keymap: uk\n      X11 Layout: gb\n"
         "       X11 Model: pc105\n",
         "gb"},
        {"X11 Layout: de,us\nX11 Variant: nodeadkeys,\n", "de(nodeadkeys)"},
        {"X11 Variant: dvorak\nX11 Layout: us\n", "us(dvorak)"},
        {"   System Locale: LANG=C.UTF-8\n       VC Keymap: (unset)\n      X11 Layout: (unset)\n",
         ""},
        {"X11 Layout: n/a\n", ""},
        {"X11 Layout: ../../etc\n", ""},
        {"", ""},
    };
    for (const auto& C : Answers)
        EXPECT_EQ(XkbLayoutOfLocaleStatus(C.Answer), C.Layout) << C.Answer;

    TSeamGuard Seams;
    TScopedTempDir Dir;
    const struct {
        const char* Script;
        const char* Layout;
    } Programs[] = {
        {"echo '      X11 Layout: fr'; echo '     X11 Variant: oss'", "fr(oss)"},
        // Its labels are read in the C locale, whatever the learner's.
        {"[ \"$LC_ALL\" = C ] && echo 'X11 Layout: se'", "se"},
        {"echo 'X11 Layout: fr'; exit 1", ""},
        {"exec >&-; sleep 30", ""},
        {"echo 'X11 Layout: fr'; sleep 30", ""},
        {"yes 'X11 Layout: fr'", ""},
    };
    for (const auto& C : Programs) {
        WriteFileBytes(Dir / "localectl", std::string("#!/bin/sh\n") + C.Script + "\n");
        chmod((Dir / "localectl").c_str(), 0755);
        SetLocaleCommand(Dir / "localectl");
        const auto Start = std::chrono::steady_clock::now();
        EXPECT_EQ(XkbLayoutOfLocaleService(), C.Layout) << C.Script;
        EXPECT_LT(std::chrono::steady_clock::now() - Start, std::chrono::seconds(3)) << C.Script;
    }
    SetLocaleCommand(Dir / "missing");
    EXPECT_EQ(XkbLayoutOfLocaleService(), "");
    SetLocaleCommand("");
    EXPECT_EQ(XkbLayoutOfLocaleService(), "");
}
