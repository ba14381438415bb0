#include "files/TRegIniFile2.h"

#include "platform/UserFolders.h"
#include "platform/WholeFiles.h"

#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

bool SameName(const std::string& A, const std::string& B) {
    return LowerCase(A) == LowerCase(B);
}

// Values are single lines: a line end inside one would split it in two.
std::string OneLine(const std::string& S) {
    std::string Result = S;
    for (char& C : Result)
        if (C == '\r' || C == '\n') C = ' ';
    return Result;
}

} // namespace

TRegIniFile2::TRegIniFile2() = default;

std::string TRegIniFile2::SettingsFolder() {
    const std::string Base = UserFolders::ConfigHome();
    return Base.empty() ? std::string() : Base + "/Veltrona";
}

bool TRegIniFile2::OpenKey(const std::string& Key, bool CanCreate) {
    // The key path names the store; the program only ever opens its own key.
    std::string Path = Key;
    if (!Path.empty() && Path[0] == '\\')
        FCurrentPath = Path.substr(1);
    else
        FCurrentPath = FCurrentPath.empty() ? Path : FCurrentPath + "\\" + Path;
    FOpen = false;
    FLines.clear();

    const std::string Folder = SettingsFolder();
    // Without a home folder there is nowhere to keep the settings.
    if (Folder.empty()) return false;
    FFileName = Folder + "/Clavora.ini";
    struct stat St {};
    const bool Exists = stat(FFileName.c_str(), &St) == 0;
    if (!Exists) {
        if (!CanCreate || !MakeFolders(Folder)) return false;
        const int Fd = open(FFileName.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
        if (Fd < 0 && errno != EEXIST) return false;
        if (Fd >= 0) close(Fd);
    } else if (!S_ISREG(St.st_mode)) {
        return false;
    }
    // The key must be readable and writable, as the program writes it.
    if (access(FFileName.c_str(), R_OK | W_OK) != 0 || access(Folder.c_str(), W_OK) != 0)
        return false;
    std::string Bytes;
    if (!ReadWholeFile(FFileName, Bytes)) return false;
    Parse(Bytes);
    FOpen = true;
    return true;
}

void TRegIniFile2::Parse(const std::string& Bytes) {
    std::string Section;
    size_t Start = 0;
    while (Start < Bytes.size()) {
        size_t End = Bytes.find('\n', Start);
        if (End == std::string::npos) End = Bytes.size();
        std::string Text = Bytes.substr(Start, End - Start);
        if (!Text.empty() && Text.back() == '\r') Text.pop_back();
        Start = End + 1;

        TLine Line;
        Line.Text = Text;
        const std::string Trimmed = Trim(Text);
        if (Trimmed.size() >= 2 && Trimmed.front() == '[' && Trimmed.back() == ']') {
            Section = Trimmed.substr(1, Trimmed.size() - 2);
        } else if (!Trimmed.empty() && Trimmed[0] != ';' && Trimmed[0] != '#') {
            const size_t Equals = Text.find('=');
            if (Equals != std::string::npos && Equals > 0) {
                Line.IsValue = true;
                Line.Name = Text.substr(0, Equals);
                Line.Value = Text.substr(Equals + 1);
            }
        }
        Line.Section = Section;
        FLines.push_back(std::move(Line));
    }
}

int TRegIniFile2::FindValue(const std::string& Section, const std::string& Name) const {
    for (size_t I = 0; I < FLines.size(); ++I)
        if (FLines[I].IsValue && SameName(FLines[I].Section, Section) &&
            SameName(FLines[I].Name, Name))
            return int(I);
    return -1;
}

int TRegIniFile2::SectionEnd(const std::string& Section) const {
    // After the section's last line that is not blank; -1 when there is no
    // such section.
    int End = -1;
    for (size_t I = 0; I < FLines.size(); ++I) {
        if (!SameName(FLines[I].Section, Section)) continue;
        if (End < 0 || !Trim(FLines[I].Text).empty()) End = int(I) + 1;
    }
    return End;
}

std::string TRegIniFile2::ReadString(const std::string& Section, const std::string& Name,
                                     const std::string& Default) const {
    const int I = FindValue(Section, Name);
    return I < 0 ? Default : FLines[size_t(I)].Value;
}

bool TRegIniFile2::WriteString(const std::string& Section, const std::string& Name,
                               const std::string& Value) {
    const std::string Clean = OneLine(Value);
    const std::string CleanName = OneLine(Name);
    const int I = FindValue(Section, CleanName);
    if (I >= 0) {
        TLine& Line = FLines[size_t(I)];
        Line.Value = Clean;
        Line.Text = Line.Name + "=" + Clean;
    } else {
        TLine Line;
        Line.Section = Section;
        Line.IsValue = true;
        Line.Name = CleanName;
        Line.Value = Clean;
        Line.Text = CleanName + "=" + Clean;
        const int End = SectionEnd(Section);
        if (End < 0) {
            TLine Header;
            Header.Section = Section;
            Header.Text = "[" + Section + "]";
            if (!FLines.empty() && !Trim(FLines.back().Text).empty()) {
                TLine Blank;
                Blank.Section = FLines.back().Section;
                FLines.push_back(Blank);
            }
            FLines.push_back(Header);
            FLines.push_back(Line);
        } else {
            FLines.insert(FLines.begin() + End, Line);
        }
    }
    return FOpen && WriteFile();
}

bool TRegIniFile2::WriteFile() const {
    std::string Bytes;
    for (const TLine& Line : FLines)
        Bytes += Line.Text + "\n";
    return ReplaceFile(FFileName, Bytes);
}

TStringList TRegIniFile2::ReadSection(const std::string& Section) const {
    TStringList Names;
    for (const TLine& Line : FLines)
        if (Line.IsValue && SameName(Line.Section, Section)) Names.push_back(Line.Name);
    return Names;
}

TStringList TRegIniFile2::ReadSectionValues(const std::string& Section) const {
    TStringList Values;
    for (const TLine& Line : FLines)
        if (Line.IsValue && SameName(Line.Section, Section))
            Values.push_back(Line.Name + "=" + Line.Value);
    return Values;
}
