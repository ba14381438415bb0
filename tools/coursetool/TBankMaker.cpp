#include "tools/coursetool/TBankMaker.h"

#include "files/TextUtils.h"
#include "platform/Latin1Case.h"
#include "tools/coursetool/TDrillMaker.h"
#include "tools/coursetool/TToolRandom.h"

#include <algorithm>
#include <fstream>
#include <set>

namespace {

bool IsSmallLetter(unsigned char C) {
    return IsLetter(C) && Latin1Case::Lower(C) == C;
}

constexpr size_t WordsPerGroup = 40;
constexpr size_t RowsPerGroup = 12;
constexpr size_t FewestWords = 12;

} // namespace

TBankMaker::TBankMaker(const TCourseScan& Course, const TWordList& Words,
                       const TSentenceMaker& Sentences, const std::string& DeadKeys)
    : FCourse(Course), FWords(Words), FSentences(Sentences),
      FLanguage(TAvoidList::LanguageOfLayout(Course.Keyboard())), FDeadKeys(DeadKeys) {}

std::vector<std::string> TBankMaker::WordsFor(unsigned char C, int Level, uint64_t Seed) {
    const std::string Known = FCourse.KnownAt(Level);
    TDrillMaker Maker(FWords, Known, std::string(1, char(C)), Seed, FLanguage, FDeadKeys);
    std::vector<std::string> Out;
    std::set<std::string> Seen;
    if (IsSmallLetter(C)) {
        std::vector<std::string> Holding;
        for (const std::string& W : Maker.Usable())
            if (W.find(char(C)) != std::string::npos) Holding.push_back(W);
        // The best-known words first, a fair spread of them.
        if (Holding.size() > 150) Holding.resize(150);
        TToolRandom Random(Seed);
        Random.Shuffle(Holding);
        for (const std::string& W : Holding)
            if (Out.size() < WordsPerGroup && Seen.insert(W).second) Out.push_back(W);
        std::string Letters;
        for (unsigned char K : Known)
            if (IsSmallLetter(K)) Letters.push_back(char(K));
        if (Letters.empty()) Letters.push_back(char(C));
        for (int Try = 0; Out.size() < FewestWords && Try < 400; ++Try) {
            std::string G;
            for (size_t I = 0, N = 2 + Random.Below(3); I < N; ++I)
                G.push_back(Random.Pick(Letters));
            G[Random.Below(G.size())] = char(C);
            if (Seen.insert(G).second) Out.push_back(G);
        }
    } else {
        for (int Try = 0; Out.size() < 24 && Try < 400; ++Try) {
            const std::string T = Maker.TokenWith(C);
            if (!T.empty() && T.size() <= 40 && Seen.insert(T).second) Out.push_back(T);
        }
    }
    return Out;
}

std::vector<std::string> TBankMaker::RowsFor(unsigned char C, int Level, uint64_t Seed) {
    const std::string Known = FCourse.KnownAt(Level) + " ";
    std::vector<std::string> Rows;
    TToolRandom Random(Seed);
    if (IsSmallLetter(C)) {
        Rows = FSentences.Make(Known, C, RowsPerGroup, Seed);
    } else {
        // Sentences of known words with the key worked in.
        TDrillMaker Maker(FWords, FCourse.KnownAt(Level), std::string(1, char(C)), Seed, FLanguage,
                          FDeadKeys);
        const std::vector<std::string> Plain = FSentences.Make(Known, 0, RowsPerGroup * 2, Seed);
        for (size_t I = 0; I < Plain.size() && Rows.size() < RowsPerGroup; ++I) {
            std::string S = Plain[I];
            const bool Digit = C >= '0' && C <= '9';
            if (std::string(",;:").find(char(C)) != std::string::npos) {
                // Two sentences joined by the mark read well aloud.
                if (I + 1 >= Plain.size()) break;
                S += char(C) + (" " + Plain[++I]);
            } else if (std::string(".!?").find(char(C)) != std::string::npos) {
                S += char(C);
            } else if (Digit) {
                const std::string Lead = FSentences.NumberWord();
                S += (Lead.empty() ? " " : " " + Lead + " ") + Maker.TokenWith(C);
            } else if (C == '\'' && FLanguage == "en") {
                // An English contraction opens the sentence.
                static const std::vector<std::string> Openings = {
                    "I'm sure",     "it's true:", "that's why",    "here's why", "we're told",
                    "they're sure", "I've heard", "don't forget:", "it's said"};
                std::vector<std::string> Fit;
                for (const std::string& O : Openings)
                    if (O.find_first_not_of(Known) == std::string::npos) Fit.push_back(O);
                if (Fit.empty()) continue;
                S = Random.Pick(Fit) + " " + S;
            } else if (C == '"' && S.find(' ') != std::string::npos) {
                // Quotes around a phrase of the sentence.
                std::vector<std::string> W = Split(S, " ");
                const size_t At = Random.Below(W.size() - 1);
                W[At] = "\"" + W[At];
                W[At + 1] += "\"";
                S.clear();
                for (const std::string& X : W)
                    S += (S.empty() ? "" : " ") + X;
            } else {
                std::vector<std::string> W = Split(S, " ");
                const size_t At = Random.Below(W.size());
                const std::string T = Maker.Decorate(W[At], C);
                if (T.empty())
                    W.push_back(Maker.TokenWith(C));
                else
                    W[At] = T;
                S.clear();
                for (const std::string& X : W)
                    S += (S.empty() ? "" : " ") + X;
            }
            if (S.find(char(C)) != std::string::npos) Rows.push_back(S);
        }
    }
    if (Rows.size() < 4) {
        // Too few keys for sentences: rows of five words or letter groups.
        const std::vector<std::string> Words = WordsFor(C, Level, Seed + 7);
        for (size_t R = 0; R < 6 && !Words.empty(); ++R) {
            std::string Row;
            for (int I = 0; I < 5; ++I)
                Row += (Row.empty() ? "" : " ") + Words[Random.Below(Words.size())];
            Rows.push_back(Row);
        }
    }
    return Rows;
}

void TBankMaker::AddGroup(unsigned char C, int Level, int Kind) {
    const uint64_t Seed = uint64_t(C) * 1000 + uint64_t(Level) * 10 + uint64_t(Kind);
    const std::vector<std::string> Lines =
        Kind == 1 ? WordsFor(C, Level, Seed) : RowsFor(C, Level, Seed);
    if (Lines.empty()) return;
    TBankEntry E;
    E.Char = C;
    E.Level = Level;
    E.Kind = Kind;
    E.First = int(FSlots.size());
    for (const std::string& L : Lines)
        FSlots.push_back(L.substr(0, 255));
    E.Count = int(Lines.size());
    FEntries.push_back(E);
}

size_t TBankMaker::WordCount(unsigned char C, int Level) const {
    size_t N = 0;
    for (const std::string& W : FWords.Within(FCourse.KnownAt(Level)))
        if (W.find(char(C)) != std::string::npos && ++N >= WordsPerGroup) break;
    return N;
}

bool TBankMaker::Make(std::string& Error) {
    FEntries.clear();
    FSlots.clear();
    std::string Keys;
    for (const std::string& G : FCourse.Groups())
        for (unsigned char C : G) {
            const unsigned char L = Latin1Case::Lower(C);
            if (L != ' ' && Keys.find(char(L)) == std::string::npos && FCourse.LevelOf(L) > 0)
                Keys.push_back(char(L));
        }
    if (Keys.size() * 2 > MaxEntries) {
        Error = "the course teaches " + std::to_string(Keys.size()) +
                " keys; a bank holds groups for at most " + std::to_string(MaxEntries / 2);
        return false;
    }
    // Every key has words and sentences at the level that teaches it. A
    // letter taught early gets richer groups at the later levels where new
    // letters make more words with it, as many as the bank has room for:
    // those that add the most words first, and only where real words fill
    // a group.
    const int Levels = int(FCourse.Groups().size());
    struct TCandidate {
        unsigned char Key;
        int Level;
        size_t Gain;
    };
    std::vector<TCandidate> Candidates;
    for (unsigned char C : Keys) {
        if (!IsSmallLetter(C)) continue;
        size_t Before = WordCount(C, FCourse.LevelOf(C));
        for (int Level = FCourse.LevelOf(C) + 1; Level <= Levels; ++Level) {
            const size_t Now = WordCount(C, Level);
            if (Now > Before && Now >= FewestWords) Candidates.push_back({C, Level, Now - Before});
            Before = std::max(Before, Now);
        }
    }
    std::stable_sort(Candidates.begin(), Candidates.end(),
                     [](const TCandidate& A, const TCandidate& B) { return A.Gain > B.Gain; });
    size_t Room = (MaxEntries - Keys.size() * 2) / 2;
    if (Candidates.size() > Room) Candidates.resize(Room);
    for (unsigned char C : Keys) {
        // The program reads the groups in file order and takes the first it
        // may use, so the groups of a key come from the highest level down.
        std::vector<int> Chosen;
        for (const TCandidate& Cand : Candidates)
            if (Cand.Key == C) Chosen.push_back(Cand.Level);
        std::sort(Chosen.rbegin(), Chosen.rend());
        for (int Level : Chosen) {
            AddGroup(C, Level, 1);
            AddGroup(C, Level, 2);
        }
        AddGroup(C, FCourse.LevelOf(C), 1);
        AddGroup(C, FCourse.LevelOf(C), 2);
    }
    return true;
}

bool TBankMaker::Write(const std::string& HeaderPath, const std::string& DataPath,
                       std::string& Error) const {
    std::ofstream H(HeaderPath, std::ios::binary | std::ios::trunc);
    std::ofstream D(DataPath, std::ios::binary | std::ios::trunc);
    if (!H || !D) {
        Error = "cannot write " + (H ? DataPath : HeaderPath);
        return false;
    }
    for (const TBankEntry& E : FEntries)
        for (int V : {E.Char, E.Level, E.Kind, E.First, E.Count}) {
            H.put(char(V & 0xFF));
            H.put(char((V >> 8) & 0xFF));
        }
    for (const std::string& S : FSlots) {
        std::string Slot(256, '\0');
        Slot[0] = char(S.size());
        Slot.replace(1, S.size(), S);
        D.write(Slot.data(), 256);
    }
    if (!H.flush() || !D.flush()) {
        Error = "cannot write the bank";
        return false;
    }
    return true;
}
