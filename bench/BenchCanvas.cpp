// The exercise canvases on the offscreen platform: laying out a page, and a
// step of the model text or a keystroke together with the repaint it causes.
// The repaint is flushed after every call and checked to have happened, so
// the painting cost is in the samples. The keystroke figures are the 99th
// percentile of 10,000 timed calls, reported as the counter p99_us.
#include "bench/BenchMain.h"
#include "bench/BenchSupport.h"
#include "engine/ui/TTypingCanvas.h"
#include "engine/ui/TViewCanvas.h"

#include <QApplication>
#include <QEvent>
#include <QFont>
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

constexpr int Calls = 10000;

std::string SampleText() {
    const char* Words[] = {"the",   "quick", "brown",  "fox",   "jumps", "over",  "lazy",
                           "dog",   "while", "typing", "every", "word",  "keeps", "its",
                           "place", "on",    "the",    "page",  "slowly"};
    std::string Text;
    for (int I = 0; Text.size() < 20000; ++I) {
        Text += Words[(I * 7) % 19];
        Text += (I % 11 == 10) ? ".\r\n" : " ";
    }
    return Text;
}

// Paints what the last call made dirty, now.
void FlushRepaint(QWidget& W) {
    QCoreApplication::sendPostedEvents(W.window(), QEvent::UpdateRequest);
}

// As the text event shows them: the model text 500 x 250, the typing line
// below it, "Times New Roman" 14 point.
void Prepare(TExerciseCanvas& Canvas, int Width, int Height) {
    Canvas.setFont(QFont(QStringLiteral("Times New Roman"), 14));
    Canvas.resize(Width, Height);
    Canvas.show();
    QApplication::processEvents();
}

double Percentile99(std::vector<double>& Samples) {
    std::sort(Samples.begin(), Samples.end());
    const size_t Index = std::min(Samples.size() - 1, size_t(double(Samples.size()) * 0.99));
    return Samples[Index];
}

template <class Op> void TimedCalls(benchmark::State& State, QWidget& Canvas, Op Call) {
    TPaintCounter Counter;
    Canvas.installEventFilter(&Counter);
    std::vector<double> Samples;
    Samples.reserve(Calls);
    for (auto _ : State) {
        const auto Start = std::chrono::steady_clock::now();
        const bool Measured = Call();
        FlushRepaint(Canvas);
        const auto Stop = std::chrono::steady_clock::now();
        if (Measured)
            Samples.push_back(std::chrono::duration<double, std::micro>(Stop - Start).count());
    }
    if (Counter.Paints < int(Samples.size()) / 2) {
        State.SkipWithError("the calls did not repaint the canvas");
        return;
    }
    State.counters["p99_us"] = Percentile99(Samples);
    State.counters["paints"] = Counter.Paints;
}

void BM_PageLayout(benchmark::State& State) {
    static const std::string Text = SampleText();
    TViewCanvas Canvas;
    Prepare(Canvas, 500, 250);
    int Words = 0;
    for (auto _ : State) {
        Canvas.SetText(Text, 0);
        Words = Canvas.WordCount();
    }
    State.counters["words"] = Words;
}
BENCHMARK(BM_PageLayout)->Unit(benchmark::kMicrosecond);

void BM_AdvanceRepaint(benchmark::State& State) {
    static const std::string Text = SampleText();
    TViewCanvas Canvas;
    Prepare(Canvas, 500, 250);
    Canvas.SetMode(1);
    Canvas.SetText(Text, 0);
    TimedCalls(State, Canvas, [&Canvas] {
        if (Canvas.CurrentTarget().empty()) Canvas.SetText(Text, 0);
        Canvas.Advance();
        return true;
    });
}
BENCHMARK(BM_AdvanceRepaint)->Iterations(Calls)->Unit(benchmark::kMicrosecond);

void BM_TypeCharRepaint(benchmark::State& State) {
    static const std::string Text = SampleText();
    TTypingCanvas Canvas;
    // The word being typed is kept here, as the typing run keeps it.
    std::string Word;
    Canvas.Follow(Word);
    Prepare(Canvas, 490, 70);
    Canvas.setFocus();
    QApplication::processEvents();
    size_t Next = 0;
    TimedCalls(State, Canvas, [&Canvas, &Next, &Word] {
        const unsigned char C = static_cast<unsigned char>(Text[Next++ % Text.size()]);
        if (C > 32) {
            if (Word.size() < TWordInfo::MaxLength) Word += char(C);
            if (Canvas.TypeChar(C)) {
                Word.assign(1, char(C));
                Canvas.WordChanged();
            }
            return true;
        }
        // Word ends are the event's work and are not sampled.
        const std::string Ended = Word;
        Word.clear();
        Canvas.EndWord(C == '\r' ? 1 : 0, int(Next % 3), Ended);
        return false;
    });
}
BENCHMARK(BM_TypeCharRepaint)->Iterations(Calls)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int Argc, char** Argv) {
    return RunBenchmarksWithWindows(Argc, Argv);
}
