// The course tool: makes the drill, word and game files of a course from its
// key groups and a word list, makes a revision bank, checks a course's key
// groups against a layout, and reports how well the words cover a course.
//
// Word options everywhere:
//   --words LIST [--prefer LIST] [--avoid LIST] [--fold-capitals] [--language en|de|sv]
// Commands:
//   clavora_coursetool make   --course F.cnt --out DIR [--layout F.kbd] WORD OPTIONS
//   clavora_coursetool bank   --course F.cnt --lexicon F --hdr F.hdr --dta F.dta [--layout F.kbd]
//                             WORD OPTIONS
//   clavora_coursetool report --course F.cnt --dir DIR WORD OPTIONS
//   clavora_coursetool check  --course F.cnt --layout F.kbd
// --fold-capitals takes the capitalised words (nouns) of the preferred list:
// in small letters before the course teaches capitals, as written from then
// on. The language (for the avoid list, prices, apostrophes and capitals) is
// the one the course's layout is for unless --language names it. The dead
// keys of --layout are kept off words and out of symbol tokens.
#include "tools/coursetool/TBankMaker.h"
#include "tools/coursetool/TCourseScan.h"
#include "tools/coursetool/TCoverage.h"
#include "tools/coursetool/TDrillMaker.h"
#include "tools/coursetool/TLayoutChars.h"
#include "tools/coursetool/TMessageCheck.h"
#include "tools/coursetool/TSentenceMaker.h"

#include "files/TextUtils.h"
#include "keyboard/TKeyData.h"

#include <cstdio>
#include <fstream>
#include <map>
#include <set>

namespace {

std::map<std::string, std::string> Options;
bool FoldCapitals = false;

std::string Opt(const std::string& Name) {
    auto It = Options.find(Name);
    return It == Options.end() ? std::string() : It->second;
}

int Fail(const std::string& Message) {
    std::fprintf(stderr, "clavora_coursetool: %s\n", Message.c_str());
    return 1;
}

// The language of the course's words: --language, or the one its layout is for.
std::string Language(const TCourseScan& Course) {
    return Opt("language").empty() ? TAvoidList::LanguageOfLayout(Course.Keyboard())
                                   : Opt("language");
}

// The dead keys of the --layout file: their accents are typed alone, never
// on a word. None without a layout (the layout was checked at the start).
std::string DeadKeys() {
    TKeyData Layout;
    std::string Dead;
    if (Opt("layout").empty() || Layout.Load(Opt("layout")) != 1) return Dead;
    for (int C = 1; C < 256; ++C)
        if (Layout.IsDeadKey(char(C))) Dead.push_back(char(C));
    return Dead;
}

bool LoadWords(TWordList& Words, const TCourseScan& Course) {
    if (!Opt("avoid").empty() && Words.AddAvoided(Opt("avoid"), Language(Course)) < 0) {
        Fail("cannot read " + Opt("avoid"));
        return false;
    }
    if (!Opt("prefer").empty() && Words.AddFile(Opt("prefer"), FoldCapitals, true) < 0) {
        Fail("cannot read " + Opt("prefer"));
        return false;
    }
    // Only our own list gives capitalised words: a dictionary's include
    // names, which are no words to drill.
    if (!Opt("words").empty() && Words.AddFile(Opt("words"), false, false) < 0) {
        Fail("cannot read " + Opt("words"));
        return false;
    }
    return true;
}

bool WriteLines(const std::string& Path, const std::vector<std::string>& Lines) {
    std::ofstream Out(Path, std::ios::binary | std::ios::trunc);
    for (const std::string& L : Lines)
        Out << L << "\r\n";
    return bool(Out.flush());
}

std::string Shuffled(const std::string& Keys, uint64_t Seed) {
    std::vector<char> K(Keys.begin(), Keys.end());
    TToolRandom R(Seed);
    R.Shuffle(K);
    return std::string(K.begin(), K.end());
}

constexpr size_t MinExamCharacters = 300;

int Make(const TCourseScan& Course) {
    TWordList Words;
    if (!LoadWords(Words, Course)) return 1;
    const std::string Dir = Opt("out");
    const std::string Dead = DeadKeys();
    int Written = 0;
    int Number = 0;
    for (const TScannedChapter& Ch : Course.Chapters()) {
        ++Number;
        std::set<std::string> Names;
        for (const TScannedExercise& E : Ch.Exercises)
            for (const TScannedEvent& Ev : E.Events) {
                std::string Src = Ev.Token(3);
                if (UpperCase(Src.substr(0, 5)) == "FILE:") Src = Src.substr(5);
                if (!GeneratedKind(Src).empty()) Names.insert(Src);
            }
        for (const std::string& Name : Names) {
            const std::string Kind = GeneratedKind(Name);
            // Each event knows the groups up to its own line; the chapter's last group is the most.
            const std::string Known = Course.KnownAt(Ch.Groups);
            const uint64_t Seed = uint64_t(Number) * 100 + Kind.size();
            TDrillMaker Maker(Words, Known, Ch.NewKeys, Seed, Language(Course), Dead);
            std::vector<std::string> Lines;
            if (Kind == "keys") {
                Lines = {Ch.NewKeys, Shuffled(Ch.NewKeys, Seed)};
                if (Ch.NewKeys.size() <= 4)
                    Lines.push_back(Shuffled(Ch.NewKeys + Ch.NewKeys, Seed + 1));
            } else if (Kind == "drill") {
                Lines = Maker.LetterLines(3);
                for (const std::string& L : Maker.WordLines(4))
                    Lines.push_back(L);
            } else if (Kind == "words") {
                Lines = Maker.WordLines(8);
            } else if (Kind == "test") {
                // An exam of words where no text of phrases is written: a
                // minute's typing at a beginner's pace, 300 characters at least.
                TDrillMaker Exam(Words, Known, Ch.NewKeys, Seed * 31 + 5, Language(Course), Dead);
                size_t Typed = 0;
                while (Typed < MinExamCharacters) {
                    const std::vector<std::string> One = Exam.WordLines(1);
                    if (One.empty() || One[0].empty()) break;
                    Typed += One[0].size();
                    Lines.push_back(One[0]);
                }
            } else {
                Lines = Maker.GameWords(60);
                if (Lines.size() < 10) return Fail(Name + ": too few words for a game");
            }
            if (!WriteLines(Dir + "/" + Name, Lines))
                return Fail("cannot write " + Dir + "/" + Name);
            ++Written;
        }
    }
    std::printf("%d files written to %s\n", Written, Dir.c_str());
    return 0;
}

int Bank(const TCourseScan& Course) {
    TWordList Words;
    if (!LoadWords(Words, Course)) return 1;
    TSentenceMaker Sentences;
    if (!Sentences.Load(Opt("lexicon"))) return Fail("cannot read the lexicon " + Opt("lexicon"));
    TBankMaker Maker(Course, Words, Sentences, DeadKeys());
    std::string Error;
    if (!Maker.Make(Error) || !Maker.Write(Opt("hdr"), Opt("dta"), Error)) return Fail(Error);
    std::map<int, int> PerKey;
    for (const TBankEntry& E : Maker.Entries())
        ++PerKey[E.Char];
    std::printf("%zu groups, %zu entries\n", Maker.Entries().size(), Maker.Slots().size());
    std::string Line;
    for (const auto& [C, N] : PerKey)
        Line += std::string(1, char(C)) + "=" + std::to_string(N) + " ";
    std::printf("groups per key: %s\n", Line.c_str());
    return 0;
}

// Sentences of the course's messages that give a key a finger other than
// the layout's; -1 when the layout cannot be read.
int FingerDisagreements(const TCourseScan& Course, const std::string& Layout,
                        const std::string& Dir) {
    TKeyData Keys;
    if (Keys.Load(Layout) != 1) return -1;
    int Bad = 0;
    for (const TScannedChapter& Ch : Course.Chapters())
        for (const TScannedExercise& E : Ch.Exercises)
            for (const TScannedEvent& Ev : E.Events) {
                const std::string Src = Ev.Token(3);
                if (Ev.Keyword() != "MESSAGE" || UpperCase(Src.substr(0, 5)) != "FILE:") continue;
                bool Found = false;
                std::string Text;
                for (const std::string& L : TCoverage::BodyLines(Dir + "/" + Src.substr(5), Found))
                    Text += L + "\n";
                for (const TFingerClaim& C : FingerClaims(Text))
                    if (!ClaimAgrees(C, Keys.FingerOf(C.Key))) {
                        std::printf("finger: %s: \"%s\" (%c is the %s's)\n", Src.c_str() + 5,
                                    C.Phrase.c_str(), C.Key,
                                    TKeyData::FingerName(Keys.FingerOf(C.Key)).c_str());
                        ++Bad;
                    }
            }
    return Bad;
}

int Percent(size_t Part, size_t Whole) {
    return Whole ? int((Part * 100 + Whole / 2) / Whole) : 0;
}

int Report(const TCourseScan& Course) {
    TWordList Words;
    if (!LoadWords(Words, Course)) return 1;
    std::printf("%-3s %-24s %-10s %6s  %-26s %-15s %5s %5s\n", "ch", "name", "new keys", "words",
                "words per new letter", "real-word lines", "hand", "exam");
    size_t Lines = 0, Real = 0, Hand = 0, Typed = 0, ShortestExam = 0;
    std::vector<std::string> Avoided, Untaught;
    for (const TChapterCoverage& C : TCoverage::Measure(Course, Words, Opt("dir"))) {
        std::string Per;
        for (const auto& [K, N] : C.PerKey)
            Per += std::string(1, K) + ":" + std::to_string(N) + " ";
        const std::string RealLines =
            std::to_string(C.RealLines) + "/" + std::to_string(C.Lines) + " (" +
            std::to_string(Percent(size_t(C.RealLines), size_t(C.Lines))) + " %)";
        std::printf("%-3d %-24.24s %-10.10s %6zu  %-26.26s %-15s %4d%% %5zu%s%s\n", C.Number,
                    C.Name.c_str(), C.NewKeys.c_str(), C.Words, Per.c_str(), RealLines.c_str(),
                    Percent(C.HandCharacters, C.Characters), C.ShortestExam,
                    C.FewKeys.empty() ? "" : "  too few words: ", C.FewKeys.c_str());
        Lines += size_t(C.Lines);
        Real += size_t(C.RealLines);
        Hand += C.HandCharacters;
        Typed += C.Characters;
        if (C.ShortestExam && (ShortestExam == 0 || C.ShortestExam < ShortestExam))
            ShortestExam = C.ShortestExam;
        for (const std::string& W : C.Avoided)
            Avoided.push_back(std::to_string(C.Number) + ":" + W);
        for (const std::string& W : C.UntaughtExamples)
            Untaught.push_back(std::to_string(C.Number) + ":" + W);
    }
    const TCourseTotals T = TCoverage::Totals(Course, Opt("dir"));
    std::printf("%s: %zu chapters, %zu exercises, %zu events; typed texts: %zu distinct words, "
                "%zu characters\n",
                Course.FileName().c_str(), T.Chapters, T.Exercises, T.Events, T.DistinctWords,
                T.Characters);
    std::printf("real-word lines %d %%, hand-written characters %d %%, shortest exam %zu "
                "characters\n",
                Percent(Real, Lines), Percent(Hand, Typed), ShortestExam);
    std::string List;
    for (const std::string& W : Avoided)
        List += " " + W;
    std::printf("avoided words: %zu%s\n", Avoided.size(), List.c_str());
    List.clear();
    for (const std::string& W : Untaught)
        List += " " + W;
    std::printf("message example words with keys not yet taught: %zu%s\n", Untaught.size(),
                List.c_str());
    if (!Opt("layout").empty())
        std::printf("finger disagreements in messages: %d\n",
                    FingerDisagreements(Course, Opt("layout"), Opt("dir")));
    return 0;
}

int Check(const TCourseScan& Course) {
    std::string Chars, Error;
    if (!LayoutCharacters(Opt("layout"), Chars, Error)) return Fail(Error);
    if (!Course.CheckLayout(Chars, Error)) return Fail(Error);
    std::printf("%s: %zu key groups, all on %s\n", Course.FileName().c_str(),
                Course.Groups().size(), Opt("layout").c_str());
    return 0;
}

} // namespace

int main(int Argc, char** Argv) {
    if (Argc < 2)
        return Fail("usage: clavora_coursetool make|bank|report|check --course F.cnt ...");
    const std::string Command = Argv[1];
    for (int I = 2; I < Argc; ++I) {
        std::string A = Argv[I];
        if (A == "--fold-capitals")
            FoldCapitals = true;
        else if (A.rfind("--", 0) == 0 && I + 1 < Argc)
            Options[A.substr(2)] = Argv[++I];
        else
            return Fail("unknown argument " + A);
    }
    TCourseScan Course;
    std::string Error;
    if (!Course.Load(Opt("course"), Error)) return Fail(Error);
    if (!Opt("layout").empty() && Command != "check") {
        std::string Chars;
        if (!LayoutCharacters(Opt("layout"), Chars, Error) || !Course.CheckLayout(Chars, Error))
            return Fail(Error);
    }
    if (Command == "make") return Make(Course);
    if (Command == "bank") return Bank(Course);
    if (Command == "report") return Report(Course);
    if (Command == "check") return Check(Course);
    return Fail("unknown command " + Command);
}
