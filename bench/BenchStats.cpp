// The statistics page and the study report on the offscreen platform.
//
// BM_StatsPageOpen opens the statistics page for a learner with results in
// all twenty chapters of a twenty-chapter course and eight difficult keys:
// the controls borrowed onto the book, the three graphs made and set up, and
// the book window painted with them; closing the page is not timed.
//
// BM_ReportPdf writes the study report of the same learner as a PDF file
// (A4 at 600 dpi), as a machine without a printer does.
#include "app/ProgramObjects.h"
#include "bench/BenchMain.h"
#include "bench/BenchSupport.h"
#include "files/TProgramSettings.h"
#include "platform/Application.h"
#include "platform/Dialogs.h"
#include "shell/TBookForm.h"
#include "users/ReportData.h"
#include "users/TDifficultKeys.h"
#include "users/TUser.h"
#include "users/ui/StudyReport.h"
#include "users/ui/TGraph.h"
#include "users/ui/TStatisticsView.h"

#include <QApplication>
#include <QDir>
#include <QPrinter>
#include <QTest>
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>
#include <memory>
#include <string>

namespace {

constexpr int Chapters = 20;

TCourseSummary Course() {
    TCourseSummary Summary{"Touch typing for beginners", {}};
    for (int I = 1; I <= Chapters; ++I)
        Summary.ChapterTitles.push_back(std::to_string(I) + ". Chapter " + std::to_string(I));
    return Summary;
}

void MakeWorld() {
    StageProgramDirectory(CLAVORA_BENCH_APP_DIR);
    SetDialogResponder([](const TDialogRequest& R) { return DefaultAnswer(R.Buttons); });
    SetReportPrinterSource([] { return nullptr; });
    CreateProgramObjects();
    // The settings as start-up makes them, kept in the staged folder.
    qputenv("XDG_CONFIG_HOME", (QDir::currentPath() + QStringLiteral("/config")).toLocal8Bit());
    Settings = new TProgramSettings;
    auto User = std::make_unique<TUser>("Anna");
    User->FChapterCount = Chapters;
    User->FTopChapter = 18;
    User->FTopExercise = 3;
    User->FTotalMinutes = 1500;
    for (int I = 1; I <= Chapters; ++I) {
        User->FChapterSpeed[size_t(I)] = float(80 + 11 * I);
        User->FChapterAccuracy[size_t(I)] = float(85 + I % 10);
        User->FChapterEfficiency[size_t(I)] = float(40 + 2 * I);
    }
    SetCurrentUser(std::move(User));
    const char Keys[] = "asdfjklghe";
    for (int K = 0; K < 10; ++K)
        for (int S = 0; S < 40; ++S)
            DifficultKeys->RecordKey(static_cast<unsigned char>(Keys[K]), S < K + 1);
    DifficultKeys->Merge();
    BookForm->show();
    if (!QTest::qWaitForWindowExposed(BookForm)) qWarning("the book window was not exposed");
}

bool Painted(const TGraph* Graph) {
    return Graph && !Graph->YLabels().empty();
}

void BM_StatsPageOpen(benchmark::State& State) {
    TStatisticsView View;
    View.Course = Course;
    for (auto _ : State) {
        const auto Start = std::chrono::steady_clock::now();
        View.Show();
        BookForm->repaint();
        const auto Stop = std::chrono::steady_clock::now();
        State.SetIterationTime(std::chrono::duration<double>(Stop - Start).count());
        if (!Painted(View.KeysGraph()) || !Painted(View.EfficiencyGraph()) ||
            !Painted(View.SpeedGraph())) {
            State.SkipWithError("the graphs were not painted");
            break;
        }
        bool Refused = false;
        View.Close(Refused);
    }
}
BENCHMARK(BM_StatsPageOpen)->UseManualTime()->Iterations(50)->Unit(benchmark::kMillisecond);

void BM_ReportPdf(benchmark::State& State) {
    const TReportData Data = StudyReportData(*CurrentUser, Settings, Course(), "7 Dec 2026");
    const std::string File = QDir::tempPath().toStdString() + "/clavora-bench-report-" +
                             std::to_string(QCoreApplication::applicationPid()) + ".pdf";
    for (auto _ : State) {
        if (PrintStudyReport(Data, File).Kind != TReportOutcome::Saved) {
            State.SkipWithError("the report was not written");
            break;
        }
    }
    std::remove(File.c_str());
}
BENCHMARK(BM_ReportPdf)->Iterations(20)->Unit(benchmark::kMillisecond);

} // namespace

int main(int Argc, char** Argv) {
    return RunBenchmarksWithWindows(Argc, Argv, MakeWorld);
}
