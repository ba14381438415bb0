#include "tools/coursetool/TDrillMaker.h"

#include "platform/Latin1Case.h"

#include <set>

namespace {

bool IsDigit(unsigned char C) {
    return C >= '0' && C <= '9';
}
bool IsSmall(unsigned char C) {
    return IsLetter(C) && Latin1Case::Lower(C) == C;
}
bool IsCapital(unsigned char C) {
    return IsLetter(C) && Latin1Case::Lower(C) != C;
}

// Keys that come in pairs around a word.
char Closing(unsigned char C) {
    switch (C) {
    case '(':
        return ')';
    case '[':
        return ']';
    case '{':
        return '}';
    case '<':
        return '>';
    default:
        return 0;
    }
}
char Opening(unsigned char C) {
    switch (C) {
    case ')':
        return '(';
    case ']':
        return '[';
    case '}':
        return '{';
    case '>':
        return '<';
    default:
        return 0;
    }
}

} // namespace

TDrillMaker::TDrillMaker(const TWordList& Words, const std::string& Known, const std::string& New,
                         uint64_t Seed)
    : FKnown(Known), FNew(New), FRandom(Seed) {
    for (unsigned char C : New) {
        if (IsSmall(C))
            FNewLetters.push_back(char(C));
        else
            FNewOther.push_back(char(C));
    }
    for (unsigned char C : Known) {
        if (IsSmall(C)) FKnownLetters.push_back(char(C));
        if (IsCapital(C)) FCapitals = true;
    }
    FUsable = Words.Within(FKnownLetters);
    for (const std::string& W : FUsable)
        if (W.find_first_of(FNewLetters) != std::string::npos) FFresh.push_back(W);
}

std::string TDrillMaker::Group(const std::string& From, const std::string& Must, size_t Length) {
    std::string G;
    if (From.empty()) return G;
    for (size_t I = 0; I < Length; ++I)
        G.push_back(FRandom.Pick(From));
    if (!Must.empty() && G.find_first_of(Must) == std::string::npos)
        G[FRandom.Below(G.size())] = FRandom.Pick(Must);
    return G;
}

std::vector<std::string> TDrillMaker::LetterLines(int Count, size_t Width) {
    std::vector<std::string> Lines;
    // Shifted keys are drilled next to a small letter, the others on their own.
    std::string Plain;
    for (unsigned char C : FNew)
        if (!IsCapital(C)) Plain.push_back(char(C));
    const std::string Home = FKnownLetters.empty() ? FNew : FKnownLetters;
    if (FNew.empty() && Home.empty()) return Lines; // nothing to drill
    for (int L = 0; L < Count; ++L) {
        std::string Line;
        const bool Alone = L < (Count + 1) / 2 && !Plain.empty();
        while (true) {
            std::string G;
            if (Alone) {
                G = Group(Plain, "", 2 + FRandom.Below(3));
            } else {
                const std::string Mix = FNew + FNew + Home;
                G = Group(Mix, FNew, 3 + FRandom.Below(3));
            }
            if (G.empty() || Line.size() + 1 + G.size() > Width) break;
            if (!Line.empty()) Line.push_back(' ');
            Line += G;
        }
        Lines.push_back(Line);
    }
    return Lines;
}

std::string TDrillMaker::Capitalised(const std::string& W) const {
    if (W.empty()) return W;
    const unsigned char Cap = Latin1Case::Upper(static_cast<unsigned char>(W[0]));
    if (!Known(Cap)) return W;
    std::string R = W;
    R[0] = char(Cap);
    return R;
}

std::string TDrillMaker::PlainWord() {
    if (FUsable.empty()) return Group(FKnownLetters.empty() ? FNew : FKnownLetters, "", 3);
    const size_t Top = std::min<size_t>(FUsable.size(), 400);
    return FUsable[FRandom.Below(Top)];
}

std::string TDrillMaker::Number(unsigned char Must) {
    std::string Digits;
    for (unsigned char C : FKnown)
        if (IsDigit(C)) Digits.push_back(char(C));
    if (Digits.empty()) return {};
    std::string N = Group(Digits, IsDigit(Must) ? std::string(1, char(Must)) : std::string(),
                          1 + FRandom.Below(4));
    if (N.size() > 1 && N[0] == '0') {
        std::string NonZero;
        for (char D : Digits)
            if (D != '0') NonZero.push_back(D);
        if (!NonZero.empty() && (Must != '0' || N.find('0', 1) != std::string::npos))
            N[0] = FRandom.Pick(NonZero);
    }
    return N;
}

std::string TDrillMaker::Decorate(const std::string& Word, unsigned char C) {
    const std::string Num = Number(0);
    switch (C) {
    case ',':
    case ';':
    case ':':
    case '.':
    case '!':
    case '?':
        return Word + char(C);
    case '\'':
        return Known('s') && FRandom.Chance(50) ? Word + "'s" : "'" + Word + "'";
    case '"':
        return "\"" + Word + "\"";
    case '&':
        return Word + " & " + PlainWord();
    case '#':
    case '$':
        return Num.empty() ? char(C) + Word : char(C) + Num;
    case '%':
        return Num.empty() ? Word + "%" : Num + "%";
    case '+':
    case '=':
    case '*':
    case '^':
        if (!Num.empty()) return Num + char(C) + Number(0);
        return Word + char(C) + PlainWord();
    case '~':
        return "~" + Word;
    case '`':
        return "`" + Word + "`";
    default:
        break;
    }
    if (IsDigit(C)) return Number(C);
    if (IsLetter(C)) return {};
    if (const char Close = Closing(C)) {
        if (Known(static_cast<unsigned char>(Close))) return char(C) + Word + Close;
        return char(C) + Word;
    }
    if (const char Open = Opening(C)) {
        if (Known(static_cast<unsigned char>(Open))) return Open + Word + char(C);
        return Word + char(C);
    }
    return Word + char(C) + PlainWord();
}

std::string TDrillMaker::TokenWith(unsigned char C) {
    if (IsCapital(C)) {
        const char Small = char(Latin1Case::Lower(C));
        std::vector<std::string> Starting;
        for (size_t I = 0; I < FUsable.size() && (I < 600 || Starting.empty()); ++I)
            if (FUsable[I][0] == Small) Starting.push_back(FUsable[I]);
        if (!Starting.empty()) {
            std::string W = FRandom.Pick(Starting);
            W[0] = char(C);
            return W;
        }
        return char(C) + Group(FKnownLetters, "", 2);
    }
    if (IsLetter(C)) {
        std::vector<std::string> Holding;
        for (const std::string& W : FUsable)
            if (W.find(char(C)) != std::string::npos) Holding.push_back(W);
        if (!Holding.empty()) return FRandom.Pick(Holding);
        return Group(FKnownLetters, std::string(1, char(C)), 3);
    }
    return Decorate(PlainWord(), C);
}

std::vector<std::string> TDrillMaker::WordLines(int Count, size_t Width) {
    if (FUsable.empty()) return LetterLines(Count, Width);
    const std::vector<std::string>& Pool = FFresh.empty() ? FUsable : FFresh;
    const size_t Top = std::min<size_t>(Pool.size(), 300);
    std::vector<std::string> Lines;
    bool CapitalNext = false;
    for (int L = 0; L < Count; ++L) {
        std::string Line;
        int Dressed = 0;
        while (true) {
            std::string W = FRandom.Chance(70) ? Pool[FRandom.Below(Top)] : PlainWord();
            bool Dress = !FNewOther.empty() &&
                         (FRandom.Chance(30) || (Dressed == 0 && Line.size() > Width / 2));
            if (Dress) {
                const unsigned char C = static_cast<unsigned char>(FRandom.Pick(FNewOther));
                W = TokenWith(C);
                ++Dressed;
            }
            if (CapitalNext && FCapitals) W = Capitalised(W);
            if (W.empty() || Line.size() + 1 + W.size() > Width) break;
            if (!Line.empty()) Line.push_back(' ');
            Line += W;
            const char Last = W.back();
            CapitalNext = Last == '.' || Last == '!' || Last == '?';
        }
        Lines.push_back(Line);
    }
    return Lines;
}

std::vector<std::string> TDrillMaker::GameWords(size_t Count) {
    std::vector<std::string> Out;
    std::set<std::string> Seen;
    for (const std::vector<std::string>* Pool : {&FFresh, &FUsable})
        for (const std::string& W : *Pool) {
            if (Out.size() >= Count) return Out;
            if (W.size() >= 3 && Seen.insert(W).second) Out.push_back(W);
        }
    return Out;
}
