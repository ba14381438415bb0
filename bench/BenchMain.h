// The main of a benchmark that needs windows.
#pragma once

#include <QApplication>
#include <benchmark/benchmark.h>

// Runs the benchmarks named on the command line in a QApplication (offscreen
// unless a platform is named), between MakeWorld and FreeWorld when given.
inline int RunBenchmarksWithWindows(int Argc, char** Argv, void (*MakeWorld)() = nullptr,
                                    void (*FreeWorld)() = nullptr) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication App(Argc, Argv);
    if (MakeWorld) MakeWorld();
    benchmark::Initialize(&Argc, Argv);
    if (benchmark::ReportUnrecognizedArguments(Argc, Argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    if (FreeWorld) FreeWorld();
    return 0;
}
