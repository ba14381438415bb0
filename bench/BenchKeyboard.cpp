// The on-screen keyboard and a running character drill on the offscreen
// platform.
//
// BM_KeyboardPaintFull draws every key of a 502 x 170 keyboard anew and paints
// the whole control. BM_KeyboardHighlight moves the highlight from one key to
// another (with the Shift key it needs, every other time) and paints what
// changed. BM_DrillKeystroke times one key of a character drill: the key event
// into the book window's QWindow, the key preview, the judging, the keyboard's
// marks and pressed key, the finger guide and the model text, with the repaint
// they ask for flushed before the clock stops; 10,000 keys, every ninth a
// wrong one, reported as the counters p50_us and p99_us.
#include "app/ProgramObjects.h"
#include "bench/BenchMain.h"
#include "bench/BenchSupport.h"
#include "engine/ui/TKeyboardEvent.h"
#include "engine/ui/TViewCanvas.h"
#include "keyboard/TKeyData.h"
#include "keyboard/ui/TFingers.h"
#include "keyboard/ui/TKeyboard.h"
#include "platform/Clock.h"
#include "platform/Controls.h"
#include "platform/Dialogs.h"
#include "shell/TBookForm.h"
#include "tests/support/TFakeClock.h"
#include "users/TUser.h"

#include <QApplication>
#include <QTest>
#include <QTimer>
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <ctime>
#include <string>
#include <vector>

namespace {

constexpr int Keys = 10000;

TFakeClock Clock;

void MakeWorld() {
    StageProgramDirectory(CLAVORA_BENCH_APP_DIR);
    SetClock(&Clock);
    SetDialogResponder([](const TDialogRequest& R) { return DefaultAnswer(R.Buttons); });
    SetCurrentUser(std::make_unique<TUser>());
    CreateProgramObjects();
    KeyData = new TKeyData;
    if (KeyData->Load("qwerty.kbd") != 1) qWarning("the layout was not loaded");
    BookForm->show();
    if (!QTest::qWaitForWindowExposed(BookForm)) qWarning("the book window was not exposed");
}

// A keyboard on a window of its own, as the drills show it.
struct TKeyboardWindow {
    QWidget Window;
    TKeyboard* Keyboard;
    TPaintCounter Paints;
    TKeyboardWindow() {
        Keyboard = new TKeyboard(&Window, KeyData);
        Keyboard->setGeometry(0, 0, 502, 170);
        Keyboard->SetBackground(Qt::black);
        Keyboard->SetKeyFace(LoadPicture("KeyFace.png"));
        Keyboard->SetKnownKeys("asdfjkl;");
        Keyboard->installEventFilter(&Paints);
        Window.resize(502, 170);
        Window.show();
        if (!QTest::qWaitForWindowExposed(&Window)) qWarning("the keyboard was not exposed");
        Flush();
        Paints.Paints = 0;
    }
    void Flush() { QCoreApplication::sendPostedEvents(&Window, QEvent::UpdateRequest); }
};

void BM_KeyboardPaintFull(benchmark::State& State) {
    TKeyboardWindow K;
    for (auto _ : State) {
        K.Keyboard->LayoutChanged();
        K.Flush();
    }
    if (K.Paints.Paints < int(State.iterations()))
        State.SkipWithError("the keyboard was not painted");
}
BENCHMARK(BM_KeyboardPaintFull)->Unit(benchmark::kMicrosecond);

void BM_KeyboardHighlight(benchmark::State& State) {
    TKeyboardWindow K;
    const char* Targets[] = {"f", "J", "d", "K"};
    int Next = 0;
    for (auto _ : State) {
        K.Keyboard->MarkKeys(Targets[Next++ % 4], std::string());
        K.Flush();
    }
    if (K.Paints.Paints < int(State.iterations()))
        State.SkipWithError("the keyboard was not painted");
}
BENCHMARK(BM_KeyboardHighlight)->Unit(benchmark::kMicrosecond);

std::string DrillText(size_t Size) {
    const char* Words[] = {"sad",   "lad", "fall", "jak", "flask",
                           "salad", "ask", "dad",  "all", "alfalfa"};
    std::string Text;
    for (int I = 0; Text.size() < Size; ++I) {
        Text += Words[(I * 3) % 10];
        Text += (I % 8 == 7) ? "\r\n" : " ";
    }
    return Text;
}

double ThreadCpuMicroseconds() {
    timespec Now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &Now);
    return double(Now.tv_sec) * 1e6 + double(Now.tv_nsec) / 1e3;
}

void SendKey(char C) {
    Qt::Key Key = Qt::Key_unknown;
    if (C == '\r')
        Key = Qt::Key_Return;
    else if (C == ' ')
        Key = Qt::Key_Space;
    else if (C >= 'a' && C <= 'z')
        Key = Qt::Key(Qt::Key_A + (C - 'a'));
    QTest::sendKeyEvent(QTest::Click, BookForm->windowHandle(), Key, QString(QChar::fromLatin1(C)),
                        Qt::NoModifier);
}

void BM_DrillKeystroke(benchmark::State& State) {
    static const std::string Text = DrillText(20000);
    TKeyboardEvent Event("Bench=KEYBOARD;1;NIL");
    Event.Text = Text;
    Event.Setup.KnownKeys = "asdfjkl;";
    std::vector<double> Samples, CpuSamples;
    Samples.reserve(Keys);
    CpuSamples.reserve(Keys);
    TPaintCounter Paints;
    Event.Keyboard->installEventFilter(&Paints);
    QTimer::singleShot(0, [&] {
        size_t Next = 0;
        int Count = 0;
        for (auto _ : State) {
            Clock.AdvanceClockSeconds(0.2);
            // Every ninth key misses: the expected key and the finger are shown.
            const std::string Expected = Event.Canvas->CurrentTarget();
            const char C = ++Count % 9 == 0 ? 'x' : (Expected.empty() ? ' ' : Expected[0]);
            const double CpuStart = ThreadCpuMicroseconds();
            const auto Start = std::chrono::steady_clock::now();
            SendKey(C);
            QCoreApplication::sendPostedEvents(BookForm, QEvent::UpdateRequest);
            const auto Stop = std::chrono::steady_clock::now();
            CpuSamples.push_back(ThreadCpuMicroseconds() - CpuStart);
            Samples.push_back(std::chrono::duration<double, std::micro>(Stop - Start).count());
            ++Next;
        }
        if (Event.State == esCompleted) State.SkipWithError("the text ran out");
        Event.Finish();
        Event.SetResult(erNext);
    });
    Event.Execute();
    if (Paints.Paints < Keys / 2) {
        State.SkipWithError("the keys did not repaint the keyboard");
        return;
    }
    std::sort(Samples.begin(), Samples.end());
    std::sort(CpuSamples.begin(), CpuSamples.end());
    auto At = [](const std::vector<double>& Sorted, double Share) {
        return Sorted[std::min(Sorted.size() - 1, size_t(double(Sorted.size()) * Share))];
    };
    State.counters["p50_us"] = At(Samples, 0.50);
    State.counters["p99_us"] = At(Samples, 0.99);
    // The processor time of the same keys: what a busy machine's waits leave out.
    State.counters["p50_cpu_us"] = At(CpuSamples, 0.50);
    State.counters["p99_cpu_us"] = At(CpuSamples, 0.99);
    State.counters["paints"] = Paints.Paints;
}
BENCHMARK(BM_DrillKeystroke)->Iterations(Keys)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int Argc, char** Argv) {
    return RunBenchmarksWithWindows(Argc, Argv, MakeWorld);
}
