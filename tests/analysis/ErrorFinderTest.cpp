#include "analysis/TErrorFinder.h"
#include "users/TDifficultKeys.h"

#include <gtest/gtest.h>

namespace {

struct TPercentCase {
    const char* Model;
    const char* Typed;
    int Percent;
};

TEST(TErrorFinder, ErrorPercentFromTable) {
    const TPercentCase Cases[] = {
        {"abc", "abc", 0},
        {"abc", "ABC", 50}, // three case errors at half an error each
        {"abc", "", 100},
        {"", "abc", 100},
        {"", "", 0},
        {"abc", "ab", 33},              // the last key missing
        {"abc", "abxc", 33},            // one key too many
        {"abc", "bac", 33},             // two keys swapped
        {"abcd", "acd", 25},            // a key missing inside the word
        {"abcd", "abxd", 25},           // a wrong key
        {"abcd", "abxycd", 38},         // two keys too many: 1.5 / 4 = 37.5, halves to even
        {"abcdef", "abef", 25},         // two keys missing: 1.5 / 6
        {"abcd", "abcD", 12},           // 12.5, halves to even
        {"a", "xyz", 300},              // not capped at 100
        {"\xE9t\xE9", "\xC9t\xE9", 33}, // accented capitals are other keys
        {"1", "!", 100},
    };
    TErrorFinder Finder;
    for (const TPercentCase& Case : Cases)
        EXPECT_EQ(Finder.ErrorPercent(Case.Model, Case.Typed), Case.Percent)
            << Case.Model << " / " << Case.Typed;
}

TEST(TErrorFinder, GapsLineTheWordsUp) {
    std::string M, T;
    TErrorFinder::Align("abcd", "acd", M, T);
    EXPECT_EQ(M, "abcd");
    EXPECT_EQ(T, "a\xA4"
                 "cd");
    TErrorFinder::Align("abcd", "abxycd", M, T);
    EXPECT_EQ(M, "ab\xA4\xA4"
                 "cd");
    EXPECT_EQ(T, "abxycd");
    TErrorFinder::Align("abc", "ab", M, T);
    EXPECT_EQ(T, "ab\xA4");
}

TEST(TErrorFinder, WordsNeverGrowPastAShortString) {
    std::string Model;
    for (int I = 0; I < 255; ++I)
        Model += char('a' + I % 26);
    std::string M, T;
    // Two extra keys in front make gaps at the start of the model; the cut
    // typed word is 255 long and pushes the model's tail off.
    const int Percent = TErrorFinder::Align(Model, "zz" + Model, M, T);
    EXPECT_EQ(M.size(), 255u);
    EXPECT_EQ(T.size(), 255u);
    EXPECT_EQ(M.substr(0, 3), "\xA4\xA4"
                              "a");
    EXPECT_EQ(Percent, 1); // 1.5 / 255
    EXPECT_EQ(TErrorFinder::Align(Model + "xyz", Model + "abc", M, T), 0);
}

class TRecordErrors : public ::testing::Test {
protected:
    // The finder reports to a table of the test's own.
    TDifficultKeys Keys;
    TErrorFinder Finder{&Keys};
};

TEST_F(TRecordErrors, MissedKeysCountAsWrongAndMatchesAsRight) {
    Finder.RecordErrors("abc", "abd");
    for (unsigned char Key : {'a', 'b'}) {
        EXPECT_EQ(Keys.PendingStrokes(Key), 1);
        EXPECT_EQ(Keys.PendingErrors(Key), 0);
    }
    EXPECT_EQ(Keys.PendingErrors('c'), 1);
    EXPECT_EQ(Keys.PendingStrokes('d'), 0); // the key typed instead is not blamed

    // Keys above 127 are recorded under their own code.
    Finder.RecordErrors("\xE9t", "et");
    EXPECT_EQ(Keys.PendingErrors(0xE9), 1);
    EXPECT_EQ(Keys.PendingErrors('e'), 0);
}

TEST_F(TRecordErrors, ABouncedKeyIsAnErrorAnOtherExtraKeyIsNot) {
    Finder.RecordErrors("ab", "aab"); // 50 %: still recorded
    EXPECT_EQ(Keys.PendingStrokes('a'), 2);
    EXPECT_EQ(Keys.PendingErrors('a'), 1);
    EXPECT_EQ(Keys.PendingErrors('b'), 0);

    Finder.RecordErrors("abcd", "abxcd");
    EXPECT_EQ(Keys.PendingStrokes('x'), 0);
    // An extra key at the very start has nothing before it to bounce from.
    Finder.RecordErrors("abcd", "\x21"
                                "abcd");
    EXPECT_EQ(Keys.PendingStrokes(0x21), 0);
}

TEST_F(TRecordErrors, WordsAboveTheThresholdTeachNothing) {
    Finder.RecordErrors("abcd", "xbyz"); // 75 %
    Finder.RecordErrors("abc", "");
    for (int Key = TDifficultKeys::FirstCode; Key <= TDifficultKeys::LastCode; ++Key)
        ASSERT_EQ(Keys.PendingStrokes(Key), 0) << Key;
    Finder.Threshold = 80;
    Finder.RecordErrors("abcd", "xbyz");
    EXPECT_EQ(Keys.PendingStrokes('b'), 1);
}

} // namespace
