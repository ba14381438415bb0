// The top-ten list: its ordering, its lines, and its file shared by several
// copies of the program.
#include "files/BusyOpen.h"
#include "files/ErrorLog.h"
#include "files/RecordItems.h"
#include "files/TProgramSettings.h"
#include "files/TRecFile.h"
#include "games/TtopTen.h"
#include "platform/Clock.h"
#include "platform/Dialogs.h"
#include "platform/FileNames.h"
#include "platform/Latin1.h"
#include "platform/SharedFile.h"
#include "platform/ShortDate.h"
#include "tests/support/TFailingDevice.h"
#include "tests/support/TFakeClock.h"
#include "tests/support/TSeamGuard.h"
#include "tests/support/TestSupport.h"

#include <gtest/gtest.h>

#include <QDate>
#include <QLocale>

#include <chrono>
#include <cstdio>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

// Scores of places 1..Count.
std::vector<int32_t> Scores(const TtopTen& List) {
    std::vector<int32_t> Out;
    for (int P = 1; P <= List.Count(); ++P)
        Out.push_back(List.Entry(P).Score);
    return Out;
}

// A list file of records (name, score) written byte by byte.
std::string Records(const std::vector<std::pair<std::string, int>>& Entries) {
    std::string Bytes;
    for (const auto& [Name, Score] : Entries) {
        unsigned char Record[TtopTen::RecordSize];
        RecordItems::PutShortString(Record, Name);
        RecordItems::PutInt16(Record + 256, Score);
        RecordItems::PutShortString(Record + 258, "01/02/26");
        Bytes.append(reinterpret_cast<const char*>(Record), sizeof Record);
    }
    return Bytes;
}

class TopTen : public ::testing::Test {
protected:
    void SetUp() override {
        // The settings at their defaults: the lists lie in the current folder.
        Settings = new TProgramSettings;
        SetDialogResponder([this](const TDialogRequest& Request) {
            Shown.push_back(Request.Text);
            return Request.Buttons & mbNo ? int(mrNo) : int(mrOk);
        });
        SetBusyRetryInterval(std::chrono::milliseconds(2));
    }
    void TearDown() override {
        delete Settings;
        Settings = nullptr;
    }
    TSeamGuard Seams;
    TScopedTempDir Dir;
    std::vector<std::string> Shown;
};

} // namespace

TEST_F(TopTen, NewListIsTheDefaultsFrom930Down) {
    TtopTen List;
    EXPECT_EQ(List.Count(), 10);
    EXPECT_EQ(Scores(List),
              (std::vector<int32_t>{930, 860, 790, 720, 650, 580, 510, 440, 370, 300}));
    EXPECT_EQ(List.Entry(1).Name, "Clavora");
}

TEST_F(TopTen, EntriesAreDatedWithTheLocalesShortDateAsTheStudyReportIs) {
    // Day 46363 after 1899-12-30 is 7 December 2026; the time of day never
    // changes the date.
    TFakeClock Clock(46363.0);
    SetClock(&Clock);
    const std::string Expected =
        FromQ(QLocale::system().toString(QDate(2026, 12, 7), QLocale::ShortFormat));
    for (double Time : {46363.0, 46363.5, 46363.99999}) {
        Clock.Set(Time);
        EXPECT_EQ(TtopTen::Today(), Expected) << Time;
        EXPECT_EQ(ShortDateOf(Time), Expected) << Time;
    }
    TtopTen List;
    EXPECT_EQ(List.Entry(1).Date, Expected);
    ASSERT_EQ(List.Insert(2000, "Me"), 1);
    EXPECT_EQ(List.Entry(1).Date, Expected);
    EXPECT_EQ(ShortDateOf(46364.0),
              FromQ(QLocale::system().toString(QDate(2026, 12, 8), QLocale::ShortFormat)));
}

TEST_F(TopTen, InsertPlacesAScoreByTheExchangeRule) {
    struct {
        int32_t Score;
        int Place;
        std::vector<int32_t> After;
    } const Cases[] = {
        // Replaces the 300 at place 10, then changes places with the 370.
        {400, 9, {930, 860, 790, 720, 650, 580, 510, 440, 400, 370}},
        {350, 10, {930, 860, 790, 720, 650, 580, 510, 440, 370, 350}},
        // Equal to the last: takes its place.
        {300, 10, {930, 860, 790, 720, 650, 580, 510, 440, 370, 300}},
        {299, 0, {930, 860, 790, 720, 650, 580, 510, 440, 370, 300}},
        {5000, 1, {5000, 930, 860, 790, 720, 650, 580, 510, 440, 370}},
        // Equal to place 5: goes below it.
        {650, 6, {930, 860, 790, 720, 650, 650, 580, 510, 440, 370}},
    };
    for (const auto& C : Cases) {
        TtopTen List;
        EXPECT_EQ(List.Insert(C.Score, "New"), C.Place) << C.Score;
        EXPECT_EQ(Scores(List), C.After) << C.Score;
        if (C.Place > 0) {
            EXPECT_EQ(List.Entry(C.Place).Name, "New") << C.Score;
        }
    }
    // A list stored out of order is put in order, and the place given is
    // where the new entry ends up, though the ordering moved it down again.
    WriteFileBytes("bubbles.kqt", Records({{"A", 100}, {"B", 500}, {"C", 50}}));
    TtopTen Unsorted;
    ASSERT_EQ(Unsorted.Load("bubbles"), fsOk);
    EXPECT_EQ(Unsorted.Insert(200, "New"), 2);
    EXPECT_EQ(Scores(Unsorted), (std::vector<int32_t>{500, 200, 100}));
    EXPECT_EQ(Unsorted.Entry(2).Name, "New");

    // Two players with the same score: the later one below the earlier.
    TtopTen List;
    EXPECT_EQ(List.Insert(600, "First"), 6);
    EXPECT_EQ(List.Insert(600, "Second"), 7);
    EXPECT_EQ(List.Entry(6).Name, "First");
    EXPECT_EQ(List.Entry(7).Name, "Second");
}

TEST_F(TopTen, LinesShowANameWithSemicolonAsTheWinner) {
    TtopTen List;
    const int Place = List.Insert(2000, "Ann");
    List.SetName(Place, "A;B");
    EXPECT_EQ(List.Entry(1).Name, "A;B");
    const TStringList Lines = List.Lines(2);
    ASSERT_EQ(Lines.size(), 2u);
    EXPECT_EQ(Lines[0], "the Winner;2000;" + TtopTen::Today());
    EXPECT_EQ(Lines[1], "Clavora;930;" + TtopTen::Today());
    EXPECT_EQ(List.Lines(0).size(), 10u);
}

TEST_F(TopTen, FileRoundTripKeepsTheRecordLayout) {
    TtopTen List;
    EXPECT_EQ(List.Load("bubbles"), fsNotFound);
    EXPECT_FALSE(Shown.size());
    EXPECT_EQ(List.CreateDefault("bubbles"), fsOk);
    const std::string Bytes = ReadFileBytes("bubbles.kqt");
    ASSERT_EQ(Bytes.size(), 10u * 514);
    const auto* Raw = reinterpret_cast<const unsigned char*>(Bytes.data());
    EXPECT_EQ(RecordItems::ShortString(Raw), "Clavora");
    EXPECT_EQ(RecordItems::Int16(Raw + 9 * 514 + 256), 300);
    EXPECT_EQ(RecordItems::ShortString(Raw + 258), TtopTen::Today());

    // A second copy's new file is not emptied by CreateDefault.
    WriteFileBytes("lexidrop.kqt", Records({{"Zed", 999}}));
    EXPECT_EQ(List.CreateDefault("lexidrop"), fsOk);
    EXPECT_EQ(List.Load("lexidrop"), fsOk);
    EXPECT_EQ(List.Count(), 1);
    EXPECT_EQ(List.Entry(1).Name, "Zed");
    // One place only: 999 is beaten by 1000, not by 998.
    EXPECT_EQ(List.Insert(998, "Low"), 0);
    EXPECT_EQ(List.Insert(1000, "High"), 1);
}

TEST_F(TopTen, AFileOfMoreThanAHundredRecordsKeepsTheFirstHundred) {
    std::vector<std::pair<std::string, int>> Entries;
    for (int I = 0; I < 150; ++I)
        Entries.push_back({"P" + std::to_string(I), 20000 - I});
    WriteFileBytes("bubbles.kqt", Records(Entries) + "tail");
    TtopTen List;
    EXPECT_EQ(List.Load("bubbles"), fsOk);
    EXPECT_EQ(List.Count(), 100);
    EXPECT_EQ(List.Entry(100).Name, "P99");
    // Equal to the last of the hundred: takes its place; one less does not.
    EXPECT_EQ(List.Insert(19901, "New"), 100);
    EXPECT_EQ(List.Insert(19900, "Low"), 0);
    // Writing the list back leaves the records beyond the hundredth alone.
    EXPECT_EQ(List.Save(0), fsOk);
    const std::string Bytes = ReadFileBytes("bubbles.kqt");
    EXPECT_EQ(Bytes.size(), 150u * 514 + 4);
    EXPECT_EQ(
        RecordItems::ShortString(reinterpret_cast<const unsigned char*>(Bytes.data()) + 99 * 514),
        "New");
}

TEST_F(TopTen, CommitKeepsEntriesOtherCopiesStoredMeanwhile) {
    TtopTen Mine, Theirs;
    ASSERT_EQ(Mine.CreateDefault("lexidrop"), fsOk);
    ASSERT_EQ(Mine.Load("lexidrop"), fsOk);
    ASSERT_EQ(Theirs.Load("lexidrop"), fsOk);
    const int MyPlace = Mine.Insert(800, "Me");
    ASSERT_EQ(MyPlace, 3);
    ASSERT_EQ(Theirs.Insert(850, "You"), 3);
    EXPECT_EQ(Theirs.CommitEntry(Theirs.Entry(3)), 3);
    // Mine was loaded before theirs was stored; it goes in below it.
    EXPECT_EQ(Mine.CommitEntry(Mine.Entry(MyPlace)), 4);
    TtopTen After;
    ASSERT_EQ(After.Load("lexidrop"), fsOk);
    EXPECT_EQ(After.Entry(3).Name, "You");
    EXPECT_EQ(After.Entry(4).Name, "Me");
    EXPECT_EQ(After.Entry(10).Score, 440);
}

TEST_F(TopTen, TwoProcessesSubmittingAtOnceLoseNeitherEntry) {
    ASSERT_EQ(TtopTen().CreateDefault("bubbles"), fsOk);
    int Ready[2], Go[2];
    ASSERT_EQ(pipe(Ready), 0);
    ASSERT_EQ(pipe(Go), 0);
    pid_t Children[2];
    for (int C = 0; C < 2; ++C) {
        Children[C] = fork();
        ASSERT_GE(Children[C], 0);
        if (Children[C] != 0) continue;
        // Both load the same list, then both commit as soon as they are let go.
        close(Ready[0]);
        close(Go[1]);
        TtopTen List;
        if (List.Load("bubbles") != fsOk) _exit(2);
        const int Place = List.Insert(C == 0 ? 700 : 705, C == 0 ? "Ann" : "Bob");
        char Byte = 'r';
        if (write(Ready[1], &Byte, 1) != 1 || read(Go[0], &Byte, 1) != 1) _exit(3);
        SetBusyRetryInterval(std::chrono::milliseconds(1));
        List.CommitEntry(List.Entry(Place));
        _exit(List.Status == fsOk ? 0 : 4);
    }
    // Both have loaded the list before either is let go.
    close(Ready[1]);
    close(Go[0]);
    char Bytes[2];
    for (int Got = 0; Got < 2;) {
        const ssize_t N = read(Ready[0], Bytes + Got, size_t(2 - Got));
        ASSERT_GT(N, 0);
        Got += int(N);
    }
    EXPECT_EQ(write(Go[1], "gg", 2), 2);
    close(Go[1]);
    close(Ready[0]);
    for (pid_t Child : Children) {
        int Status = 0;
        ASSERT_EQ(waitpid(Child, &Status, 0), Child);
        EXPECT_TRUE(WIFEXITED(Status) && WEXITSTATUS(Status) == 0) << Status;
    }
    TtopTen After;
    ASSERT_EQ(After.Load("bubbles"), fsOk);
    EXPECT_EQ(Scores(After),
              (std::vector<int32_t>{930, 860, 790, 720, 705, 700, 650, 580, 510, 440}));
    EXPECT_EQ(After.Entry(5).Name, "Bob");
    EXPECT_EQ(After.Entry(6).Name, "Ann");
}

TEST_F(TopTen, AListHeldByAnotherCopyIsWaitedForThenGivenUp) {
    ASSERT_EQ(TtopTen().CreateDefault("lexidrop"), fsOk);
    // Another copy writing the list keeps everyone else out.
    TSharedFile Holder;
    ASSERT_EQ(Holder.Open("lexidrop.kqt", TFileAccess::ReadWrite, TFileShare::DenyAll), 0);
    TtopTen List;
    EXPECT_EQ(List.Load("lexidrop"), fsOpenRefused);
    EXPECT_EQ(List.Count(), 10);
    EXPECT_EQ(List.Entry(1).Score, 930);
    const int Place = List.Insert(2000, "Me");
    EXPECT_EQ(List.CommitEntry(List.Entry(Place)), 0);
    EXPECT_EQ(List.Status, fsOpenRefused);
    // Each gave up after asking once whether to try again: -802 reading,
    // -801 writing, with the list's file named.
    ASSERT_EQ(Shown.size(), 4u);
    EXPECT_NE(Shown[0].find("The network is busy"), std::string::npos);
    EXPECT_EQ(Shown[1].rfind("#-802 ", 0), 0u) << Shown[1];
    EXPECT_NE(Shown[1].find("lexidrop.kqt Topten open failed."), std::string::npos);
    EXPECT_EQ(Shown[3].rfind("#-801 ", 0), 0u) << Shown[3];
    Holder.Close();
    // Once the other copy lets go, the list is there as it was.
    EXPECT_EQ(List.Load("lexidrop"), fsOk);
    EXPECT_EQ(List.Entry(1).Score, 930);
}

TEST_F(TopTen, ANoisyFileIsReadAsTheRecordsItHolds) {
    // Random bytes: read as records; nothing else happens.
    std::string Noise;
    for (int I = 0; I < 3 * 514 + 100; ++I)
        Noise += char((I * 131 + 7) & 0xFF);
    WriteFileBytes("bubbles.kqt", Noise);
    TtopTen List;
    EXPECT_EQ(List.Load("bubbles"), fsOk);
    EXPECT_EQ(List.Count(), 3);
}

TEST_F(TopTen, AnEntryThatCannotBeStoredIsReportedAndTakesNoPlace) {
    // 720 equals the default list's fourth place and goes in below it: place 5.
    struct {
        const char* What;
        std::string DataPath;
        long long Bytes; // what the disk takes, -1 any number
        bool SyncFails;
        int32_t Status;
        std::string Message;
    } const Cases[] = {
        {"a disk that takes nothing", "", 0, false, fsWriteFailed, "#-5 File write error"},
        {"a sync that fails", "", -1, true, fsCloseFailed, "#-6 File close failed"},
        // A data folder that is not there: the list file cannot even be made.
        {"no data folder", "gone/", -1, false, fsNotFound, "#-5 File write error"},
    };
    for (const auto& C : Cases) {
        SCOPED_TRACE(C.What);
        Settings->DataPath = C.DataPath;
        std::remove("lexidrop.kqt");
        std::remove(ErrorLogName.c_str());
        Shown.clear();
        TtopTen List;
        if (C.DataPath.empty()) {
            ASSERT_EQ(List.CreateDefault("lexidrop"), fsOk);
        }
        List.Load("lexidrop");
        const std::string Before = ReadFileBytes("lexidrop.kqt");
        const int Place = List.Insert(720, "Me");
        ASSERT_EQ(Place, 5);
        TFailingDevice Disk(C.Bytes, true, C.SyncFails);
        SetFileDevice(&Disk);
        EXPECT_EQ(List.CommitEntry(List.Entry(Place)), 0);
        SetFileDevice(nullptr);
        EXPECT_EQ(List.Status, C.Status);
        // Told once, on screen and in the log, with the list's file named.
        ASSERT_EQ(Shown.size(), 1u);
        EXPECT_EQ(Shown[0].rfind(C.Message, 0), 0u) << Shown[0];
        const std::string Named = C.DataPath + "lexidrop.kqt Topten write failed.";
        EXPECT_NE(Shown[0].find(Named), std::string::npos) << Shown[0];
        EXPECT_NE(ReadFileBytes(ErrorLogName).find(Named), std::string::npos);
        if (C.Bytes == 0) {
            EXPECT_EQ(ReadFileBytes("lexidrop.kqt"), Before) << "the list as it was";
        }
    }
    EXPECT_FALSE(FileExists("gone/lexidrop.kqt"));
}

TEST_F(TopTen, AListInAFolderWeMayNotWriteIsRefusedAtOnce) {
    // A folder we may not write: the default list and a refused commit.
    if (geteuid() == 0) GTEST_SKIP() << "the superuser may write anywhere";
    ASSERT_EQ(mkdir("locked", 0755), 0);
    WriteFileBytes("locked/lexidrop.kqt", Records({{"Old", 500}}));
    ASSERT_EQ(chmod("locked/lexidrop.kqt", 0444), 0);
    ASSERT_EQ(chmod("locked", 0555), 0);
    TtopTen Locked;
    EXPECT_EQ(Locked.Load("locked/lexidrop"), fsOk);
    const int Place = Locked.Insert(600, "Me");
    EXPECT_EQ(Place, 1);
    EXPECT_EQ(Locked.CommitEntry(Locked.Entry(Place)), 0);
    EXPECT_EQ(Locked.Status, fsOpenRefused);
    EXPECT_EQ(TtopTen().CreateDefault("locked/bubbles"), fsOpenRefused);
    chmod("locked", 0755);
    EXPECT_EQ(ReadFileBytes("locked/lexidrop.kqt"), Records({{"Old", 500}}));
    // Refused at once, without the question about a busy network.
    for (const std::string& Text : Shown)
        EXPECT_EQ(Text.find("network is busy"), std::string::npos);
}
