#include "files/TextUtils.h"
#include "files/TFile.h"
#include "tests/support/TestSupport.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

namespace {

TEST(TextUtils, TrimDropsSpacesAndTabsOnly) {
    EXPECT_EQ(Trim("  ab  "), "ab");
    EXPECT_EQ(Trim("\t a b \t"), "a b");
    EXPECT_EQ(Trim(" \t "), "");
    EXPECT_EQ(Trim("\r\nx\r\n"), "\r\nx\r\n");
}

TEST(TextUtils, SplitSkipsRunsOfSeparators) {
    EXPECT_EQ(Split("a;;b", ";"), (TStringList{"a", "b"}));
    EXPECT_EQ(Split(";;x;", ";"), (TStringList{"x"}));
    EXPECT_EQ(Split("", ";"), TStringList{});
    EXPECT_EQ(Split(";;;", ";"), TStringList{});
    EXPECT_EQ(Split("$version=1.0; beta", "=;"), (TStringList{"$version", "1.0", " beta"}));
    // The default set: space, comma, CR and LF.
    EXPECT_EQ(Split("one, two\r\nthree", ""), (TStringList{"one", "two", "three"}));
}

TEST(TextUtils, SplitTakesEscapedSeparatorsIntoTheField) {
    EXPECT_EQ(Split("a%;b;c", ";"), (TStringList{"a;b", "c"}));
    EXPECT_EQ(Split("50%=half%;whole=x", "=;"), (TStringList{"50=half;whole", "x"}));
    EXPECT_EQ(Split("%;", ";"), (TStringList{";"}));
    EXPECT_EQ(Split("100%", ";"), (TStringList{"100%"}));
    EXPECT_EQ(Split("a%;;b", ";"), (TStringList{"a;", "b"}));
}

TEST(TextUtils, CapitalizeName) {
    EXPECT_EQ(CapitalizeName("new york"), "New York");
    EXPECT_EQ(CapitalizeName("ab c"), "Ab c");
    EXPECT_EQ(CapitalizeName("BASICS"), "Basics");
    EXPECT_EQ(CapitalizeName("\xC4RGER"), "\xE4rger"); // lower-cased, but only a-z go up
    EXPECT_EQ(CapitalizeName("1st lesson"), "1st Lesson");
    EXPECT_EQ(CapitalizeName(""), "");
    EXPECT_EQ(CapitalizeName(" x"), " x");
}

TEST(TextUtils, ListNamesCapitalisesTheNamesBeforeTheFirstDot) {
    TScopedTempDir Dir;
    WriteFileBytes("GERMAN WORDS.vcb", "");
    WriteFileBytes("basic.words.VCB", "");
    WriteFileBytes(".hidden.vcb", "");
    WriteFileBytes("readme.txt", "");
    ASSERT_EQ(mkdir("dir.vcb", 0755), 0);
    EXPECT_EQ(TFile::ListNames("*.vcb"), (TStringList{"Basic", "German Words"}));
    EXPECT_EQ(TFile::ListNamesWithFirst("*.vcb", "Studied Keys"),
              (TStringList{"Studied Keys", "Basic", "German Words"}));
    EXPECT_TRUE(TFile::ListNames("*.cnt").empty());
}

} // namespace
