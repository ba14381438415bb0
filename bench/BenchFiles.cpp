// Reading speed of the text files every course and story load goes through.
#include "files/TTextFile.h"

#include <benchmark/benchmark.h>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <unistd.h>

namespace {

// A 1 MB text file of typing lines with CR LF ends, removed at exit.
class TSampleFile {
public:
    TSampleFile() {
        char Template[] = "/tmp/clavora-bench-XXXXXX";
        const int Fd = mkstemp(Template);
        if (Fd < 0) abort();
        FName = Template;
        std::string Text = "$version=1.0\r\n$description=Benchmark\r\n$end\r\n";
        const std::string Line = "the quick brown fox jumps over the lazy dog; asdf jkl";
        for (int I = 0; Text.size() < (1u << 20); ++I)
            Text += Line.substr(0, 20 + I % 34) + "\r\n";
        Text.resize(1u << 20);
        if (write(Fd, Text.data(), Text.size()) != ssize_t(Text.size())) abort();
        close(Fd);
    }
    ~TSampleFile() { unlink(FName.c_str()); }
    const std::string& Name() const { return FName; }

private:
    std::string FName;
};

void BM_NextLine1MB(benchmark::State& State) {
    static const TSampleFile Sample;
    int64_t Lines = 0;
    for (auto _ : State) {
        TTextFile File;
        if (File.Open(Sample.Name(), TTextFile::tmRead) != fsOk) abort();
        std::string Line;
        while (File.NextLine(Line) == fsOk)
            ++Lines;
        benchmark::DoNotOptimize(Line);
        File.Close();
    }
    State.SetBytesProcessed(int64_t(State.iterations()) * (1 << 20));
    State.counters["lines"] = benchmark::Counter(double(Lines) / double(State.iterations()));
}
BENCHMARK(BM_NextLine1MB)->Unit(benchmark::kMillisecond);

} // namespace
