#include "tools/coursetool/TCoverage.h"

#include "files/TextUtils.h"
#include "platform/FileNames.h"
#include "tools/coursetool/TMessageCheck.h"

#include <cctype>

#include <fstream>
#include <set>

std::string GeneratedKind(const std::string& FileName) {
    static const char* Kinds[] = {"keys", "drill", "words", "game", "test"};
    const std::string Lower = LowerCase(FileName);
    for (const char* K : Kinds) {
        const std::string Tail = std::string(K) + ".txt";
        if (Lower.size() > Tail.size() + 2 &&
            Lower.compare(Lower.size() - Tail.size(), Tail.size(), Tail) == 0 &&
            isdigit(static_cast<unsigned char>(Lower[Lower.size() - Tail.size() - 1])))
            return K;
    }
    return {};
}

std::vector<std::string> TCoverage::BodyLines(const std::string& Path, bool& Found) {
    std::vector<std::string> Lines;
    std::ifstream In(ResolveFileName(Path), std::ios::binary);
    Found = bool(In);
    std::string L;
    bool Header = true;
    int Count = 0;
    while (std::getline(In, L)) {
        if (!L.empty() && L.back() == '\r') L.pop_back();
        ++Count;
        if (Header && Count <= 15 && !Trim(L).empty() && Trim(L)[0] == '$') continue;
        Header = false;
        Lines.push_back(L);
    }
    return Lines;
}

bool TCoverage::IsRealWordLine(const std::string& Line, const TWordList& Words) {
    int Real = 0;
    std::string Token;
    auto Judge = [&](std::string T) -> bool {
        while (!T.empty() && !IsLetter(static_cast<unsigned char>(T.back())))
            T.pop_back();
        for (const char* End : {"n't", "'s", "'re", "'ll", "'ve", "'m", "'d"}) {
            const size_t N = std::string(End).size();
            if (T.size() > N && T.compare(T.size() - N, N, End) == 0) {
                T.resize(T.size() - N);
                break;
            }
        }
        std::string Part;
        bool Ok = true;
        auto Flush = [&] {
            if (Part.empty()) return;
            if (Words.Contains(Part))
                ++Real;
            else
                Ok = false;
            Part.clear();
        };
        for (unsigned char C : T) {
            if (IsLetter(C))
                Part.push_back(char(C));
            else
                Flush();
        }
        Flush();
        return Ok;
    };
    for (const std::string& T : Split(Line, " "))
        if (!Judge(T)) return false;
    return Real > 0;
}

std::vector<TChapterCoverage> TCoverage::Measure(const TCourseScan& Course, const TWordList& Words,
                                                 const std::string& Dir) {
    std::vector<TChapterCoverage> Out;
    int Number = 0;
    for (const TScannedChapter& Ch : Course.Chapters()) {
        TChapterCoverage C;
        C.Number = ++Number;
        C.Name = Ch.Name;
        C.NewKeys = Ch.NewKeys;
        std::string Letters;
        for (unsigned char K : Course.KnownAt(Ch.Groups))
            if (IsLetter(K) &&
                K == static_cast<unsigned char>(LowerCase(std::string(1, char(K)))[0]))
                Letters.push_back(char(K));
        const std::vector<std::string> Usable = Words.Within(Letters);
        C.Words = Usable.size();
        for (unsigned char K : Ch.NewKeys) {
            if (!IsLetter(K) || LowerCase(std::string(1, char(K)))[0] != char(K)) continue;
            size_t N = 0;
            for (const std::string& W : Usable)
                if (W.find(char(K)) != std::string::npos) ++N;
            C.PerKey.emplace_back(char(K), N);
            if (N < FewWords) C.FewKeys.push_back(char(K));
        }
        std::set<std::string> Read; // a file typed in several exercises counts once
        for (const TScannedExercise& E : Ch.Exercises)
            for (const TScannedEvent& Ev : E.Events) {
                const std::string K = Ev.Keyword();
                const std::string Src = Ev.Token(3);
                const bool File = UpperCase(Src.substr(0, 5)) == "FILE:";
                const std::string Name = File ? Src.substr(5) : std::string();
                bool Found = false;
                const std::vector<std::string> Body =
                    File ? BodyLines(Dir + "/" + Name, Found) : std::vector<std::string>();
                std::string Text;
                for (const std::string& L : Body)
                    Text += L + "\n";
                for (const std::string& W : Words.AvoidedIn(File ? Text : Ev.Line))
                    C.Avoided.push_back(W);
                if (K == "MESSAGE") {
                    const std::string Known = Course.KnownAt(Ev.KnownGroups);
                    for (const std::string& W : ExampleWords(Text))
                        if (W.find_first_not_of(Known) != std::string::npos)
                            C.UntaughtExamples.push_back(W);
                    continue;
                }
                if (K != "KEYBOARD" && K != "TEXT" && K != "EXAM") continue;
                size_t Typed = 0;
                if (File) {
                    for (const std::string& L : Body)
                        Typed += L.size();
                } else if (UpperCase(Src) != "NIL") {
                    Typed = Src.size();
                }
                if (K == "EXAM" && (C.ShortestExam == 0 || Typed < C.ShortestExam))
                    C.ShortestExam = Typed;
                if (!File || !Read.insert(LowerCase(Name)).second) continue;
                C.Characters += Typed;
                if (GeneratedKind(Name).empty()) C.HandCharacters += Typed;
                for (const std::string& L : Body) {
                    if (Trim(L).empty()) continue;
                    ++C.Lines;
                    if (IsRealWordLine(L, Words)) ++C.RealLines;
                }
            }
        Out.push_back(C);
    }
    return Out;
}

TCourseTotals TCoverage::Totals(const TCourseScan& Course, const std::string& Dir) {
    TCourseTotals T;
    std::set<std::string> Words;
    std::set<std::string> Read; // a file typed in several exercises counts once
    T.Chapters = Course.Chapters().size();
    for (const TScannedChapter& Ch : Course.Chapters())
        for (const TScannedExercise& E : Ch.Exercises) {
            ++T.Exercises;
            for (const TScannedEvent& Ev : E.Events) {
                ++T.Events;
                const std::string K = Ev.Keyword();
                const std::string Src = Ev.Token(3);
                if (K == "MESSAGE" || K == "LEXIDROP" || UpperCase(Src.substr(0, 5)) != "FILE:")
                    continue;
                if (!Read.insert(LowerCase(Src)).second) continue;
                bool Found = false;
                for (const std::string& L : BodyLines(Dir + "/" + Src.substr(5), Found)) {
                    T.Characters += L.size();
                    std::string W;
                    for (unsigned char C : L + " ") {
                        if (IsLetter(C))
                            W.push_back(char(C));
                        else if (!W.empty()) {
                            Words.insert(LowerCase(W));
                            W.clear();
                        }
                    }
                }
            }
        }
    T.DistinctWords = Words.size();
    return T;
}
