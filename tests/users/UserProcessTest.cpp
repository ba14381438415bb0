// Several copies of the program on one database: the helper program holds,
// saves and crashes while this process works on the same file.
#include "platform/Dialogs.h"
#include "tests/support/TSeamGuard.h"
#include "tests/support/TestSupport.h"
#include "tests/users/Generations.h"
#include "tests/users/TCopy.h"
#include "users/TUser.h"

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <random>
#include <set>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace {

using Clock = std::chrono::steady_clock;
using std::chrono::milliseconds;

double MsSince(Clock::time_point Start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - Start).count();
}

const std::map<QString, QString> FastGiveUp = {
    {QStringLiteral("CLAVORA_RETRY_MS"), QStringLiteral("5")},
    {QStringLiteral("CLAVORA_BUSY_ANSWER"), QStringLiteral("no")}};

class Copies : public ::testing::Test {
protected:
    void SetUp() override {
        CreateDifficultKeys();
        SetDialogResponder([this](const TDialogRequest& Request) {
            Shown.push_back(Request.Text);
            return Request.Buttons & mbNo ? int(mrNo) : int(mrOk);
        });
        TUser::SetRetryInterval(milliseconds(5));
    }
    void TearDown() override { FreeDifficultKeys(); }
    // Learners "U0".."U<n-1>", each at generation 1000 + its number.
    static void Learners(int Count) {
        std::string Bytes;
        TDifficultKeys Keys;
        for (int I = 0; I < Count; ++I) {
            TUser User("U" + std::to_string(I), &Keys);
            Generations::Apply(User, 1000 + I);
            TRecordBuffer Record;
            User.WriteRecord(Record);
            Bytes.append(Record.Bytes().begin(), Record.Bytes().end());
        }
        WriteFileBytes("Userbase.kq4", Bytes);
    }
    bool Asked() const {
        for (const std::string& Text : Shown)
            if (Text.find("network is busy") != std::string::npos) return true;
        return false;
    }

    TSeamGuard Seams;
    TScopedTempDir Dir;
    std::vector<std::string> Shown;
};

TEST_F(Copies, ReadersGoTogether) {
    Learners(3);
    TCopy First({QStringLiteral("hold"), QStringLiteral("read")});
    ASSERT_EQ(First.ReadLine(), "open 1");
    TCopy Second({QStringLiteral("hold"), QStringLiteral("read")}, FastGiveUp);
    EXPECT_EQ(Second.ReadLine(), "open 1");
    std::unique_ptr<TUser> User = TUser::FindUser("u2");
    ASSERT_NE(User, nullptr);
    EXPECT_EQ(Generations::Mismatch(*User, 1002), "");
    EXPECT_EQ(TUser::GetUserList()->size(), 3u);
    EXPECT_TRUE(Shown.empty());
    First.Release();
    Second.Release();
    EXPECT_EQ(First.Finish(), 0);
    EXPECT_EQ(Second.Finish(), 0);
}

TEST_F(Copies, AReaderMakesAWriterWaitFourteenRetriesThenAsks) {
    Learners(2);
    const std::string Before = ReadFileBytes("Userbase.kq4");
    TCopy Reader({QStringLiteral("hold"), QStringLiteral("read")});
    ASSERT_EQ(Reader.ReadLine(), "open 1");
    std::unique_ptr<TUser> User = TUser::FindUser("U1");
    ASSERT_NE(User, nullptr);
    Generations::Apply(*User, 5);

    // The real pause: the first try and 14 more, 200 ms apart.
    TUser::SetRetryInterval(milliseconds(200));
    const auto Start = Clock::now();
    EXPECT_EQ(User->Save(), -2);
    const double Waited = MsSince(Start);
    EXPECT_GE(Waited, 14 * 200);
    EXPECT_LT(Waited, 14 * 200 + 1500);
    ASSERT_EQ(Shown.size(), 2u);
    EXPECT_TRUE(Asked());
    EXPECT_EQ(Shown[1].substr(0, 5), "#-801");
    EXPECT_EQ(ReadFileBytes("Userbase.kq4"), Before);
    EXPECT_EQ(Generations::Mismatch(*User, 5), ""); // still in memory

    // A shared update is kept out too, silently.
    TRecFile File;
    TUser::SetRetryInterval(milliseconds(5));
    Shown.clear();
    EXPECT_EQ(TUser::OpenDatabase(File, TUser::daSharedUpdate), -2);
    EXPECT_EQ(Shown.size(), 1u);

    Reader.Release();
    EXPECT_EQ(Reader.Finish(), 0);
    EXPECT_EQ(User->Save(), 2);
}

TEST_F(Copies, AWriterKeepsOutReadersAndWriters) {
    Learners(2);
    TCopy Writer({QStringLiteral("hold"), QStringLiteral("update")});
    ASSERT_EQ(Writer.ReadLine(), "open 1");

    EXPECT_EQ(TUser::FindUser("U0"), nullptr);
    ASSERT_EQ(Shown.size(), 3u);
    EXPECT_EQ(Shown[1].substr(0, 5), "#-802");
    EXPECT_EQ(Shown[2], "#-1506 Cannot open User database");
    Shown.clear();
    EXPECT_EQ(TUser::CreateUser("New"), nullptr);
    EXPECT_EQ(Shown[1].substr(0, 5), "#-801");
    EXPECT_EQ(Shown[2].substr(0, 6), "#-1505");

    TCopy OtherReader({QStringLiteral("hold"), QStringLiteral("read")}, FastGiveUp);
    EXPECT_EQ(OtherReader.ReadLine(), "open -2");
    TCopy OtherWriter({QStringLiteral("hold"), QStringLiteral("update")}, FastGiveUp);
    EXPECT_EQ(OtherWriter.ReadLine(), "open -2");
    OtherReader.Release();
    OtherWriter.Release();

    Writer.Release();
    EXPECT_EQ(Writer.Finish(), 0);
    EXPECT_NE(TUser::FindUser("U0"), nullptr);
}

TEST_F(Copies, ASaveWaitsWhileTheFileIsHeldAndGoesThroughWhenItIsLetGo) {
    Learners(3);
    TRecFile Held;
    ASSERT_EQ(TUser::OpenDatabase(Held, TUser::daRead), 1);
    // The other copy tries again every 200 ms and would say yes to go on.
    TCopy Saver({QStringLiteral("save"), QStringLiteral("U1"), QStringLiteral("4321")});
    EXPECT_EQ(Saver.ReadLine(900), ""); // nothing within 900 ms: it waits
    EXPECT_TRUE(Saver.Running());
    Held.Close();
    const std::string Line = Saver.ReadLine(3000);
    EXPECT_EQ(Line.substr(0, 8), "saved 2 ");
    EXPECT_EQ(Saver.Finish(), 0);
    std::unique_ptr<TUser> User = TUser::FindUser("U1");
    ASSERT_NE(User, nullptr);
    EXPECT_EQ(Generations::Mismatch(*User, 4321), "");
    EXPECT_EQ(Generations::Mismatch(*TUser::FindUser("U2"), 1002), "");
}

TEST_F(Copies, AKilledWriterNeverHarmsAnotherLearnersRecord) {
    constexpr int Learners = 20;
    constexpr int Victim = 10;
    this->Learners(Learners);
    const std::string Original = ReadFileBytes("Userbase.kq4");
    std::mt19937 Random(2024);
    int Torn = 0;
    for (int Kill = 0; Kill < 50; ++Kill) {
        TCopy Crasher({QStringLiteral("crash"), QStringLiteral("U") + QString::number(Victim)});
        ASSERT_EQ(Crasher.ReadLine(), "ready") << Crasher.Errors();
        std::this_thread::sleep_for(milliseconds(Random() % 40));
        Crasher.Kill();

        const std::string Now = ReadFileBytes("Userbase.kq4");
        ASSERT_GE(Now.size(), Original.size());
        for (int I = 0; I < Learners; ++I) {
            if (I == Victim) continue;
            ASSERT_EQ(Now.compare(size_t(I) * 2504, 2504, Original, size_t(I) * 2504, 2504), 0)
                << "learner " << I << " after kill " << Kill;
        }
        std::unique_ptr<TUser> Own = TUser::FindUser("U" + std::to_string(Victim));
        ASSERT_NE(Own, nullptr);
        const int Gen = Generations::Of(*Own);
        if (!Generations::Mismatch(*Own, Gen).empty()) ++Torn;
    }
    // Every learner reads back whole, extra learners made by the killed
    // copies included, and the next new learner makes the file whole again.
    ClearDialogLog();
    for (int I = 0; I < Learners; ++I) {
        if (I == Victim) continue;
        std::unique_ptr<TUser> User = TUser::FindUser("U" + std::to_string(I));
        ASSERT_NE(User, nullptr);
        EXPECT_EQ(Generations::Mismatch(*User, 1000 + I), "");
    }
    ASSERT_NE(TUser::CreateUser("After"), nullptr);
    const std::string Final = ReadFileBytes("Userbase.kq4");
    ASSERT_EQ(Final.size() % 2504, 0u);
    std::set<std::string> Names;
    for (size_t At = 0; At < Final.size(); At += 2504) {
        TDifficultKeys Keys;
        TUser User("", &Keys);
        TRecordBuffer Record(Final.data() + At, 2504);
        EXPECT_EQ(User.ReadRecord(Record), 1);
        EXPECT_TRUE(Names.insert(User.FName).second) << User.FName;
        if (User.FName.rfind("Extra", 0) == 0 || User.FName == "After") {
            EXPECT_EQ(User.FStoryPosition, 0) << User.FName;
        }
    }
    // The record being written when the copy died: one write, so at worst
    // (a kill between its two pages) old and new halves; count, do not fail.
    RecordProperty("victim_torn", Torn);
    std::cout << "victim record torn after " << Torn << " of 50 kills\n";
}

TEST_F(Copies, ADatabaseThatCannotBeWrittenKeepsTheLearnerInMemory) {
    Learners(2);
    const std::string Before = ReadFileBytes("Userbase.kq4");
    std::function<void()> Modifier;
    if (geteuid() == 0) {
        // The super-user may write anything: the other copy runs as nobody,
        // for whom the folder and the file are read-only.
        chmod(Dir.Path().c_str(), 0755);
        Modifier = [] {
            if (setgid(65534) != 0 || setuid(65534) != 0) _exit(9);
        };
    } else {
        chmod("Userbase.kq4", 0444);
        chmod(Dir.Path().c_str(), 0555);
    }
    const auto Start = Clock::now();
    TCopy Saver({QStringLiteral("readonly"), QStringLiteral("U1")}, {}, Modifier);
    EXPECT_EQ(Saver.ReadLine(), "saved -2 kept 1");
    EXPECT_EQ(Saver.ReadLine().substr(0, 12), "dialog #-801");
    EXPECT_EQ(Saver.Finish(), 0) << Saver.Errors();
    EXPECT_LT(MsSince(Start), 2000); // not waited for as if busy
    chmod(Dir.Path().c_str(), 0700);
    EXPECT_EQ(ReadFileBytes("Userbase.kq4"), Before);
}

} // namespace
