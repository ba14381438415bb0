#include "platform/FileNames.h"
#include "platform/UserFolders.h"
#include "tests/support/TSeamGuard.h"
#include "tests/support/TestSupport.h"

#include <gtest/gtest.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

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

// The program directory: the learner's layer over the shipped material, which
// is never written.
TEST(FileNames, TheUserLayerLiesOverTheShippedOne) {
    TSeamGuard Seams;
    TScopedTempDir Dir;
    for (const char* Folder : {"user", "user/Stories", "shipped", "shipped/Stories"})
        MakeDir(Folder);
    WriteFileBytes("shipped/Beginner.cnt", "shipped course");
    WriteFileBytes("shipped/UserBase.org", "empty base");
    WriteFileBytes("shipped/Stories/Fox.txt", "a fox");
    WriteFileBytes("user/beginner.CNT", "the learner's course");
    WriteFileBytes("user/Mine.cnt", "");
    WriteFileBytes("user/Stories/Own.txt", "");
    SetProgramLayers(Dir / "user", Dir / "shipped");

    const struct {
        const char* Name;
        std::string Expected;
    } Rows[] = {
        {"BEGINNER.cnt", Dir / "user/beginner.CNT"}, // the learner's copy wins
        {"userbase.ORG", Dir / "shipped/UserBase.org"},
        {"stories\\FOX.txt", Dir / "shipped/Stories/Fox.txt"},
        {"Stories/own.TXT", Dir / "user/Stories/Own.txt"},
        {"Errors.log", Dir / "user/Errors.log"}, // new files go to the learner
        {"Stories\\New.txt", Dir / "user/Stories/New.txt"},
    };
    for (const auto& Row : Rows)
        EXPECT_EQ(ResolveFileName(Row.Name), Row.Expected) << Row.Name;
    EXPECT_EQ(ResolveFileName(Dir / "shipped/beginner.cnt"), Dir / "shipped/Beginner.cnt");

    EXPECT_EQ(ListFiles("*.CNT"), (std::vector<std::string>{"beginner.CNT", "Mine.cnt"}));
    EXPECT_EQ(ListFiles("stories/*.txt"), (std::vector<std::string>{"Fox.txt", "Own.txt"}));

    // Writing shipped material writes the learner's copy of it.
    EXPECT_EQ(ResolveForWriting("stories/fox.txt"), Dir / "user/Stories/fox.txt");
    EXPECT_EQ(ReadFileBytes(Dir / "user/Stories/fox.txt"), "a fox");
    EXPECT_TRUE(CopyNewFile("UserBase.org", "Userbase.kq4"));
    EXPECT_EQ(ReadFileBytes(Dir / "user/Userbase.kq4"), "empty base");
    EXPECT_FALSE(CopyNewFile("UserBase.org", "USERBASE.kq4")) << "never replaces";
    EXPECT_EQ(ReadFileBytes(Dir / "shipped/UserBase.org"), "empty base");
    EXPECT_EQ(ListFiles(Dir / "shipped/*"),
              (std::vector<std::string>{"Beginner.cnt", "UserBase.org"}));
    EXPECT_EQ(ListFiles(Dir / "shipped/Stories/*"), (std::vector<std::string>{"Fox.txt"}));
}

TEST(FileNames, MaterialNamesStayInsideTheProgramDirectory) {
    const struct {
        const char* Name;
        bool Allowed;
    } Rows[] = {
        {"Drill1.txt", true},
        {"Stories\\Fox.txt", true},
        {"a..b.txt", true},
        {"..more.txt", true},
        {"/etc/passwd", false},
        {"\\etc\\passwd", false},
        {"../Errors.log", false},
        {"a/../../x", false},
        {"Stories\\..\\..\\x", false},
        {"..", false},
        {"", false},
    };
    for (const auto& Row : Rows)
        EXPECT_EQ(IsMaterialName(Row.Name), Row.Allowed) << Row.Name;
}

// Names from outside the program's folders: a link in the learner's folder
// that leads out of both layers is refused like a missing file, for reading,
// writing and listing, while links that stay inside are followed; a folder in
// the learner's folder never hides a shipped file of its name.
TEST(FileNames, LinksOutOfTheLayersAreRefusedAndFoldersAreNoMaterial) {
    TSeamGuard Seams;
    TScopedTempDir Dir;
    // The layers are set before the learner's folder is made, as at a first
    // start.
    SetProgramLayers(Dir / "user", Dir / "shipped");
    for (const char* Folder : {"user", "shipped", "outside", "user/qwerty.kbd", "user/Inner"})
        MakeDir(Folder);
    WriteFileBytes("outside/secret.txt", "not ours");
    WriteFileBytes("shipped/qwerty.kbd", "layout");
    WriteFileBytes("shipped/Fox.txt", "a fox");
    WriteFileBytes("user/Inner/Own.txt", "own");
    const struct {
        const char* Link;
        std::string Target;
    } Links[] = {
        {"user/Secret.txt", Dir / "outside/secret.txt"}, // out of the layers
        {"user/Away", Dir / "outside"},                  // a folder out of them
        {"user/Dangling.txt", Dir / "outside/none.txt"}, // leads nowhere
        {"user/Fox2.txt", Dir / "shipped/Fox.txt"},      // into the shipped layer
        {"user/Mine.txt", Dir / "user/Inner/Own.txt"},   // within the learner's
    };
    for (const auto& L : Links)
        ASSERT_EQ(symlink(L.Target.c_str(), (Dir / L.Link).c_str()), 0) << L.Link;

    const struct {
        const char* Name;
        std::string Read, Written; // "" refused
    } Rows[] = {
        {"secret.txt", "", ""},
        {"Away/secret.txt", "", ""},
        {"Away/New.txt", Dir / "user/Away/New.txt", ""},
        {"Dangling.txt", "", ""},
        {"Fox2.txt", Dir / "user/Fox2.txt", Dir / "user/Fox2.txt"},
        {"Mine.txt", Dir / "user/Mine.txt", Dir / "user/Mine.txt"},
        {"QWERTY.kbd", Dir / "shipped/qwerty.kbd", Dir / "user/qwerty.kbd"},
        {"Errors.log", Dir / "user/Errors.log", Dir / "user/Errors.log"}, // a new file
    };
    for (const auto& Row : Rows) {
        EXPECT_EQ(ResolveFileName(Row.Name), Row.Read) << Row.Name;
        EXPECT_EQ(ResolveForWriting(Row.Name), Row.Written) << Row.Name;
    }
    EXPECT_TRUE(FileExists("qwerty.kbd"));
    EXPECT_FALSE(FileExists("Secret.txt"));
    EXPECT_EQ(ListFiles("*.txt"), (std::vector<std::string>{"Fox.txt", "Fox2.txt", "Mine.txt"}));
    EXPECT_TRUE(ListFiles("Away/*").empty());
}

// The learner's folders come from the environment when it names them
// absolutely, else from the home folder, and without HOME from the password
// database: never from the current directory.
TEST(FileNames, TheLearnersFoldersComeFromTheEnvironmentOrThePasswordDatabase) {
    const passwd* Entry = getpwuid(getuid());
    ASSERT_NE(Entry, nullptr);
    const std::string Account = Entry->pw_dir;
    const struct {
        const char *Home, *Config, *Data;
        std::string ConfigHome, DataHome;
    } Rows[] = {
        {"/home/ann", nullptr, nullptr, "/home/ann/.config", "/home/ann/.local/share"},
        {"/home/ann", "/c", "/d", "/c", "/d"},
        {"/home/ann", "", "relative", "/home/ann/.config", "/home/ann/.local/share"},
        {nullptr, nullptr, nullptr, Account + "/.config", Account + "/.local/share"},
        {"", nullptr, "/d", Account + "/.config", "/d"},
        {"home", nullptr, nullptr, Account + "/.config", Account + "/.local/share"},
    };
    const char* Names[] = {"HOME", "XDG_CONFIG_HOME", "XDG_DATA_HOME"};
    std::string Saved[3];
    bool Had[3];
    for (int I = 0; I < 3; ++I) {
        const char* Value = getenv(Names[I]);
        Had[I] = Value != nullptr;
        Saved[I] = Value ? Value : "";
    }
    for (const auto& Row : Rows) {
        const char* Values[] = {Row.Home, Row.Config, Row.Data};
        for (int I = 0; I < 3; ++I)
            Values[I] ? setenv(Names[I], Values[I], 1) : unsetenv(Names[I]);
        EXPECT_EQ(UserFolders::ConfigHome(), Row.ConfigHome) << (Row.Home ? Row.Home : "unset");
        EXPECT_EQ(UserFolders::DataHome(), Row.DataHome) << (Row.Home ? Row.Home : "unset");
    }
    for (int I = 0; I < 3; ++I)
        Had[I] ? setenv(Names[I], Saved[I].c_str(), 1) : unsetenv(Names[I]);
}

} // namespace
