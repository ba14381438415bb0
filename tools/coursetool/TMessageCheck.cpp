#include "tools/coursetool/TMessageCheck.h"

#include "platform/Latin1Case.h"
#include "tools/coursetool/TWordList.h"

#include <algorithm>

namespace {

struct TWord {
    std::string Text;
    std::string Lower;
};

// The words of a part of a sentence: runs of letters or of digits.
std::vector<TWord> WordsOf(const std::string& Part) {
    std::vector<TWord> Words;
    std::string W;
    const auto Flush = [&Words, &W]() {
        if (!W.empty()) Words.push_back({W, Latin1Case::LowerCase(W)});
        W.clear();
    };
    for (unsigned char C : Part) {
        const bool Digit = C >= '0' && C <= '9';
        if (IsLetter(C) || Digit) {
            if (!W.empty() && (W.back() >= '0' && W.back() <= '9') != Digit) Flush();
            W.push_back(char(C));
        } else {
            Flush();
        }
    }
    Flush();
    return Words;
}

bool StartsWith(const std::string& S, const char* Prefix) {
    return S.rfind(Prefix, 0) == 0;
}

// The kind of finger a word names (with the word before it for the English
// "little finger" and the German "kleine Finger"), 0 for none.
int KindOf(const std::vector<TWord>& Words, size_t I) {
    const std::string& W = Words[I].Lower;
    const std::string Before = I > 0 ? Words[I - 1].Lower : std::string();
    if (W == "finger" || W == "fingers" || W == "fingern") {
        if (Before == "little" || StartsWith(Before, "klein")) return 1;
        if (Before == "ring") return 2;
        if (Before == "middle") return 3;
        if (Before == "index") return 4;
        return 0;
    }
    static const std::pair<const char*, int> Compounds[] = {
        {"ringfinger", 2}, {"mittelfinger", 3},  {"zeigefinger", 4},
        {"lillfinger", 1}, {"l\xE5ngfinger", 3}, {"pekfinger", 4},
    };
    for (const auto& [Stem, Kind] : Compounds)
        if (StartsWith(W, Stem)) return Kind;
    return 0;
}

int HandOf(const std::string& W) {
    if (W == "left" || StartsWith(W, "link") || StartsWith(W, "v\xE4nster") || W == "v\xE4nstra")
        return 1;
    if (W == "right" || StartsWith(W, "recht") || StartsWith(W, "h\xF6ger") || W == "h\xF6gra")
        return 2;
    return 0;
}

bool IsKey(const TWord& W) {
    if (W.Text.size() != 1) return false;
    const unsigned char C = static_cast<unsigned char>(W.Text[0]);
    return (C >= '0' && C <= '9') || C == 0xDF || (IsLetter(C) && Latin1Case::Lower(C) != C);
}

std::vector<std::string> PartsOf(const std::string& Text) {
    std::vector<std::string> Parts(1);
    for (size_t I = 0; I < Text.size(); ++I) {
        const char C = Text[I];
        const bool SentenceEnd =
            (C == '.' || C == '!' || C == '?') && (I + 1 == Text.size() || Text[I + 1] == ' ' ||
                                                   Text[I + 1] == '\r' || Text[I + 1] == '\n');
        if (SentenceEnd || C == ',' || C == ';' || C == ':' || C == '\n')
            Parts.emplace_back();
        else
            Parts.back().push_back(C);
    }
    return Parts;
}

} // namespace

std::vector<TFingerClaim> FingerClaims(const std::string& Text) {
    std::vector<TFingerClaim> Claims;
    static const std::vector<std::string> Articles = {"the", "der", "den", "dem", "die", "det"};
    static const std::vector<std::string> NoFinger = {"hand", "hands", "side", "sida", "sidan"};
    for (const std::string& Part : PartsOf(Text)) {
        const std::vector<TWord> Words = WordsOf(Part);
        std::vector<int> Hands(Words.size()), Kinds(Words.size());
        int LastKind = 0;
        for (size_t I = 0; I < Words.size(); ++I) {
            int Kind = KindOf(Words, I);
            // The hand stands before the finger, perhaps before "little" or "kleine".
            int Hand = 0;
            for (size_t Back = 1; Kind && Back <= 2 && Back <= I && Hand == 0; ++Back)
                Hand = HandOf(Words[I - Back].Lower);
            // "den linken Zeigefinger auf F und den rechten auf J": the other
            // hand's finger of the same kind (in English "the right" is
            // more often a direction).
            const bool Next = I + 1 < Words.size();
            if (!Kind && LastKind && HandOf(Words[I].Lower) && Words[I].Lower != "left" &&
                Words[I].Lower != "right" && I > 0 &&
                std::find(Articles.begin(), Articles.end(), Words[I - 1].Lower) != Articles.end() &&
                (!Next || (Words[I + 1].Text == Words[I + 1].Lower && !KindOf(Words, I + 1) &&
                           std::find(NoFinger.begin(), NoFinger.end(), Words[I + 1].Lower) ==
                               NoFinger.end() &&
                           (!Next || I + 2 >= Words.size() || !KindOf(Words, I + 2))))) {
                Kind = LastKind;
                Hand = HandOf(Words[I].Lower);
            }
            if (Kind) LastKind = Kind;
            Hands[I] = Hand;
            Kinds[I] = Kind;
        }
        // "and" after a finger is named starts a new claim: "the left index
        // finger on F and the right index finger on J".
        size_t From = 0;
        while (From < Words.size()) {
            size_t To = From;
            bool Named = false;
            for (; To < Words.size(); ++To) {
                const std::string& L = Words[To].Lower;
                if (Named && To > From && (L == "and" || L == "und" || L == "och")) break;
                if (Kinds[To]) Named = true;
            }
            for (size_t I = From; I < To; ++I) {
                if (!IsKey(Words[I])) continue;
                size_t Chosen = To;
                for (size_t F = I + 1; F < To && Chosen == To; ++F)
                    if (Kinds[F]) Chosen = F;
                for (size_t F = From; F < I && Chosen == To; ++F)
                    if (Kinds[I - 1 - (F - From)]) Chosen = I - 1 - (F - From);
                if (Chosen < To)
                    Claims.push_back({Words[I].Text[0], Hands[Chosen], Kinds[Chosen], Part});
            }
            From = To == From ? To + 1 : To;
        }
    }
    return Claims;
}

bool ClaimAgrees(const TFingerClaim& Claim, int Finger) {
    if (Finger < 1 || Finger > 8) return false;
    const int Hand = Finger <= 4 ? 1 : 2;
    const int Kind = Finger <= 4 ? Finger : 9 - Finger;
    return Kind == Claim.Kind && (Claim.Hand == 0 || Claim.Hand == Hand);
}

std::vector<std::string> ExampleWords(const std::string& Text) {
    std::vector<std::string> Out;
    std::string Paragraph;
    std::vector<std::string> Paragraphs;
    for (size_t I = 0; I <= Text.size(); ++I) {
        if (I == Text.size() || Text[I] == '\n') {
            while (!Paragraph.empty() && (Paragraph.back() == '\r' || Paragraph.back() == ' '))
                Paragraph.pop_back();
            if (!Paragraph.empty()) Paragraphs.push_back(Paragraph);
            Paragraph.clear();
        } else {
            Paragraph.push_back(Text[I]);
        }
    }
    for (std::string P : Paragraphs) {
        const size_t Colon = P.rfind(':');
        if (Colon == std::string::npos) continue;
        std::string List = P.substr(Colon + 1);
        if (!List.empty() && (List.back() == '.' || List.back() == '!')) List.pop_back();
        std::vector<std::string> Items;
        std::string Item;
        bool Ok = true;
        const auto Flush = [&Items, &Item, &Ok]() {
            if (Item.empty()) Ok = false;
            Items.push_back(Item);
            Item.clear();
        };
        std::vector<std::string> Tokens;
        std::string T;
        for (char C : List + " ") {
            if (C == ' ') {
                if (!T.empty()) Tokens.push_back(T);
                T.clear();
            } else {
                T.push_back(C);
            }
        }
        for (size_t I = 0; I < Tokens.size() && Ok; ++I) {
            std::string W = Tokens[I];
            const bool Comma = !W.empty() && W.back() == ',';
            if (Comma) W.pop_back();
            const std::string L = Latin1Case::LowerCase(W);
            if ((L == "and" || L == "und" || L == "och") && !Comma && !Item.empty() &&
                I + 2 == Tokens.size()) {
                Flush(); // "..., fur and sugar"
                continue;
            }
            if (!Item.empty()) {
                Ok = false; // two words in one item: prose, not a list
                break;
            }
            Item = W;
            for (unsigned char C : W)
                if (!IsLetter(C) && C != '\'' && C != '-') Ok = false;
            if (Comma || I + 1 == Tokens.size()) Flush();
        }
        if (!Item.empty()) Ok = false;
        if (Ok && Items.size() >= 2)
            for (const std::string& W : Items)
                Out.push_back(W);
    }
    return Out;
}
