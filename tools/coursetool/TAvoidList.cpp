#include "tools/coursetool/TAvoidList.h"

#include "platform/Latin1Case.h"
#include "tools/coursetool/TWordList.h"

#include <fstream>

namespace {

bool IsVowel(char C) {
    return std::string("aeiouy\xE4\xF6\xFC\xE5\xE9").find(C) != std::string::npos;
}

} // namespace

const std::vector<std::string>& TAvoidList::Endings(const std::string& Language) {
    static const std::vector<std::string> En = {"s", "es",  "ed",  "d",  "ing", "er",
                                                "r", "ers", "est", "st", "ly"};
    static const std::vector<std::string> De = {
        "e",   "en", "er",  "es",  "em",  "n",    "s",    "t",    "st",   "te",  "ten",
        "tet", "et", "est", "ern", "ste", "sten", "ster", "stes", "stem", "tes", "test"};
    static const std::vector<std::string> Sv = {
        "en",   "et",   "ar",   "er",  "or",  "na",  "a",   "s",    "t",  "e",    "de",
        "da",   "ade",  "at",   "n",   "ns",  "r",   "dde", "tt",   "ad", "ande", "ende",
        "arna", "erna", "orna", "ens", "ets", "ars", "ers", "ades", "ats"};
    static const std::vector<std::string> None;
    if (Language == "en") return En;
    if (Language == "de") return De;
    if (Language == "sv") return Sv;
    return None;
}

int TAvoidList::Load(const std::string& Path) {
    std::ifstream In(Path, std::ios::binary);
    if (!In) return -1;
    int Count = 0;
    std::string Section = "all";
    bool Keep = false;
    std::string Line;
    while (std::getline(In, Line)) {
        while (!Line.empty() && (Line.back() == '\r' || Line.back() == ' '))
            Line.pop_back();
        if (Line.empty() || Line[0] == '\'') continue;
        if (Line[0] == '[' && Line.back() == ']') {
            Section = Line.substr(1, Line.size() - 2);
            Keep = Section.rfind("keep ", 0) == 0;
            if (Keep) Section = Section.substr(5);
            continue;
        }
        std::string W;
        for (char C : ToLatin1(Line) + " ") {
            if (C != ' ' && C != '\t') {
                W.push_back(C);
                continue;
            }
            if (W.empty()) continue;
            W = Latin1Case::LowerCase(W);
            bool Added;
            if (Keep)
                Added = FKeep[Section].insert(W).second;
            else if (W.back() == '*')
                Added = FPrefixes[Section].insert(W.substr(0, W.size() - 1)).second;
            else
                Added = FStems[Section].insert(W).second;
            Count += Added;
            W.clear();
        }
    }
    return Count;
}

size_t TAvoidList::Size() const {
    size_t N = 0;
    for (const auto* Map : {&FStems, &FPrefixes})
        for (const auto& [Language, Words] : *Map)
            N += Words.size();
    return N;
}

bool TAvoidList::Listed(const std::string& Lower, const std::string& Language) const {
    for (const std::string& L : {std::string("all"), Language}) {
        const auto S = FStems.find(L);
        if (S != FStems.end() && S->second.count(Lower)) return true;
        const auto P = FPrefixes.find(L);
        if (P != FPrefixes.end())
            for (const std::string& Start : P->second)
                if (Lower.compare(0, Start.size(), Start) == 0) return true;
    }
    return false;
}

bool TAvoidList::Avoids(const std::string& Word, const std::string& Language) const {
    const std::string Lower = Latin1Case::LowerCase(Word);
    const auto K = FKeep.find(Language);
    if (K != FKeep.end() && K->second.count(Lower)) return false;
    if (Listed(Lower, Language)) return true;
    // A form: a listed word with one of the language's endings.
    for (const std::string& End : Endings(Language)) {
        if (Lower.size() <= End.size() + 1 ||
            Lower.compare(Lower.size() - End.size(), End.size(), End) != 0)
            continue;
        const std::string Stem = Lower.substr(0, Lower.size() - End.size());
        if (Listed(Stem, Language)) return true;
        if (Language != "en" || !IsVowel(End[0])) continue;
        // "raping" of "rape", "gunned" of "gun".
        if (Listed(Stem + "e", Language)) return true;
        if (Stem.size() >= 3 && Stem.back() == Stem[Stem.size() - 2] &&
            Listed(Stem.substr(0, Stem.size() - 1), Language))
            return true;
    }
    return false;
}

std::vector<std::string> TAvoidList::Find(const std::string& Text,
                                          const std::string& Language) const {
    std::vector<std::string> Found;
    std::string W;
    for (char C : Text + " ") {
        if (IsLetter(static_cast<unsigned char>(C))) {
            W.push_back(C);
            continue;
        }
        if (!W.empty() && Avoids(W, Language)) Found.push_back(W);
        W.clear();
    }
    return Found;
}

std::string TAvoidList::LanguageOfLayout(const std::string& LayoutFile) {
    const std::string L = Latin1Case::LowerCase(LayoutFile);
    if (L.find("qwertz") != std::string::npos) return "de";
    if (L.find("nordic") != std::string::npos) return "sv";
    return "en";
}

std::string TAvoidList::GuessLanguage(const std::string& Text) {
    static const std::pair<const char*, std::set<std::string>> Little[] = {
        {"en", {"the", "and", "of", "to", "is", "was", "you", "with"}},
        {"de", {"der", "die", "und", "das", "ist", "nicht", "ein", "mit"}},
        {"sv", {"och", "att", "det", "som", "en", "\xE4r", "inte", "med"}},
    };
    std::map<std::string, int> Count;
    std::string W;
    for (char C : Text + " ") {
        if (IsLetter(static_cast<unsigned char>(C))) {
            W.push_back(char(Latin1Case::Lower(static_cast<unsigned char>(C))));
            continue;
        }
        for (const auto& [Language, Words] : Little)
            Count[Language] += Words.count(W) ? 1 : 0;
        W.clear();
    }
    std::string Best = "en";
    for (const auto& [Language, N] : Count)
        if (N > Count[Best]) Best = Language;
    return Best;
}
