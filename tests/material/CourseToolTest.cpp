// The course tool: the key groups it refuses, and the lines it makes, which
// must keep to the keys known and practise the new ones.
#include "tests/support/TestSupport.h"
#include "tools/coursetool/TCourseScan.h"
#include "tools/coursetool/TCoverage.h"
#include "tools/coursetool/TDrillMaker.h"
#include "tools/coursetool/TLayoutChars.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <regex>

namespace {

TEST(CourseTool, RefusesAKeyGroupThatRepeatsAKeyOrLeavesTheLayoutNamingItsLine) {
    struct TCase {
        std::string Groups; // "new keys" lines, one a chapter
        std::string Error;  // what the message must say ("" = accepted)
    };
    const TCase Cases[] = {
        {"fj\ndk\n", ""},
        {"fj\ndf\n", "course.cnt line 10: the key 'f' is taught again (first on line 4)"},
        {"ff\n", "course.cnt line 4: the key 'f' is taught again (first on line 4)"},
        {"fj\nd\xE4\n", "course.cnt line 10: the key '\xE4' is not on the keyboard layout"},
        {"fj\nd\x01\n", "course.cnt line 10: the key byte 1 is not on the keyboard layout"},
        {"a%;\nl%;\n", "course.cnt line 10: the key ';' is taught again (first on line 4)"},
        {"a%;\nl;\n", ""}, // an unescaped ";" ends the group: only "l" is new
    };
    std::string Layout, Error;
    const std::string AppDir = std::getenv("CLAVORA_APP_DIR");
    ASSERT_TRUE(LayoutCharacters(AppDir + "/qwerty.kbd", Layout, Error)) << Error;
    for (const TCase& C : Cases) {
        TScopedTempDir Dir;
        // Put each "new keys" line inside its chapter, as courses do.
        std::string Course = "$description=Test\ncontents name=Test\n";
        size_t Start = 0;
        while (Start < C.Groups.size()) {
            const size_t End = C.Groups.find('\n', Start);
            Course += "begin chapter\nnew keys=" + C.Groups.substr(Start, End - Start) +
                      "\nchapter name=1;x\nbegin exercise\nend exercise\nend chapter\n";
            Start = End + 1;
        }
        WriteFileBytes(Dir / "course.cnt", Course);
        TCourseScan Scan;
        std::string Message;
        const bool Ok = Scan.Load(Dir / "course.cnt", Message) && Scan.CheckLayout(Layout, Message);
        EXPECT_EQ(Ok, C.Error.empty()) << C.Groups;
        EXPECT_EQ(Message, C.Error) << C.Groups;
    }
}

TEST(CourseTool, MadeLinesKeepToTheKnownKeysAndPractiseTheNewOnes) {
    TWordList Words;
    for (const char* W : {"sad", "lad", "ask", "flask", "glad", "has", "shall", "dish", "fish",
                          "she", "like", "hike", "jade", "idea", "side", "field"})
        Words.AddWord(W, true);
    struct TCase {
        std::string Known, New;
        bool RealWords; // the word lines are real words
    };
    const TCase Cases[] = {
        {"fj", "fj", false},      // no word has only f and j
        {"fjdksla;", "a;", true}, // ";" worked into words
        {"fjdksla;gh", "gh", true},
        {"fjdksla;ghei", "ei", true},
        {"fjdksla;gheiA", "A", true}, // capitals on words
        {"fjdksla;ghei,.", ",.", true},
    };
    for (const TCase& C : Cases) {
        TDrillMaker Maker(Words, C.Known, C.New, 7);
        const std::vector<std::string> Letters = Maker.LetterLines(4);
        const std::vector<std::string> WordLines = Maker.WordLines(6);
        ASSERT_EQ(Letters.size(), 4u);
        ASSERT_EQ(WordLines.size(), 6u);
        for (const std::vector<std::string>* Lines : {&Letters, &WordLines})
            for (const std::string& L : *Lines) {
                EXPECT_FALSE(L.empty()) << C.New;
                EXPECT_LE(L.size(), 44u) << L;
                for (char Ch : L)
                    EXPECT_TRUE(Ch == ' ' || C.Known.find(Ch) != std::string::npos)
                        << C.New << ": " << L;
                EXPECT_NE(L.find_first_of(C.New), std::string::npos) << C.New << ": " << L;
            }
        int Real = 0;
        for (const std::string& L : WordLines)
            Real += TCoverage::IsRealWordLine(L, Words);
        EXPECT_EQ(Real, C.RealWords ? 6 : 0) << C.New;
    }
}

TEST(CourseTool, ALineCountsAsRealWordsOnlyWhenEveryWordIsOnTheList) {
    TWordList Words;
    for (const char* W : {"dad", "asks", "a", "lad", "is", "it"})
        Words.AddWord(W, true);
    const std::pair<const char*, bool> Cases[] = {
        {"dad asks a lad", true}, {"Dad asks, \"a lad?\"", true},
        {"dad's 42 (lad)", true}, {"fjf dad", false},
        {"42 7", false},          {"", false},
        {"it-is dad/lad", true},  {"dadx", false},
    };
    for (const auto& [Line, Real] : Cases)
        EXPECT_EQ(TCoverage::IsRealWordLine(Line, Words), Real) << Line;
}

// English contractions as people write them, for checking apostrophes.
bool IsContraction(const std::string& W) {
    static const std::regex Form("(do|does|did|is|are|was|were|has|have|had|could|would|should|"
                                 "ca|wo|ai|need|must)n't|(it|he|she|that|there|what|who|here|"
                                 "let|where)'s|I'm|(we|you|they|who|what)'re|(I|we|you|they|he|"
                                 "she|it|that)'(ll|d)|(I|we|you|they)'ve|o'clock");
    return std::regex_match(W, Form);
}

TEST(CourseTool, SymbolsAreWrittenTheWayPeopleWriteThem) {
    TWordList Words;
    for (const char* W : {"garden", "tools", "anna", "notes", "river", "blue", "house", "lamp",
                          "music", "paper", "green", "table"})
        Words.AddWord(W, true);
    const std::string Letters = "abcdefghijklmnopqrstuvwxyz";
    const std::string All =
        Letters + "ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789.,:;'\"/-@$%#&*+=<>()_~|\\";
    const std::string Word = "[a-z]+";
    struct TCase {
        const char* Language;
        unsigned char Symbol;
        std::string Form; // every dressed word matches it
    };
    const TCase Cases[] = {
        {"en", '@', Word + "@" + Word + "\\.(org|com|net|edu)"},
        {"en", '$', "\\$[1-9][0-9]{0,2}(\\.[0-9]{2})?"},
        {"de", '$', "[1-9][0-9]{0,2}(,[0-9]{2})? \\$"},
        {"en", ':', Word + ":|([0-9]|1[0-9]|2[0-3]):[0-5][0-9]"},
        {"en", '/',
         "(/(home|tmp|usr|etc|srv)/" + Word + "(/" + Word + ")?(\\.[a-z]+)?)|[1-9][0-9]?/[1-9]"},
        {"en", '"', "\"" + Word + " " + Word + "\""},
        {"en", '-', "[1-9][0-9]*-[1-9][0-9]*|[a-zA-Z]+(-[a-z]+)+"},
        {"de", '-',
         "[1-9][0-9]*-[1-9][0-9]*|[a-zA-Z]+(-[a-zA-Z]+)+|[a-z]+- und [a-z]+|[A-Z][a-z]+- und "
         "[A-Z][a-z]+"},
        {"en", '%', "(0|[1-9][0-9]*)%"},
        {"sv", '%', "(0|[1-9][0-9]*) %"},
        {"en", '+', "[0-9]+ \\+ [0-9]+"},
        {"en", '=', "[0-9]+ \\+ [0-9]+ = [0-9]+"},
        {"en", '#', "#[1-9][0-9]*|#0"},
        {"en", '(', "\\(" + Word + "\\)"},
        {"en", '<', "[0-9]+ < [0-9]+|<" + Word + ">"},
        {"en", '&', Word + " & " + Word},
        {"en", '_', Word + "_" + Word},
        {"en", '~', "~/" + Word},
        {"en", '\'', "[A-Za-z']+"},
        {"de", '\'', "'" + Word + "'"},
    };
    for (const TCase& C : Cases) {
        const std::regex Form(C.Form);
        for (uint64_t Seed = 1; Seed <= 40; ++Seed) {
            TDrillMaker Maker(Words, All, std::string(1, char(C.Symbol)), Seed, C.Language);
            const std::string T = Maker.TokenWith(C.Symbol);
            EXPECT_TRUE(std::regex_match(T, Form)) << C.Language << " " << C.Symbol << ": " << T;
            EXPECT_NE(T.find(char(C.Symbol)), std::string::npos) << T;
            if (C.Symbol == '\'' && std::string(C.Language) == "en") {
                EXPECT_TRUE(IsContraction(T)) << T;
            }
            std::smatch M;
            static const std::regex Sum("([0-9]+) \\+ ([0-9]+) = ([0-9]+)");
            if (std::regex_match(T, M, Sum)) {
                EXPECT_EQ(std::stoi(M[1]) + std::stoi(M[2]), std::stoi(M[3])) << T;
            }
            static const std::regex Less("([0-9]+)(-| < )([0-9]+)");
            if (std::regex_match(T, M, Less)) {
                EXPECT_LT(std::stol(M[1]), std::stol(M[3])) << T;
            }
        }
    }
    // Before digits and the full stop are known: no price or address made of words.
    TDrillMaker Early(Words, Letters + "@$", "@$", 3, "en");
    EXPECT_TRUE(std::regex_match(Early.TokenWith('@'), std::regex("@" + Word)));
}

} // namespace
