// Helpers shared by the benchmarks.
#pragma once

#include "platform/Application.h"
#include "platform/FileNames.h"

#include <QEvent>
#include <QObject>

#include <cstdio>
#include <cstdlib>
#include <ftw.h>
#include <string>
#include <unistd.h>

// The program directory of a benchmark, as start-up makes it: a fresh user
// layer in a temporary folder (also the current directory) over the built
// program's material, which is only read. The folder goes when the
// benchmark ends.
inline void StageProgramDirectory(const std::string& Shipped) {
    static struct TStaged {
        std::string Path;
        ~TStaged() {
            if (Path.empty()) return;
            nftw(
                Path.c_str(),
                [](const char* Name, const struct stat*, int, FTW*) { return std::remove(Name); },
                16, FTW_DEPTH | FTW_PHYS);
        }
    } Staged;
    char Template[] = "/tmp/clavora-bench-XXXXXX";
    if (!mkdtemp(Template) || chdir(Template) != 0) std::abort();
    Staged.Path = Template;
    Application::SetProgramDirectory(Shipped);
    SetProgramLayers(Staged.Path, Shipped);
}

// Counts paint events, so that a run whose samples repaint nothing is
// noticed instead of reported as fast.
class TPaintCounter : public QObject {
public:
    int Paints = 0;

protected:
    bool eventFilter(QObject* Watched, QEvent* Event) override {
        if (Event->type() == QEvent::Paint) ++Paints;
        return QObject::eventFilter(Watched, Event);
    }
};
