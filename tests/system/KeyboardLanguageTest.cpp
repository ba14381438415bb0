// The language of the keyboard layout: the language table, the XKB names and
// the console configuration that stands in when there is no X display.
#include "platform/KeyboardLanguage.h"
#include "files/SystemUtils.h"
#include "tests/support/TSeamGuard.h"
#include "tests/support/TestSupport.h"

#include <gtest/gtest.h>

TEST(KeyboardLanguage, TheLayoutNamesLastTwoDigitsPickTheLanguage) {
    const struct {
        const char* Layout;
        const char* Language;
    } Cases[] = {
        {"0000041D", "Swedish"},   {"00000409", "English"},      {"00000809", "English"},
        {"0000040B", "Finnish"},   {"0000040b", "Finnish"},      {"00000413", "Dutch"},
        {"0000040A", "Spanish"},   {"00000406", "Danish"},       {"0000040F", "Icelandic"},
        {"00000414", "Norwegian"}, {"00000816", "Portuguese"},   {"0000040C", "French"},
        {"00000407", "German"},    {"0000040E", "Hungarian"},    {"00000410", "Italian"},
        {"00000415", "Polish"},    {"00000419", "Unknown (19)"}, {"00000000", "Unknown (00)"},
        {"0000041d", "Swedish"},   {"", "Not available"},        {"41D", "Not available"},
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
        {"us", "00000409", "English"},      {"gb", "00000809", "English"},
        {"fi", "0000040B", "Finnish"},      {"se", "0000041D", "Swedish"},
        {"de", "00000407", "German"},       {"ch", "00000807", "German"},
        {"fr", "0000040C", "French"},       {"be", "0000080C", "French"},
        {"es", "0000040A", "Spanish"},      {"latam", "0000080A", "Spanish"},
        {"dk", "00000406", "Danish"},       {"no", "00000414", "Norwegian"},
        {"is", "0000040F", "Icelandic"},    {"pt", "00000816", "Portuguese"},
        {"br", "00000416", "Portuguese"},   {"hu", "0000040E", "Hungarian"},
        {"it", "00000410", "Italian"},      {"pl", "00000415", "Polish"},
        {"nl", "00000413", "Dutch"},        {"ru", "00000419", "Unknown (19)"},
        {"SE", "0000041D", "Swedish"},      {" de(nodeadkeys) ", "00000407", "German"},
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
}
