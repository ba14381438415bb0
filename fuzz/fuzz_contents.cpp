// Loads arbitrary bytes as a contents file, in full and header-only, with
// a current user whose lesson length comes from the first byte. The loader
// must end with a course or an input error, every message answered, and
// what it built must keep its limits.
#include "course/TContents.h"
#include "files/InputError.h"
#include "platform/Dialogs.h"
#include "users/TUser.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <unistd.h>

namespace {

const std::string& TempName() {
    static const std::string Name = [] {
        char Template[] = "/tmp/clavora-fuzz-XXXXXX";
        const int Fd = mkstemp(Template);
        if (Fd < 0) abort();
        close(Fd);
        return std::string(Template);
    }();
    return Name;
}

void Check(bool Condition) {
    if (!Condition) abort();
}

void Load(bool HeaderOnly) {
    try {
        int32_t Status = 0;
        TContents Course(TempName(), Status, HeaderOnly);
        if (Status != 0) { // the file could not be opened: nothing was read
            Check(Status < 0 && Course.Chapters.empty());
            return;
        }
        Check(CurrentUser->FChapterCount == int32_t(Course.Chapters.size()));
        for (const auto& Chapter : Course.Chapters) {
            Check(Chapter->Exercises.size() <= size_t(TChapter::MaxExercises));
            Check(!HeaderOnly || Chapter->Exercises.empty());
            for (const auto& Exercise : Chapter->Exercises) {
                Check(Exercise->Events.size() <= size_t(TExercise::MaxEvents));
                Check(Exercise->Minutes >= 0);
                for (const auto& Event : Exercise->Events)
                    Check(Event->TimeLimit >= 0 && Event->Weight >= 0);
            }
        }
    } catch (const EInputError&) {
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size) {
    static const bool Ready = [] {
        SetDialogResponder([](const TDialogRequest&) { return int(mrOk); });
        return true;
    }();
    (void)Ready;
    if (Size == 0) return 0;
    FILE* Out = std::fopen(TempName().c_str(), "wb");
    if (!Out) abort();
    std::fwrite(Data + 1, 1, Size - 1, Out);
    std::fclose(Out);

    SetCurrentUser(std::make_unique<TUser>("Fuzz"));
    CurrentUser->FLessonMinutes = Data[0] < 128 ? Data[0] : 0x7FFFFFFF - Data[0];
    Load(false);
    Load(true);
    ClearDialogLog();
    return 0;
}
