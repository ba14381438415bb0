// A running text event on the offscreen platform.
//
// BM_Keystroke times the whole path of one keystroke: the key event into the
// book window's QWindow, the key preview, the typing logic and the analysis,
// the model and typing canvases, and one step of the rhythm graph (its 100 ms
// tick, taken with every key as the worst case), with the repaint they ask
// for flushed before the clock stops. 10,000 keys, reported as the counters
// p50_us and p99_us.
//
// BM_TypingSession30Min types for 30 minutes of a fake clock at 300 keys a
// minute, one text event after another, each followed by its results in the
// chapter container, and reports the growth of the resident memory from
// minute 1 to minute 30 as rss_growth_mb.
#include "analysis/AnalysisObjects.h"
#include "analysis/results/TExercInfoView.h"
#include "app/ProgramObjects.h"
#include "bench/BenchMain.h"
#include "bench/BenchSupport.h"
#include "engine/ui/RunEvent.h"
#include "engine/ui/TNervoGraph.h"
#include "engine/ui/TTextEvent.h"
#include "engine/ui/TTypingCanvas.h"
#include "engine/ui/TViewCanvas.h"
#include "files/TProgramSettings.h"
#include "forms/TChapterStgs.h"
#include "forms/TEventViewStg.h"
#include "forms/TEventsStg.h"
#include "forms/TGeneralStg.h"
#include "platform/Application.h"
#include "platform/Clock.h"
#include "platform/Dialogs.h"
#include "shell/TBookForm.h"
#include "shell/TChapterView.h"
#include "tests/support/TFakeClock.h"
#include "users/TDifficultKeys.h"
#include "users/TUser.h"

#include <QApplication>
#include <QDir>
#include <QTest>
#include <QTimer>
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <fstream>
#include <functional>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

constexpr int Keys = 10000;
// One key every 0.2 clock seconds: 300 keys a minute.
constexpr double KeyStep = 0.2;

std::string SampleText(size_t Size) {
    const char* Words[] = {"the",   "quick", "brown",  "fox",   "jumps", "over",  "lazy",
                           "dog",   "while", "typing", "every", "word",  "keeps", "its",
                           "place", "on",    "the",    "page",  "slowly"};
    std::string Text;
    for (int I = 0; Text.size() < Size; ++I) {
        Text += Words[(I * 7) % 19];
        Text += (I % 11 == 10) ? ".\r\n" : " ";
    }
    return Text;
}

// What the learner types for a text: its characters, Enter at line ends,
// and now and then a slip corrected with backspace.
std::string KeysFor(const std::string& Text) {
    std::string Out;
    for (size_t I = 0; I < Text.size(); ++I) {
        const char C = Text[I];
        if (C == '\n') continue;
        if (I % 37 == 5 && C != ' ' && C != '\r') Out += "x\b";
        Out += C;
    }
    return Out;
}

TFakeClock Clock;

// The program's world, as start-up makes it.
void MakeWorld() {
    StageProgramDirectory(CLAVORA_BENCH_APP_DIR);
    // The settings as start-up makes them, kept in the staged folder.
    qputenv("XDG_CONFIG_HOME", (QDir::currentPath() + QStringLiteral("/config")).toLocal8Bit());
    Settings = new TProgramSettings;
    SetClock(&Clock);
    SetDialogResponder([](const TDialogRequest& R) { return DefaultAnswer(R.Buttons); });
    SetCurrentUser(std::make_unique<TUser>());
    CreateProgramObjects();
    BookForm->show();
    if (!QTest::qWaitForWindowExposed(BookForm)) qWarning("the book window was not exposed");
}

void SendKey(char C) {
    Qt::Key Key = Qt::Key_unknown;
    if (C == '\b')
        Key = Qt::Key_Backspace;
    else if (C == '\r')
        Key = Qt::Key_Return;
    else if (C == ' ')
        Key = Qt::Key_Space;
    QTest::sendKeyEvent(QTest::Click, BookForm->windowHandle(), Key, QString(QChar::fromLatin1(C)),
                        Qt::NoModifier);
}

// Runs the event modally with Body called from inside its loop; Body ends
// the event.
// Runs the event as the program does, while Body types into it.
int RunTyping(TTextEvent& Event, const std::function<void()>& Body) {
    QTimer::singleShot(0, [&Body] { Body(); });
    return RunEvent(Event, TEventSetup()).Result;
}

void BM_Keystroke(benchmark::State& State) {
    static const std::string Text = SampleText(40000);
    static const std::string Typed = KeysFor(Text);
    // A text source of "NIL" keeps the text given before the event runs.
    TTextEvent Event("Bench=TEXT;1;NIL");
    Event.Text = Text;
    std::vector<double> Samples;
    Samples.reserve(Keys);
    TPaintCounter Typing, Model;
    Event.TypingCanvas->installEventFilter(&Typing);
    Event.Canvas->installEventFilter(&Model);
    RunTyping(Event, [&] {
        size_t Next = 0;
        for (auto _ : State) {
            Clock.AdvanceClockSeconds(KeyStep);
            const char C = Typed[Next++ % Typed.size()];
            const auto Start = std::chrono::steady_clock::now();
            SendKey(C);
            Event.RhythmGraph->Tick();
            QCoreApplication::sendPostedEvents(BookForm, QEvent::UpdateRequest);
            const auto Stop = std::chrono::steady_clock::now();
            Samples.push_back(std::chrono::duration<double, std::micro>(Stop - Start).count());
        }
        if (Event.State == esCompleted) State.SkipWithError("the text ran out");
        Event.Finish();
        Event.SetResult(erNext);
    });
    if (Typing.Paints < Keys / 2 || Model.Paints < Event.Run.Words().WordsTyped / 2) {
        State.SkipWithError("the keys did not repaint the canvases");
        return;
    }
    std::sort(Samples.begin(), Samples.end());
    auto At = [&](double Share) {
        return Samples[std::min(Samples.size() - 1, size_t(double(Samples.size()) * Share))];
    };
    State.counters["p50_us"] = At(0.50);
    State.counters["p99_us"] = At(0.99);
    State.counters["words"] = Event.Run.Words().WordsTyped;
    State.counters["paints"] = Typing.Paints + Model.Paints;
}
BENCHMARK(BM_Keystroke)->Iterations(Keys)->Unit(benchmark::kMicrosecond);

double ResidentMb() {
    std::ifstream Statm("/proc/self/statm");
    long Pages = 0, Resident = 0;
    Statm >> Pages >> Resident;
    return double(Resident) * double(sysconf(_SC_PAGESIZE)) / (1024.0 * 1024.0);
}

void BM_TypingSession30Min(benchmark::State& State) {
    // Texts of about a minute and a half each, different every time.
    const std::string Base = SampleText(3000);
    double RssAtMinute1 = 0, RssAtMinute30 = 0;
    int Events = 0;
    for (auto _ : State) {
        const double Begin = Now();
        auto Minutes = [&] { return (Now() - Begin) * 86400.0 / 60.0; };
        while (Minutes() < 30) {
            const size_t From = size_t(Events * 41) % 2000;
            const std::string Text = Base.substr(From, 450);
            TTextEvent Event("Session=TEXT;1;NIL");
            Event.Text = Text;
            const std::string Typed = KeysFor(Text) + '\r';
            RunTyping(Event, [&] {
                for (char C : Typed) {
                    Clock.AdvanceClockSeconds(KeyStep);
                    SendKey(C);
                    Event.RhythmGraph->Tick();
                    QCoreApplication::sendPostedEvents(BookForm, QEvent::UpdateRequest);
                    if (Event.State == esCompleted) break;
                }
                if (Event.State != esCompleted) Event.Finish();
                Event.SetResult(erNext);
            });
            ++Events;
            // The results in the chapter container, closed at once.
            TFormView Right;
            Right.Host = BookForm;
            QTimer::singleShot(0, [&Right] { Right.SetResult(erNext); });
            ChapterView->ShowSpread(nullptr, &Right);
            QCoreApplication::sendPostedEvents();
            if (RssAtMinute1 == 0 && Minutes() >= 1) RssAtMinute1 = ResidentMb();
        }
        RssAtMinute30 = ResidentMb();
    }
    State.counters["rss_growth_mb"] = RssAtMinute30 - RssAtMinute1;
    State.counters["rss_minute1_mb"] = RssAtMinute1;
    State.counters["events"] = Events;
}
BENCHMARK(BM_TypingSession30Min)->Iterations(1)->Unit(benchmark::kMillisecond);

} // namespace

int main(int Argc, char** Argv) {
    return RunBenchmarksWithWindows(Argc, Argv, MakeWorld);
}
