#include "files/TFileDevice.h"
#include "platform/Dialogs.h"
#include "tests/support/TFailingDevice.h"
#include "tests/support/TSeamGuard.h"
#include "tests/support/TestSupport.h"
#include "tests/users/Generations.h"
#include "users/TUser.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

namespace {

// Every test works in a fresh folder that is the data folder (no settings).
class UserDatabase : public ::testing::Test {
protected:
    void SetUp() override {
        CreateDifficultKeys();
        ClearDialogLog();
        SetDialogResponder([this](const TDialogRequest& Request) {
            Shown.push_back(Request.Text);
            if (Request.Buttons & mbNo) return Answer(Request);
            return int(mrOk);
        });
        TUser::SetRetryInterval(std::chrono::milliseconds(2));
    }
    void TearDown() override { FreeDifficultKeys(); }
    bool WasShown(const std::string& Start) const {
        for (const std::string& Text : Shown)
            if (Text.compare(0, Start.size(), Start) == 0) return true;
        return false;
    }
    // A database of the given learners, laid down directly.
    static void Database(const std::vector<std::string>& Names, const std::string& Tail = "") {
        std::string Bytes;
        TDifficultKeys Keys;
        for (const std::string& Name : Names) {
            TUser User(Name, &Keys);
            TRecordBuffer Record;
            User.WriteRecord(Record);
            Bytes.append(Record.Bytes().begin(), Record.Bytes().end());
        }
        WriteFileBytes("Userbase.kq4", Bytes + Tail);
    }

    TSeamGuard Seams;
    TScopedTempDir Dir;
    std::vector<std::string> Shown;
    std::function<int(const TDialogRequest&)> Answer = [](const TDialogRequest&) {
        return int(mrNo);
    };
};

TEST_F(UserDatabase, AnEmptyDatabaseFindsNobodyAndTakesItsFirstLearnerAtOffsetZero) {
    WriteFileBytes("UserBase.KQ4", "");
    EXPECT_EQ(TUser::FindUser("Anna"), nullptr);
    EXPECT_TRUE(Shown.empty());
    ASSERT_NE(TUser::CreateUser("Anna"), nullptr);
    EXPECT_EQ(ReadFileBytes("UserBase.KQ4").substr(0, 5), "\x04"
                                                          "Anna");
    EXPECT_EQ(ReadFileBytes("UserBase.KQ4").size(), 2504u);
    std::unique_ptr<TUser> Found = TUser::FindUser("anna");
    ASSERT_NE(Found, nullptr);
    EXPECT_EQ(Found->FName, "Anna");
    EXPECT_EQ(Found->FDifficultKeys, DifficultKeys);
    EXPECT_EQ(TUser::GetUserList(), TStringList{"Anna"});
    EXPECT_TRUE(Shown.empty());
}

TEST_F(UserDatabase, NamesMatchWithoutRegardToLatin1LetterCase) {
    Database({"Bo", "M\xC4RTA \xD6STERBERG", "Carl"});
    std::unique_ptr<TUser> User = TUser::FindUser("M\xE4rta \xF6sterberg");
    ASSERT_NE(User, nullptr);
    EXPECT_EQ(User->FName, "M\xC4RTA \xD6STERBERG"); // as stored
    Generations::Apply(*User, 77);
    EXPECT_EQ(User->Save(), 2);
    EXPECT_EQ(ReadFileBytes("Userbase.kq4").size(), 3u * 2504);

    FreeDifficultKeys();
    CreateDifficultKeys();
    std::unique_ptr<TUser> Back = TUser::FindUser("m\xc4rta \xd6sterberg");
    ASSERT_NE(Back, nullptr);
    EXPECT_EQ(Generations::Mismatch(*Back, 77), "");
    EXPECT_EQ(TUser::FindUser("Carl")->FStoryPosition, 0);     // the neighbours untouched
    EXPECT_EQ(TUser::FindUser("Marta \xD6sterberg"), nullptr); // a is not ä
    EXPECT_EQ(TUser::FindUser("M\xC4RTA"), nullptr);
}

TEST_F(UserDatabase, TheVisitorIsFoundButNeverListedNorSaved) {
    Database({"visitor", "Eva", "VISITOR", "Visitors"});
    const std::string Before = ReadFileBytes("Userbase.kq4");
    std::unique_ptr<TUser> Visitor = TUser::FindUser("Visitor");
    ASSERT_NE(Visitor, nullptr);
    Visitor->FTotalMinutes = 99;
    EXPECT_EQ(Visitor->Save(), 1);
    EXPECT_EQ(ReadFileBytes("Userbase.kq4"), Before);
    EXPECT_EQ(TUser::GetUserList(), (TStringList{"Eva", "Visitors"}));
}

TEST_F(UserDatabase, TheListIsSortedWithoutRegardToCaseAndEmptyPastTwoHundredFifty) {
    Database({"bob", "\xC5sa", "Alice", "carl",
              "\xE5"
              "ke",
              "Bob",
              "\x01\x7F"
              "ctl"});
    EXPECT_EQ(TUser::GetUserList(), (TStringList{"\x01\x7F"
                                                 "ctl",
                                                 "Alice", "bob", "Bob", "carl",
                                                 "\xE5"
                                                 "ke",
                                                 "\xC5sa"}));

    std::vector<std::string> Many;
    for (int I = 0; I < 250; ++I)
        Many.push_back("L" + std::to_string(I));
    Database(Many);
    EXPECT_EQ(TUser::GetUserList()->size(), 250u);
    Many.push_back("Last");
    Database(Many);
    EXPECT_EQ(TUser::GetUserList(), TStringList{});
    std::unique_ptr<TUser> Last = TUser::FindUser("LAST");
    ASSERT_NE(Last, nullptr);
    Last->FTotalMinutes = 12;
    EXPECT_EQ(Last->Save(), 2);
    EXPECT_EQ(TUser::FindUser("last")->FTotalMinutes, 12);
    EXPECT_TRUE(Shown.empty());
}

TEST_F(UserDatabase, AMissingDatabaseIsToldAndMadeByTheFirstNewLearner) {
    EXPECT_EQ(TUser::FindUser("Anna"), nullptr);
    EXPECT_TRUE(WasShown("#-1507 User database doesn't exist!"));
    EXPECT_EQ(TUser::GetUserList(), std::nullopt);
    TUser Ghost("Anna");
    EXPECT_EQ(Ghost.Save(), -1);
    Shown.clear();
    ASSERT_NE(TUser::CreateUser("Anna"), nullptr);
    EXPECT_EQ(Shown,
              (std::vector<std::string>{"User database doesn't exist, new one will be created."}));
    EXPECT_EQ(ReadFileBytes("Userbase.kq4").size(), 2504u);
    EXPECT_NE(TUser::FindUser("anna"), nullptr);
}

TEST_F(UserDatabase, APartialRecordIsReportedIgnoredAndWrittenOver) {
    // The tail looks like the start of a record named "Tail".
    Database({"Ann", "Ben"}, std::string("\x04Tail") + std::string(995, 'x'));
    EXPECT_EQ(TUser::FindUser("Tail"), nullptr);
    EXPECT_TRUE(WasShown("#-1517 "));
    Shown.clear();
    EXPECT_NE(TUser::FindUser("Ben"), nullptr);
    EXPECT_EQ(TUser::GetUserList(), (TStringList{"Ann", "Ben"}));
    ASSERT_NE(TUser::CreateUser("Cid"), nullptr);
    EXPECT_EQ(ReadFileBytes("Userbase.kq4").size(), 3u * 2504);
    Shown.clear();
    EXPECT_EQ(TUser::GetUserList(), (TStringList{"Ann", "Ben", "Cid"}));
    EXPECT_NE(TUser::FindUser("cid"), nullptr);
    EXPECT_TRUE(Shown.empty()); // whole again
}

TEST_F(UserDatabase, SavingAnUnknownNameWritesNothing) {
    Database({"Ann"});
    const std::string Before = ReadFileBytes("Userbase.kq4");
    TUser Ghost("Ghost");
    EXPECT_EQ(Ghost.Save(), TUser::ErrNotInDatabase);
    EXPECT_EQ(ReadFileBytes("Userbase.kq4"), Before);
}

TEST_F(UserDatabase, RandomBytesAreReadWithoutHarm) {
    std::string Bytes(7 * 2504 + 17, '\0');
    uint32_t Seed = 12345;
    for (char& C : Bytes) {
        Seed = Seed * 1103515245 + 12345;
        C = char(Seed >> 24);
    }
    WriteFileBytes("Userbase.kq4", Bytes);
    for (int I = 0; I < 7; ++I) {
        const std::string Name =
            Bytes.substr(size_t(I) * 2504 + 1, uint8_t(Bytes[size_t(I) * 2504]));
        std::unique_ptr<TUser> User = TUser::FindUser(Name);
        ASSERT_NE(User, nullptr) << I;
        EXPECT_EQ(User->FName, Name);
    }
    EXPECT_EQ(TUser::GetUserList()->size(), 7u);
}

TEST_F(UserDatabase, ABusyDatabaseIsTriedAgainThenTheLearnerDecides) {
    Database({"Ann"});
    std::unique_ptr<TUser> Ann = TUser::FindUser("Ann");
    ASSERT_NE(Ann, nullptr);
    TRecFile Other; // another open of the file, here in the same process
    ASSERT_EQ(Other.Open("Userbase.kq4", TRecFile::rmOpen, TRecFile::rsReadDenyWrite), 1);

    // No: the save gives up with the error and the open's status.
    Ann->FTotalMinutes = 5;
    EXPECT_EQ(Ann->Save(), -2);
    ASSERT_EQ(Shown.size(), 2u);
    EXPECT_EQ(Shown[0], "The network is busy because of another user(s) is currently using "
                        "Clavora,do you want to try again?");
    EXPECT_EQ(Shown[1].substr(0, 5), "#-801");
    EXPECT_NE(Shown[1].find("Userbase open failed."), std::string::npos);
    EXPECT_EQ(Ann->FTotalMinutes, 5);

    // Yes, and the other copy lets go meanwhile: the save goes through.
    Shown.clear();
    Answer = [&](const TDialogRequest&) {
        Other.Close();
        return int(mrYes);
    };
    EXPECT_EQ(Ann->Save(), 2);
    EXPECT_EQ(Shown.size(), 1u);
    EXPECT_EQ(TUser::FindUser("Ann")->FTotalMinutes, 5);

    // A writer keeps readers out: -802, and the login is told it cannot open.
    ASSERT_EQ(Other.Open("Userbase.kq4", TRecFile::rmOpen, TRecFile::rsExclusive), 1);
    Shown.clear();
    Answer = [](const TDialogRequest&) { return int(mrNo); };
    EXPECT_EQ(TUser::FindUser("Ann"), nullptr);
    ASSERT_EQ(Shown.size(), 3u);
    EXPECT_EQ(Shown[1].substr(0, 5), "#-802");
    EXPECT_EQ(Shown[2], "#-1506 Cannot open User database");
    Shown.clear();
    EXPECT_EQ(TUser::GetUserList(), TStringList{});
    EXPECT_EQ(Shown.back(), "#-1506 Cannot open User database");

    // Shared update reports nothing.
    Shown.clear();
    TRecFile Shared;
    EXPECT_EQ(TUser::OpenDatabase(Shared, TUser::daSharedUpdate), -2);
    EXPECT_EQ(Shown.size(), 1u); // only the question
}

// A disk that fails part way: the failure is reported, and what the database
// held before stays whole. A save that did not all go puts the learner's
// previous record back; a new learner that did not all go is cut off again.
TEST_F(UserDatabase, AFailedWriteOrSyncIsReportedAndLeavesThePreviousRecordsWhole) {
    enum TOperation { Save, Create };
    const struct {
        TOperation Operation;
        long long Bytes; // what the disk takes (-1: any number)
        bool ForGood, SyncFails;
        int32_t Status; // of Save; CreateUser gives null unless 2
        int Bob;        // Bob's generation afterwards; -1: whole, but either
    } Rows[] = {
        {Save, 0, false, false, -5, 2},     {Save, 1, false, false, -5, 2},
        {Save, 256, false, false, -5, 2},   {Save, 2503, false, false, -5, 2},
        {Save, 2504, false, true, -6, -1},  {Save, -1, false, false, 2, 3},
        {Create, 0, false, false, -5, 2},   {Create, 1000, false, false, -5, 2},
        {Create, 2503, true, false, -5, 2}, {Create, -1, false, true, -6, 2},
        {Create, -1, false, false, 2, 2},
    };
    for (const auto& Row : Rows) {
        SCOPED_TRACE(std::string(Row.Operation == Save ? "save" : "create") + " on a disk taking " +
                     std::to_string(Row.Bytes) + (Row.ForGood ? " for good" : "") +
                     (Row.SyncFails ? ", failing to sync" : ""));
        std::string Bytes;
        for (const auto& [Name, Gen] : {std::pair<const char*, int>{"Ann", 1}, {"Bob", 2}}) {
            TUser User(Name);
            Generations::Apply(User, Gen);
            TRecordBuffer Record;
            User.WriteRecord(Record);
            Bytes.append(Record.Bytes().begin(), Record.Bytes().end());
        }
        WriteFileBytes("Userbase.kq4", Bytes);
        std::unique_ptr<TUser> Bob = TUser::FindUser("Bob");
        ASSERT_NE(Bob, nullptr);
        Generations::Apply(*Bob, 3);
        {
            TSeamGuard Disk;
            TFailingDevice Failing(Row.Bytes, Row.ForGood, Row.SyncFails);
            SetFileDevice(&Failing);
            if (Row.Operation == Save) {
                EXPECT_EQ(Bob->Save(), Row.Status);
            } else {
                EXPECT_EQ(TUser::CreateUser("Cid") != nullptr, Row.Status == 2);
            }
        }
        FreeDifficultKeys();
        CreateDifficultKeys();
        for (const auto& [Name, Gen] : {std::pair<const char*, int>{"Ann", 1}, {"Bob", Row.Bob}}) {
            std::unique_ptr<TUser> Back = TUser::FindUser(Name);
            ASSERT_NE(Back, nullptr) << Name;
            EXPECT_EQ(Generations::Mismatch(*Back, Gen < 0 ? Generations::Of(*Back) : Gen), "")
                << Name;
        }
        const bool Added = Row.Operation == Create && Row.Status != -5;
        EXPECT_EQ(ReadFileBytes("Userbase.kq4").size(), (Added ? 3u : 2u) * 2504);
        EXPECT_EQ(TUser::FindUser("Cid") != nullptr, Added);
        EXPECT_FALSE(WasShown("#-1517")) << "no partial record is left";
    }
}

TEST_F(UserDatabase, StartUpCopiesTheShippedDatabaseIntoTheDataFolder) {
    mkdir("program", 0755);
    WriteFileBytes("program/UserBase.org", "shipped");
    EXPECT_TRUE(TUser::PrepareDatabase("program/UserBase.org"));
    EXPECT_EQ(ReadFileBytes("Userbase.kq4"), "shipped");
    EXPECT_EQ(ReadFileBytes("program/UserBase.org"), "shipped") << "the shipped file stays";
    WriteFileBytes("Userbase.kq4", "learners");
    EXPECT_TRUE(TUser::PrepareDatabase("program/UserBase.org")); // already there
    EXPECT_EQ(ReadFileBytes("Userbase.kq4"), "learners");
    EXPECT_TRUE(Shown.empty());
    unlink("Userbase.kq4");
    unlink("program/UserBase.org");
    EXPECT_FALSE(TUser::PrepareDatabase("program/UserBase.org"));
    ASSERT_EQ(Shown.size(), 1u);
    EXPECT_EQ(Shown[0].substr(0, 6), "#-6633");
    EXPECT_NE(Shown[0].find("Userbase.kq4"), std::string::npos);
}

} // namespace
