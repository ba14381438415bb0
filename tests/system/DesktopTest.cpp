// The desktop services under the offscreen platform: the keyboard language
// never asks XKB there, opening a document reports the shell's codes, and an
// X server is asked through XKB.
#include "files/SystemUtils.h"
#include "platform/KeyboardLanguage.h"
#include "platform/ShellOpen.h"
#include "tests/support/TSeamGuard.h"
#include "tests/support/TestSupport.h"

#include <QGuiApplication>
#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <fcntl.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

TEST(Desktop, OffscreenTheKeyboardLanguageComesFromTheConsoleConfigurationOnly) {
    ASSERT_EQ(QGuiApplication::platformName(), QStringLiteral("offscreen"));
    TSeamGuard Seams;
    TScopedTempDir Dir;
    int XkbAsked = 0;
    SetXkbLayoutQuery([&] {
        ++XkbAsked;
        return std::string("fr");
    });
    WriteFileBytes(Dir / "keyboard", "XKBLAYOUT=\"fi\"\n");
    SetKeyboardConfigFile(Dir / "keyboard");
    EXPECT_EQ(DetectKeyboardLanguage(), "Finnish");
    SetKeyboardConfigFile(Dir / "missing");
    EXPECT_EQ(DetectKeyboardLanguage(), "Not available");
    EXPECT_EQ(XkbAsked, 0);
}

TEST(Desktop, ShellOpenReportsSuccessAbove32AndFailureAsZero) {
    TSeamGuard Seams;
    std::string Opened;
    SetShellOpener([&](const std::string& Target) {
        Opened = Target;
        return Target.rfind("http", 0) == 0;
    });
    EXPECT_GT(ShellOpen("http://www.example.com/clavora"), 32);
    EXPECT_EQ(Opened, "http://www.example.com/clavora");
    EXPECT_LE(ShellOpen("/nonexistent/Report.pdf"), 32);
    EXPECT_EQ(Opened, "/nonexistent/Report.pdf");
}

namespace {

// A virtual X server for one test, when Xvfb is installed.
class TXvfb {
public:
    TXvfb() {
        int Pipe[2];
        if (pipe(Pipe) != 0) return;
        // Only async-signal-safe calls between fork and exec.
        const std::string Fd = std::to_string(Pipe[1]);
        FPid = fork();
        if (FPid == 0) {
            close(Pipe[0]);
            const int Null = open("/dev/null", O_WRONLY);
            dup2(Null, 2);
            execlp("Xvfb", "Xvfb", "-displayfd", Fd.c_str(), "-nolisten", "tcp", nullptr);
            _exit(127);
        }
        close(Pipe[1]);
        // The server may write the number and its line end separately; read
        // up to the line end, or the server dies writing into a closed pipe.
        std::string Number;
        char C = 0;
        while (FPid > 0 && read(Pipe[0], &C, 1) == 1 && C != '\n')
            Number += C;
        close(Pipe[0]);
        if (C == '\n' && !Number.empty()) FDisplay = ":" + Number;
    }
    ~TXvfb() {
        if (FPid > 0) {
            kill(FPid, SIGTERM);
            waitpid(FPid, nullptr, 0);
        }
    }
    const std::string& Display() const { return FDisplay; }

private:
    pid_t FPid = -1;
    std::string FDisplay;
};

} // namespace

TEST(Desktop, AnXServerNamesItsKeyboardLayoutThroughXkb) {
    TXvfb Server;
    if (Server.Display().empty()) GTEST_SKIP() << "Xvfb is not installed";
    const char* Old = getenv("DISPLAY");
    const std::string Saved = Old ? Old : "";
    setenv("DISPLAY", Server.Display().c_str(), 1);
    // A fresh server starts with the US layout. It may still be loading its
    // keymap on a busy machine: ask again until a deadline.
    std::string Layout;
    const auto Deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while ((Layout = XkbLayoutOfDisplay()).empty() && std::chrono::steady_clock::now() < Deadline)
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    EXPECT_EQ(Layout, "us");
    setenv("DISPLAY", ":99999", 1);
    EXPECT_EQ(XkbLayoutOfDisplay(), "");
    if (Old)
        setenv("DISPLAY", Saved.c_str(), 1);
    else
        unsetenv("DISPLAY");
}
