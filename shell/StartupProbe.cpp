#include "shell/StartupProbe.h"

#include <QEvent>
#include <QWidget>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

long ResidentKiB() {
    FILE* Status = std::fopen("/proc/self/status", "r");
    if (!Status) return -1;
    char Line[256];
    long Kib = -1;
    while (std::fgets(Line, sizeof Line, Status))
        if (std::strncmp(Line, "VmRSS:", 6) == 0) Kib = std::strtol(Line + 6, nullptr, 10);
    std::fclose(Status);
    return Kib;
}

class TCoverPaintProbe : public QObject {
public:
    explicit TCoverPaintProbe(QWidget* Cover) : QObject(Cover) { Cover->installEventFilter(this); }

protected:
    bool eventFilter(QObject* Watched, QEvent* Event) override {
        if (Event->type() == QEvent::Paint) {
            Watched->removeEventFilter(this);
            // Report after the paint has reached the window.
            std::fprintf(stderr, "clavora-startup: cover-painted rss_kb=%ld\n", ResidentKiB());
            std::fflush(stderr);
            deleteLater();
        }
        return false;
    }
};

} // namespace

void InstallStartupProbe(QWidget* Window) {
    if (!std::getenv("CLAVORA_STARTUP_PROBE")) return;
    if (QWidget* Cover = Window->findChild<QWidget*>(QStringLiteral("Image3")))
        new TCoverPaintProbe(Cover);
}
