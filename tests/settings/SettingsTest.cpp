// The settings: the INI store, the round trip of every value, first run and
// seeding, the layout lookup and the unwritable store.
#include "files/TProgramSettings.h"
#include "files/TRegIniFile2.h"
#include "platform/Dialogs.h"
#include "platform/FileNames.h"
#include "tests/support/TestSupport.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace {

class SettingsTest : public ::testing::Test {
protected:
    void SetUp() override {
        ClearDialogLog();
        SetDialogResponder([this](const TDialogRequest& R) {
            return R.Buttons & mbYes ? IconAnswer : int(mrOk);
        });
    }
    void TearDown() override { SetDialogResponder(nullptr); }

    std::string IniPath() const { return Dir / "config/Veltrona/Clavora.ini"; }
    void WriteIni(const std::string& Text) {
        mkdir((Dir / "config/Veltrona").c_str(), 0755);
        WriteFileBytes(IniPath(), Text);
    }
    std::vector<std::string> DialogTexts() const {
        std::vector<std::string> Texts;
        for (const auto& R : DialogLog()) Texts.push_back(R.Text);
        return Texts;
    }

    TScopedTempDir Dir;
    int IconAnswer = mrNo;
};

const char* const Seed = "$version=1.0\r\n$end\r\n"
                         "Keyboard Layouts\\English=qwerty.kbd;US\r\n"
                         "\r\n"
                         "Keyboard Layouts\\Swedish=nordic.kbd\r\n"
                         "General Settings\\NotEnoughFields\r\n"
                         "Keyboard Layouts\\German=qwertz.kbd"; // no line end on the last line

} // namespace

TEST_F(SettingsTest, StoreKeepsBytesOrderAndLinesItDoesNotKnow) {
    WriteIni("; written by hand\n[General Settings]\nDataPath=\\\\server\\share;x,y\n"
             "garbage without equals\n\xFF\xFE binary\n[Keyboard Layouts]\nM\xE4rta=a.kbd\n"
             "English=qwerty.kbd\n");
    TRegIniFile2 Store;
    ASSERT_TRUE(Store.OpenKey("\\SOFTWARE\\Veltrona\\Clavora", true));
    EXPECT_EQ(Store.ReadString("general settings", "datapath", ""), "\\\\server\\share;x,y");
    EXPECT_EQ(Store.ReadSection("Keyboard Layouts"), (TStringList{"M\xE4rta", "English"}));
    ASSERT_TRUE(Store.WriteString("Keyboard Layouts", "Finnish", "nordic.kbd;x"));
    ASSERT_TRUE(Store.WriteString("General Settings", "LastUser", "Anna\r\nEvil=1"));
    ASSERT_TRUE(Store.WriteString("New Section", "A", "b"));
    EXPECT_EQ(ReadFileBytes(IniPath()),
              "; written by hand\n[General Settings]\nDataPath=\\\\server\\share;x,y\n"
              "garbage without equals\n\xFF\xFE binary\nLastUser=Anna  Evil=1\n"
              "[Keyboard Layouts]\nM\xE4rta=a.kbd\nEnglish=qwerty.kbd\nFinnish=nordic.kbd;x\n"
              "\n[New Section]\nA=b\n");
}

TEST_F(SettingsTest, FirstRunAsksSeedsAndReadsTheDefaults) {
    WriteFileBytes(Dir / "setup.net", Seed);
    WriteFileBytes(Dir / "Beginner.cnt", "contents name=x\r\n");
    IconAnswer = mrYes;
    TProgramSettings Store;
    EXPECT_TRUE(Store.LayoutNames.empty());
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

TEST_F(SettingsTest, ValuesSurviveARoundTripAndAutoLogonIsNeverWritten) {
    // Read before the toolkit starts: on without settings, and no file made.
    EXPECT_TRUE(TProgramSettings::ScaleBookWanted());
    EXPECT_FALSE(FileExists(IniPath()));
    WriteIni("[General Settings]\nMeasuringUnit=wpm\nDataPath=D:\\Data\nAutoLogon=%USERNAME%\n"
             "KeyboardLayout=Swedish\nPlayTheme=0\nMaximizedBook=0\nKeyboardAutoDetect=1\n"
             "ScaleBook=0\n"
             "DefaultContents=Missing.cnt\n[Keyboard Layouts]\nEnglish=qwerty.kbd\n");
    TProgramSettings Store;
    Store.Load();
    EXPECT_FALSE(Store.MeasuringUnit) << "only WPM in capitals means words per minute";
    EXPECT_EQ(Store.DataPath, "D:\\Data\\");
    EXPECT_EQ(Store.AutoLogon, "%USERNAME%");
    EXPECT_FALSE(Store.PlayTheme);
    EXPECT_FALSE(Store.MaximizedBook);
    EXPECT_FALSE(Store.ScaleBook);
    EXPECT_FALSE(TProgramSettings::ScaleBookWanted());
    EXPECT_TRUE(Store.KeyboardAutoDetect);
    EXPECT_EQ(DialogTexts(),
              std::vector<std::string>{"#-1 File not found\n\rDefault contents: Missing.cnt"});
    Store.LastUser = "M\xC4RTA";
    Store.AutoLogon = "changed";
    Store.Save();

    TProgramSettings Again;
    Again.Load();
    EXPECT_EQ(Again.ReadSetting("MeasuringUnit"), "CPS");
    EXPECT_EQ(Again.AutoLogon, "%USERNAME%");
    EXPECT_EQ(Again.ReadSetting("DataPath"), "D:\\Data") << "the data path is never written";
    EXPECT_EQ(Again.LastUser, "M\xC4RTA");
    EXPECT_EQ(Again.KeyboardLayout, "Swedish");
    EXPECT_EQ(Again.ReadSetting("ScaleBook"), "0");
    Again.MeasuringUnit = true;
    EXPECT_EQ(Again.SpeedUnitName(), "wpm");
    EXPECT_FLOAT_EQ(Again.DisplaySpeed(250), 50);
    Again.Save();
    EXPECT_EQ(TProgramSettings().ReadSetting("MeasuringUnit"), "WPM");
}

TEST_F(SettingsTest, DataPathKeepsAnExistingSeparator) {
    WriteIni("[General Settings]\nDataPath=/srv/clavora/\n[Keyboard Layouts]\nEnglish=q.kbd\n");
    TProgramSettings Store;
    Store.Load();
    EXPECT_EQ(Store.DataPath, "/srv/clavora/");
}

TEST_F(SettingsTest, LayoutFileIsTheFirstLineThatContainsTheLanguage) {
    WriteIni("[Keyboard Layouts]\nSwiss German=swiss.kbd\nGerman=\nEnglish (US)=us.kbd;note\n"
             "English=qwerty.kbd\nFinnish=;\n");
    TProgramSettings Store;
    Store.KeyboardAutoDetect = false;
    Store.KeyboardLayout = "english";
    EXPECT_EQ(Store.LayoutFileFor("qwerty.kbd"), "us.kbd");
    Store.KeyboardLayout = "German";
    EXPECT_EQ(Store.LayoutFileFor("qwerty.kbd"), "swiss.kbd") << "a substring of the line";
    Store.KeyboardLayout = "Finnish";
    EXPECT_EQ(Store.LayoutFileFor("qwerty.kbd"), "qwerty.kbd") << "no file name: passed over";
    Store.KeyboardLayout = "";
    EXPECT_EQ(Store.LayoutFileFor("default.kbd"), "default.kbd");

    Store.KeyboardAutoDetect = true;
    Store.DetectLanguage = [] { return std::string("Unknown (19)"); };
    EXPECT_EQ(Store.LayoutFileFor("qwerty.kbd"), "qwerty.kbd");
    Store.DetectLanguage = [] { return std::string("Swiss"); };
    EXPECT_EQ(Store.LayoutFileFor("qwerty.kbd"), "swiss.kbd");
}

TEST_F(SettingsTest, AStoreThatCannotBeWrittenIsReportedAndDefaultsServe) {
    if (geteuid() == 0) {
        // root writes anywhere; a file where the folder should be stops it too
        WriteFileBytes(Dir / "config/Veltrona", "not a folder");
    } else {
        mkdir((Dir / "config/Veltrona").c_str(), 0500);
    }
    WriteFileBytes(Dir / "Beginner.cnt", "");
    WriteFileBytes(Dir / "setup.net", Seed);
    TProgramSettings Store;
    ASSERT_FALSE(DialogLog().empty());
    EXPECT_EQ(DialogLog()[0].Text, "#-7001 Access denied when using product registry entry\n\r"
                                   "read/write to SOFTWARE\\Veltrona\\Clavora");
    Store.Load();
    Store.Save();
    EXPECT_EQ(Store.KeyboardLayout, "English");
    EXPECT_EQ(Store.DataPath, ".\\");
}

TEST_F(SettingsTest, AStoreThatStopsTakingWritesIsReportedOnce) {
    WriteIni("[Keyboard Layouts]\nEnglish=qwerty.kbd\n");
    WriteFileBytes(Dir / "Beginner.cnt", "");
    TProgramSettings Store;
    Store.Load();
    ASSERT_TRUE(DialogLog().empty());
    // The folder disappears under the running program.
    unlink(IniPath().c_str());
    rmdir((Dir / "config/Veltrona").c_str());
    WriteFileBytes(Dir / "config/Veltrona", "");
    Store.Save();
    Store.Save();
    EXPECT_EQ(DialogTexts(), std::vector<std::string>{"#-7001 Access denied when using product "
                                                      "registry entry\n\rread/write to "
                                                      "SOFTWARE\\Veltrona\\Clavora"});
}

TEST_F(SettingsTest, AMissingSetupFileIsReportedWithItsStatus) {
    WriteFileBytes(Dir / "Beginner.cnt", "");
    TProgramSettings Store;
    Store.ApplySetupFile();
    EXPECT_EQ(DialogTexts(),
              std::vector<std::string>{"#-1 File not found\n\rFile Setup.Net open failed."});
}

TEST_F(SettingsTest, TheDesktopEntryIsAValidEntryWithItsIcon) {
    ASSERT_TRUE(Dir.Path().size() > 0);
    TProgramSettings Store;
    // Without a program icon the entry is written, then the icon fails.
    EXPECT_FALSE(Store.CreateDesktopEntry());
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
    EXPECT_FALSE(Store.CreateDesktopEntry());
    ASSERT_EQ(DialogLog().size(), 1u);
    EXPECT_EQ(DialogLog()[0].Text, "#6432 Clavora was unable to create a program group");
}
