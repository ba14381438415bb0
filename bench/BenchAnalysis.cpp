// Judging one word: the error percentage of a 20-character typed word with
// two errors (a key too many and a key missing) against its 20-character
// model word, as the text event does for every word and its neighbours.
#include "analysis/TErrorFinder.h"

#include <benchmark/benchmark.h>
#include <cstdlib>
#include <string>

namespace {

void BM_ErrorPercent(benchmark::State& State) {
    const std::string Model = "characteristicalness";
    const std::string Typed = "chaaracteristcalness";
    TErrorFinder Finder;
    if (Finder.ErrorPercent(Model, Typed) != 10) abort();
    for (auto _ : State)
        benchmark::DoNotOptimize(Finder.ErrorPercent(Model, Typed));
}
BENCHMARK(BM_ErrorPercent)->Unit(benchmark::kNanosecond);

} // namespace
