// The desktop services under the offscreen platform: the keyboard language
// never asks XKB there, opening a document reports the shell's codes, an X
// server is asked through XKB, and the book is scaled from it only when the
// toolkit will run on it rather than on a Wayland compositor.
#include "files/SystemUtils.h"
#include "platform/BookScale.h"
#include "platform/KeyboardLanguage.h"
#include "platform/ShellOpen.h"
#include "tests/support/TSeamGuard.h"
#include "tests/support/TestSupport.h"

#include <QDir>
#include <QGuiApplication>
#include <QLibraryInfo>
#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <fcntl.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <utility>
#include <vector>

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

// Sets environment variables for one test and puts them back afterwards.
class TEnvironment {
public:
    ~TEnvironment() {
        for (auto Saved = FSaved.rbegin(); Saved != FSaved.rend(); ++Saved)
            if (Saved->second.first)
                setenv(Saved->first.c_str(), Saved->second.second.c_str(), 1);
            else
                unsetenv(Saved->first.c_str());
    }
    void Set(const std::string& Name, const char* Value) {
        const char* Old = getenv(Name.c_str());
        FSaved.push_back({Name, {Old != nullptr, Old ? Old : ""}});
        if (Value)
            setenv(Name.c_str(), Value, 1);
        else
            unsetenv(Name.c_str());
    }

private:
    std::vector<std::pair<std::string, std::pair<bool, std::string>>> FSaved;
};

} // namespace

TEST(Desktop, TheBookIsScaledFromTheXServerOnlyWhenTheToolkitRunsOnIt) {
    TXvfb Server;
    if (Server.Display().empty()) GTEST_SKIP() << "Xvfb is not installed";
    TScopedTempDir Dir;
    TEnvironment Environment;
    Environment.Set("DISPLAY", Server.Display().c_str());
    Environment.Set("XDG_RUNTIME_DIR", Dir.Path().c_str());
    for (const char* Name : {"QT_QPA_PLATFORM", "WAYLAND_DISPLAY", "QT_SCALE_FACTOR",
                             "QT_SCREEN_SCALE_FACTORS", "QT_ENABLE_HIGHDPI_SCALING"})
        Environment.Set(Name, nullptr);
    const auto Factor = [] {
        BookScale::Prepare(true);
        const double Chosen = BookScale::Factor();
        const char* Variable = getenv("QT_SCALE_FACTOR");
        EXPECT_EQ(Variable ? std::stod(Variable) : 1.0, Chosen);
        BookScale::Forget();
        return Chosen;
    };
    // The server's screen of 1280 x 1024 holds the book 1.6 times over.
    EXPECT_DOUBLE_EQ(Factor(), 1.6) << "no compositor: the toolkit runs on X";
    Environment.Set("WAYLAND_DISPLAY", "wayland-test");
    EXPECT_DOUBLE_EQ(Factor(), 1.6) << "a compositor's name without its socket";

    const QDir Plugins(QLibraryInfo::path(QLibraryInfo::PluginsPath) +
                       QStringLiteral("/platforms"));
    if (Plugins.entryList({QStringLiteral("libqwayland-*.so")}).isEmpty())
        GTEST_SKIP() << "the toolkit's wayland plugin is not installed";
    const int Socket = socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un Address{};
    Address.sun_family = AF_UNIX;
    const std::string Path = Dir / "wayland-test";
    std::snprintf(Address.sun_path, sizeof Address.sun_path, "%s", Path.c_str());
    ASSERT_EQ(bind(Socket, reinterpret_cast<sockaddr*>(&Address), sizeof Address), 0);
    EXPECT_DOUBLE_EQ(Factor(), 1.0) << "a compositor: the toolkit runs on it";
    Environment.Set("QT_QPA_PLATFORM", "xcb");
    EXPECT_DOUBLE_EQ(Factor(), 1.6) << "X asked for by name";
    Environment.Set("QT_QPA_PLATFORM", "wayland");
    Environment.Set("WAYLAND_DISPLAY", nullptr);
    EXPECT_DOUBLE_EQ(Factor(), 1.0) << "wayland asked for by name";
    close(Socket);
}

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
