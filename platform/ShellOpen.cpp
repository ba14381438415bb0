#include "platform/ShellOpen.h"

#include "platform/Latin1.h"

#include <QDesktopServices>
#include <QUrl>

namespace {
std::function<bool(const std::string&)> FOpener;
}

int ShellOpen(const std::string& Target) {
    bool Opened = false;
    if (FOpener) {
        Opened = FOpener(Target);
    } else {
        QUrl Url = QUrl::fromUserInput(ToQ(Target));
        if (Target.rfind("mailto:", 0) == 0) Url = QUrl(ToQ(Target));
        Opened = Url.isValid() && QDesktopServices::openUrl(Url);
    }
    return Opened ? 33 : 0;
}

void SetShellOpener(std::function<bool(const std::string&)> Opener) {
    FOpener = std::move(Opener);
}

const std::function<bool(const std::string&)>& InstalledShellOpener() {
    return FOpener;
}
