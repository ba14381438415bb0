// The contents loader on files made in the test: every recognised key
// without its value, numbers that are no numbers, limits on chapters and
// exercises, the header-only load, chapter titles.
#include "course/TContents.h"
#include "files/InputError.h"
#include "platform/Dialogs.h"
#include "tests/support/TSeamGuard.h"
#include "tests/support/TestSupport.h"
#include "users/TUser.h"

#include "platform/FileNames.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

class CourseLoad : public ::testing::Test {
protected:
    void SetUp() override {
        SetCurrentUser(std::make_unique<TUser>("Loader"));
        ClearDialogLog();
        SetDialogResponder([](const TDialogRequest&) { return int(mrOk); });
    }

    // Writes the lines as "course.cnt" and loads it.
    std::unique_ptr<TContents> Load(const std::string& Text, bool HeaderOnly = false) {
        WriteFileBytes(Dir / "course.cnt", Text);
        int32_t Status = 99;
        auto Course = std::make_unique<TContents>("course.cnt", Status, HeaderOnly);
        EXPECT_EQ(Status, 0);
        return Course;
    }

    TSeamGuard Seams;
    TScopedTempDir Dir;
};

const std::string Chapter = "begin chapter\nchapter name=1;One\n";
const std::string Block = "begin exercise\nduration=1\nevent=TEXT;1;x\nend exercise\n";

TEST_F(CourseLoad, AKeyWithoutItsValueOrABadNumberAbandonsTheLoadWithANumberedMessage) {
    struct TCase {
        std::string Text;
        int Line; // the line the message names
    };
    const TCase Cases[] = {
        {"contents name\n", 1},
        {"' comment\ndefault time=\n", 2},
        {"default time=45 minutes\n", 1},
        {"default time=99999999999\n", 1},
        {"keyboard\n", 1},
        {"wizardname=\n", 1},
        {"begin chapter\nchapter name=1\n", 2},
        {"begin chapter\npicture\n", 2},
        {"begin chapter\nnew keys=\n", 2},
        {"begin chapter\nextradesc\n", 2},
        {"begin chapter\ndurationpercent=\n", 2},
        {"begin chapter\ndurationpercent=0x40\n", 2},
        {"begin chapter\ndurationpercent=-5\n", 2},
        {"begin chapter\nbegin exercise\ntype\n", 3},
        {"begin chapter\nbegin exercise\nduration=two\n", 3},
        {"begin chapter\nbegin exercise\nevent=TEXT\n", 3},
        {"begin chapter\nbegin exercise\nevent=TEXT;one;x\n", 3},
        {"begin chapter\nbegin exercise\nevent=TEXT;-1;x\n", 3},
        // The header's lines are lines of the file too.
        {"$description=A\n$end\ncontents name\n", 3},
        {"$description=A\r\n$longdesc=B\r\n$end\r\n\r\nbegin chapter\r\nnew keys\r\n", 6},
    };
    for (const TCase& Case : Cases) {
        SCOPED_TRACE(Case.Text);
        WriteFileBytes(Dir / "course.cnt", Case.Text);
        int32_t Status = 0;
        try {
            TContents Course("course.cnt", Status);
            ADD_FAILURE() << "loaded";
        } catch (const EInputError& Error) {
            const std::string Message = Error.what();
            EXPECT_EQ(Message.rfind("#-1095 ", 0), 0u) << Message;
            EXPECT_NE(Message.find("course.cnt, line " + std::to_string(Case.Line) + ":"),
                      std::string::npos)
                << Message;
        }
        // The file was closed: it can be replaced and loaded again at once.
        EXPECT_EQ(Load("contents name=Next\n")->ContentsName, "Next");
    }
}

TEST_F(CourseLoad, AMissingFileGivesItsOpenStatusAndReadsNothing) {
    int32_t Status = 0;
    TContents Course("nowhere.cnt", Status);
    EXPECT_EQ(Status, -1);
    EXPECT_TRUE(Course.Chapters.empty());
    EXPECT_EQ(Course.DefaultTime, -1);
    EXPECT_EQ(Course.Keyboard, "all");
}

TEST_F(CourseLoad, AChapterKeepsTwoHundredExercisesAndWarnsOnce) {
    std::string Text = Chapter;
    for (int I = 0; I < 500; ++I)
        Text += Block;
    Text += "end chapter\nbegin chapter\nchapter name=2;After\nend chapter\n";
    const auto Course = Load(Text);
    ASSERT_EQ(Course->Chapters.size(), 2u); // the surplus blocks were read to their ends
    EXPECT_EQ(Course->Chapters[0]->Exercises.size(), 200u);
    EXPECT_EQ(Course->Chapters[0]->Exercises.back()->Name, "1.200");
    EXPECT_EQ(Course->Chapters[1]->Name, "After");
    ASSERT_EQ(DialogLog().size(), 1u);
    EXPECT_EQ(DialogLog()[0].Text, "Chapter object: overflow max 200 Exercises");
}

TEST_F(CourseLoad, TenThousandChaptersAreNumberedInOrder) {
    std::string Text;
    for (int I = 1; I <= 10000; ++I)
        Text += "begin chapter\nchapter name=" + std::to_string(I) + ";C" + std::to_string(I) +
                "\nnew keys=k\nend chapter\n";
    const auto Course = Load(Text);
    ASSERT_EQ(Course->Chapters.size(), 10000u);
    EXPECT_EQ(Course->Chapters.back()->Number, 10000);
    EXPECT_EQ(Course->Chapters.back()->Name, "C10000");
    EXPECT_EQ(CurrentUser->FChapterCount, 10000);
    EXPECT_TRUE(DialogLog().empty());
}

TEST_F(CourseLoad, HeaderOnlyReadsChaptersButNoExercise) {
    // An exercise block's lines look like chapter lines; a header-only load
    // must not take them for the chapter's.
    const std::string Text = "contents name=Two\nbegin chapter\nchapter name=1;First\n"
                             "begin exercise\nchapter name=9;Inside\npicture=inside.png\n"
                             "end chapter\n  End Exercise  \npicture=first.png\nend chapter\n"
                             "begin chapter\nchapter name=2;Second\nnew keys=gh\nend chapter\n";
    const auto Full = Load(Text);
    const auto Header = Load(Text, true);
    ASSERT_EQ(Header->Chapters.size(), 2u);
    EXPECT_EQ(Header->Chapters[0]->Name, "First");
    EXPECT_EQ(Header->Chapters[0]->Picture, "first.png");
    EXPECT_TRUE(Header->Chapters[0]->Exercises.empty());
    EXPECT_EQ(Full->Chapters[0]->Exercises.size(), 1u);
    // A new load empties the key groups before adding its own.
    EXPECT_EQ(CurrentUser->FKeyGroups, TStringList{"gh"});
    EXPECT_EQ(Header->ChapterTitles(true), (TStringList{"Lesson 1: First", "Lesson 2: Second"}));
    EXPECT_EQ(Header->ChapterTitles(false), (TStringList{"1. First", "2. Second"}));
}

TEST_F(CourseLoad, AScrambledCourseLoadsLikeItsPlainText) {
    const std::string Plain = "contents name=Secret\r\nbegin chapter\r\nchapter name=1;Hi\r\n"
                              "new keys=ab\r\nend chapter\r\n";
    std::string Body = Plain;
    for (char& C : Body) // scrambled files turn every byte but CR and LF by 0xA6
        if (C != '\r' && C != '\n') C = char(static_cast<unsigned char>(C) ^ 0xA6);
    const auto Scrambled = Load("$description=x\r\n$fileformat=crypted\r\n" + Body);
    ASSERT_EQ(Scrambled->Chapters.size(), 1u);
    EXPECT_EQ(Scrambled->ContentsName, "Secret");
    EXPECT_EQ(Scrambled->Chapters[0]->Name, "Hi");
    EXPECT_EQ(CurrentUser->FKeyGroups, TStringList{"ab"});
}

} // namespace

namespace {

// Every course the program ships loads without a message, and each of its
// exercises gets minutes in a 45-minute lesson and known keys from the
// chapter it belongs to.
TEST_F(CourseLoad, EveryShippedCourseLoadsCleanly) {
    const char* App = std::getenv("CLAVORA_APP_DIR");
    ASSERT_NE(App, nullptr);
    const std::vector<std::string> Courses = ListFiles(std::string(App) + "/*.cnt");
    ASSERT_FALSE(Courses.empty());
    for (const std::string& Name : Courses) {
        SCOPED_TRACE(Name);
        SetCurrentUser(std::make_unique<TUser>("Shipped"));
        ClearDialogLog();
        int32_t Status = -99;
        const TContents Course(std::string(App) + "/" + Name, Status);
        EXPECT_EQ(Status, 0);
        EXPECT_TRUE(DialogLog().empty()) << DialogLog().front().Text;
        ASSERT_FALSE(Course.Chapters.empty());
        for (const auto& Part : Course.Chapters) {
            EXPECT_FALSE(Part->Name.empty());
            for (const auto& Exercise : Part->Exercises) {
                EXPECT_GT(Exercise->Minutes, 0) << Exercise->Name;
                EXPECT_FALSE(Exercise->Events.empty()) << Exercise->Name;
            }
        }
    }
}

} // namespace
