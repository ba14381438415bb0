// The random source and shuffle, the interpolation of the scoring, and the
// character filters and word reader on short strings.
#include "files/SystemUtils.h"
#include "tests/support/TSeamGuard.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>
#include <type_traits>

namespace {

class RandomTest : public ::testing::Test {
protected:
    TSeamGuard Seams;
};

TStringList Letters(int Count) {
    TStringList List;
    for (int I = 0; I < Count; ++I)
        List.push_back(std::string(1, char('a' + I)));
    return List;
}

} // namespace

TEST_F(RandomTest, AFixedSeedGivesTheSameSequenceAndRandomizeLeavesItAlone) {
    FixRandomSeed(2024);
    std::vector<int> First;
    for (int I = 0; I < 20; ++I)
        First.push_back(Random(1000));
    FixRandomSeed(2024);
    Randomize();
    std::vector<int> Second;
    for (int I = 0; I < 20; ++I)
        Second.push_back(Random(1000));
    EXPECT_EQ(First, Second);
    FixRandomSeed(2025);
    EXPECT_NE(Random(1000000), Random(1000000));
}

TEST_F(RandomTest, DrawsEveryNumberOfTheRangeAndNothingOutsideIt) {
    FixRandomSeed(1);
    std::set<int> Seen;
    for (int I = 0; I < 2000; ++I) {
        const int Value = Random(10);
        ASSERT_GE(Value, 0);
        ASSERT_LT(Value, 10);
        Seen.insert(Value);
    }
    EXPECT_EQ(Seen.size(), 10u);
    EXPECT_EQ(Random(1), 0);
    EXPECT_EQ(Random(0), 0);
    EXPECT_EQ(Random(-4), 0);
}

TEST_F(RandomTest, ShuffleNeverMovesTheLastItemAndKeepsEveryItem) {
    for (int Count = 0; Count <= 8; ++Count) {
        for (uint64_t Seed = 1; Seed <= 100; ++Seed) {
            FixRandomSeed(Seed);
            TStringList List = Letters(Count);
            Shuffle(List);
            if (Count > 0) {
                EXPECT_EQ(List.back(), Letters(Count).back()) << Count << " " << Seed;
            }
            if (Count <= 2) {
                EXPECT_EQ(List, Letters(Count)) << Count << " " << Seed;
            }
            std::sort(List.begin(), List.end());
            EXPECT_EQ(List, Letters(Count));
        }
    }
}

TEST_F(RandomTest, ShuffleSpreadsTheOtherItemsOverTheOtherPositions) {
    // Three items: the first two change places half of the time.
    std::map<std::string, int> Orders;
    for (uint64_t Seed = 1; Seed <= 2000; ++Seed) {
        FixRandomSeed(Seed);
        TStringList List = Letters(3);
        Shuffle(List);
        ++Orders[List[0] + List[1] + List[2]];
    }
    ASSERT_EQ(Orders.size(), 2u);
    EXPECT_NEAR(Orders["abc"], 1000, 150);
    EXPECT_NEAR(Orders["bac"], 1000, 150);

    // Six items: the first one reaches every position but the last.
    std::set<size_t> Positions;
    for (uint64_t Seed = 1; Seed <= 300; ++Seed) {
        FixRandomSeed(Seed);
        TStringList List = Letters(6);
        Shuffle(List);
        Positions.insert(size_t(std::find(List.begin(), List.end(), "a") - List.begin()));
    }
    EXPECT_EQ(Positions, (std::set<size_t>{0, 1, 2, 3, 4}));
}

TEST(Interpolate, MapsLinearlyInSinglePrecisionWithoutClamping) {
    static_assert(std::is_same_v<decltype(Interpolate(1, 0, 60, 0, 30)), float>);
    EXPECT_FLOAT_EQ(Interpolate(1, 0, 60, 0, 30), 0.5f);
    EXPECT_FLOAT_EQ(Interpolate(4, 3, 100, 95, 95), 3.0f);
    EXPECT_FLOAT_EQ(Interpolate(4, 3, 100, 95, 97.5f), 3.5f);
    EXPECT_FLOAT_EQ(Interpolate(4, 3, 100, 95, 100), 4.0f);
    EXPECT_FLOAT_EQ(Interpolate(4, 3, 100, 95, 90), 2.0f);
    EXPECT_FLOAT_EQ(Interpolate(0, 4, 10, 0, 5), 2.0f); // a falling range
    // An empty source range would divide by zero.
    EXPECT_FLOAT_EQ(Interpolate(4, 3, 50, 50, 50), 3.0f);
}

TEST(CharacterUtilities, UpCaseCharKnowsTheLatin1Capitals) {
    const struct {
        unsigned char From, To;
    } Cases[] = {
        {'a', 'A'},   {'z', 'Z'}, {'A', 'A'}, {'1', '1'}, {' ', ' '}, {0xE4, 0xC4}, // ä Ä
        {0xF6, 0xD6},                                                               // ö Ö
        {0xE5, 0xC5},                                                               // å Å
        {0xE9, 0xC9},                                                               // é É
        {0xFE, 0xDE},                                                               // þ Þ
        {0xDF, 0xDF}, // ß has no capital
        {0xFF, 0xFF}, // nor has ÿ
        {0xF7, 0xF7}, // ÷ is no letter
        {0xC4, 0xC4},
    };
    for (const auto& C : Cases)
        EXPECT_EQ(static_cast<unsigned char>(UpCaseChar(char(C.From))), C.To) << int(C.From);
}

TEST(CharacterUtilities, CapitalizeWordsRaisesTheFirstLetterAndThoseAfterSpacesThatAreWanted) {
    const struct {
        const char* S;
        const char* Letters;
        const char* Result;
    } Cases[] = {
        {"hello world", "W", "Hello World"},
        {"HELLO WORLD", "", "Hello world"},
        {"hello world", "ABC", "Hello world"},
        {"new york city", "YC", "New York City"},
        {"one  two", "T", "One  Two"},
        {"ab c", "C", "Ab c"},                        // the last character stays
        {"\xE4pple \xE4r", "\xC4", "\xE4pple \xC4r"}, // ä is not one of a-z
        {"ALL \xC5LAND", "\xC5", "All \xC5land"},     // lowered, then raised again
        {"x", "", "X"},
        {"", "ABC", ""},
        {" lead", "L", " Lead"},
    };
    for (const auto& C : Cases)
        EXPECT_EQ(CapitalizeWords(C.S, C.Letters), C.Result) << C.S;
}

TEST(CharacterUtilities, FiltersKeepOnlyWhatTheyNameAndOnlyPlainLetters) {
    const std::string S = "Hello, World! \xC4pfel.Zz-9";
    EXPECT_EQ(RemoveCapitals(S), "ello, orld! \xC4pfel.z-9");
    EXPECT_EQ(KeepCapitals(S), "HWZ");
    EXPECT_EQ(KeepLetters(S), "HelloWorldpfelZz");
    EXPECT_EQ(KeepLettersAndPunctuation(S), "Hello,Worldpfel.Zz");
    EXPECT_EQ(UniqueChars("abracadabra"), "abrcd");
    EXPECT_EQ(UniqueChars("a A a\xE4\xE4\xC4"), "a A\xE4\xC4");
    EXPECT_EQ(UniqueChars(""), "");
    EXPECT_EQ(KeepLetters(""), "");
}

TEST(ReadWord, ReturnsWordsAndLineBreaksOneByOne) {
    const char* Text = "ab cd\r\ne";
    std::string Word;
    const char* P = ReadWord(Text, Word, 255);
    EXPECT_EQ(Word, "ab");
    P = ReadWord(P, Word, 255);
    EXPECT_EQ(Word, "cd");
    EXPECT_EQ(*P, '\r'); // the line break stays to be read next
    P = ReadWord(P, Word, 255);
    EXPECT_EQ(Word, "\r");
    P = ReadWord(P, Word, 255);
    EXPECT_EQ(Word, "e");
    P = ReadWord(P, Word, 255);
    EXPECT_EQ(Word, "");
    EXPECT_EQ(P, Text + 8);
}

TEST(ReadWord, SkipsGapsCutsAtTheCapacityAndSurvivesNoText) {
    std::string Word;
    const char Text[] = "\t \n\xFFword\xFFnext";
    const char* P = ReadWord(Text, Word, 255);
    EXPECT_EQ(Word, "word");
    EXPECT_EQ(std::string(ReadWord(P, Word, 255)), "");
    EXPECT_EQ(Word, "next");

    const char* Long = "abcdefgh ij";
    P = ReadWord(Long, Word, 3);
    EXPECT_EQ(Word, "abc");
    EXPECT_EQ(P, Long + 8); // the rest of the long word is passed over
    ReadWord(P, Word, 3);
    EXPECT_EQ(Word, "ij");

    const char* Blank = "  \r\r";
    P = ReadWord(Blank, Word, 255);
    EXPECT_EQ(Word, "\r");
    P = ReadWord(P, Word, 255);
    EXPECT_EQ(Word, "\r");
    EXPECT_EQ(*P, '\0');

    Word = "stale";
    EXPECT_EQ(ReadWord(nullptr, Word, 255), nullptr);
    EXPECT_EQ(Word, "");
    EXPECT_EQ(*ReadWord("", Word, 255), '\0');
}
