#include "files/BusyOpen.h"

#include "files/ErrorLog.h"
#include "platform/Application.h"
#include "platform/Dialogs.h"
#include "platform/FileNames.h"

#include <algorithm>
#include <cerrno>
#include <thread>
#include <unistd.h>

namespace {

std::chrono::milliseconds FRetryInterval{200};

constexpr int Retries = 14;
const char* const BusyQuestion = "The network is busy because of another user(s) is currently "
                                 "using Clavora,do you want to try again?";

// Waits one retry interval while the window keeps answering.
void WaitResponsive() {
    using Clock = std::chrono::steady_clock;
    const auto End = Clock::now() + FRetryInterval;
    Application::ProcessMessages();
    for (auto Now = Clock::now(); Now < End; Now = Clock::now()) {
        std::this_thread::sleep_for(
            std::min<Clock::duration>(End - Now, std::chrono::milliseconds(10)));
        Application::ProcessMessages();
    }
}

// A refused open is worth waiting for only when another copy holds the file.
// A file we have no right to (or on a read-only disk) stays refused however
// long we wait.
bool NeverOpens(const std::string& Name, bool ForWriting) {
    const std::string Path = ResolveFileName(Name);
    if (access(Path.c_str(), ForWriting ? R_OK | W_OK : R_OK) == 0) return false;
    return errno == EACCES || errno == EROFS || errno == EPERM;
}

} // namespace

void SetBusyRetryInterval(std::chrono::milliseconds Interval) {
    FRetryInterval = Interval;
}

std::chrono::milliseconds BusyRetryInterval() {
    return FRetryInterval;
}

int32_t OpenWhenFree(TRecFile& File, const std::string& Name, int Share, bool ForWriting,
                     int32_t TimeOutError, const std::string& Context) {
    for (;;) {
        int32_t Result = File.Open(Name, TRecFile::rmOpen, Share);
        if (Result != fsOpenRefused) return Result;
        const bool Hopeless = NeverOpens(Name, ForWriting);
        for (int Retry = 0; Retry < Retries && !Hopeless; ++Retry) {
            WaitResponsive();
            File.Close();
            Result = File.Open(Name, TRecFile::rmOpen, Share);
            if (Result != fsOpenRefused) return Result;
        }
        File.Close();
        if (!Hopeless && !Application::Terminated() &&
            MessageDlg(BusyQuestion, mtConfirmation, mbYes | mbNo) == mrYes)
            continue;
        if (TimeOutError != 0) LogError(TimeOutError, Context);
        return File.Status;
    }
}
