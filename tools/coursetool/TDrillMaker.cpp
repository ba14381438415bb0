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
                         uint64_t Seed, const std::string& Language, const std::string& DeadKeys)
    : FKnown(Known), FNew(New), FLanguage(Language), FDeadKeys(DeadKeys), FRandom(Seed) {
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
    std::string Capitals;
    for (unsigned char C : Known)
        if (IsCapital(C)) Capitals.push_back(char(C));
    FUsable = Words.Within(FKnownLetters + Capitals);
    for (const std::string& W : FUsable)
        if (Latin1Case::LowerCase(W).find_first_of(FNewLetters) != std::string::npos)
            FFresh.push_back(W);
    // Nobody glues an accent typed alone to a word, and a capital that
    // begins no word would only make up a letter group.
    for (unsigned char C : FNewOther) {
        if (Dead(C)) continue;
        if (IsCapital(C)) {
            const char Small = char(Latin1Case::Lower(C));
            bool Begins = false;
            for (const std::string& W : FUsable)
                Begins = Begins || W[0] == char(C) || W[0] == Small;
            if (!Begins) continue;
        }
        FDressing.push_back(char(C));
    }
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

std::string TDrillMaker::KnownFrom(const std::vector<std::string>& Candidates) {
    std::vector<std::string> Typeable;
    for (const std::string& W : Candidates) {
        bool Ok = true;
        for (unsigned char C : W)
            Ok = Ok && (C == ' ' || Known(C));
        if (Ok) Typeable.push_back(W);
    }
    return Typeable.empty() ? std::string() : FRandom.Pick(Typeable);
}

std::string TDrillMaker::Price(unsigned char Sign) {
    const std::string Whole = Number(0);
    if (Whole.empty()) return {};
    std::string Cents;
    const char Mark = FLanguage == "en" ? '.' : ',';
    if (Known(static_cast<unsigned char>(Mark)) && FRandom.Chance(60)) {
        // Two digits of cents.
        const std::string Two = Number(0) + Number(0) + Whole;
        Cents = std::string(1, Mark) + Two.substr(0, 2);
    }
    // English puts the sign before the amount; German and Swedish after it.
    if (FLanguage == "en") return char(Sign) + Whole.substr(0, 3) + Cents;
    return Whole.substr(0, 3) + Cents + " " + char(Sign);
}

std::string TDrillMaker::Path() {
    const std::string Dir = KnownFrom({"/home/", "/tmp/", "/usr/", "/etc/", "/srv/"});
    if (Dir.empty()) return {};
    std::string P = Dir + Latin1Case::LowerCase(PlainWord());
    if (Dir == "/home/" && FRandom.Chance(60)) P += "/" + Latin1Case::LowerCase(PlainWord());
    if (Known('.')) {
        const std::string Ext = KnownFrom({"txt", "md", "png", "odt", "csv", "html"});
        if (!Ext.empty()) P += "." + Ext;
    }
    return P;
}

std::string TDrillMaker::Email(const std::string& Name) {
    const std::string Word = Latin1Case::LowerCase(Name);
    if (!Known('.')) return "@" + Word; // a name on a message board
    const std::string Top = FLanguage == "de"   ? KnownFrom({"de", "org", "net"})
                            : FLanguage == "sv" ? KnownFrom({"se", "org", "nu"})
                                                : KnownFrom({"org", "com", "net", "edu"});
    if (Top.empty()) return "@" + Word;
    return Word + "@" + Latin1Case::LowerCase(PlainWord()) + "." + Top;
}

std::string TDrillMaker::Hyphenated(const std::string& Word) {
    std::string Digits;
    for (unsigned char C : FKnown)
        if (IsDigit(C)) Digits.push_back(char(C));
    if (Digits.size() >= 2 && FRandom.Chance(40)) {
        // A range of numbers close to each other, the smaller first: "10-14".
        const std::string A = Number(0).substr(0, 3);
        const std::string B = std::to_string(std::stoi(A) + 1 + int(FRandom.Below(12)));
        if (B.find_first_not_of(Digits) == std::string::npos) return A + "-" + B;
    }
    static const std::vector<std::string> En = {
        "well-known", "self-made",   "e-mail",     "twenty-one",     "thirty-two", "old-fashioned",
        "half-time",  "x-ray",       "long-term",  "part-time",      "full-time",  "so-called",
        "one-way",    "first-class", "high-speed", "left-hand",      "right-hand", "non-stop",
        "follow-up",  "check-in",    "sign-up",    "mother-in-law",  "up-to-date", "t-shirt",
        "half-price", "forty-four",  "sixty-six",  "do-it-yourself", "long-lost",  "well-made"};
    static const std::vector<std::string> De = {"ein- und ausgehen",
                                                "auf- und ablaufen",
                                                "hin- und herlaufen",
                                                "vor- und nachher",
                                                "ab- und zu",
                                                "ein- und aussteigen",
                                                "an- und ausziehen",
                                                "E-Mail",
                                                "T-Shirt",
                                                "U-Bahn",
                                                "Hin- und Heimweg",
                                                "Nord-Ost"};
    static const std::vector<std::string> Sv = {"e-post",
                                                "t-shirt",
                                                "tv-program",
                                                "cd-skiva",
                                                "in- och utg\xE5ng",
                                                "upp- och nedf\xE4rd",
                                                "fram- och baksida",
                                                "sms-kod",
                                                "wc-papper",
                                                "ut- och inandning",
                                                "fyra-fem",
                                                "ja-svar"};
    const std::string Word2 = KnownFrom(FLanguage == "de" ? De : FLanguage == "sv" ? Sv : En);
    if (!Word2.empty()) return Word2;
    return Word + "-" + PlainWord();
}

std::string TDrillMaker::Apostrophe(const std::string& Word) {
    if (FLanguage == "en") {
        const std::string C = KnownFrom(
            {"don't",  "can't",    "it's",     "I'm",       "we're",   "you're", "isn't",
             "that's", "let's",    "he's",     "she's",     "won't",   "didn't", "doesn't",
             "I'll",   "we'll",    "you'll",   "they're",   "there's", "what's", "wasn't",
             "aren't", "couldn't", "wouldn't", "shouldn't", "haven't", "hasn't", "I've",
             "we've",  "they've",  "o'clock",  "here's",    "who's",   "she'll", "he'll",
             "it'll",  "weren't",  "hadn't",   "I'd",       "you'd",   "we'd",   "ain't"});
        if (!C.empty()) return C;
    }
    // Single quotes around a word: German and Swedish write no apostrophes here.
    return "'" + Word + "'";
}

std::string TDrillMaker::Decorate(const std::string& Word, unsigned char C) {
    if (Dead(C)) return {};
    const std::string Num = Number(0);
    switch (C) {
    case ',':
    case ';':
    case '.':
    case '!':
    case '?':
        return Word + char(C);
    case ':':
        if (!Num.empty() && FRandom.Chance(40)) {
            // A time of day: an hour, then minutes whose first digit is 0-5.
            std::string Tens, Digits;
            for (unsigned char D : FKnown)
                if (IsDigit(D)) {
                    Digits.push_back(char(D));
                    if (D <= '5') Tens.push_back(char(D));
                }
            std::string Hour = Num.substr(0, 2);
            if (Hour.size() == 2 && Hour > "23") Hour = Hour.substr(0, 1);
            if (!Tens.empty()) return Hour + ":" + FRandom.Pick(Tens) + FRandom.Pick(Digits);
        }
        return Word + ":";
    case '\'':
        return Apostrophe(Word);
    case '"':
        return "\"" + Word + " " + PlainWord() + "\"";
    case '&':
        return Word + " & " + PlainWord();
    case '#':
        return Num.empty() ? "#" + Word : "#" + Num;
    case '$':
    case 0xA3: // pound
    case 0xA4: // currency sign
    case 0xA5: // yen
    {
        const std::string P = Price(C);
        return P.empty() ? char(C) + Word : P;
    }
    case '%':
        return Num.empty() ? Word + " %" : (FLanguage == "en" ? Num + "%" : Num + " %");
    case '+':
        if (!Num.empty()) return Num + " + " + Number(0);
        return Word + " + " + PlainWord();
    case '=':
        if (!Num.empty() && Known('+')) {
            const std::string A = Number(0).substr(0, 2), B = Number(0).substr(0, 2);
            if (!A.empty() && !B.empty()) {
                const std::string Sum = std::to_string(std::stoi(A) + std::stoi(B));
                if (Sum.find_first_not_of(FKnown) == std::string::npos)
                    return A + " + " + B + " = " + Sum;
            }
        }
        if (!Num.empty()) return Word + " = " + Num;
        return Word + " = " + PlainWord();
    case '*':
        if (!Num.empty()) return Num + " * " + Number(0);
        return "*" + Word + "*";
    case '^':
        if (!Num.empty()) return Num.substr(0, 2) + "^" + Number(0).substr(0, 1);
        return "^" + Word;
    case '~':
        // A folder in the home directory: file names are written in small letters.
        if (Known('/')) return "~/" + Latin1Case::LowerCase(Word);
        if (!Num.empty()) return "~" + Num;
        return "~" + Word;
    case '`':
        return "`" + Word + "`";
    case '@':
        return Email(Word);
    case '/': {
        std::string P = FRandom.Chance(70) ? Path() : std::string();
        if (P.empty() && !Num.empty()) {
            const std::string D = Number(0).substr(0, 1);
            if (!D.empty() && D != "0") P = Num.substr(0, 2) + "/" + D;
        }
        if (P.empty()) P = Path();
        return P.empty() ? "/" + Word : P;
    }
    case '\\':
        // A command of a typesetting or markup language.
        return "\\" + Latin1Case::LowerCase(Word);
    case '|':
        return Word + " | " + PlainWord();
    case '-':
        return Hyphenated(Word);
    case '_': {
        // A file or variable name of two words, as people join them.
        std::string Name = Latin1Case::LowerCase(Word) + "_" + Latin1Case::LowerCase(PlainWord());
        if (Known('.')) {
            const std::string Ext = KnownFrom({"txt", "png", "odt", "csv"});
            if (!Ext.empty()) Name += "." + Ext;
        }
        return Name;
    }
    case 0xA7: // section sign
        return Num.empty() ? "\xA7" + Word : "\xA7 " + Num;
    case 0xB0: // degree
        return Num.empty() ? Word + "\xB0" : Num.substr(0, 2) + "\xB0";
    case 0xB2:
    case 0xB3:
        if (Known('m')) return (Num.empty() ? Word : Num.substr(0, 3)) + " m" + char(C);
        return Word + char(C);
    case 0xB5: // micro
        if (Known('m') && !Num.empty()) return Num.substr(0, 2) + " \xB5m";
        return "\xB5" + Word;
    case 0xBD: // one half
        return Num.empty() ? "\xBD " + Word : Num.substr(0, 1) + "\xBD";
    default:
        break;
    }
    if (IsDigit(C)) return Number(C);
    if (IsLetter(C)) return {};
    if (const char Close = Closing(C)) {
        if (C == '<' && !Num.empty() && FRandom.Chance(50)) {
            std::string A = Num, B = Number(0);
            if (std::stol(A) > std::stol(B)) std::swap(A, B);
            if (A != B) return A + " < " + B;
        }
        if (Known(static_cast<unsigned char>(Close))) return char(C) + Word + Close;
        return char(C) + Word;
    }
    if (const char Open = Opening(C)) {
        if (C == '>' && !Num.empty() && FRandom.Chance(50)) {
            std::string A = Num, B = Number(0);
            if (std::stol(A) < std::stol(B)) std::swap(A, B);
            if (A != B) return A + " > " + B;
        }
        if (Known(static_cast<unsigned char>(Open))) return Open + Word + char(C);
        return Word + char(C);
    }
    return Word + char(C);
}

std::string TDrillMaker::TokenWith(unsigned char C) {
    // A dead key types its accent alone when Space follows it.
    if (Dead(C)) return std::string(1, char(C));
    if (IsCapital(C)) {
        // A word written with the capital (a German noun), or else a word
        // that starts a sentence.
        const char Small = char(Latin1Case::Lower(C));
        std::vector<std::string> Written, Starting;
        for (size_t I = 0; I < FUsable.size() && (I < 600 || Starting.empty()); ++I) {
            if (FUsable[I][0] == char(C)) Written.push_back(FUsable[I]);
            if (FUsable[I][0] == Small) Starting.push_back(FUsable[I]);
        }
        if (!Written.empty()) return FRandom.Pick(Written);
        FStartsSentence = FLanguage != "en";
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
        int Dressed = 0, Skipped = 0;
        while (true) {
            std::string W = FRandom.Chance(70) ? Pool[FRandom.Below(Top)] : PlainWord();
            bool Dress = !FDressing.empty() &&
                         (FRandom.Chance(30) || (Dressed == 0 && Line.size() > Width / 2));
            FStartsSentence = false;
            if (Dress) {
                const unsigned char C = static_cast<unsigned char>(FRandom.Pick(FDressing));
                W = TokenWith(C);
                ++Dressed;
            }
            if (CapitalNext && FCapitals) W = Capitalised(W);
            if (FStartsSentence && !Line.empty() && !CapitalNext) {
                // German and Swedish capitalise a word only at a sentence's start.
                if (!Known('.') && ++Skipped < 50) continue;
                if (!Known('.')) break;
                if (Line.size() + 2 + W.size() > Width) break;
                Line.push_back('.');
            }
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
