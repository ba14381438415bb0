// The desktop services under the offscreen platform: the keyboard language
// never asks XKB there, and opening a document reports the shell's codes.
#include "files/SystemUtils.h"
#include "platform/KeyboardLanguage.h"
#include "platform/ShellOpen.h"
#include "tests/support/TestSupport.h"

#include <QGuiApplication>
#include <gtest/gtest.h>

TEST(Desktop, OffscreenTheKeyboardLanguageComesFromTheConsoleConfigurationOnly) {
    ASSERT_EQ(QGuiApplication::platformName(), "offscreen");
    TScopedTempDir Dir;
    int XkbAsked = 0;
    SetXkbLayoutQuery([&] {
        ++XkbAsked;
        return std::string("fr");
    });
    WriteFileBytes(Dir / "keyboard", "XKBLAYOUT=\"fi\"\n");
    SetKeyboardConfigFile(Dir / "keyboard");
    EXPECT_EQ(DetectKeyboardLanguage(), "Finnish");
    SetKeyboardConfigFile(Dir / "missing");
    EXPECT_EQ(DetectKeyboardLanguage(), "Not available");
    EXPECT_EQ(XkbAsked, 0);
    SetKeyboardConfigFile("");
    SetXkbLayoutQuery(nullptr);
}

TEST(Desktop, ShellOpenReportsSuccessAbove32AndFailureAsZero) {
    std::string Opened;
    SetShellOpener([&](const std::string& Target) {
        Opened = Target;
        return Target.rfind("http", 0) == 0;
    });
    EXPECT_GT(ShellOpen("http://www.example.com/clavora"), 32);
    EXPECT_EQ(Opened, "http://www.example.com/clavora");
    EXPECT_LE(ShellOpen("/nonexistent/Report.pdf"), 32);
    EXPECT_EQ(Opened, "/nonexistent/Report.pdf");
    SetShellOpener(nullptr);
}
