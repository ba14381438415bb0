#include "files/TProgramSettings.h"

#include "files/ErrorLog.h"
#include "files/ProductInfo.h"
#include "files/TTextFile.h"
#include "platform/Application.h"
#include "platform/Dialogs.h"
#include "platform/FileNames.h"
#include "platform/UserFolders.h"
#include "platform/WholeFiles.h"

#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

TProgramSettings* Settings = nullptr;

namespace {

const char* const GeneralSection = "General Settings";
const char* const LayoutSection = "Keyboard Layouts";
const char* const KeyPath = "SOFTWARE\\Veltrona\\Clavora";

std::string Flag(bool Value) {
    return Value ? "1" : "0";
}

bool EndsWithSeparator(const std::string& Path) {
    return !Path.empty() && (Path.back() == '\\' || Path.back() == '/');
}

// A path inside a desktop entry's Exec key: quoted, with the characters the
// format reserves escaped.
std::string QuotedExec(const std::string& Path) {
    std::string Result = "\"";
    for (char C : Path) {
        if (C == '"' || C == '`' || C == '$' || C == '\\') Result += '\\';
        if (C == '%') Result += '%';
        Result += C;
    }
    return Result + "\"";
}

} // namespace

TProgramSettings::TProgramSettings() : Registry(std::make_unique<TRegIniFile2>()) {
    if (!Registry->OpenKey(std::string("\\") + KeyPath, true))
        LogError(-7001, std::string("read/write to ") + KeyPath);
    LayoutNames = Registry->ReadSection(LayoutSection);
}

TProgramSettings::~TProgramSettings() = default;

std::string TProgramSettings::ReadSetting(const std::string& Name) {
    return Registry->ReadString(GeneralSection, Name, "");
}

void TProgramSettings::WriteSetting(const std::string& Name, const std::string& Value) {
    WriteValue(GeneralSection, Name, Value);
}

void TProgramSettings::WriteValue(const std::string& Section, const std::string& Name,
                                  const std::string& Value) {
    // A store that could not be opened was reported when it was created; one
    // that stops taking writes later is reported once.
    if (Registry->IsOpen() && !Registry->WriteString(Section, Name, Value) && !FWriteReported) {
        FWriteReported = true;
        LogError(-7001, std::string("read/write to ") + KeyPath);
    }
}

void TProgramSettings::Load() {
    if (LayoutNames.empty()) {
        FirstRunSetup();
        // The layouts just seeded are the ones the options page offers.
        LayoutNames = Registry->ReadSection(LayoutSection);
    }
    KeyboardAutoDetect = ReadSetting("KeyboardAutoDetect") == "1";
    KeyboardLayout = ReadSetting("KeyboardLayout");
    PlayTheme = ReadSetting("PlayTheme") != "0";
    MeasuringUnit = ReadSetting("MeasuringUnit") == "WPM";
    AutoLogon = ReadSetting("AutoLogon");
    MaximizedBook = ReadSetting("MaximizedBook") != "0";
    ScaleBook = ReadSetting("ScaleBook") != "0";
    DefaultContents = ReadSetting("DefaultContents");
    if (DefaultContents.empty()) DefaultContents = "Beginner.cnt";
    if (!FileExists(DefaultContents)) LogError(-1, "Default contents: " + DefaultContents);
    DataPath = ReadSetting("DataPath");
    // By default the learner's data lives in the learner's own folder.
    if (DataPath.empty()) DataPath = UserLayer().empty() ? ".\\" : UserLayer();
    if (!EndsWithSeparator(DataPath)) DataPath += "\\";
    LastUser = ReadSetting("LastUser");
    if (KeyboardLayout.empty()) {
        KeyboardAutoDetect = true;
        KeyboardLayout = "English";
    }
}

void TProgramSettings::Save() {
    WriteSetting("KeyboardAutoDetect", Flag(KeyboardAutoDetect));
    WriteSetting("KeyboardLayout", KeyboardLayout);
    WriteSetting("DefaultContents", DefaultContents);
    WriteSetting("PlayTheme", Flag(PlayTheme));
    WriteSetting("MaximizedBook", Flag(MaximizedBook));
    WriteSetting("ScaleBook", Flag(ScaleBook));
    WriteSetting("MeasuringUnit", MeasuringUnit ? "WPM" : "CPS");
    WriteSetting("LastUser", LastUser);
}

bool TProgramSettings::ScaleBookWanted() {
    TRegIniFile2 Store;
    if (!Store.OpenKey(std::string("\\") + KeyPath, false)) return true;
    return Store.ReadString(GeneralSection, "ScaleBook", "") != "0";
}

std::string TProgramSettings::LayoutFileFor(const std::string& Default) {
    std::string Result = Default;
    const std::string Name = UpperCase(
        KeyboardAutoDetect ? (DetectLanguage ? DetectLanguage() : std::string()) : KeyboardLayout);
    if (Name.empty()) return Result;
    for (const std::string& Line : Registry->ReadSectionValues(LayoutSection)) {
        if (UpperCase(Line).find(Name) == std::string::npos) continue;
        // A matching value without a file name is passed over.
        const size_t Equals = Line.find('=');
        const std::string Value = Equals == std::string::npos ? "" : Line.substr(Equals + 1);
        if (Trim(Value.substr(0, Value.find(';'))).empty()) continue;
        const TStringList Fields = Split(Line, "=;");
        if (Fields.size() < 2) continue;
        return Fields[1];
    }
    return Result;
}

std::string TProgramSettings::SpeedUnitName() const {
    return MeasuringUnit ? "wpm" : "cpm";
}

float TProgramSettings::DisplaySpeed(float Cpm) const {
    return MeasuringUnit ? Cpm * 0.2f : Cpm;
}

void TProgramSettings::FirstRunSetup() {
    if (MessageDlg("Do you want to create an icon for Clavora?", mtConfirmation, mbYes | mbNo) ==
        mrYes)
        CreateDesktopEntry();
    ApplySetupFile();
}

void TProgramSettings::ApplySetupFile() {
    TTextFile Setup;
    const int Status = Setup.Open("setup.net", TTextFile::tmRead);
    if (Status != 1) {
        LogError(Status, "File Setup.Net open failed.");
        return;
    }
    std::string Line;
    for (;;) {
        const int Result = Setup.NextLine(Line, 255);
        if (!Line.empty()) {
            // Section\Name=Value; a line without all three is passed over.
            const TStringList Fields = Split(Line, "\\=");
            if (Fields.size() >= 3) WriteValue(Fields[0], Fields[1], Fields[2]);
        }
        if (Result != 1) break;
    }
    Setup.Close();
}

bool TProgramSettings::CreateDesktopEntry() {
    // The desktop's menu plays the part of the program group, its entry
    // with an icon the part of the program item.
    const std::string DataHome = UserFolders::DataHome();
    const std::string Applications = DataHome + "/applications";
    const std::string IconFolder = DataHome + "/icons/hicolor/64x64/apps";
    const std::string Program = Application::ProgramDirectory() + "/clavora";
    const std::string IconFile = IconFolder + "/clavora.png";

    const std::string Entry = "[Desktop Entry]\n"
                              "Type=Application\n"
                              "Version=1.0\n"
                              "Name=Clavora 98\n"
                              "GenericName=Touch Typing Tutor\n"
                              "Comment=Learn to touch type with guided lessons, drills and games\n"
                              "Exec=" +
                              QuotedExec(Program) +
                              "\n"
                              "Icon=" +
                              IconFile +
                              "\n"
                              "Terminal=false\n"
                              "Categories=Education;\n";
    if (DataHome.empty() || !MakeFolders(Applications) || !ReplaceFile(Applications + "/clavora.desktop", Entry)) {
        MessageDlg("#6432 Clavora was unable to create a program group", mtInformation, mbOK);
        return false;
    }
    std::string Icon;
    ReadWholeFile(ResolveFileName(Application::ProgramDirectory() + "/Pictures/Clavora.png"), Icon);
    if (Icon.empty() || !MakeFolders(IconFolder) || !ReplaceFile(IconFile, Icon)) {
        MessageDlg("#6433 Clavora was unable to create a program icon", mtInformation, mbOK);
        return false;
    }
    return true;
}

void TProgramSettings::CreateProgramGroup() {
    CreateDesktopEntry();
    ApplySetupFile();
    MessageDlg("Installation done! Please restart Clavora using icon created.", mtInformation,
               mbOK);
}
