// Reads arbitrary bytes as a revision bank (an index file and a data file cut
// from the input) and collects words and rows for a set of keys, checking
// that every line collected is a whole slot of the data file.
#include "files/SystemUtils.h"
#include "platform/Dialogs.h"
#include "revision/TRevisionBuilder.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <set>
#include <string>
#include <unistd.h>

namespace {

void Check(bool Condition) {
    if (!Condition) abort();
}

// A memory-backed folder where there is one: the file classes sync what they
// close, which costs a disk a few milliseconds every run.
char Folder[] = "/dev/shm/clavora-fuzz-bank-XXXXXX";
char FallbackFolder[] = "/tmp/clavora-fuzz-bank-XXXXXX";
char* UsedFolder = Folder;

void RemoveFolder() {
    unlink("builder.hdr");
    unlink("builder.dta");
    unlink("Errors.log");
    rmdir(UsedFolder);
}

void Prepare() {
    static bool Done = false;
    if (Done) return;
    if (!mkdtemp(Folder)) UsedFolder = FallbackFolder;
    if ((UsedFolder == FallbackFolder && !mkdtemp(FallbackFolder)) || chdir(UsedFolder) != 0)
        abort();
    atexit(RemoveFolder);
    SetDialogResponder([](const TDialogRequest&) { return int(mrOk); });
    FixRandomSeed(1);
    Done = true;
}

void WriteFile(const char* Name, const uint8_t* Bytes, size_t Size) {
    FILE* Out = fopen(Name, "wb");
    Check(Out != nullptr);
    if (Size) Check(fwrite(Bytes, 1, Size, Out) == Size);
    fclose(Out);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size) {
    Prepare();
    if (Size < 3) return 0;
    // Byte 0 and 1: the length of the index; byte 2: the learner's level.
    const size_t IndexSize = std::min<size_t>(Size - 3, size_t(Data[0] | (Data[1] << 8)));
    const int Level = Data[2] % 24;
    const uint8_t* Index = Data + 3;
    const uint8_t* Slots = Index + IndexSize;
    const size_t SlotBytes = Size - 3 - IndexSize;
    WriteFile("builder.hdr", Index, IndexSize);
    WriteFile("builder.dta", Slots, SlotBytes);

    std::set<std::string> Stored;
    for (size_t At = 0; At + 256 <= SlotBytes; At += 256)
        Stored.insert(std::string(reinterpret_cast<const char*>(Slots + At + 1), Slots[At]));

    TRevisionBuilder Builder;
    Builder.WizardName.clear();
    Builder.FChars = UniqueChars("asdfjkl;ghqwertyuiopzxcvbnm,.");
    Builder.FLevel = Level;
    for (int Kind : {int(TRevisionBuilder::bkWords), int(TRevisionBuilder::bkRows)}) {
        const int Lines = Builder.Collect(Kind, 3);
        Check(Lines == int(Builder.FLines.size()));
        for (const std::string& Line : Builder.FLines) {
            Check(Line.size() <= 255);
            Check((Kind == TRevisionBuilder::bkRows && Line.empty()) || Stored.count(Line) == 1);
        }
    }
    Builder.BuildDrillLines("aSd,.", Level, 2);
    Builder.BuildRows("aSd,.", Level, 2);
    return 0;
}
