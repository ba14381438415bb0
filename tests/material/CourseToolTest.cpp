// The course tool: the key groups it refuses, and the lines it makes, which
// must keep to the keys known and practise the new ones.
#include "tests/support/TestSupport.h"
#include "tools/coursetool/TCourseScan.h"
#include "tools/coursetool/TCoverage.h"
#include "tools/coursetool/TDrillMaker.h"
#include "tools/coursetool/TLayoutChars.h"

#include <gtest/gtest.h>

#include <cstdlib>

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

} // namespace
