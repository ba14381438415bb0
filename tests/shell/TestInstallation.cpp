// A broken installation says so: start-up names the folder and what is
// missing, and the program ends with a failure status. Sounds are optional.
#include "app/TMain.h"
#include "platform/Dialogs.h"
#include "shell/TBookForm.h"
#include "tests/support/ProgramFixture.h"

#include <cstdlib>
#include <dirent.h>
#include <functional>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// The shipped pictures as a folder of the test's own, without one of them.
void PicturesWithout(const std::string& Folder, const std::string& Left) {
    char Target[4096] = {};
    ASSERT_GT(readlink(Folder.c_str(), Target, sizeof Target - 1), 0);
    ASSERT_EQ(unlink(Folder.c_str()), 0);
    ASSERT_EQ(mkdir(Folder.c_str(), 0755), 0);
    DIR* Dir = opendir(Target);
    ASSERT_NE(Dir, nullptr);
    while (dirent* Entry = readdir(Dir)) {
        const std::string Name = Entry->d_name;
        if (Name == "." || Name == ".." || Name == Left) continue;
        ASSERT_EQ(
            symlink((std::string(Target) + "/" + Name).c_str(), (Folder + "/" + Name).c_str()), 0);
    }
    closedir(Dir);
}

TEST_F(ProgramTest, MissingMaterialIsNamedAndEndsTheProgram) {
    mkdir((*FDir / "config/Veltrona").c_str(), 0755);
    WriteFileBytes(*FDir / "config/Veltrona/Clavora.ini",
                   "[General Settings]\nPlayTheme=0\n[Keyboard Layouts]\nEnglish=qwerty.kbd\n");
    struct TRow {
        const char* Case;
        std::function<void()> Break;
        std::vector<std::string> Named;
    };
    const TRow Rows[] = {
        {"no sounds: silence",
         [&] {
             for (const char* Sound : {"Click.wav", "Error.wav", "Intro.wav", "Theend.wav"})
                 unlink(Shipped(Sound).c_str());
         },
         {}},
        {"a picture",
         [&] { PicturesWithout(Shipped("Pictures"), "Cover.png"); },
         {"Pictures/Cover.png"}},
        {"the help book", [&] { unlink(Shipped("Clavora.html").c_str()); }, {"CLAVORA.html"}},
        {"a folder instead of the help book",
         [&] { mkdir(Shipped("Clavora.html").c_str(), 0755); },
         {"CLAVORA.html"}},
        {"no pictures at all",
         [&] { ASSERT_EQ(std::system(("rm -r '" + Shipped("Pictures") + "'").c_str()), 0); },
         {"Pictures/", "more"}},
    };
    for (const TRow& Row : Rows) {
        SCOPED_TRACE(Row.Case);
        Row.Break();
        ClearDialogLog();
        // A program that ends at start-up shows no cover to log in on.
        LogInAs = Row.Named.empty() ? "Tester" : "";
        TDriver Driver;
        if (Row.Named.empty())
            Driver.Then(
                "running", [] { return TMain::RunningMenu == "MenuGuided"; },
                [] { BookForm->close(); });
        EXPECT_EQ(RunProgram(Driver), Row.Named.empty() ? 0 : 1);
        if (Row.Named.empty()) {
            EXPECT_TRUE(DialogLog().empty());
            continue;
        }
        ASSERT_EQ(DialogLog().size(), 1u);
        const std::string& Text = DialogLog()[0].Text;
        EXPECT_EQ(DialogLog()[0].Type, mtError);
        EXPECT_NE(Text.find(Shipped("").substr(0, Shipped("").size() - 1)), std::string::npos)
            << Text;
        for (const std::string& Name : Row.Named)
            EXPECT_NE(Text.find(Name), std::string::npos) << Name << " in " << Text;
        EXPECT_EQ(TMain::RunningMenu, "");
    }
}

} // namespace
