#include "platform/FileNames.h"
#include "tests/support/TestSupport.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

namespace {

void MakeDir(const std::string& Path) {
    ASSERT_EQ(mkdir(Path.c_str(), 0755), 0) << Path;
}

TEST(FileNames, ResolvesEveryComponentWithoutRegardToCase) {
    TScopedTempDir Dir;
    MakeDir("Course");
    MakeDir("Course/Drills");
    WriteFileBytes("Course/Drills/Drill1.TXT", "x");
    WriteFileBytes("UserBase.org", "x");

    EXPECT_EQ(ResolveFileName("userbase.ORG"), "UserBase.org");
    EXPECT_EQ(ResolveFileName("course\\drills\\DRILL1.txt"), "Course/Drills/Drill1.TXT");
    EXPECT_EQ(ResolveFileName("./COURSE/drills/../Drills/drill1.txt"),
              "./Course/Drills/../Drills/Drill1.TXT");
    EXPECT_EQ(ResolveFileName(Dir.Path() + "/COURSE/DRILLS/DRILL1.TXT"),
              Dir.Path() + "/Course/Drills/Drill1.TXT");
    // A name that exists as given is taken as it is.
    EXPECT_EQ(ResolveFileName("Course/Drills/Drill1.TXT"), "Course/Drills/Drill1.TXT");
}

TEST(FileNames, MissingNamesKeepTheRealSpellingOfTheirFolders) {
    TScopedTempDir Dir;
    MakeDir("Data");
    EXPECT_EQ(ResolveFileName("DATA\\New.kq4"), "Data/New.kq4");
    EXPECT_EQ(ResolveFileName("nowhere/DATA/x"), "nowhere/DATA/x");
    EXPECT_EQ(ResolveFileName(""), "");
}

TEST(FileNames, FoldsLatin1Letters) {
    TScopedTempDir Dir;
    WriteFileBytes("\xC4pfel.txt", "x"); // Äpfel
    EXPECT_EQ(ResolveFileName("\xE4PFEL.TXT"), "\xC4pfel.txt");
    EXPECT_FALSE(SameFileName("\xD7", "\xF7")); // × and ÷ are no letters
}

TEST(FileNames, FileExistsOnlyForOrdinaryFiles) {
    TScopedTempDir Dir;
    MakeDir("Folder");
    WriteFileBytes("Errors.log", "");
    EXPECT_TRUE(FileExists("errors.LOG"));
    EXPECT_FALSE(FileExists("folder"));
    EXPECT_TRUE(DirectoryExists("FOLDER"));
    EXPECT_FALSE(FileExists("missing.txt"));
    EXPECT_FALSE(FileExists(""));
}

TEST(FileNames, MasksMatchWithoutRegardToCase) {
    EXPECT_TRUE(MatchesMask("Basics.CNT", "*.cnt"));
    EXPECT_TRUE(MatchesMask("a.cnt", "?.cnt"));
    EXPECT_FALSE(MatchesMask("ab.cnt", "?.cnt"));
    EXPECT_FALSE(MatchesMask("basics.cnt.bak", "*.cnt"));
    EXPECT_TRUE(MatchesMask("x.cnt.cnt", "*.cnt"));
    EXPECT_TRUE(MatchesMask("noextension", "*.*"));
    EXPECT_TRUE(MatchesMask("", "*"));
    EXPECT_FALSE(MatchesMask("", "?"));
    EXPECT_TRUE(MatchesMask("aXbYc", "a*b*c"));
    EXPECT_FALSE(MatchesMask("aXbYd", "a*b*c"));
    // Many stars against a long name must not take exponential time.
    EXPECT_FALSE(MatchesMask(std::string(200, 'a'), "*a*a*a*a*a*a*a*a*a*b"));
}

TEST(FileNames, ListsOrdinaryFilesByMask) {
    TScopedTempDir Dir;
    WriteFileBytes("basics.cnt", "");
    WriteFileBytes("Advanced.CNT", "");
    WriteFileBytes(".hidden.cnt", "");
    WriteFileBytes("notes.txt", "");
    MakeDir("folder.cnt");
    MakeDir("Sub");
    WriteFileBytes("Sub/inner.cnt", "");

    EXPECT_EQ(ListFiles("*.cnt"), (std::vector<std::string>{"Advanced.CNT", "basics.cnt"}));
    EXPECT_EQ(ListFiles("SUB\\*.CNT"), (std::vector<std::string>{"inner.cnt"}));
    EXPECT_TRUE(ListFiles("*.vcb").empty());
    EXPECT_TRUE(ListFiles("missing/*.cnt").empty());
}

TEST(FileNames, RenameMovesAndRefusesToReplace) {
    TScopedTempDir Dir;
    WriteFileBytes("Userbase.kq4", "data");
    WriteFileBytes("taken.kq4", "old");
    EXPECT_TRUE(RenameFile("USERBASE.KQ4", "Backup.kq4"));
    EXPECT_FALSE(PathExists("Userbase.kq4"));
    EXPECT_EQ(ReadFileBytes("Backup.kq4"), "data");
    EXPECT_FALSE(RenameFile("backup.kq4", "TAKEN.kq4"));
    EXPECT_EQ(ReadFileBytes("taken.kq4"), "old");
    EXPECT_FALSE(RenameFile("missing", "other"));
}

TEST(FileNames, RenameCopiesAcrossFileSystems) {
    TScopedTempDir Dir;
    struct stat Here, Shm;
    if (stat(".", &Here) != 0 || stat("/dev/shm", &Shm) != 0 || Here.st_dev == Shm.st_dev)
        GTEST_SKIP() << "no second file system at hand";
    const std::string Target = "/dev/shm/clavora-rename-" + std::to_string(getpid());
    WriteFileBytes("Userbase.kq4", "record data");
    ASSERT_TRUE(RenameFile("userbase.kq4", Target));
    EXPECT_FALSE(PathExists("Userbase.kq4"));
    EXPECT_EQ(ReadFileBytes(Target), "record data");
    unlink(Target.c_str());
}

} // namespace
