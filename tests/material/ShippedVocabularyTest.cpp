// Every vocabulary the program ships, read the way the falling-words game
// reads it: a header that names it, then one word a line.
#include "files/TFile.h"
#include "files/TTextFile.h"
#include "platform/FileNames.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <set>

namespace {

TEST(ShippedVocabularies, EachNamesItselfAndHoldsEnoughDifferentWords) {
    const char* AppDir = std::getenv("CLAVORA_APP_DIR");
    ASSERT_NE(AppDir, nullptr);
    const std::vector<std::string> Files = ListFiles(std::string(AppDir) + "/*.vcb");
    EXPECT_GE(Files.size(), 7u); // five subjects and one per course language besides English
    for (const std::string& Name : Files) {
        TTextFile F;
        ASSERT_EQ(F.Open(std::string(AppDir) + "/" + Name, TTextFile::tmRead), fsOk) << Name;
        EXPECT_FALSE(F.Description.empty()) << Name;
        EXPECT_FALSE(F.Author.empty()) << Name;
        std::set<std::string> Words;
        std::string Line;
        int32_t Status = fsOk;
        while (Status == fsOk) {
            Status = F.NextLine(Line);
            const std::string W = Trim(Line);
            if (W.empty()) continue;
            EXPECT_EQ(W.find(' '), std::string::npos) << Name << ": " << W;
            EXPECT_TRUE(Words.insert(W).second) << Name << ": " << W << " twice";
        }
        EXPECT_GE(Words.size(), 30u) << Name;
    }
}

} // namespace
