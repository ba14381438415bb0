// Keyboard layouts: loading rows of fields, and the facts of every shipped
// layout file.
#include "keyboard/TKeyData.h"

#include "files/TFile.h"
#include "tests/support/TestSupport.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <vector>

namespace {

const std::string FourRows = "`~ 1! 2@ 3# 4$ 5%\xA4 6^ 7& 8* 9( 0) -_ =+\r\n"
                             "qQ wW eE rR tT yY uU iI oO pP [{ ]}\r\n"
                             "aA sS dD fF gG hH jJ kK lL ;: '\" \\|\r\n"
                             "\xA4 zZ xX cC vV bB nN mM ,< .> /?\r\n";

// One expected fact about a character after loading.
struct TFact {
    char C;
    int32_t Key, Finger, Modifier;
};

struct TLoadCase {
    const char* Name;
    std::vector<std::string> Files; // loaded in order into one layout
    std::vector<TFact> Facts;
};

TEST(KeyData, LoadingFilesGivesKeysFingersAndModifiers) {
    const TLoadCase Cases[] = {
        {"a three-character field",
         {"\r\nqQ| wW\r\n"},
         {{'q', 14, 1, 0}, {'Q', 14, 1, 2}, {'|', 14, 1, 4}, {'w', 15, 2, 0}}},
        {"Shift on the right hand needs the left Shift",
         {"\r\n\r\n\r\n\xA4 zZ xX cC vV bB nN mM ,<"},
         {{'<', 46, 6, 1}, {'N', 44, 5, 1}, {'B', 43, 4, 2}}},
        {"a one-character field", {"x"}, {{'x', 1, 1, 0}, {'\xA4', -1, -1, 0}}},
        {"runs of spaces count as one",
         {"a    b\tc d"},
         {{'a', 1, 1, 0}, {'b', 2, 1, 0}, {'\t', 2, 1, 2}, {'c', 2, 1, 4}, {'d', 3, 1, 0}}},
        {"a fourteenth field runs into the next row",
         {"1 2 3 4 5 6 7 8 9 0 - = ` q"},
         {{'q', 14, 1, 0}, {'`', 13, 8, 0}}},
        {"the next row overwrites the runover",
         {"1 2 3 4 5 6 7 8 9 0 - = ` q\r\nw"},
         {{'w', 14, 1, 0}, {'q', -1, -1, 0}}},
        {"empty lines are rows too", {"\r\n\r\nhH"}, {{'h', 26, 1, 0}, {'H', 26, 1, 2}}},
        {"a fifth line changes nothing",
         {FourRows + "QQ WW EE\r\n"},
         {{'Q', 14, 1, 2}, {'W', 15, 2, 2}, {'`', 1, 1, 0}}},
        {"past key 48 nothing lands",
         {"\r\n\r\n\r\n1 2 3 4 5 6 7 8 9 0 a b"},
         {{'0', 47, 7, 0}, {'a', 48, 8, 0}, {'b', -1, -1, 0}}},
        {"three rows over four keep the fourth",
         {FourRows, "!1 @2 #3\r\n\r\nxX"},
         {{'1', 1, 1, 2}, {'x', 26, 1, 0}, {'z', 39, 1, 0}, {'/', 48, 8, 0}}},
        {"a later key wins a character", {"ab ab"}, {{'a', 2, 1, 0}, {'b', 2, 1, 2}}},
        {"nothing at a level is not a character",
         {"\xA4\xA4\xA4 1\xA4!"},
         {{'\xA4', -1, -1, 0}, {'!', 2, 1, 4}, {'1', 2, 1, 0}}},
        {"a percent sign kept with a third character",
         {"`~ 1! 2@ 3# 4$ 5%\xA4 6^"},
         {{'%', 6, 4, 2}, {'5', 6, 4, 0}, {'6', 7, 4, 0}}},
        {"space, CR and NUL have no key",
         {FourRows},
         {{' ', -1, 9, 0}, {'\r', -1, 8, 0}, {'\0', -1, -1, 0}}},
        {"a key given new characters gives up its old ones",
         {"\r\n\r\naA \xE4\xC4", "\r\n\r\naA '\""},
         {{'\xE4', -1, -1, 0}, {'"', 27, 2, 2}}},
    };
    for (const TLoadCase& Case : Cases) {
        SCOPED_TRACE(Case.Name);
        TScopedTempDir Dir;
        TKeyData Data;
        for (const std::string& Body : Case.Files) {
            WriteFileBytes(Dir / "test.kbd", Body);
            ASSERT_EQ(Data.Load(Dir / "test.kbd"), fsOk);
        }
        for (const TFact& F : Case.Facts) {
            SCOPED_TRACE(std::string("character ") + F.C);
            EXPECT_EQ(Data.KeyOf(F.C), F.Key);
            EXPECT_EQ(Data.FingerOf(F.C), F.Finger);
            EXPECT_EQ(Data.ModifierOf(F.C), F.Modifier);
        }
    }
}

TEST(KeyData, KeyCharReadsTheLevelsOfAPlace) {
    TScopedTempDir Dir;
    WriteFileBytes(Dir / "test.kbd", "\r\nqQ| x \xA4\xA4@");
    TKeyData Data;
    ASSERT_EQ(Data.Load(Dir / "test.kbd"), fsOk);
    struct {
        int Row, Column, Level;
        char Expected;
    } const Cases[] = {
        {2, 1, 0, 'q'},  {2, 1, 1, 'Q'},  {2, 1, 2, 'Q'},  {2, 1, 4, '|'},  {2, 1, 3, '\0'},
        {2, 2, 0, 'x'},  {2, 2, 1, ' '},  {2, 2, 4, ' '},  {2, 3, 0, ' '},  {2, 3, 4, '@'},
        {1, 14, 0, 'q'}, {2, 0, 0, '\0'}, {0, 1, 0, '\0'}, {5, 1, 0, '\0'}, {4, 12, 0, '\0'},
    };
    for (const auto& C : Cases) {
        SCOPED_TRACE(testing::Message() << C.Row << "," << C.Column << " level " << C.Level);
        EXPECT_EQ(Data.KeyChar(C.Row, C.Column, C.Level), C.Expected);
    }
}

TEST(KeyData, FailedLoadsKeepTheLayout) {
    TScopedTempDir Dir;
    TKeyData Data;
    WriteFileBytes(Dir / "good.kbd", FourRows);
    ASSERT_EQ(Data.Load(Dir / "good.kbd"), fsOk);
    EXPECT_EQ(Data.Load(Dir / "missing.kbd"), fsNotFound);
    // A header tag that lacks its value makes the file unreadable.
    WriteFileBytes(Dir / "bad.kbd", "$version\r\nxX\r\n");
    EXPECT_LT(Data.Load(Dir / "bad.kbd"), 0);
    // A header alone defines nothing.
    WriteFileBytes(Dir / "header.kbd", "$version=1\r\n$end\r\n");
    EXPECT_EQ(Data.Load(Dir / "header.kbd"), fsOk);
    EXPECT_EQ(Data.KeyOf('x'), 40);
    EXPECT_EQ(Data.KeyOf('`'), 1);
}

TEST(KeyData, DeadKeyLinesOfTheHeaderNameTheLettersNoKeyGives) {
    // Each character: whether a dead key makes it, and then which and of what.
    struct TMade {
        char C;
        bool Composed;
        char Dead, Letter;
    };
    const std::string Spanish =
        "$deadkey=\xB4 a\xE1 e\xE9 E\xC9\r\n$deadkey=\xA8 u\xFC\r\n$end\r\n";
    const struct {
        const char* Name;
        std::vector<std::string> Files; // loaded in order into one layout
        std::vector<TMade> Made;
        bool AcuteIsDead; // the acute accent's key waits for the next key
    } Cases[] = {
        {"each pair is a letter and what the dead key makes of it",
         {Spanish + FourRows},
         {{'\xE1', true, '\xB4', 'a'},
          {'\xC9', true, '\xB4', 'E'},
          {'\xFC', true, '\xA8', 'u'},
          {'\xED', false, 0, 0},
          {'a', false, 0, 0}},
         true},
        {"a character a key gives is typed with that key",
         {Spanish + "\r\n\r\n\xFC\xDC"},
         {{'\xFC', false, 0, 0}, {'\xE9', true, '\xB4', 'e'}},
         true},
        {"pairs of other lengths, nothing and spaces are passed over",
         {"$deadkey=\xB4 a\xE1x e \xA4\xE9 o\xF3\r\n$deadkey= i\xED\r\n$deadkey\r\nx"},
         {{'\xE1', false, 0, 0},
          {'\xE9', false, 0, 0},
          {'\xF3', true, '\xB4', 'o'},
          {'\xED', false, 0, 0}},
         true},
        {"a layout loaded over another keeps none of its dead keys",
         {Spanish + FourRows, FourRows},
         {{'\xE1', false, 0, 0}},
         false},
    };
    for (const auto& Case : Cases) {
        SCOPED_TRACE(Case.Name);
        TScopedTempDir Dir;
        TKeyData Data;
        for (const std::string& Body : Case.Files) {
            WriteFileBytes(Dir / "test.kbd", Body);
            ASSERT_EQ(Data.Load(Dir / "test.kbd"), fsOk);
        }
        for (const TMade& M : Case.Made) {
            SCOPED_TRACE(std::string("character ") + M.C);
            char Dead = 0, Letter = 0;
            EXPECT_EQ(Data.ComposedOf(M.C, Dead, Letter), M.Composed);
            EXPECT_EQ(Dead, M.Dead);
            EXPECT_EQ(Letter, M.Letter);
        }
        EXPECT_EQ(Data.IsDeadKey('\xB4'), Case.AcuteIsDead);
        EXPECT_FALSE(Data.IsDeadKey('a'));
    }
}

TEST(KeyData, FingerNamesRunFromTheLeftLittleFingerToTheThumb) {
    const char* const Names[] = {"-",
                                 "left little finger",
                                 "left ring finger",
                                 "left middle finger",
                                 "left index finger",
                                 "right index finger",
                                 "right middle finger",
                                 "right ring finger",
                                 "right little finger",
                                 "thumb",
                                 "-"};
    for (int Finger = 0; Finger <= 10; ++Finger)
        EXPECT_EQ(TKeyData::FingerName(Finger), Names[Finger]);
    EXPECT_EQ(TKeyData::FingerName(-1), "-");
}

std::string AppDir() {
    const char* Dir = std::getenv("CLAVORA_APP_DIR");
    return Dir ? Dir : ".";
}

// The characters each shipped layout must give: its letters, the digits and
// the usual punctuation.
struct TShipped {
    const char* File;
    const char* Letters;
};
const TShipped Shipped[] = {
    {"qwerty.kbd", ""},
    {"uk.kbd", ""},
    {"qwertz.kbd", "\xE4\xF6\xFC\xDF\xC4\xD6\xDC"},
    {"azerty.kbd", "\xE9\xE8\xE7\xE0\xF9"},
    {"spanish.kbd", "\xF1\xE7\xD1\xC7"},
    {"portuguese.kbd", "\xE7\xC7"},
    {"italian.kbd", "\xE8\xE9\xF2\xE0\xF9\xEC\xE7"},
    {"nordic.kbd", "\xE5\xE4\xF6\xC5\xC4\xD6"},
    {"danish.kbd", "\xE6\xF8\xE5\xC6\xD8\xC5"},
    {"norwegian.kbd", "\xE6\xF8\xE5\xC6\xD8\xC5"},
    {"icelandic.kbd", "\xF0\xE6\xF6\xFE\xD0\xC6\xD6\xDE"},
    {"hungarian.kbd", "\xF6\xFC\xF3\xE9\xE1\xED\xFA\xD6\xDC\xD3\xC9\xC1\xCD\xDA"},
    {"swiss.kbd", "\xFC\xF6\xE4\xE8\xE9\xE0\xE7"},
    {"belgian.kbd", "\xE9\xE8\xE7\xE0\xF9\xB5"},
    {"brazilian.kbd", "\xE7\xC7"},
    {"latam.kbd", "\xF1\xD1\xBF\xA1"},
    {"canadian.kbd", "\xE9\xC9"},
};

TEST(KeyData, EveryShippedLayoutGivesItsLanguageOneKeyPerCharacter) {
    std::string Common = "0123456789.,;:-?!'\"()%";
    for (char C = 'a'; C <= 'z'; ++C)
        Common += {C, char(C - 32)};
    for (const TShipped& Layout : Shipped) {
        SCOPED_TRACE(Layout.File);
        TKeyData Data;
        ASSERT_EQ(Data.Load(AppDir() + "/" + Layout.File), fsOk);
        for (char C : Common + Layout.Letters) {
            SCOPED_TRACE(std::string("character ") + C);
            int Places = 0;
            for (int Key = 1; Key <= TKeyData::KeyCount; ++Key) {
                const TKeyData::TKey& K = Data.Key(Key);
                Places += (K.Base == C) + (K.Shift == C) + (K.AltGr == C);
            }
            EXPECT_EQ(Places, 1);
            EXPECT_GE(Data.FingerOf(C), 1);
            EXPECT_LE(Data.FingerOf(C), 8);
        }
        // A letter key gives its capital with Shift, and the Shift side of
        // every key's Shift character is the other hand's.
        for (int Key = 1; Key <= TKeyData::KeyCount; ++Key) {
            const TKeyData::TKey& K = Data.Key(Key);
            if (K.Base >= 'a' && K.Base <= 'z') {
                EXPECT_EQ(K.Shift, K.Base - 32) << "key " << Key;
            }
            if (K.Shift == ' ' || Data.KeyOf(K.Shift) != Key) continue;
            const bool LeftHand = Key <= 7 || (Key >= 14 && Key <= 18) ||
                                  (Key >= 26 && Key <= 30) || (Key >= 38 && Key <= 43);
            EXPECT_EQ(Data.ModifierOf(K.Shift), LeftHand ? 2 : 1) << "key " << Key;
        }
    }
}

TEST(KeyData, ShippedDeadKeysAndTheirLettersAreKeysOfTheLayout) {
    // What the learner's desktop makes of a dead key and a letter, for the
    // characters its own keys do not give.
    struct {
        const char* File;
        char C, Dead, Letter;
    } const Made[] = {
        {"spanish.kbd", '\xE9', '\xB4', 'e'},  {"spanish.kbd", '\xDC', '\xA8', 'U'},
        {"spanish.kbd", '\xE0', '`', 'a'},     {"azerty.kbd", '\xF4', '^', 'o'},
        {"azerty.kbd", '\xEB', '\xA8', 'e'},   {"qwertz.kbd", '\xE9', '\xB4', 'e'},
        {"qwertz.kbd", '\xEA', '^', 'e'},      {"portuguese.kbd", '\xE3', '~', 'a'},
        {"nordic.kbd", '\xFC', '\xA8', 'u'},   {"icelandic.kbd", '\xE5', '\xB0', 'a'},
        {"swiss.kbd", '\xF4', '^', 'o'},       {"belgian.kbd", '\xEA', '^', 'e'},
        {"brazilian.kbd", '\xE3', '~', 'a'},   {"latam.kbd", '\xE1', '\xB4', 'a'},
        {"canadian.kbd", '\xC7', '\xB8', 'C'},
    };
    for (const auto& M : Made) {
        SCOPED_TRACE(std::string(M.File) + " character " + M.C);
        TKeyData Data;
        ASSERT_EQ(Data.Load(AppDir() + "/" + M.File), fsOk);
        char Dead = 0, Letter = 0;
        ASSERT_TRUE(Data.ComposedOf(M.C, Dead, Letter));
        EXPECT_EQ(Dead, M.Dead);
        EXPECT_EQ(Letter, M.Letter);
    }
    // Whatever a shipped layout makes with a dead key, the dead key and the
    // letter are keys of that layout, and the character is none.
    for (const TShipped& Layout : Shipped) {
        SCOPED_TRACE(Layout.File);
        TKeyData Data;
        ASSERT_EQ(Data.Load(AppDir() + "/" + Layout.File), fsOk);
        for (int Code = 0; Code < 256; ++Code) {
            char Dead = 0, Letter = 0;
            if (!Data.ComposedOf(char(Code), Dead, Letter)) continue;
            SCOPED_TRACE(testing::Message() << "character " << Code);
            EXPECT_EQ(Data.KeyOf(char(Code)), -1);
            EXPECT_GT(Data.KeyOf(Dead), 0);
            EXPECT_GT(Data.KeyOf(Letter), 0);
        }
    }
}

TEST(KeyData, ShiftCharactersOfKnownLayoutsNeedTheOtherHandsShift) {
    struct {
        const char* File;
        char C;
        int32_t Key, Finger, Modifier;
    } const Cases[] = {
        {"qwerty.kbd", '!', 2, 1, 2},
        {"qwerty.kbd", ')', 11, 7, 1},
        {"qwerty.kbd", '"', 36, 8, 1},
        {"qwerty.kbd", '%', 6, 4, 2},
        {"qwertz.kbd", '"', 3, 1, 2},
        {"qwertz.kbd", '=', 11, 7, 1},
        {"qwertz.kbd", '@', 14, 1, 4},
        {"qwertz.kbd", 'Y', 39, 1, 2},
        {"qwertz.kbd", '\xB5', 45, 5, 4},
        {"azerty.kbd", '1', 2, 1, 2},
        {"azerty.kbd", '%', 36, 8, 1},
        {"azerty.kbd", 'A', 14, 1, 2},
        {"nordic.kbd", '$', 5, 3, 4},
        {"nordic.kbd", '\xC5', 24, 8, 1},
        {"hungarian.kbd", '0', 1, 1, 0},
        {"hungarian.kbd", '\xF7', 24, 8, 4},
        {"uk.kbd", '@', 36, 8, 1},
        {"uk.kbd", '|', 38, 1, 2},
        // Swiss German: z and y change places as on a German keyboard, the
        // umlauts give the French accents with Shift, and $ sits by Enter.
        {"swiss.kbd", 'z', 19, 5, 0},
        {"swiss.kbd", 'Y', 39, 1, 2},
        {"swiss.kbd", '\xF6', 35, 8, 0},
        {"swiss.kbd", '\xE9', 35, 8, 1},
        {"swiss.kbd", '\xE8', 24, 8, 1},
        {"swiss.kbd", '$', 37, 8, 0},
        {"swiss.kbd", '@', 3, 1, 4},
        {"swiss.kbd", '\xE7', 5, 3, 2},
        // Belgian: AZERTY with the digits on Shift and = beside the last
        // letter of the lower row.
        {"belgian.kbd", '1', 2, 1, 2},
        {"belgian.kbd", 'a', 14, 1, 0},
        {"belgian.kbd", 'm', 35, 8, 0},
        {"belgian.kbd", '=', 48, 8, 0},
        {"belgian.kbd", '@', 3, 1, 4},
        {"belgian.kbd", '\xB5', 37, 8, 0},
        // Brazilian ABNT2: the c cedilla on the home row; / and ? with Alt
        // Gr on q and w, for the key this model has no place for.
        {"brazilian.kbd", '\xE7', 35, 8, 0},
        {"brazilian.kbd", '/', 14, 1, 4},
        {"brazilian.kbd", '?', 15, 2, 4},
        {"brazilian.kbd", ';', 48, 8, 0},
        {"brazilian.kbd", '"', 1, 1, 2},
        {"brazilian.kbd", '@', 3, 1, 2},
        // Latin American: the n tilde, @ with Alt Gr on q, brackets with
        // Shift on the brace keys.
        {"latam.kbd", '\xF1', 35, 8, 0},
        {"latam.kbd", '@', 14, 1, 4},
        {"latam.kbd", '{', 36, 8, 0},
        {"latam.kbd", '[', 36, 8, 1},
        {"latam.kbd", '\xBF', 13, 8, 0},
        {"latam.kbd", '|', 1, 1, 0},
        // Canadian French: QWERTY with e acute at the end of the lower row
        // and # left of 1; ^ is typed without Shift though Shift gives it too.
        {"canadian.kbd", '\xE9', 48, 8, 0},
        {"canadian.kbd", '\xC9', 48, 8, 1},
        {"canadian.kbd", '#', 1, 1, 0},
        {"canadian.kbd", '/', 4, 2, 2},
        {"canadian.kbd", '?', 7, 4, 2},
        {"canadian.kbd", '^', 24, 8, 0},
        {"canadian.kbd", '\'', 46, 6, 1},
    };
    for (const auto& C : Cases) {
        SCOPED_TRACE(std::string(C.File) + " character " + C.C);
        TKeyData Data;
        ASSERT_EQ(Data.Load(AppDir() + "/" + C.File), fsOk);
        EXPECT_EQ(Data.KeyOf(C.C), C.Key);
        EXPECT_EQ(Data.FingerOf(C.C), C.Finger);
        EXPECT_EQ(Data.ModifierOf(C.C), C.Modifier);
    }
}

} // namespace
