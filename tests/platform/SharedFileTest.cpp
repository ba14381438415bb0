#include "platform/SharedFile.h"
#include "tests/support/TestSupport.h"

#include <cerrno>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

enum TWay { Reader, Exclusive, Shared, Appender, Creator };

const char* WayName(TWay Way) {
    const char* Names[] = {"Reader", "Exclusive", "Shared", "Appender", "Creator"};
    return Names[Way];
}

int OpenAs(TSharedFile& File, TWay Way, const std::string& Name) {
    switch (Way) {
    case Reader:
        return File.Open(Name, TFileAccess::Read, TFileShare::DenyWrite);
    case Exclusive:
        return File.Open(Name, TFileAccess::ReadWrite, TFileShare::DenyAll);
    case Shared:
        return File.Open(Name, TFileAccess::ReadWrite, TFileShare::DenyNone);
    case Appender:
        return File.OpenAppend(Name);
    case Creator:
        return File.Create(Name);
    }
    return EINVAL;
}

// Another process that opens the file one way and keeps it open until it is
// released (or the object goes).
class TOtherProcess {
public:
    TOtherProcess(TWay Way, const std::string& Name) {
        int Up[2], Down[2];
        if (pipe(Up) != 0 || pipe(Down) != 0) return;
        FPid = fork();
        if (FPid == 0) {
            close(Up[0]);
            close(Down[1]);
            TSharedFile File;
            const int Result = OpenAs(File, Way, Name);
            if (write(Up[1], &Result, sizeof Result) != sizeof Result) _exit(1);
            char Go;
            [[maybe_unused]] ssize_t Ignored = read(Down[0], &Go, 1);
            File.Close();
            _exit(0);
        }
        close(Up[1]);
        close(Down[0]);
        FRelease = Down[1];
        if (read(Up[0], &FResult, sizeof FResult) != sizeof FResult) FResult = -1;
        close(Up[0]);
    }
    ~TOtherProcess() { Release(); }

    int Result() const { return FResult; }
    // Lets the other process close the file and end; returns once it has.
    void Release() {
        if (FPid <= 0) return;
        [[maybe_unused]] ssize_t Ignored = write(FRelease, "x", 1);
        close(FRelease);
        int Status = 0;
        waitpid(FPid, &Status, 0);
        FPid = -1;
    }

private:
    pid_t FPid = -1;
    int FRelease = -1;
    int FResult = -1;
};

struct TCase {
    TWay Held;
    TWay Tried;
    bool Granted;
};

// What the sharing modes allow next to each other: every pair, one held by
// another process and one tried here.
const TCase Cases[] = {
    {Reader, Reader, true},        {Reader, Exclusive, false}, {Reader, Shared, false},
    {Reader, Appender, false},     {Reader, Creator, false},   {Exclusive, Reader, false},
    {Exclusive, Exclusive, false}, {Exclusive, Shared, false}, {Exclusive, Appender, false},
    {Shared, Shared, true},        {Shared, Reader, false},    {Shared, Exclusive, false},
    {Shared, Appender, false},     {Appender, Reader, false},  {Appender, Appender, false},
    {Appender, Shared, false},     {Creator, Reader, false},   {Creator, Shared, false},
};

TEST(SharedFile, SharingModesBetweenProcesses) {
    TScopedTempDir Dir;
    for (const TCase& Case : Cases) {
        WriteFileBytes("Userbase.kq4", "0123456789");
        SCOPED_TRACE(std::string(WayName(Case.Held)) + " held, " + WayName(Case.Tried) + " tried");
        TOtherProcess Other(Case.Held, "USERBASE.kq4");
        ASSERT_EQ(Other.Result(), 0);
        TSharedFile File;
        const int Result = OpenAs(File, Case.Tried, "userbase.KQ4");
        if (Case.Granted) {
            EXPECT_EQ(Result, 0);
        } else {
            EXPECT_EQ(Result, EBUSY);
            EXPECT_FALSE(File.IsOpen());
        }
        File.Close();
        Other.Release();
        if (Case.Held != Creator && !(Case.Granted && Case.Tried == Creator)) {
            EXPECT_EQ(ReadFileBytes("Userbase.kq4"), "0123456789")
                << "a refused open changed the file";
        }
    }
}

TEST(SharedFile, ClosingReleasesTheFile) {
    TScopedTempDir Dir;
    WriteFileBytes("top.ten", "x");
    TOtherProcess Other(Exclusive, "top.ten");
    ASSERT_EQ(Other.Result(), 0);
    TSharedFile File;
    EXPECT_EQ(OpenAs(File, Reader, "top.ten"), EBUSY);
    Other.Release();
    EXPECT_EQ(OpenAs(File, Reader, "top.ten"), 0);
    File.Close();
    EXPECT_EQ(OpenAs(File, Exclusive, "top.ten"), 0);
}

TEST(SharedFile, TwoOpensInOneProcessClashToo) {
    TScopedTempDir Dir;
    WriteFileBytes("a.dta", "x");
    TSharedFile First, Second;
    ASSERT_EQ(OpenAs(First, Reader, "a.dta"), 0);
    EXPECT_EQ(OpenAs(Second, Shared, "a.dta"), EBUSY);
    EXPECT_EQ(OpenAs(Second, Reader, "a.dta"), 0);
}

TEST(SharedFile, OpenCreateAndAppend) {
    TScopedTempDir Dir;
    TSharedFile File;
    EXPECT_EQ(OpenAs(File, Reader, "missing"), ENOENT);
    EXPECT_EQ(OpenAs(File, Appender, "missing"), ENOENT);
    ASSERT_EQ(mkdir("folder", 0755), 0);
    EXPECT_EQ(OpenAs(File, Reader, "folder"), EISDIR);
    ASSERT_EQ(mkfifo("pipe", 0644), 0);
    EXPECT_NE(OpenAs(File, Reader, "pipe"), 0); // refused at once, never hangs

    WriteFileBytes("log.txt", "old contents");
    ASSERT_EQ(File.Create("LOG.TXT"), 0);
    EXPECT_EQ(File.Length(), 0);
    EXPECT_EQ(File.Write("ab", 2), 2);
    EXPECT_EQ(File.Close(), 0);
    ASSERT_EQ(File.OpenAppend("log.txt"), 0);
    EXPECT_TRUE(File.Seek(0)); // appends still go to the end
    EXPECT_EQ(File.Write("cd", 2), 2);
    EXPECT_EQ(File.Close(), 0);
    EXPECT_EQ(ReadFileBytes("log.txt"), "abcd");

    ASSERT_EQ(File.Open("log.txt", TFileAccess::Read, TFileShare::DenyWrite), 0);
    char Buffer[8] = {};
    EXPECT_EQ(File.ReadAt(Buffer, sizeof Buffer, 1), 3);
    EXPECT_EQ(std::string(Buffer, 3), "bcd");
    EXPECT_EQ(File.Write("x", 1), -1); // opened for reading only
}

TEST(SharedFile, RacingExclusiveOpensNeverOverlap) {
    TScopedTempDir Dir;
    WriteFileBytes("db.kq4", "");
    // Each process opens exclusively over and over; while it holds the file
    // it owns a flag file that must not already exist.
    std::vector<pid_t> Children;
    for (int C = 0; C < 6; ++C) {
        const pid_t Pid = fork();
        if (Pid == 0) {
            int Held = 0;
            for (int I = 0; I < 300; ++I) {
                TSharedFile File;
                if (OpenAs(File, C % 2 ? Exclusive : Creator, "db.kq4") != 0) continue;
                const int Flag = open("inside", O_CREAT | O_EXCL | O_WRONLY, 0644);
                if (Flag < 0) _exit(2); // two holders at once
                close(Flag);
                unlink("inside");
                ++Held;
            }
            _exit(Held > 0 ? 0 : 3);
        }
        Children.push_back(Pid);
    }
    int Overlaps = 0;
    for (pid_t Pid : Children) {
        int Status = 0;
        waitpid(Pid, &Status, 0);
        if (!WIFEXITED(Status) || WEXITSTATUS(Status) == 2) ++Overlaps;
    }
    EXPECT_EQ(Overlaps, 0);
}

TEST(SharedFile, FilesWeMayOnlyReadStillOpenForReading) {
    // A running program cannot be opened for writing, not even by root: the
    // same road as a file without write rights or on a read-only disk.
    char Self[4096];
    const ssize_t Length = readlink("/proc/self/exe", Self, sizeof Self - 1);
    ASSERT_GT(Length, 0);
    const std::string Program(Self, size_t(Length));
    TSharedFile First, Second, Writer;
    if (OpenAs(Writer, Shared, Program) == 0) GTEST_SKIP() << "running programs are writable here";
    EXPECT_EQ(OpenAs(First, Reader, Program), 0);
    EXPECT_EQ(OpenAs(Second, Reader, Program), 0);
    char Byte = 0;
    EXPECT_EQ(Second.Read(&Byte, 1), 1);
    EXPECT_EQ(Byte, 0x7F); // ELF
}

} // namespace
