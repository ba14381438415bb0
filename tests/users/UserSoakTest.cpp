// Four copies create their own learners and save them over and over while a
// fifth lists and finds learners; afterwards every record must be whole,
// every learner there once, and every field hold the last value saved.
// CLAVORA_SOAK_SECONDS sets the duration (default 60).
#include "tests/support/TestSupport.h"
#include "tests/users/Generations.h"
#include "tests/users/TCopy.h"
#include "users/TUser.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <map>
#include <memory>
#include <sstream>

namespace {

TEST(Soak, FourWritersAndAReaderLoseNothing) {
    TScopedTempDir Dir;
    WriteFileBytes("Userbase.kq4", "");
    const char* Env = getenv("CLAVORA_SOAK_SECONDS");
    const double Seconds = Env ? atof(Env) : 60;
    const QString Duration = QString::number(Seconds);
    // Short pauses between tries: five copies keep the file busy all the time.
    const std::map<QString, QString> Busy = {
        {QStringLiteral("CLAVORA_RETRY_MS"), QStringLiteral("3")}};

    std::vector<std::unique_ptr<TCopy>> Writers;
    for (int I = 0; I < 4; ++I)
        Writers.push_back(
            std::make_unique<TCopy>(QStringList{QStringLiteral("writer"), QString::number(I),
                                                Duration, QStringLiteral("6")},
                                    Busy));
    TCopy Reader({QStringLiteral("reader"), Duration}, Busy);

    const int Limit = int(Seconds * 1000) + 60000;
    std::map<std::string, int> Last;
    for (auto& Writer : Writers) {
        std::string Line;
        while (!(Line = Writer->ReadLine(Limit)).empty()) {
            std::istringstream In(Line);
            std::string Name;
            int Gen = -1;
            In >> Name >> Gen;
            Last[Name] = Gen;
        }
        EXPECT_EQ(Writer->Finish(Limit), 0) << Writer->Errors();
        std::cout << Writer->Errors();
    }
    EXPECT_EQ(Reader.Finish(Limit), 0) << Reader.Errors();
    std::cout << Reader.Errors();
    ASSERT_EQ(Last.size(), 24u);

    const std::string Bytes = ReadFileBytes("Userbase.kq4");
    ASSERT_EQ(Bytes.size(), Last.size() * 2504);
    std::map<std::string, int> Seen;
    for (size_t At = 0; At < Bytes.size(); At += 2504) {
        TDifficultKeys Keys;
        TUser User("", &Keys);
        TRecordBuffer Record(Bytes.data() + At, 2504);
        ASSERT_EQ(User.ReadRecord(Record), 1);
        ASSERT_EQ(Seen[User.FName]++, 0) << User.FName << " twice";
        ASSERT_EQ(Last.count(User.FName), 1u) << User.FName;
        const int Gen = Last[User.FName];
        if (Gen == 0) {
            EXPECT_EQ(User.FStoryPosition, 0) << User.FName;
            EXPECT_EQ(User.FLastSpeed, -1) << User.FName;
        } else {
            EXPECT_EQ(Generations::Mismatch(User, Gen), "") << User.FName << " gen " << Gen;
        }
    }
}

} // namespace
