// Setting the program up: the first run asks for the desktop entry and seeds
// the settings from the setup file; the desktop entry and its icon.
#include "app/Setup.h"
#include "files/SystemUtils.h"
#include "files/TProgramSettings.h"
#include "platform/FileNames.h"
#include "platform/KeyboardLanguage.h"
#include "tests/settings/SettingsFixture.h"

#include <cstdlib>

namespace {
using SetupTest = SettingsTest;
} // namespace

TEST_F(SetupTest, FirstRunAsksSeedsAndReadsTheDefaults) {
    WriteFileBytes(Dir / "setup.net", Seed);
    WriteFileBytes(Dir / "Beginner.cnt", "contents name=x\r\n");
    IconAnswer = mrYes;
    TProgramSettings Store;
    EXPECT_TRUE(Store.LayoutNames.empty());
    FirstRunSetup(Store);
    Store.Load();
    ASSERT_FALSE(DialogLog().empty());
    EXPECT_EQ(DialogLog()[0].Text, "Do you want to create an icon for Clavora?");
    EXPECT_EQ(DialogLog()[0].Type, mtConfirmation);
    EXPECT_TRUE(PathExists(Dir / "data/applications/clavora.desktop"));
    EXPECT_TRUE(Store.KeyboardAutoDetect);
    EXPECT_EQ(Store.KeyboardLayout, "English");
    EXPECT_TRUE(Store.PlayTheme);
    EXPECT_FALSE(Store.MeasuringUnit);
    EXPECT_TRUE(Store.MaximizedBook);
    EXPECT_EQ(Store.DefaultContents, "Beginner.cnt");
    EXPECT_EQ(Store.DataPath, ".\\");
    EXPECT_EQ(Store.LastUser, "");
    EXPECT_EQ(Store.SpeedUnitName(), "cpm");
    EXPECT_EQ(Store.Registry->ReadSectionValues("Keyboard Layouts"),
              (TStringList{"English=qwerty.kbd;US", "Swedish=nordic.kbd", "German=qwertz.kbd"}));
    // The seeded layouts are offered at once, not only from the next start.
    EXPECT_EQ(Store.LayoutNames, (TStringList{"English", "Swedish", "German"}));
    EXPECT_EQ(TProgramSettings().LayoutNames, Store.LayoutNames);
}

TEST_F(SetupTest, ADetectedKeyboardGetsItsShippedLayoutOrTheUsOneWithANote) {
    // The layouts a fresh install is seeded with.
    WriteFileBytes(Dir / "setup.net",
                   ReadFileBytes(std::string(std::getenv("CLAVORA_APP_DIR")) + "/setup.net"));
    TProgramSettings Store;
    ApplySetupFile(Store);
    Store.KeyboardAutoDetect = true;
    Store.DetectLanguage = &DetectKeyboardLanguage;
    SetKeyboardConfigFile(Dir / "keyboard");
    const struct {
        const char* Layout;
        const char* Variant;
        const char* File;
        const char* Note;
    } Cases[] = {
        {"us", "", "qwerty.kbd", ""},
        {"gb", "", "uk.kbd", ""},
        {"ie", "", "uk.kbd", ""},
        {"gb", "extd", "uk.kbd", ""},
        {"ca", "", "canadian.kbd", ""},
        {"ca", "eng", "qwerty.kbd", ""},
        {"ca", "multix", "qwerty.kbd", "No layout for ca(multix): US keys shown"},
        {"ch", "", "swiss.kbd", ""},
        {"ch", "de_nodeadkeys", "swiss.kbd", ""},
        {"ch", "fr", "qwerty.kbd", "No layout for ch(fr): US keys shown"},
        {"be", "", "belgian.kbd", ""},
        {"br", "", "brazilian.kbd", ""},
        {"latam", "", "latam.kbd", ""},
        {"latam", "nodeadkeys", "qwerty.kbd", "No layout for latam(nodeadkeys): US keys shown"},
        {"us", "intl", "qwerty.kbd", ""},
        {"us", "dvorak", "qwerty.kbd", "No layout for us(dvorak): US keys shown"},
        {"de", "", "qwertz.kbd", ""},
        {"de", "nodeadkeys", "qwertz.kbd", ""},
        {"de", "neo", "qwerty.kbd", "No layout for de(neo): US keys shown"},
        {"de", "us", "qwerty.kbd", ""},
        {"at", "", "qwertz.kbd", ""},
        {"fr", "", "azerty.kbd", ""},
        {"fr", "bepo", "qwerty.kbd", "No layout for fr(bepo): US keys shown"},
        {"se", "", "nordic.kbd", ""},
        {"fi", "", "nordic.kbd", ""},
        {"es", "", "spanish.kbd", ""},
        {"pt", "", "portuguese.kbd", ""},
        {"it", "", "italian.kbd", ""},
        {"ru", "phonetic", "qwerty.kbd", ""},
    };
    for (const auto& C : Cases) {
        SCOPED_TRACE(std::string(C.Layout) + "(" + C.Variant + ")");
        WriteFileBytes(Dir / "keyboard", std::string("XKBLAYOUT=\"") + C.Layout +
                                             "\"\nXKBVARIANT=\"" + C.Variant + "\"\n");
        EXPECT_EQ(Store.LayoutFileFor("qwerty.kbd"), C.File);
        EXPECT_EQ(DetectKeyboardNote(), C.Note);
    }
}

TEST_F(SetupTest, AMissingSetupFileIsReportedWithItsStatus) {
    WriteFileBytes(Dir / "Beginner.cnt", "");
    TProgramSettings Store;
    ApplySetupFile(Store);
    EXPECT_EQ(DialogTexts(),
              std::vector<std::string>{"#-1 File not found\n\rFile Setup.Net open failed."});
}

TEST_F(SetupTest, TheDesktopEntryIsAValidEntryWithItsIcon) {
    ASSERT_TRUE(Dir.Path().size() > 0);
    // Without a program icon the entry is written, then the icon fails.
    EXPECT_FALSE(CreateDesktopEntry());
    EXPECT_EQ(DialogLog().back().Text, "#6433 Clavora was unable to create a program icon");
    const std::string Entry = ReadFileBytes(Dir / "data/applications/clavora.desktop");
    EXPECT_NE(Entry.find("[Desktop Entry]\nType=Application\n"), std::string::npos);
    EXPECT_NE(Entry.find("\nName=Clavora 98\n"), std::string::npos);
    EXPECT_NE(Entry.find("\nIcon=" + Dir.Path() + "/data/icons/hicolor/64x64/apps/clavora.png\n"),
              std::string::npos);

    // A data folder that cannot hold folders: the group fails.
    ClearDialogLog();
    setenv("XDG_DATA_HOME", (Dir / "setup.net").c_str(), 1);
    WriteFileBytes(Dir / "setup.net", "");
    EXPECT_FALSE(CreateDesktopEntry());
    ASSERT_EQ(DialogLog().size(), 1u);
    EXPECT_EQ(DialogLog()[0].Text, "#6432 Clavora was unable to create a program group");
}
