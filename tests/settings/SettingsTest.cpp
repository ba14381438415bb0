// The settings: the INI store, the default, round trip and fallback of every
// value, the layout lookup and the unwritable store.
#include "app/Setup.h"
#include "files/TProgramSettings.h"
#include "files/TRegIniFile2.h"
#include "platform/FileNames.h"
#include "tests/settings/SettingsFixture.h"

#include <functional>
#include <memory>

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
    FirstRunSetup(Store);
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

namespace {

std::string YesNo(bool Value) {
    return Value ? "yes" : "no";
}

// One stored setting: how it reads when absent, what a stored value reads
// as and is written back as, and how a malformed value reads.
struct TSettingRow {
    const char* Key;
    std::function<std::string(const TProgramSettings&)> Value;
    const char* Absent;
    const char* Stored;
    const char* FromStored;
    // Changes the value away from what Stored gave, and the text then
    // written; nullptr when the program never writes the value.
    std::function<void(TProgramSettings&)> Change;
    const char* Written;
    const char* Malformed;
    const char* FromMalformed;
};

} // namespace

TEST_F(SettingsTest, EachSettingHasItsDefaultRoundTripsAndFallsBackFromMalformedText) {
    WriteFileBytes(Dir / "Beginner.cnt", "");
    WriteFileBytes(Dir / "Advanced.cnt", "");
    const TSettingRow Rows[] = {
        {"KeyboardAutoDetect", [](auto& S) { return YesNo(S.KeyboardAutoDetect); }, "no", "1",
         "yes", [](auto& S) { S.KeyboardAutoDetect = false; }, "0", "yes", "no"},
        {"KeyboardLayout", [](auto& S) { return S.KeyboardLayout; }, "English", "Swedish",
         "Swedish", [](auto& S) { S.KeyboardLayout = "M\xE4rta"; }, "M\xE4rta", "", "English"},
        {"PlayTheme", [](auto& S) { return YesNo(S.PlayTheme); }, "yes", "0", "no",
         [](auto& S) { S.PlayTheme = true; }, "1", "no", "yes"},
        {"MeasuringUnit", [](auto& S) { return YesNo(S.MeasuringUnit); }, "no", "WPM", "yes",
         [](auto& S) { S.MeasuringUnit = false; }, "CPS", "wpm", "no"},
        {"AutoLogon", [](auto& S) { return S.AutoLogon; }, "", "%USERNAME%", "%USERNAME%",
         [](auto& S) { S.AutoLogon = "changed"; }, nullptr, "", ""},
        {"MaximizedBook", [](auto& S) { return YesNo(S.MaximizedBook); }, "yes", "0", "no",
         [](auto& S) { S.MaximizedBook = true; }, "1", "false", "yes"},
        {"ScaleBook", [](auto& S) { return YesNo(S.ScaleBook); }, "yes", "0", "no",
         [](auto& S) { S.ScaleBook = true; }, "1", "00", "yes"},
        {"DefaultContents", [](auto& S) { return S.DefaultContents; }, "Beginner.cnt",
         "Advanced.cnt", "Advanced.cnt", [](auto& S) { S.DefaultContents = "Beginner.cnt"; },
         "Beginner.cnt", "", "Beginner.cnt"},
        {"DataPath", [](auto& S) { return S.DataPath; }, ".\\", "D:\\Data", "D:\\Data\\",
         [](auto& S) { S.DataPath = "/elsewhere/"; }, nullptr, "", ".\\"},
        {"LastUser", [](auto& S) { return S.LastUser; }, "", "Anna", "Anna",
         [](auto& S) { S.LastUser = "M\xC4RTA"; }, "M\xC4RTA", "", ""},
    };
    for (const TSettingRow& Row : Rows) {
        SCOPED_TRACE(Row.Key);
        // Without a layout the layout becomes English and is detected; the
        // other rows keep a layout so that their own defaults show.
        const std::string Others =
            std::string(Row.Key) == "KeyboardLayout" ? "" : "KeyboardLayout=Swedish\n";
        const auto LoadFrom = [&](const std::string& General) {
            WriteIni("[General Settings]\n" + Others + General +
                     "[Keyboard Layouts]\nEnglish=qwerty.kbd\n");
            auto Store = std::make_unique<TProgramSettings>();
            Store->Load();
            return Store;
        };
        EXPECT_EQ(Row.Value(*LoadFrom("")), Row.Absent);
        EXPECT_EQ(Row.Value(*LoadFrom(std::string(Row.Key) + "=" + Row.Malformed + "\n")),
                  Row.FromMalformed);

        auto Store = LoadFrom(std::string(Row.Key) + "=" + Row.Stored + "\n");
        EXPECT_EQ(Row.Value(*Store), Row.FromStored);
        Store->Save();
        EXPECT_EQ(Store->ReadSetting(Row.Key), Row.Stored) << "saved as it was read";
        Row.Change(*Store);
        const std::string Changed = Row.Value(*Store);
        Store->Save();
        EXPECT_EQ(Store->ReadSetting(Row.Key), Row.Written ? Row.Written : Row.Stored);
        TProgramSettings Again;
        Again.Load();
        EXPECT_EQ(Row.Value(Again), Row.Written ? Changed : std::string(Row.FromStored));
    }
    EXPECT_EQ(DialogTexts(), std::vector<std::string>{}) << "every contents file exists";
}

TEST_F(SettingsTest, AFreshStoreIsSavedWithTheDefaultsInTheirOrder) {
    WriteIni("[Keyboard Layouts]\nEnglish=qwerty.kbd\n");
    WriteFileBytes(Dir / "Beginner.cnt", "");
    TProgramSettings Store;
    Store.Load();
    Store.Save();
    EXPECT_EQ(ReadFileBytes(IniPath()),
              "[Keyboard Layouts]\nEnglish=qwerty.kbd\n\n[General Settings]\n"
              "KeyboardAutoDetect=1\nKeyboardLayout=English\nDefaultContents=Beginner.cnt\n"
              "PlayTheme=1\nMaximizedBook=1\nScaleBook=1\nMeasuringUnit=CPS\nLastUser=\n");
}
