#include "tools/coursetool/TWordList.h"

#include "platform/Latin1Case.h"

#include <algorithm>
#include <fstream>
#include <regex>

bool IsLetter(unsigned char C) {
    return (C >= 'a' && C <= 'z') || (C >= 'A' && C <= 'Z') ||
           (C >= 0xC0 && C != 0xD7 && C != 0xF7);
}

std::string ToLatin1(const std::string& Line) {
    bool Ascii = true;
    for (unsigned char C : Line)
        if (C >= 0x80) Ascii = false;
    if (Ascii) return Line;
    // Valid UTF-8 is decoded; anything else is taken as Latin-1 already.
    std::string Out;
    for (size_t I = 0; I < Line.size();) {
        const unsigned char C = static_cast<unsigned char>(Line[I]);
        if (C < 0x80) {
            Out.push_back(char(C));
            ++I;
        } else if ((C & 0xE0) == 0xC0 && I + 1 < Line.size() &&
                   (static_cast<unsigned char>(Line[I + 1]) & 0xC0) == 0x80) {
            const unsigned Code =
                ((C & 0x1Fu) << 6) | (static_cast<unsigned char>(Line[I + 1]) & 0x3Fu);
            if (Code < 0x80) return Line;
            if (Code > 0xFF) return {};
            Out.push_back(char(Code));
            I += 2;
        } else if ((C & 0xF0) == 0xE0 || (C & 0xF8) == 0xF0) {
            // A character of three or four bytes lies beyond Latin-1, when it is UTF-8.
            const size_t Len = (C & 0xF0) == 0xE0 ? 3 : 4;
            bool Utf8 = I + Len <= Line.size();
            for (size_t K = 1; Utf8 && K < Len; ++K)
                Utf8 = (static_cast<unsigned char>(Line[I + K]) & 0xC0) == 0x80;
            return Utf8 ? std::string() : Line;
        } else {
            return Line;
        }
    }
    return Out;
}

std::string TypedForm(const std::string& Word, const bool* Allowed, bool HasCapitals) {
    std::string W = Word;
    if (!W.empty() && !HasCapitals)
        W[0] = char(Latin1Case::Lower(static_cast<unsigned char>(W[0])));
    for (unsigned char C : W)
        if (C != ' ' && !Allowed[C]) return {};
    return W;
}

namespace {

bool HasVowel(const std::string& W) {
    static const std::string Vowels = "aeiouy\xE4\xF6\xFC\xE5\xE9\xE8\xE0\xE2\xEA\xEE\xF4\xFB";
    for (char C : W)
        if (Vowels.find(char(Latin1Case::Lower(static_cast<unsigned char>(C)))) !=
            std::string::npos)
            return true;
    return false;
}

// Roman numerals such as "xxxiii" are in dictionaries but are no words to type.
bool IsRomanNumeral(const std::string& W) {
    static const std::regex Roman("m{0,3}(cm|cd|d?c{0,3})(xc|xl|l?x{0,3})(ix|iv|v?i{0,3})");
    return W.size() >= 3 && std::regex_match(W, Roman);
}

} // namespace

int TWordList::AddAvoided(const std::string& Path, const std::string& Language) {
    FLanguage = Language;
    return FAvoided.Load(Path);
}

bool TWordList::AddWord(const std::string& Word, bool Preferred) {
    if (Word.empty() || Word.size() > 14) return false;
    if (!Preferred && (Word.size() < 3 || IsRomanNumeral(Word))) return false;
    if (FAvoided.Avoids(Word, FLanguage)) return false;
    for (unsigned char C : Word)
        if (!IsLetter(C)) return false;
    if (Word.size() == 1 && Word != "a") return false;
    if (!HasVowel(Word)) return false;
    if (!FSeen.insert(Latin1Case::LowerCase(Word)).second) return false;
    FWords.push_back({Word, Preferred});
    FSorted = false;
    return true;
}

int TWordList::AddFile(const std::string& Path, bool FoldCapitals, bool Preferred) {
    std::ifstream In(Path, std::ios::binary);
    if (!In) return -1;
    int Added = 0;
    std::string Line;
    while (std::getline(In, Line)) {
        while (!Line.empty() && (Line.back() == '\r' || Line.back() == ' '))
            Line.pop_back();
        if (Line.empty() || Line[0] == '\'' || Line[0] == '$') continue;
        std::string W = ToLatin1(Line);
        if (W.empty()) continue;
        // "I" and the small words of one or two letters count as real words
        // in a line; single letters and Roman numerals do not.
        if (W == "I" || (W.size() == 2 && Latin1Case::LowerCase(W) == W && HasVowel(W) &&
                         IsLetter(static_cast<unsigned char>(W[0])) &&
                         IsLetter(static_cast<unsigned char>(W[1])) &&
                         !std::regex_match(W, std::regex("[ivx]+")))) {
            if (!FAvoided.Avoids(W, FLanguage)) FShort.insert(Latin1Case::LowerCase(W));
        }
        bool Skip = false;
        for (size_t I = 0; I < W.size(); ++I) {
            const unsigned char C = static_cast<unsigned char>(W[I]);
            if (Latin1Case::Lower(C) != C) {
                if (I > 0)
                    Skip = true; // an abbreviation or a name like "McKay"
                else if (!FoldCapitals)
                    Skip = true;
            }
        }
        if (Skip) continue;
        if (AddWord(W, Preferred)) ++Added;
    }
    return Added;
}

void TWordList::Sort() const {
    if (FSorted) return;
    FOrdered = FWords;
    std::stable_sort(FOrdered.begin(), FOrdered.end(), [](const TEntry& A, const TEntry& B) {
        if (A.Preferred != B.Preferred) return A.Preferred;
        if (A.Preferred) return false; // our own list keeps its order
        if (A.Word.size() != B.Word.size()) return A.Word.size() < B.Word.size();
        return A.Word < B.Word;
    });
    FSorted = true;
}

std::vector<std::string> TWordList::Within(const std::string& Keys, size_t MaxLength) const {
    Sort();
    bool Allowed[256] = {};
    bool HasCapitals = false;
    for (unsigned char C : Keys) {
        Allowed[C] = true;
        HasCapitals = HasCapitals || (IsLetter(C) && Latin1Case::Lower(C) != C);
    }
    std::vector<std::string> Out;
    for (const TEntry& E : FOrdered) {
        if (E.Word.size() > MaxLength) continue;
        const std::string W = TypedForm(E.Word, Allowed, HasCapitals);
        if (!W.empty()) Out.push_back(W);
    }
    return Out;
}

bool TWordList::Contains(const std::string& Word) const {
    const std::string Lower = Latin1Case::LowerCase(Word);
    return FSeen.count(Lower) != 0 || FShort.count(Lower) != 0;
}
