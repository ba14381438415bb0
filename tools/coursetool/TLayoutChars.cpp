#include "tools/coursetool/TLayoutChars.h"

#include "keyboard/TKeyData.h"

namespace {

bool Read(const std::string& Path, std::string& Chars, std::string& Error, bool WithAltGr) {
    TKeyData Layout;
    const int32_t Status = Layout.Load(Path);
    if (Status != 1) {
        Error = Path + ": the layout cannot be read (status " + std::to_string(Status) + ")";
        return false;
    }
    Chars.clear();
    for (int32_t K = 1; K <= TKeyData::KeyCount; ++K) {
        const TKeyData::TKey& Key = Layout.Key(K);
        for (char C : {Key.Base, Key.Shift, WithAltGr ? Key.AltGr : ' '})
            if (C != ' ' && C != '\0' && Chars.find(C) == std::string::npos) Chars.push_back(C);
    }
    return true;
}

} // namespace

bool LayoutCharacters(const std::string& Path, std::string& Chars, std::string& Error) {
    return Read(Path, Chars, Error, true);
}

bool LayoutKeysToTeach(const std::string& Path, std::string& Chars, std::string& Error) {
    return Read(Path, Chars, Error, false);
}
