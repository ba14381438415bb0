// Every story the program ships, read the way the story chooser and the text
// event read it: a header the chooser lists, a body worth typing.
#include "files/TFile.h"
#include "files/TTextFile.h"
#include "platform/FileNames.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

TEST(ShippedStories, EachIsListedWithItsHeaderAndHoldsAStoryOfPrintableText) {
    const std::string App = std::getenv("CLAVORA_APP_DIR");
    const std::vector<std::string> Files = ListFiles(App + "/*.exm");
    EXPECT_GE(Files.size(), 12u);
    size_t Longest = 0, Shortest = SIZE_MAX;
    for (const std::string& Name : Files) {
        TTextFile F;
        ASSERT_EQ(F.Open(App + "/" + Name, TTextFile::tmRead), fsOk) << Name;
        for (const std::string* Field : {&F.Description, &F.Author, &F.Copyright, &F.LongDesc})
            EXPECT_FALSE(Field->empty()) << Name;
        std::string Body;
        ASSERT_EQ(F.ReadAll(Body), fsOk) << Name;
        size_t Words = 0;
        bool InWord = false;
        for (unsigned char C : Body) {
            EXPECT_TRUE(C >= 32 || C == '\r' || C == '\n') << Name << ": byte " << int(C);
            const bool Letter = C > ' ';
            Words += Letter && !InWord;
            InWord = Letter;
        }
        Longest = std::max(Longest, Words);
        Shortest = std::min(Shortest, Words);
    }
    // From a short read for beginners to a long one.
    EXPECT_GE(Shortest, 150u);
    EXPECT_GE(Longest, 1500u);
}

} // namespace
