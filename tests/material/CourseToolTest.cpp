// The course tool: the key groups it refuses, and the lines it makes, which
// must keep to the keys known and practise the new ones.
#include "files/TextUtils.h"
#include "keyboard/TKeyData.h"
#include "platform/Latin1Case.h"
#include "tests/support/TestSupport.h"
#include "tools/coursetool/TBankMaker.h"
#include "tools/coursetool/TCourseScan.h"
#include "tools/coursetool/TCoverage.h"
#include "tools/coursetool/TDrillMaker.h"
#include "tools/coursetool/TLayoutChars.h"
#include "tools/coursetool/TPictureText.h"
#include "tools/coursetool/TSentenceMaker.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <regex>
#include <set>

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
        {"en", '_', Word + "_" + Word + "(\\.(txt|png|odt|csv))?"},
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
    // Names of files and folders and markup commands are written in small
    // letters, whatever the words they are made of.
    TWordList Nouns;
    for (const char* W : {"wohin", "Buch", "Garten", "Stifte", "Tisch"})
        Nouns.AddWord(W, true);
    const struct {
        unsigned char Symbol;
        const char* Form;
    } Names[] = {
        {'_', "[a-z]+_[a-z]+(\\.(txt|png|odt|csv))?"},
        {'~', "~/[a-z]+"},
        {'\\', "\\\\[a-z]+"},
    };
    for (const auto& N : Names)
        for (uint64_t Seed = 1; Seed <= 20; ++Seed) {
            TDrillMaker Maker(Nouns, All, std::string(1, char(N.Symbol)), Seed, "de");
            const std::string T = Maker.TokenWith(N.Symbol);
            EXPECT_TRUE(std::regex_match(T, std::regex(N.Form))) << N.Symbol << ": " << T;
        }
    // Before digits and the full stop are known: no price or address made of words.
    TDrillMaker Early(Words, Letters + "@$", "@$", 3, "en");
    EXPECT_TRUE(std::regex_match(Early.TokenWith('@'), std::regex("@" + Word)));
}

// A dead key types nothing until the next key, and its accent alone with
// Space: nobody glues it to a word ("sitzen´", "4^6", "~kan"). Word lines
// leave it out, a token of it is the accent alone, and the bank's groups for
// it hold it standing alone; the letter lines still drill it.
TEST(CourseTool, ADeadKeyStandsAloneAndNeverOnAWord) {
    const std::string AppDir = std::getenv("CLAVORA_APP_DIR");
    TWordList Words;
    for (const char* W : {"sitzen", "hund", "warum", "dort", "morgen", "konnten", "kan", "ide",
                          "und", "der", "och", "fisk", "garten", "bord", "tisch", "lampe"})
        Words.AddWord(W, true);
    const std::string Letters = "abcdefghijklmnopqrstuvwxyz";
    struct TCase {
        const char* Layout;
        const char* Language;
        std::string New;
        std::string Dead; // of New, by the layout file's dead key lines
    } Cases[] = {
        {"qwertz.kbd", "de", "#+*_<>^\xB0\xB4`", "^\xB4`"},
        {"nordic.kbd", "sv", "+*_<>\xA7\xBD\xB4`\xA8^", "\xB4`\xA8^"},
        {"nordic.kbd", "sv", "@\xA3${[]}\\|~\xB5", "~"},
        {"qwertz.kbd", "de", "@{}[]\\|~\xB5\xB2\xB3", ""}, // the German ~ types at once
        {"qwerty.kbd", "en", "^`~", ""},
    };
    for (const TCase& C : Cases) {
        SCOPED_TRACE(C.Layout + (" " + C.New));
        TKeyData Layout;
        ASSERT_EQ(Layout.Load(AppDir + "/" + C.Layout), 1);
        std::string Dead;
        for (unsigned char K : C.New)
            if (Layout.IsDeadKey(char(K))) Dead.push_back(char(K));
        EXPECT_EQ(Dead, C.Dead);
        const std::string Known = Letters + "0123456789.,/" + C.New;
        bool Drilled = false, Dressed = false;
        for (uint64_t Seed = 1; Seed <= 20; ++Seed) {
            TDrillMaker Maker(Words, Known, C.New, Seed, C.Language, Dead);
            for (const std::string& L : Maker.WordLines(8)) {
                EXPECT_EQ(L.find_first_of(Dead), std::string::npos) << L;
                Dressed = Dressed || L.find_first_of(C.New) != std::string::npos;
            }
            for (const std::string& L : Maker.LetterLines(3))
                Drilled = Drilled || Dead.empty() || L.find_first_of(Dead) != std::string::npos;
            for (char K : Dead) {
                EXPECT_EQ(Maker.TokenWith(K), std::string(1, K));
                EXPECT_EQ(Maker.Decorate("hund", K), "");
            }
        }
        EXPECT_TRUE(Drilled);
        EXPECT_TRUE(Dressed); // the other new signs still go on words
    }
    // On a keyboard without dead keys the same signs dress words.
    TDrillMaker English(Words, Letters + "^`~/", "^`~", 5, "en");
    EXPECT_EQ(English.Decorate("hund", '`'), "`hund`");
    EXPECT_EQ(English.Decorate("hund", '~'), "~/hund");

    // The bank: a group of German dead keys after the home keys.
    TScopedTempDir Dir;
    std::string Course = "$description=Test\ncontents name=Test\n";
    for (const char* G : {"fj", "dk", "sl", "a;", "gh", "ei", "ru", "to", "nm", "^\xB4`"})
        Course += std::string("begin chapter\nnew keys=") + G +
                  "\nchapter name=1;x\nbegin exercise\nend exercise\nend chapter\n";
    WriteFileBytes(Dir / "course.cnt", Course);
    WriteFileBytes(Dir / "lexicon.txt", "pattern=D N V D N\nD der die\nN hund tisch garten\n"
                                        "V sieht holt\n");
    TCourseScan Scan;
    std::string Error;
    ASSERT_TRUE(Scan.Load(Dir / "course.cnt", Error)) << Error;
    TSentenceMaker Sentences;
    ASSERT_TRUE(Sentences.Load(Dir / "lexicon.txt"));
    TBankMaker Bank(Scan, Words, Sentences, "^\xB4`");
    ASSERT_TRUE(Bank.Make(Error)) << Error;
    int Groups = 0;
    for (const TBankEntry& E : Bank.Entries()) {
        if (std::string("^\xB4`").find(char(E.Char)) == std::string::npos) continue;
        ++Groups;
        for (int I = E.First; I < E.First + E.Count; ++I) {
            const std::string& Entry = Bank.Slots()[size_t(I)];
            EXPECT_NE(Entry.find(char(E.Char)), std::string::npos) << Entry;
            for (const std::string& T : Split(Entry, " "))
                if (T.find_first_of("^\xB4`") != std::string::npos) {
                    EXPECT_EQ(T.size(), 1u) << Entry;
                }
        }
    }
    EXPECT_EQ(Groups, 6); // words and sentences for each of the three
}

// The words group a learner at a level gets for a key: the first group in
// the bank's order for that key whose level the learner has reached.
const TBankEntry* GroupFor(const TBankMaker& Bank, unsigned char Key, int Kind, int Level) {
    for (const TBankEntry& E : Bank.Entries())
        if (E.Char == Key && E.Kind == Kind && E.Level <= Level) return &E;
    return nullptr;
}

TEST(CourseTool, ABankGivesRealWordsAtEveryLevelOnceTheKeysMakeThem) {
    TScopedTempDir Dir;
    const std::vector<std::string> Groups = {"fj", "dk", "sl", "a;", "gh", "ei", "ru", "to"};
    std::string Course = "$description=Test\ncontents name=Test\n";
    for (const std::string& G : Groups)
        Course += "begin chapter\nnew keys=" + G +
                  "\nchapter name=1;x\nbegin exercise\nend exercise\nend chapter\n";
    WriteFileBytes(Dir / "course.cnt", Course);
    WriteFileBytes(Dir / "lexicon.txt", "pattern=D A N V D N\npattern=D N V D N\nD the a\n"
                                        "A old red sad fat good glad\n"
                                        "N dog frog goat kid lake hill road tree fish rat\n"
                                        "V sees likes hides takes feeds holds asks\n");
    TCourseScan Scan;
    std::string Error;
    ASSERT_TRUE(Scan.Load(Dir / "course.cnt", Error)) << Error;
    TSentenceMaker Sentences;
    ASSERT_TRUE(Sentences.Load(Dir / "lexicon.txt"));
    TWordList Words;
    for (const char* W :
         {"a",     "as",    "ask",   "add",   "dad",   "lad",   "sad",   "fall",   "all",   "salad",
          "glad",  "flag",  "hall",  "had",   "has",   "half",  "shall", "dash",   "flash", "sea",
          "see",   "she",   "he",    "her",   "here",  "hide",  "side",  "slide",  "like",  "life",
          "file",  "fire",  "fish",  "dish",  "kids",  "idea",  "said",  "deal",   "ideal", "jail",
          "lake",  "hike",  "fake",  "sake",  "sale",  "rule",  "sure",  "true",   "rude",  "fur",
          "user",  "rise",  "rid",   "ride",  "hair",  "fair",  "hear",  "dear",   "fear",  "gear",
          "read",  "real",  "red",   "fed",   "led",   "lead",  "tree",  "street", "three", "feet",
          "greet", "tired", "great", "eat",   "tea",   "seat",  "heat",  "hate",   "take",  "tale",
          "taste", "to",    "too",   "tool",  "food",  "good",  "old",   "gold",   "hold",  "fold",
          "told",  "sold",  "door",  "floor", "road",  "goat",  "tooth", "frog",   "dog",   "fog",
          "log",   "hot",   "dot",   "lot",   "shot",  "stood", "store", "short",  "sort",  "fort",
          "fight", "right", "light", "tight", "sight", "eight", "fruit", "first",  "gift",  "lift",
          "soft",  "shift", "fist",  "roof",  "foot",  "four",  "hour",  "our",    "out",   "shout",
          "house", "guide", "suit",  "juice", "joke",  "jar",   "just",  "judge",  "jet",   "jog",
          "join",  "joy",   "fresh", "self",  "safe",  "leaf",  "feel",  "field",  "fee",   "staff",
          "shelf", "far",   "fit",   "kid",   "kiss",  "kite",  "dark",  "desk",   "kit",   "silk",
          "sky",   "oak"})
        Words.AddWord(W, true);
    TBankMaker Bank(Scan, Words, Sentences);
    ASSERT_TRUE(Bank.Make(Error)) << Error;
    EXPECT_LE(Bank.Entries().size(), TBankMaker::MaxEntries);
    for (int Level = 1; Level <= int(Groups.size()); ++Level) {
        const std::string Known = Scan.KnownAt(Level);
        for (unsigned char Key : Known) {
            for (int Kind : {1, 2}) {
                const TBankEntry* G = GroupFor(Bank, Key, Kind, Level);
                ASSERT_NE(G, nullptr) << Key << " at level " << Level;
                for (int I = G->First; I < G->First + G->Count; ++I) {
                    const std::string& Entry = Bank.Slots()[size_t(I)];
                    EXPECT_NE(Entry.find(char(Key)), std::string::npos) << Entry;
                    EXPECT_EQ(Entry.find_first_not_of(Known + " "), std::string::npos)
                        << "level " << Level << ": " << Entry;
                    // Once the keys make a dozen words with the letter, its
                    // words are real ones.
                    size_t Possible = 0;
                    for (const std::string& W : Words.Within(Known))
                        Possible += W.find(char(Key)) != std::string::npos;
                    if (Kind == 1 && Key != ';' && Possible >= 12) {
                        EXPECT_TRUE(Words.Contains(Entry))
                            << char(Key) << " at level " << Level << ": " << Entry;
                    }
                }
            }
        }
    }
}

TEST(CourseTool, CapitalisedWordsAreFoldedBeforeCapitalsAndKeptAsWrittenAfter) {
    TScopedTempDir Dir;
    WriteFileBytes(Dir / "common.txt",
                   "Haus\r\nrot\r\nTisch\r\nMcKay\r\nUSA\r\nalt\r\nRad\r\nist\r\n");
    TWordList Plain, Nouns;
    EXPECT_EQ(Plain.AddFile(Dir / "common.txt", false, true), 3); // rot alt ist
    EXPECT_EQ(Nouns.AddFile(Dir / "common.txt", true, true), 6);  // never McKay or USA
    const std::string Small = "ahusrotiscdl";
    const std::pair<std::string, std::vector<std::string>> Within[] = {
        {Small, {"haus", "rot", "tisch", "alt", "rad", "ist"}},
        {Small + "H", {"Haus", "rot", "alt", "ist"}}, // the others wait for their capitals
        {Small + "HTR", {"Haus", "rot", "Tisch", "alt", "Rad", "ist"}},
    };
    for (const auto& [Keys, Expected] : Within)
        EXPECT_EQ(Nouns.Within(Keys), Expected) << Keys;

    // German drills: a capital stands on a noun as written or on the first
    // word of a sentence, never on another word at random.
    for (const char* W : {"und", "der", "die", "das", "ist", "hier", "sehr", "gern"})
        Nouns.AddWord(W, true);
    const std::string Letters = "abcdefghijklmnopqrstuvwxyz";
    std::string Capitals;
    for (char C : Letters)
        Capitals.push_back(char(C - 'a' + 'A'));
    for (uint64_t Seed = 1; Seed <= 10; ++Seed) {
        TDrillMaker Early(Nouns, Letters + ".,", ".,", Seed, "de");
        for (const std::string& L : Early.WordLines(6))
            EXPECT_EQ(L.find_first_of(Capitals), std::string::npos) << L;
        TDrillMaker Maker(Nouns, Letters + Capitals + ".,", Capitals, Seed, "de");
        for (const std::string& L : Maker.WordLines(6)) {
            const std::vector<std::string> Tokens = Split(L, " ");
            for (size_t I = 0; I < Tokens.size(); ++I) {
                const std::string& T = Tokens[I];
                if (Capitals.find(T[0]) == std::string::npos) continue;
                const std::string Bare = T.substr(0, T.find_first_of(".,"));
                const bool Noun = Bare == "Haus" || Bare == "Tisch" || Bare == "Rad";
                const bool Start = I == 0 || Tokens[I - 1].back() == '.';
                EXPECT_TRUE(Noun || Start) << L;
            }
        }
    }

    // Crazy sentences take the lexicon's nouns the same way.
    WriteFileBytes(Dir / "lexicon.txt",
                   "pattern=D N V D N\nD der die\nN Hund Katze\nV sieht ruft\n");
    TSentenceMaker Sentences;
    ASSERT_TRUE(Sentences.Load(Dir / "lexicon.txt"));
    for (const std::string& S : Sentences.Make(Letters, 0, 4, 1))
        EXPECT_EQ(S.find_first_of(Capitals), std::string::npos) << S;
    const std::vector<std::string> Later = Sentences.Make(Letters + "HK", 0, 4, 1);
    EXPECT_FALSE(Later.empty());
    for (const std::string& S : Later) {
        EXPECT_EQ(S.find("hund"), std::string::npos) << S;
        EXPECT_EQ(S.find("katze"), std::string::npos) << S;
    }
}

// Word texts hold words: a capital that begins no word of the list is left
// to the letter lines, never written as a made-up group ("Yök", "Xjv").
TEST(CourseTool, WordLinesGiveCapitalsOnlyToWordsThatBeginWithThem) {
    const std::string Letters = "abcdefghijklmnopqrstuvwxyz\xE4\xF6\xFC\xE5\xDF";
    struct TCase {
        const char* Language;
        std::vector<std::string> Words;
        std::string New;     // the capitals taught
        std::string OnWords; // those some word begins with, worked out by hand
    } Cases[] = {
        {"de",
         {"Haus", "Tisch", "und", "der", "ist", "hier", "gern", "Rad", "\xC4pfel"},
         "ABCDEFGHIJKLMNOPQRSTUVWXYZ\xC4\xD6\xDC",
         "DGHIRTU\xC4"},
        {"sv", {"och", "fisk", "\xE5r", "bord", "hus", "zon"}, "XYZ\xC5\xC4\xD6OH", "ZO\xC5H"},
    };
    for (const TCase& C : Cases) {
        SCOPED_TRACE(C.Language);
        TWordList Words;
        for (const std::string& W : C.Words)
            Words.AddWord(W, true);
        std::string Known = Letters + ".,";
        for (unsigned char K : Letters)
            if (Latin1Case::Upper(K) != K) Known.push_back(char(Latin1Case::Upper(K)));
        std::set<char> OnWords, InLetterLines;
        for (uint64_t Seed = 1; Seed <= 30; ++Seed) {
            TDrillMaker Maker(Words, Known, C.New, Seed, C.Language);
            for (const std::string& L : Maker.WordLines(8))
                for (const std::string& T : Split(L, " ")) {
                    const std::string Bare = T.substr(0, T.find_first_of(".,"));
                    EXPECT_TRUE(Words.Contains(Bare)) << T << " in " << L;
                    if (C.New.find(Bare[0]) != std::string::npos) OnWords.insert(Bare[0]);
                }
            for (const std::string& L : Maker.LetterLines(3))
                for (char K : L)
                    if (C.New.find(K) != std::string::npos) InLetterLines.insert(K);
        }
        EXPECT_EQ(OnWords, std::set<char>(C.OnWords.begin(), C.OnWords.end()));
        EXPECT_EQ(InLetterLines.size(), C.New.size()); // every capital still drilled
    }
}

// A chapter picture speaks the course's language: its title, the fingers of
// the new keys by hand, and the Shift or Alt Gr key to hold (Alt Gr with the
// right thumb). UTF-8.
TEST(CourseTool, ChapterPicturesNameTheFingersInTheCoursesLanguage) {
    const std::string AppDir = std::getenv("CLAVORA_APP_DIR");
    struct TCase {
        const char* Layout;
        const char* Language;
        std::string New;
        std::string Title, Legend, Note;
        int Shift;
        bool AltGr;
    } Cases[] = {
        {"qwerty.kbd", "en", "ru", "New keys", "left: index\nright: index", "", 0, false},
        {"qwertz.kbd", "de", "fj", "Neue Tasten", "links: Zeigefinger\nrechts: Zeigefinger", "", 0,
         false},
        {"qwertz.kbd", "de", "aA\xF6", "Neue Tasten",
         "links: kleiner Finger\nrechts: kleiner Finger",
         "Umschalttaste mit der anderen Hand halten", 2, false},
        {"qwertz.kbd", "de", "@\xB5", "Neue Tasten",
         "links: kleiner Finger\nrechts: Zeigefinger, Daumen",
         "Alt Gr mit dem rechten Daumen halten", 0, true},
        {"nordic.kbd", "sv", "SK", "Nya tangenter",
         "v\xC3\xA4nster: ringfinger\nh\xC3\xB6ger: l\xC3\xA5ngfinger",
         "h\xC3\xA5ll skift med andra handen", 3, false},
        {"nordic.kbd", "sv", "\xB5", "Nya tangenter", "h\xC3\xB6ger: pekfinger, tumme",
         "h\xC3\xA5ll Alt Gr med h\xC3\xB6ger tumme", 0, true},
        {"qwerty.kbd", "xx", "q", "New keys", "left: little", "", 0, false},
    };
    for (const TCase& C : Cases) {
        SCOPED_TRACE(C.Language + (" " + C.New));
        TKeyData Layout;
        ASSERT_EQ(Layout.Load(AppDir + "/" + C.Layout), 1);
        const TPictureText T = PictureText(Layout, C.New, C.Language);
        EXPECT_EQ(T.Title, C.Title);
        EXPECT_EQ(T.Legend, C.Legend);
        EXPECT_EQ(T.Note, C.Note);
        EXPECT_EQ(T.Shift, C.Shift);
        EXPECT_EQ(T.AltGr, C.AltGr);
    }
}

} // namespace
