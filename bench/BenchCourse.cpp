// Loading the biggest course the program ships, in full: every chapter,
// exercise and event line, the key groups and the time limits.
#include "course/TContents.h"
#include "platform/Dialogs.h"
#include "platform/FileNames.h"
#include "users/TUser.h"

#include <benchmark/benchmark.h>

#include <sys/stat.h>

#include <string>

namespace {

std::string BiggestCourse() {
    const std::string Dir = CLAVORA_BENCH_APP_DIR;
    std::string Biggest;
    off_t Size = -1;
    for (const std::string& Name : ListFiles(Dir + "/*.cnt")) {
        struct stat Info {};
        const std::string Path = Dir + "/" + Name;
        if (stat(Path.c_str(), &Info) == 0 && Info.st_size > Size) {
            Size = Info.st_size;
            Biggest = Path;
        }
    }
    return Biggest;
}

void BM_ContentsLoad(benchmark::State& State) {
    const std::string Course = BiggestCourse();
    if (Course.empty()) {
        State.SkipWithError("no course in the program directory");
        return;
    }
    SetDialogResponder([](const TDialogRequest&) { return int(mrOk); });
    SetCurrentUser(std::make_unique<TUser>("Bench"));
    size_t Exercises = 0;
    for (auto _ : State) {
        int32_t Status = 0;
        TContents Contents(Course, Status);
        if (Status != 0) {
            State.SkipWithError("the course did not load");
            return;
        }
        Exercises = 0;
        for (const auto& Chapter : Contents.Chapters)
            Exercises += Chapter->Exercises.size();
        benchmark::DoNotOptimize(Exercises);
    }
    State.SetLabel(Course.substr(Course.rfind('/') + 1));
    State.counters["exercises"] = double(Exercises);
}
BENCHMARK(BM_ContentsLoad)->Unit(benchmark::kMillisecond);

} // namespace
