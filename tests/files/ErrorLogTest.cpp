#include "files/ErrorLog.h"
#include "platform/Clock.h"
#include "platform/Dialogs.h"
#include "tests/support/TFakeClock.h"
#include "tests/support/TSeamGuard.h"
#include "tests/support/TestSupport.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

namespace {

// Answers every dialog at once and keeps what it was asked.
class ErrorLogTest : public ::testing::Test {
protected:
    void SetUp() override {
        SetDialogResponder([this](const TDialogRequest& Request) {
            Shown.push_back(Request);
            return int(mrOk);
        });
        SetClock(&Clock);
        Clock.Set(35956.5 + 1.0 / 86400.0); // 1998-06-10 12:00:01
        SetErrorLogInfo(DefaultErrorLogInfo());
    }
    std::vector<std::string> LogLines() {
        std::vector<std::string> Lines;
        const std::string Text = ReadFileBytes("Errors.log");
        size_t Start = 0;
        for (size_t End; (End = Text.find("\r\n", Start)) != std::string::npos; Start = End + 2)
            Lines.push_back(Text.substr(Start, End - Start));
        EXPECT_EQ(Start, Text.size()) << "every line ends with CR LF";
        return Lines;
    }

    TScopedTempDir Dir;
    TFakeClock Clock;
    TSeamGuard Seams;
    std::vector<TDialogRequest> Shown;
};

TEST(ErrorMessages, TableAndUnknownCodes) {
    EXPECT_EQ(ErrorMessage(-1), "File not found");
    EXPECT_EQ(ErrorMessage(0), "(0)");
    EXPECT_EQ(ErrorMessage(-801), "Time out while opening for exclusive write mode ");
    EXPECT_EQ(ErrorMessage(-802), " Time out while opening for write-denied read mode");
    EXPECT_EQ(ErrorMessage(-7), "Unknown error -7");
    EXPECT_EQ(ErrorMessage(42), "Unknown error 42");
}

TEST_F(ErrorLogTest, FirstReportCreatesTheTitleLines) {
    EXPECT_EQ(LogError(-1095, "basics.cnt"), 0);
    ASSERT_EQ(Shown.size(), 1u);
    EXPECT_EQ(Shown[0].Text, "#-1095 Contents file description invalid\n\rbasics.cnt");
    EXPECT_EQ(Shown[0].Type, mtError);
    EXPECT_EQ(Shown[0].Buttons, TMsgDlgButtons(mbOK));

    const std::vector<std::string> Lines = LogLines();
    ASSERT_EQ(Lines.size(), 6u);
    EXPECT_EQ(Lines[0], "Clavora 4.20 error file.  ");
    EXPECT_EQ(Lines[1], "Please send this file to author: support@veltrona.example! ");
    EXPECT_EQ(Lines[2], std::string(58, '-'));
    EXPECT_EQ(Lines[3], "06/10/98 12:00:01 Build 0161 (32Bit) compiled 98-06-10");
    EXPECT_EQ(Lines[4], "#-1095  Contents file description invalid");
    EXPECT_EQ(Lines[5], " - basics.cnt");
}

TEST_F(ErrorLogTest, LaterReportsAppendEntriesOnly) {
    LogError(-7, "first");
    LogErrorCode(-1505, -1);
    SetErrorLogInfo({"9.99", "0200", "64Bit", "24-01-02", "help@example.org"});
    LogErrorCode(-901, 0);

    EXPECT_EQ(Shown[0].Text.substr(0, Shown[0].Text.find('\n')), "#-7 Unknown error -7");
    EXPECT_EQ(Shown[1].Text, "#-1505 Cannot open User database\n\rFile not found");
    const std::vector<std::string> Lines = LogLines();
    ASSERT_EQ(Lines.size(), 2u + 3 * 4);
    EXPECT_EQ(Lines[4], "#-7  Unknown error -7");
    EXPECT_EQ(Lines[8], "#-1505  Cannot open User database");
    EXPECT_EQ(Lines[9], " - File not found = -1");
    EXPECT_EQ(Lines[10], std::string(58, '-'));
    EXPECT_EQ(Lines[11], "06/10/98 12:00:01 Build 0200 (64Bit) compiled 24-01-02");
    EXPECT_EQ(Lines[13], " - (0) = 0");
}

TEST_F(ErrorLogTest, LogFoundWithoutRegardToCase) {
    WriteFileBytes("errors.LOG", "existing\r\n");
    LogError(-3321, "keys");
    EXPECT_FALSE(PathExists("Errors.log"));
    EXPECT_EQ(ReadFileBytes("errors.LOG").substr(0, 10), "existing\r\n");
    EXPECT_EQ(ReadFileBytes("errors.LOG").size(), 10u + 60 + 56 + 42 + 9);
}

TEST_F(ErrorLogTest, UnwritableLogIsSkippedButTheMessageShown) {
    ASSERT_EQ(mkdir("Errors.log", 0755), 0); // a folder where the log should be
    EXPECT_EQ(LogError(-5633, ""), 0);
    EXPECT_EQ(Shown.size(), 1u);

    TScopedTempDir Other;
    ASSERT_EQ(chmod(Other.Path().c_str(), 0555), 0);
    LogErrorCode(-6123, -2);
    EXPECT_EQ(Shown.size(), 2u);
    EXPECT_EQ(Shown[1].Text,
              "#-6123 Contents file(s) *.CNT not available, program halted\n\rFile open failed");
    chmod(Other.Path().c_str(), 0755);
}

} // namespace
