#include "tools/coursetool/TCourseScan.h"

#include "files/TextUtils.h"

#include <fstream>

std::string TScannedEvent::Keyword() const {
    return UpperCase(Trim(Token(1)));
}

namespace {

std::string Shown(unsigned char C) {
    if (C >= 32 && C != 127) return std::string("'") + char(C) + "'";
    return "byte " + std::to_string(int(C));
}

} // namespace

bool TCourseScan::Load(const std::string& Path, std::string& Error) {
    FFileName = Path;
    const size_t Slash = Path.find_last_of('/');
    const std::string Short = Slash == std::string::npos ? Path : Path.substr(Slash + 1);
    std::ifstream In(Path, std::ios::binary);
    if (!In) {
        Error = Short + ": cannot be read";
        return false;
    }
    int Taught[256] = {};
    std::string Raw;
    int LineNo = 0;
    bool InHeader = true;
    TScannedChapter* Chapter = nullptr;
    TScannedExercise* Exercise = nullptr;
    while (std::getline(In, Raw)) {
        ++LineNo;
        if (!Raw.empty() && Raw.back() == '\r') Raw.pop_back();
        const std::string Line = Trim(Raw);
        if (InHeader && !Line.empty() && Line[0] == '$' && LineNo <= 15) {
            const TStringList F = Split(Line, "=;");
            FHeaderTags.push_back(LowerCase(F[0]));
            if (LowerCase(F[0]) == "$description" && F.size() > 1) FDescription = F[1];
            continue;
        }
        InHeader = false;
        if (Line.empty() || Line[0] == '\'') continue;
        const TStringList F = Split(Line, "=;");
        if (F.empty()) continue;
        const std::string Key = LowerCase(F[0]);
        const std::string Value = F.size() > 1 ? F[1] : std::string();
        if (Exercise) {
            if (Key == "end exercise")
                Exercise = nullptr;
            else if (Key == "type")
                Exercise->Type = Value;
            else if (Key == "duration")
                Exercise->Duration = std::atoi(Value.c_str());
            else if (Key == "event") {
                TScannedEvent E;
                E.Line = Line;
                E.Tokens = Split(Line, "=;");
                E.LineNumber = LineNo;
                E.KnownGroups = int(FGroups.size());
                Exercise->Events.push_back(E);
            }
            continue;
        }
        if (Chapter) {
            if (Key == "end chapter")
                Chapter = nullptr;
            else if (Key == "chapter name")
                Chapter->Name = F.size() > 2 ? F[2] : std::string();
            else if (Key == "picture")
                Chapter->Picture = Value;
            else if (Key == "begin exercise") {
                Chapter->Exercises.emplace_back();
                Exercise = &Chapter->Exercises.back();
            } else if (Key == "new keys") {
                if (Value.empty()) {
                    Error = Short + " line " + std::to_string(LineNo) + ": the key group is empty";
                    return false;
                }
                for (unsigned char C : Value) {
                    if (Taught[C]) {
                        Error = Short + " line " + std::to_string(LineNo) + ": the key " +
                                Shown(C) + " is taught again (first on line " +
                                std::to_string(Taught[C]) + ")";
                        return false;
                    }
                    Taught[C] = LineNo;
                }
                FGroups.push_back(Value);
                FGroupLines.push_back(LineNo);
                Chapter->NewKeys += Value;
                Chapter->NewKeysLine = LineNo;
            }
            if (Chapter) Chapter->Groups = int(FGroups.size());
            continue;
        }
        if (Key == "begin chapter") {
            FChapters.emplace_back();
            Chapter = &FChapters.back();
            Chapter->Groups = int(FGroups.size());
        } else if (Key == "keyboard")
            FKeyboard = Value;
        else if (Key == "wizardname")
            FWizardName = Value;
        else if (Key == "default time")
            FDefaultTime = std::atoi(Value.c_str());
    }
    return true;
}

bool TCourseScan::CheckLayout(const std::string& LayoutChars, std::string& Error) const {
    bool Has[256] = {};
    for (unsigned char C : LayoutChars)
        Has[C] = true;
    for (size_t G = 0; G < FGroups.size(); ++G)
        for (unsigned char C : FGroups[G])
            if (!Has[C]) {
                const size_t Slash = FFileName.find_last_of('/');
                Error = (Slash == std::string::npos ? FFileName : FFileName.substr(Slash + 1)) +
                        " line " + std::to_string(FGroupLines[G]) + ": the key " + Shown(C) +
                        " is not on the keyboard layout";
                return false;
            }
    return true;
}

std::string TCourseScan::KnownAt(int Level) const {
    std::string Keys;
    for (int G = 0; G < Level && G < int(FGroups.size()); ++G)
        Keys += FGroups[size_t(G)];
    return Keys;
}

int TCourseScan::LevelOf(unsigned char C) const {
    for (size_t G = 0; G < FGroups.size(); ++G)
        if (FGroups[G].find(char(C)) != std::string::npos) return int(G) + 1;
    return 0;
}
