#include "tools/coursetool/TSentenceMaker.h"

#include "files/TextUtils.h"
#include "platform/Latin1Case.h"
#include "tools/coursetool/TToolRandom.h"
#include "tools/coursetool/TWordList.h"

#include <fstream>
#include <set>

bool TSentenceMaker::Load(const std::string& Path) {
    std::ifstream In(Path, std::ios::binary);
    if (!In) return false;
    std::string Line;
    while (std::getline(In, Line)) {
        Line = Trim(ToLatin1(Line));
        while (!Line.empty() && Line.back() == '\r')
            Line.pop_back();
        if (Line.empty() || Line[0] == '\'') continue;
        if (Line.rfind("pattern=", 0) == 0) {
            FPatterns.push_back(Split(Line.substr(8), " "));
            continue;
        }
        if (Line.rfind("numberword=", 0) == 0) {
            FNumberWord = Trim(Line.substr(11));
            continue;
        }
        if (Line.rfind("article=", 0) == 0) {
            const TStringList A = Split(Line.substr(8), " ");
            if (A.size() == 2) {
                FArticle = A[0];
                FArticleBeforeVowel = A[1];
            }
            continue;
        }
        TStringList F = Split(Line, " ");
        std::vector<std::string>& Words = FWords[F[0]];
        Words.insert(Words.end(), F.begin() + 1, F.end());
    }
    return !FPatterns.empty();
}

namespace {

bool Within(const std::string& W, const bool* Allowed) {
    for (unsigned char C : W)
        if (C != ' ' && !Allowed[C]) return false;
    return true;
}

bool StartsWithVowel(const std::string& W) {
    return !W.empty() && std::string("aeiou").find(W[0]) != std::string::npos;
}

} // namespace

std::vector<std::string> TSentenceMaker::Make(const std::string& Known, unsigned char Must,
                                              size_t Count, uint64_t Seed) const {
    bool Allowed[256] = {};
    bool HasCapitals = false;
    for (unsigned char C : Known) {
        Allowed[C] = true;
        HasCapitals = HasCapitals || (IsLetter(C) && Latin1Case::Lower(C) != C);
    }
    // Capitalised words (nouns) as written once capitals are known, in
    // small letters before.
    std::map<std::string, std::vector<std::string>> Usable;
    for (const auto& [Name, Words] : FWords)
        for (const std::string& W : Words) {
            const std::string T = TypedForm(W, Allowed, HasCapitals);
            if (!T.empty()) Usable[Name].push_back(T);
        }
    std::vector<const std::vector<std::string>*> Patterns;
    for (const auto& P : FPatterns) {
        bool Ok = true;
        for (const std::string& Cat : P)
            if (Usable[Cat].empty()) Ok = false;
        if (Ok) Patterns.push_back(&P);
    }
    std::vector<std::string> Out;
    if (Patterns.empty()) return Out;
    TToolRandom Random(Seed);
    std::set<std::string> Seen;
    for (size_t Try = 0; Try < Count * 400 && Out.size() < Count; ++Try) {
        const auto& P = *Patterns[Random.Below(Patterns.size())];
        std::vector<std::string> Words;
        for (const std::string& Cat : P)
            Words.push_back(Random.Pick(Usable[Cat]));
        bool Ok = true;
        for (size_t I = 0; I + 1 < Words.size(); ++I)
            if (!FArticle.empty() && Words[I] == FArticle && StartsWithVowel(Words[I + 1])) {
                Words[I] = FArticleBeforeVowel;
                Ok = Within(Words[I], Allowed);
            }
        std::string S;
        for (const std::string& W : Words)
            S += (S.empty() ? "" : " ") + W;
        if (!Ok || S.size() > 120) continue;
        if (Must && S.find(char(Must)) == std::string::npos) continue;
        if (Seen.insert(S).second) Out.push_back(S);
    }
    return Out;
}
