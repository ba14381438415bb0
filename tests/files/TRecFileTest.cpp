#include "files/TRecFile.h"
#include "tests/support/TestSupport.h"

#include <gtest/gtest.h>

namespace {

TEST(TRecFile, ItemsAreWrittenLittleEndianInOrder) {
    TScopedTempDir Dir;
    TRecFile File;
    ASSERT_EQ(File.Open("rec.dta", TRecFile::rmCreate, 0), fsOk);
    EXPECT_EQ(File.Size, 0);
    const uint16_t Words[2] = {0x0102, 0xFFFE};
    File.WriteBlock("AB", 2);
    File.WriteWords(Words, 2);
    File.WriteInt16(-2);
    File.WriteInt16(0x12345); // the low 16 bits
    File.WriteInt32(-16909061);
    EXPECT_EQ(File.WriteString("Anna"), fsOk);
    EXPECT_EQ(File.Position, 0); // writes do not move it
    EXPECT_EQ(File.Close(), fsClosed);

    const std::string Bytes = ReadFileBytes("rec.dta");
    ASSERT_EQ(Bytes.size(), 2u + 4 + 2 + 2 + 4 + 256);
    EXPECT_EQ(Bytes.substr(0, 14),
              std::string("AB\x02\x01\xFE\xFF\xFE\xFF\x45\x23\xFB\xFC\xFD\xFE", 14));
    EXPECT_EQ(Bytes.substr(14, 5), "\x04"
                                   "Anna");
    EXPECT_EQ(Bytes.substr(19), std::string(251, '\0'));

    ASSERT_EQ(File.Open("REC.DTA", TRecFile::rmOpen, TRecFile::rsReadDenyWrite), fsOk);
    EXPECT_EQ(File.Size, 270);
    char Block[2];
    uint16_t Back[2];
    int32_t Small = 0, Other = 0, Big = 0;
    std::string Name;
    File.ReadBlock(Block, 2);
    File.ReadWords(Back, 2);
    File.ReadInt16(Small);
    File.ReadInt16(Other);
    File.ReadInt32(Big);
    EXPECT_EQ(File.ReadString(Name), fsOk);
    EXPECT_EQ(std::string(Block, 2), "AB");
    EXPECT_EQ(Back[0], 0x0102);
    EXPECT_EQ(Back[1], 0xFFFE);
    EXPECT_EQ(Small, -2);
    EXPECT_EQ(Other, 0x2345);
    EXPECT_EQ(Big, -16909061);
    EXPECT_EQ(Name, "Anna");
    EXPECT_EQ(File.Position, 270);
}

TEST(TRecFile, StringSlotsHoldAtMost255Characters) {
    TScopedTempDir Dir;
    TRecFile File;
    ASSERT_EQ(File.Open("s.dta", TRecFile::rmCreate, 0), fsOk);
    File.WriteString(std::string(300, 'z'));
    File.WriteString("");
    File.Close();
    EXPECT_EQ(ReadFileBytes("s.dta").size(), 512u);
    ASSERT_EQ(File.Open("s.dta", TRecFile::rmOpen, TRecFile::rsShared), fsOk);
    std::string Long, Empty = "x";
    File.ReadString(Long);
    File.ReadString(Empty);
    EXPECT_EQ(Long, std::string(255, 'z'));
    EXPECT_EQ(Empty, "");
}

TEST(TRecFile, ShortReadEndsTheData) {
    TScopedTempDir Dir;
    WriteFileBytes("short.dta", std::string(356, 'q'));
    TRecFile File;
    ASSERT_EQ(File.Open("short.dta", TRecFile::rmOpenToo, TRecFile::rsExclusive), fsOk);
    std::string Slot = "before";
    EXPECT_EQ(File.ReadString(Slot), fsOk);
    EXPECT_EQ(File.ReadString(Slot), fsEnd); // only 100 bytes left
    EXPECT_EQ(File.Position, 512);           // advanced by what was asked
    int32_t Value = 7;
    EXPECT_EQ(File.ReadInt32(Value), fsEnd);
    EXPECT_EQ(Value, 7);
    EXPECT_EQ(File.Position, 512); // later reads do nothing
    // A file at its end may still be written.
    EXPECT_EQ(File.SeekRecord(2, 178), 1);
    EXPECT_EQ(File.Status, fsEnd); // the seek leaves the status alone
    EXPECT_EQ(File.WriteInt32(0x41424344), fsEnd);
    File.Close();
    EXPECT_EQ(ReadFileBytes("short.dta").size(), 360u);
    EXPECT_EQ(ReadFileBytes("short.dta").substr(356), "DCBA");
}

TEST(TRecFile, RecordsAreFoundByIndex) {
    TScopedTempDir Dir;
    TRecFile File;
    ASSERT_EQ(File.Open("users.kq4", TRecFile::rmCreate, 0), fsOk);
    for (int I = 0; I < 3; ++I) {
        ASSERT_EQ(File.SeekRecord(I, 10), 1);
        File.WriteInt32(100 + I);
        File.WriteBlock("......", 6);
    }
    File.Close();
    ASSERT_EQ(File.Open("users.kq4", TRecFile::rmOpen, TRecFile::rsShared), fsOk);
    EXPECT_EQ(File.RecordCount(10), 3);
    EXPECT_TRUE(File.IsWholeRecords(10));
    ASSERT_EQ(File.SeekRecord(1, 10), 1);
    EXPECT_EQ(File.Position, 10);
    int32_t Value = 0;
    File.ReadInt32(Value);
    EXPECT_EQ(Value, 101);
    EXPECT_EQ(File.SeekRecord(-1, 10), -1);
    EXPECT_EQ(File.Position, 14);
}

TEST(TRecFile, CountsWholeRecords) {
    TScopedTempDir Dir;
    WriteFileBytes("db.kq4", std::string(5009, '\0'));
    WriteFileBytes("empty.kq4", "");
    TRecFile File;
    ASSERT_EQ(File.Open("db.kq4", TRecFile::rmOpen, TRecFile::rsShared), fsOk);
    EXPECT_EQ(File.RecordCount(2504), 2);
    EXPECT_FALSE(File.IsWholeRecords(2504));
    File.Close();
    ASSERT_EQ(File.Open("empty.kq4", TRecFile::rmOpen, TRecFile::rsShared), fsOk);
    EXPECT_EQ(File.RecordCount(2504), 0);
    EXPECT_TRUE(File.IsWholeRecords(2504));
}

TEST(TRecFile, OpenStatusesAndSharing) {
    TScopedTempDir Dir;
    TRecFile File, Other;
    EXPECT_EQ(File.Open("none.kq4", TRecFile::rmOpen, 0), fsNotFound);
    EXPECT_FALSE(File.IsOpen());
    int32_t Value = 0;
    EXPECT_EQ(File.ReadInt32(Value), fsNotFound); // nothing is read after an error
    EXPECT_EQ(File.WriteInt32(1), fsNotFound);

    WriteFileBytes("db.kq4", "12345678");
    ASSERT_EQ(File.Open("db.kq4", TRecFile::rmOpen, TRecFile::rsExclusive), fsOk);
    EXPECT_EQ(File.Open("db.kq4", TRecFile::rmOpen, 0), fsAlreadyOpen);
    EXPECT_EQ(Other.Open("db.kq4", TRecFile::rmOpen, TRecFile::rsReadDenyWrite), fsOpenRefused);
    EXPECT_EQ(Other.Size, -1);
    EXPECT_EQ(Other.Position, -1);
    EXPECT_EQ(Other.Open("db.kq4", TRecFile::rmCreate, 0), fsOpenRefused);
    EXPECT_EQ(ReadFileBytes("db.kq4"), "12345678"); // a refused create empties nothing
    File.Close();
    ASSERT_EQ(File.Open("db.kq4", TRecFile::rmOpen, TRecFile::rsShared), fsOk);
    EXPECT_EQ(Other.Open("db.kq4", TRecFile::rmOpen, TRecFile::rsShared), fsOk);

    // A read-only open cannot write.
    File.Close();
    Other.Close();
    ASSERT_EQ(File.Open("db.kq4", TRecFile::rmOpen, TRecFile::rsReadDenyWrite), fsOk);
    EXPECT_EQ(File.WriteInt32(1), fsWriteFailed);
}

} // namespace
