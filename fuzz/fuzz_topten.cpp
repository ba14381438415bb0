// Reads arbitrary bytes as a top-ten list file, then offers a score to it and
// stores the entry: the list never holds more than a hundred places, the
// lines always match the places, an entry that makes the list is found at
// its place after storing, and the file grows by no more than the places it
// had.
#include "files/BusyOpen.h"
#include "files/TFile.h"
#include "files/TProgramSettings.h"
#include "games/TtopTen.h"
#include "platform/Dialogs.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace {

void Check(bool Condition) {
    if (!Condition) abort();
}

char Folder[] = "/tmp/clavora-fuzz-topten-XXXXXX";

void RemoveFolder() {
    delete Settings;
    Settings = nullptr;
    unlink("fuzz.kqt");
    unlink("Errors.log");
    rmdir(Folder);
}

void Prepare() {
    static bool Done = false;
    if (Done) return;
    if (!mkdtemp(Folder) || chdir(Folder) != 0) abort();
    atexit(RemoveFolder);
    // The settings at their defaults: the list lies in the current folder.
    Settings = new TProgramSettings;
    SetDialogResponder([](const TDialogRequest& Request) {
        return Request.Buttons & mbNo ? int(mrNo) : int(mrOk);
    });
    SetBusyRetryInterval(std::chrono::milliseconds(0));
    Done = true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size) {
    Prepare();
    // The first two bytes choose the score offered; the rest is the file.
    if (Size < 2) return 0;
    const int32_t Score = int16_t(Data[0] | (Data[1] << 8));
    FILE* F = std::fopen("fuzz.kqt", "wb");
    if (!F) abort();
    if (Size > 2) std::fwrite(Data + 2, 1, Size - 2, F);
    std::fclose(F);

    TtopTen List;
    const int32_t Loaded = List.Load("fuzz");
    Check(Loaded == fsOk);
    const int Records = int((Size - 2) / TtopTen::RecordSize);
    const int Places = Records > 0 ? std::min(Records, TtopTen::MaxPlaces) : 10;
    Check(List.Count() == Places);
    Check(int(List.Lines(0).size()) == Places);

    const int Place = List.Insert(Score, "Fuzz;er");
    Check(Place >= 0 && Place <= Places);
    if (Place > 0) {
        Check(List.Entry(Place).Score == Score);
        for (const std::string& Line : List.Lines(0))
            Check(Line.rfind("Fuzz;er", 0) != 0);
        const int Stored = List.CommitEntry(List.Entry(Place));
        Check(List.Status == fsOk);
        Check(Stored >= 1 && Stored <= Places);
        Check(List.Entry(Stored).Name == "Fuzz;er");
        struct stat Info {};
        Check(stat("fuzz.kqt", &Info) == 0);
        Check(size_t(Info.st_size) <= std::max(Size - 2, size_t(Places) * TtopTen::RecordSize));
    }
    return 0;
}
