#include "files/TTextFile.h"
#include "files/InputError.h"
#include "tests/support/TestSupport.h"

#include <gtest/gtest.h>

namespace {

std::string Scrambled(const std::string& Plain) {
    std::string Result = Plain;
    for (char& C : Result)
        if (C != '\r' && C != '\n') C = char(static_cast<unsigned char>(C) ^ 0xA6);
    return Result;
}

// All lines NextLine gives until it stops, with the status that stopped it.
struct TLines {
    std::vector<std::string> Lines;
    int32_t Last = 0;
};
TLines ReadLines(TTextFile& File) {
    TLines Result;
    std::string Line;
    for (int Guard = 0; Guard < 10000; ++Guard) {
        Result.Last = File.NextLine(Line);
        Result.Lines.push_back(Line);
        if (Result.Last != fsOk) break;
    }
    return Result;
}

TEST(TTextFile, NewObjectAndMissingFile) {
    TScopedTempDir Dir;
    TTextFile File;
    EXPECT_EQ(File.Status, 0);
    EXPECT_EQ(File.Close(), 0); // nothing open: nothing happens
    EXPECT_EQ(File.Open("missing.txt", TTextFile::tmRead), fsNotFound);
    EXPECT_EQ(File.FileName, "missing.txt");
    EXPECT_EQ(File.Open("missing.txt", TTextFile::tmAppend), fsOpenRefused);
    EXPECT_EQ(File.Size, -1);
    EXPECT_EQ(File.Position, -1);
    EXPECT_EQ(File.Close(), fsOpenRefused);
}

TEST(TTextFile, EmptyFileHasNoLines) {
    TScopedTempDir Dir;
    WriteFileBytes("empty.txt", "");
    TTextFile File;
    ASSERT_EQ(File.Open("EMPTY.TXT", TTextFile::tmRead), fsOk);
    std::string Line = "old";
    EXPECT_EQ(File.NextLine(Line), fsEnd);
    EXPECT_EQ(Line, "");
    EXPECT_EQ(File.Close(), fsClosed);
}

TEST(TTextFile, ReadsLinesEndedByCrLfLfOrCr) {
    TScopedTempDir Dir;
    WriteFileBytes("lines.txt", "one\r\ntwo\nthree\rfour\r\n\r\nlast");
    TTextFile File;
    ASSERT_EQ(File.Open("lines.txt", TTextFile::tmRead), fsOk);
    const TLines Got = ReadLines(File);
    EXPECT_EQ(Got.Lines, (std::vector<std::string>{"one", "two", "three", "four", "", "last"}));
    EXPECT_EQ(Got.Last, fsEnd);
    EXPECT_EQ(File.Position, File.Size);
}

TEST(TTextFile, PositionFollowsTheBytesRead) {
    TScopedTempDir Dir;
    WriteFileBytes("pos.txt", "ab\r\ncd\nef\r\n");
    TTextFile File;
    ASSERT_EQ(File.Open("pos.txt", TTextFile::tmRead), fsOk);
    std::string Line;
    File.NextLine(Line);
    EXPECT_EQ(File.Position, 4);
    File.NextLine(Line);
    EXPECT_EQ(File.Position, 7);
    EXPECT_EQ(File.NextLine(Line), fsOk);
    EXPECT_EQ(File.Position, 11);
    EXPECT_EQ(File.NextLine(Line), fsEnd);
    EXPECT_EQ(Line, "");
}

TEST(TTextFile, LongLinesAndNulBytesEndTheReading) {
    TScopedTempDir Dir;
    const std::string Long(300, 'x');
    WriteFileBytes("long.txt", "short\r\n" + Long + "\r\nafter\r\n");
    TTextFile File;
    ASSERT_EQ(File.Open("long.txt", TTextFile::tmRead), fsOk);
    TLines Got = ReadLines(File);
    EXPECT_EQ(Got.Lines, (std::vector<std::string>{"short", std::string(255, 'x')}));
    EXPECT_EQ(Got.Last, fsEnd);
    // Any further call keeps the status and reads nothing.
    std::string Line = "kept";
    EXPECT_EQ(File.NextLine(Line), fsEnd);
    EXPECT_EQ(Line, "kept");
    File.Close();

    // Exactly 255 characters are already too many for a line with its end.
    WriteFileBytes("edge.txt", std::string(254, 'a') + "\r\n" + std::string(255, 'b') + "\r\n");
    ASSERT_EQ(File.Open("edge.txt", TTextFile::tmRead), fsOk);
    Got = ReadLines(File);
    EXPECT_EQ(Got.Lines, (std::vector<std::string>{std::string(254, 'a'), std::string(255, 'b')}));
    EXPECT_EQ(Got.Last, fsEnd);
    File.Close();

    WriteFileBytes("nul.txt", std::string("ab\0cd\r\nnext\r\n", 13));
    ASSERT_EQ(File.Open("nul.txt", TTextFile::tmRead), fsOk);
    Got = ReadLines(File);
    EXPECT_EQ(Got.Lines, (std::vector<std::string>{"ab"}));
    EXPECT_EQ(Got.Last, fsEnd);
}

TEST(TTextFile, CapacityCutsTheLine) {
    TScopedTempDir Dir;
    WriteFileBytes("cap.txt", "abcdef\r\nxy\r\n");
    TTextFile File;
    ASSERT_EQ(File.Open("cap.txt", TTextFile::tmRead), fsOk);
    std::string Line;
    EXPECT_EQ(File.NextLine(Line, 3), fsOk);
    EXPECT_EQ(Line, "abc");
    EXPECT_EQ(File.NextLine(Line, -5), fsOk);
    EXPECT_EQ(Line, "");
    EXPECT_EQ(File.Position, 12);
}

TEST(TTextFile, HeaderFillsTheFieldsAndLeavesTheBody) {
    TScopedTempDir Dir;
    WriteFileBytes("story.txt", "  $Version=2.1\r\n$description=A story; with more\r\n"
                                "\t$AUTHOR=Ann = Lee\r\n$copyright=(c) us\r\n$longdesc=Long\r\n"
                                "$end\r\n$version = 9\r\nBody line\r\n");
    TTextFile File;
    ASSERT_EQ(File.Open("story.txt", TTextFile::tmRead), fsOk);
    EXPECT_EQ(File.Version, "2.1");
    EXPECT_EQ(File.Description, "A story");
    EXPECT_EQ(File.Author, "Ann ");
    EXPECT_EQ(File.Copyright, "(c) us");
    EXPECT_EQ(File.LongDesc, "Long");
    EXPECT_FALSE(File.Crypted);
    // "$version = 9" has a space before "=": its tag is not "$version".
    const TLines Got = ReadLines(File);
    EXPECT_EQ(Got.Lines, (std::vector<std::string>{"Body line", ""}));
}

TEST(TTextFile, AnEmptyLineEndsTheHeader) {
    TScopedTempDir Dir;
    WriteFileBytes("h.txt", "$version=1\r\n\r\n$author=Not header\r\n");
    TTextFile File;
    ASSERT_EQ(File.Open("h.txt", TTextFile::tmRead), fsOk);
    EXPECT_EQ(File.Author, "");
    EXPECT_EQ(File.Position, 12);
    EXPECT_EQ(ReadLines(File).Lines, (std::vector<std::string>{"", "$author=Not header", ""}));
}

TEST(TTextFile, AtMostFifteenHeaderLines) {
    TScopedTempDir Dir;
    std::string Text;
    for (int I = 1; I <= 17; ++I)
        Text += "$version=" + std::to_string(I) + "\r\n";
    WriteFileBytes("many.txt", Text);
    TTextFile File;
    ASSERT_EQ(File.Open("many.txt", TTextFile::tmRead), fsOk);
    EXPECT_EQ(File.Version, "15");
    EXPECT_EQ(ReadLines(File).Lines, (std::vector<std::string>{"$version=16", "$version=17", ""}));
}

TEST(TTextFile, HeaderRunningPastTheEnd) {
    TScopedTempDir Dir;
    TTextFile File;
    WriteFileBytes("a.txt", "$version=2");
    EXPECT_EQ(File.Open("a.txt", TTextFile::tmRead), fsHeaderPastEnd);
    EXPECT_EQ(File.Version, "2");
    File.Close();

    WriteFileBytes("b.txt", "$version=2\r\n");
    EXPECT_EQ(File.Open("b.txt", TTextFile::tmRead), fsOk);
    std::string Line;
    EXPECT_EQ(File.NextLine(Line), fsEnd);
    File.Close();

    // A body that is one line without a line end is no header fault.
    WriteFileBytes("c.txt", "abc");
    ASSERT_EQ(File.Open("c.txt", TTextFile::tmRead), fsOk);
    EXPECT_EQ(File.NextLine(Line), fsEnd);
    EXPECT_EQ(Line, "abc");
    File.Close();

    WriteFileBytes("d.txt", "$version=2\r\nabc");
    ASSERT_EQ(File.Open("d.txt", TTextFile::tmRead), fsOk);
    EXPECT_EQ(File.NextLine(Line), fsEnd);
    EXPECT_EQ(Line, "abc");
}

TEST(TTextFile, RecognisedTagWithoutValueIsAnInputError) {
    TScopedTempDir Dir;
    WriteFileBytes("bad.txt", "$author\r\nbody\r\n");
    TTextFile File;
    EXPECT_THROW(File.Open("bad.txt", TTextFile::tmRead), EInputError);
    EXPECT_FALSE(File.IsOpen());
    WriteFileBytes("odd.txt", "$end\r\n$whatever\r\nbody\r\n"); // unknown tags need no value
    EXPECT_EQ(File.Open("odd.txt", TTextFile::tmRead), fsOk);
}

TEST(TTextFile, ScrambledFilesAreReadPlain) {
    TScopedTempDir Dir;
    const std::string Body = "$version=3\r\n$end\r\nHello, world\r\nTwo\r\n";
    WriteFileBytes("crypt.txt", "$description=Plain\r\n$FileFormat=Crypted\r\n" + Scrambled(Body));
    TTextFile File;
    ASSERT_EQ(File.Open("crypt.txt", TTextFile::tmRead), fsOk);
    EXPECT_TRUE(File.Crypted);
    EXPECT_EQ(File.Description, "Plain");
    EXPECT_EQ(File.Version, "3");
    EXPECT_EQ(ReadLines(File).Lines, (std::vector<std::string>{"Hello, world", "Two", ""}));
    File.Close();

    ASSERT_EQ(File.Open("crypt.txt", TTextFile::tmRead), fsOk);
    std::string All;
    EXPECT_EQ(File.ReadAll(All), fsOk);
    EXPECT_EQ(All, "Hello, world\r\nTwo\r\n");
    EXPECT_EQ(File.ReadAll(All), fsEnd);
    EXPECT_EQ(All, "");
    File.Close();

    // Reusing the object for a plain file starts without scrambling.
    WriteFileBytes("plain.txt", "Plain text\r\n");
    ASSERT_EQ(File.Open("plain.txt", TTextFile::tmRead), fsOk);
    EXPECT_FALSE(File.Crypted);
    EXPECT_EQ(File.Description, "");
    EXPECT_EQ(ReadLines(File).Lines, (std::vector<std::string>{"Plain text", ""}));
}

TEST(TTextFile, ReadAllTakesTheRestUpToANul) {
    TScopedTempDir Dir;
    WriteFileBytes("all.txt", std::string("$version=1\r\nfirst\r\nsecond\0hidden", 32));
    TTextFile File;
    ASSERT_EQ(File.Open("all.txt", TTextFile::tmRead), fsOk);
    std::string Line, All;
    File.NextLine(Line);
    EXPECT_EQ(File.ReadAll(All), fsOk);
    EXPECT_EQ(All, "second");
    EXPECT_EQ(File.Position, File.Size);
}

TEST(TTextFile, WritesCreateAppendAndRefuseASecondOpen) {
    TScopedTempDir Dir;
    TTextFile File;
    ASSERT_EQ(File.Open("out.txt", TTextFile::tmCreate), fsOk);
    EXPECT_EQ(File.Size, 0);
    EXPECT_EQ(File.WriteLine("first"), fsOk);
    EXPECT_EQ(File.WriteLine(std::string(300, 'y')), fsOk);
    EXPECT_EQ(File.Position, 0); // writes do not move it
    EXPECT_EQ(File.Open("other.txt", TTextFile::tmCreate), fsAlreadyOpen);
    EXPECT_EQ(File.FileName, "out.txt");
    EXPECT_EQ(File.Close(), fsClosed);
    EXPECT_EQ(ReadFileBytes("out.txt"), "first\r\n" + std::string(255, 'y') + "\r\n");

    ASSERT_EQ(File.Open("OUT.TXT", TTextFile::tmAppend), fsOk);
    EXPECT_EQ(File.Size, 264);
    EXPECT_EQ(File.Position, 264);
    File.WriteLine("more");
    File.Close();
    EXPECT_EQ(ReadFileBytes("out.txt").substr(264), "more\r\n");

    // Writing to a file opened for reading fails.
    ASSERT_EQ(File.Open("out.txt", TTextFile::tmRead), fsOk);
    EXPECT_EQ(File.WriteLine("no"), fsWriteFailed);
}

TEST(TTextFile, AFileLeftOpenAtItsEndIsReleasedByTheNextOpen) {
    TScopedTempDir Dir;
    WriteFileBytes("a.txt", "x\r\n");
    TTextFile Reader, Writer;
    ASSERT_EQ(Reader.Open("a.txt", TTextFile::tmRead), fsOk);
    std::string Line;
    while (Reader.NextLine(Line) == fsOk) {
    }
    EXPECT_EQ(Writer.Open("a.txt", TTextFile::tmCreate), fsOpenRefused); // still shared
    WriteFileBytes("b.txt", "y\r\n");
    ASSERT_EQ(Reader.Open("b.txt", TTextFile::tmRead), fsOk);
    EXPECT_EQ(Writer.Open("a.txt", TTextFile::tmCreate), fsOk);
}

} // namespace

TEST(TTextFile, AHeaderLineCutShortStillLetsTheHeaderGoOn) {
    struct TCase {
        const char* Name;
        std::string Bytes;
        std::string Description;
    };
    const std::string Long = "$description=" + std::string(300, 'x');
    const std::vector<TCase> Cases = {
        {"NUL byte", std::string("$description=ab\0junk\r\n", 22), "ab"},
        {"NUL byte before a lone LF", std::string("$description=ab\0junk\n", 21), "ab"},
        {"line of 313 characters", Long + "\r\n", std::string(255 - 13, 'x')},
    };
    for (const TCase& Case : Cases) {
        SCOPED_TRACE(Case.Name);
        TScopedTempDir Dir;
        WriteFileBytes("h.txt", Case.Bytes + "$author=Me\r\nbody\r\nend\r\n");
        TTextFile File;
        ASSERT_EQ(File.Open("h.txt", TTextFile::tmRead), fsOk);
        EXPECT_EQ(File.Description, Case.Description);
        EXPECT_EQ(File.Author, "Me");
        const TLines Got = ReadLines(File);
        EXPECT_EQ(Got.Lines, (std::vector<std::string>{"body", "end", ""}));
    }
}

TEST(TTextFile, ReadAllGivesLoneLineFeedsTheirCarriageReturn) {
    TScopedTempDir Dir;
    // Lines of a file written on Linux, one written elsewhere, and a last
    // line without an end.
    WriteFileBytes("lf.txt", "$version=1\nab\ncd\r\n\nef");
    TTextFile File;
    ASSERT_EQ(File.Open("lf.txt", TTextFile::tmRead), fsOk);
    std::string All;
    EXPECT_EQ(File.ReadAll(All), fsOk);
    EXPECT_EQ(All, "ab\r\ncd\r\n\r\nef");
    File.Close();

    WriteFileBytes("lf2.txt", "$fileformat=crypted\n" + Scrambled("gh\nij\n"));
    ASSERT_EQ(File.Open("lf2.txt", TTextFile::tmRead), fsOk);
    EXPECT_EQ(File.ReadAll(All), fsOk);
    EXPECT_EQ(All, "gh\r\nij\r\n");
}
