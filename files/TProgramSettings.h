// The program's settings, kept in a small INI file in the user's
// configuration folder under two sections, "General Settings" and
// "Keyboard Layouts". Read once at start-up, saved at shutdown and after the
// options page. The object also carries the version texts and the
// small-screen flag for the rest of the program.
//
// Each stored setting is one line of the table in TProgramSettings.cpp: its
// name, its field, how it is stored, its default and whether it is saved.
#pragma once

#include "files/TRegIniFile2.h"
#include "files/TextUtils.h"

#include <functional>
#include <memory>
#include <string>

class TProgramSettings {
public:
    // Opens (creating when absent) the settings file and reads the names of
    // the "Keyboard Layouts" section. A file or folder that cannot be created
    // or written is reported as error -7001; the object is still created.
    TProgramSettings();
    ~TProgramSettings();

    bool KeyboardAutoDetect = false;
    std::string KeyboardLayout;
    bool PlayTheme = true;
    // true = words per minute, false = characters per minute.
    bool MeasuringUnit = false;
    TStringList LayoutNames;
    bool MaximizedBook = true;
    // The book is drawn larger to fill a large screen ("ScaleBook"; "0"
    // keeps it at its own size). Takes effect at the next start.
    bool ScaleBook = true;
    std::string DefaultContents;
    std::string LastUser;
    std::string AutoLogon;
    std::string Version;
    std::string Build;
    std::string BuildDate;
    std::string Platform;
    std::string NewVersionPage;
    // The user database's folder; always ends with a separator.
    std::string DataPath;
    std::unique_ptr<TRegIniFile2> Registry;
    bool SmallScreen = false;

    // Reads every setting; a missing or unreadable value gives its default.
    void Load();
    // Writes the settings the learner can change.
    void Save();
    // Reads the names of the "Keyboard Layouts" section again, after the
    // section was seeded.
    void ReadLayoutNames();
    // The "ScaleBook" value as stored, read before the settings object (and
    // the toolkit) exist: on unless it is "0".
    static bool ScaleBookWanted();
    std::string LayoutFileFor(const std::string& Default);
    std::string ReadSetting(const std::string& Name);
    void WriteSetting(const std::string& Name, const std::string& Value);
    void WriteValue(const std::string& Section, const std::string& Name, const std::string& Value);
    std::string SpeedUnitName() const;
    float DisplaySpeed(float Cpm) const;
    // Names the language of the active keyboard layout (installed by
    // start-up; tests install their own). Without it nothing is detected.
    std::function<std::string()> DetectLanguage;

private:
    bool FWriteReported = false;
};

// The one settings object, created at start-up.
extern TProgramSettings* Settings;
