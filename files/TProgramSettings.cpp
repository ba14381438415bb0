#include "files/TProgramSettings.h"

#include "files/ErrorLog.h"
#include "platform/FileNames.h"

#include <cstdlib>
#include <variant>

TProgramSettings* Settings = nullptr;

namespace {

const char* const GeneralSection = "General Settings";
const char* const LayoutSection = "Keyboard Layouts";
const char* const KeyPath = "SOFTWARE\\Veltrona\\Clavora";

// One value of "General Settings", kept in a field of the settings. A flag
// is stored as one of two texts; any other text, or none, reads as its
// default, so that only the text of the other state changes it. A text that
// is missing or empty reads as its default.
struct TSetting {
    const char* Name; // the value's name, as stored
    std::variant<bool TProgramSettings::*, std::string TProgramSettings::*> Field;
    bool FlagDefault = false;
    const char* OnText = "";
    const char* OffText = "";
    const char* TextDefault = "";
    bool Saved = true;
};

TSetting Flag(const char* Name, bool TProgramSettings::*Field, bool Default, const char* OnText,
              const char* OffText) {
    return {Name, Field, Default, OnText, OffText};
}

TSetting Text(const char* Name, std::string TProgramSettings::*Field, const char* Default,
              bool Saved = true) {
    return {Name, Field, false, "", "", Default, Saved};
}

// Every stored setting, in the order they are saved, which is the order in
// which new values are added to the file. The data path's default (the
// learner's folder) and the rule that a missing layout is detected are
// worked out in Load.
const TSetting Table[] = {
    Flag("KeyboardAutoDetect", &TProgramSettings::KeyboardAutoDetect, false, "1", "0"),
    Text("KeyboardLayout", &TProgramSettings::KeyboardLayout, ""),
    Text("DefaultContents", &TProgramSettings::DefaultContents, "Beginner.cnt"),
    Flag("PlayTheme", &TProgramSettings::PlayTheme, true, "1", "0"),
    Flag("MaximizedBook", &TProgramSettings::MaximizedBook, true, "1", "0"),
    Flag("ScaleBook", &TProgramSettings::ScaleBook, true, "1", "0"),
    Flag("MeasuringUnit", &TProgramSettings::MeasuringUnit, false, "WPM", "CPS"),
    Text("LastUser", &TProgramSettings::LastUser, ""),
    // Set by whoever installs the program, never by the program itself.
    Text("AutoLogon", &TProgramSettings::AutoLogon, "", false),
    Text("DataPath", &TProgramSettings::DataPath, "", false),
};

bool FlagFrom(const TSetting& Setting, const std::string& Stored) {
    return Setting.FlagDefault ? Stored != Setting.OffText : Stored == Setting.OnText;
}

const TSetting& SettingNamed(const std::string& Name) {
    for (const TSetting& Setting : Table)
        if (Name == Setting.Name) return Setting;
    std::abort();
}

bool EndsWithSeparator(const std::string& Path) {
    return !Path.empty() && (Path.back() == '\\' || Path.back() == '/');
}

} // namespace

TProgramSettings::TProgramSettings() : Registry(std::make_unique<TRegIniFile2>()) {
    if (!Registry->OpenKey(std::string("\\") + KeyPath, true))
        LogError(-7001, std::string("read/write to ") + KeyPath);
    ReadLayoutNames();
}

void TProgramSettings::ReadLayoutNames() {
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
    for (const TSetting& Setting : Table) {
        const std::string Stored = ReadSetting(Setting.Name);
        if (auto FlagField = std::get_if<bool TProgramSettings::*>(&Setting.Field))
            this->*(*FlagField) = FlagFrom(Setting, Stored);
        else
            this->*std::get<std::string TProgramSettings::*>(Setting.Field) =
                Stored.empty() ? Setting.TextDefault : Stored;
    }
    if (!FileExists(DefaultContents)) LogError(-1, "Default contents: " + DefaultContents);
    // By default the learner's data lives in the learner's own folder.
    if (DataPath.empty()) DataPath = UserLayer().empty() ? ".\\" : UserLayer();
    if (!EndsWithSeparator(DataPath)) DataPath += "\\";
    if (KeyboardLayout.empty()) {
        KeyboardAutoDetect = true;
        KeyboardLayout = "English";
    }
}

void TProgramSettings::Save() {
    for (const TSetting& Setting : Table) {
        if (!Setting.Saved) continue;
        if (auto FlagField = std::get_if<bool TProgramSettings::*>(&Setting.Field))
            WriteSetting(Setting.Name, this->*(*FlagField) ? Setting.OnText : Setting.OffText);
        else
            WriteSetting(Setting.Name,
                         this->*std::get<std::string TProgramSettings::*>(Setting.Field));
    }
}

bool TProgramSettings::ScaleBookWanted() {
    TRegIniFile2 Store;
    if (!Store.OpenKey(std::string("\\") + KeyPath, false)) return true;
    return FlagFrom(SettingNamed("ScaleBook"), Store.ReadString(GeneralSection, "ScaleBook", ""));
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
