// The settings store: sections of string values in a small INI file,
// $XDG_CONFIG_HOME/Veltrona/Clavora.ini (~/.config when unset).
//
// The store keeps what it does not understand: lines and sections stay in
// their file order, bytes are Latin-1 and never re-encoded, and values keep
// ";", "\" and "," as they are (general-purpose INI parsers mangle all of
// these). Section and value names compare without regard to letter case.
// Every write rewrites the file at once, through a temporary file and a
// rename, so a crash leaves either the old or the new settings.
#pragma once

#include "files/TextUtils.h"

#include <string>
#include <vector>

class TRegIniFile2 {
public:
    TRegIniFile2();

    // Opens the key: a path beginning with "\" is taken from the root (the
    // settings folder), any other is relative to the current key. With
    // CanCreate, the folder and the file are created when absent. False when
    // the file cannot be created, read or written.
    bool OpenKey(const std::string& Key, bool CanCreate);
    bool IsOpen() const { return FOpen; }
    const std::string& CurrentPath() const { return FCurrentPath; }
    const std::string& FileName() const { return FFileName; }

    std::string ReadString(const std::string& Section, const std::string& Name,
                           const std::string& Default) const;
    // False when the file could not be written; the value is kept in memory.
    bool WriteString(const std::string& Section, const std::string& Name, const std::string& Value);
    // The value names of a section, in file order.
    TStringList ReadSection(const std::string& Section) const;
    // The section as "name=value" lines, in file order.
    TStringList ReadSectionValues(const std::string& Section) const;

    // The settings folder: $XDG_CONFIG_HOME/Veltrona, or ~/.config/Veltrona.
    static std::string SettingsFolder();

private:
    struct TLine {
        std::string Text;     // the line as stored (without its line end)
        std::string Section;  // the section it lies in ("" before the first)
        bool IsValue = false; // a name=value line
        std::string Name;
        std::string Value;
    };
    void Parse(const std::string& Bytes);
    bool WriteFile() const;
    int FindValue(const std::string& Section, const std::string& Name) const;
    int SectionEnd(const std::string& Section) const;

    std::vector<TLine> FLines;
    std::string FFileName;
    std::string FCurrentPath;
    bool FOpen = false;
};
