// The games on the offscreen platform.
//
// BM_BubblesTick times one tick of the bubble timer with ten letter bubbles
// rising and the background's fizz: every bubble moves, the whole play area
// is drawn off screen and copied to the screen, and the repaint is flushed
// before the clock stops. Bubbles that pop or escape are put back at once,
// so that every tick has ten.
//
// BM_LexidropDraw times one redraw of the whole shaft: five stacked words,
// the falling word half typed, every row drawn and the repaint flushed.
#include "app/ProgramObjects.h"
#include "bench/BenchMain.h"
#include "bench/BenchSupport.h"
#include "files/SystemUtils.h"
#include "files/TProgramSettings.h"
#include "forms/TBubbleStg.h"
#include "forms/TDropStgFrm.h"
#include "games/ui/TBubbles.h"
#include "games/ui/TLexidropEvent.h"
#include "platform/Application.h"
#include "platform/Clock.h"
#include "platform/Controls.h"
#include "platform/Dialogs.h"
#include "shell/TBookForm.h"
#include "tests/support/TFakeClock.h"
#include "users/TUser.h"

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <benchmark/benchmark.h>

#include <functional>

namespace {

TFakeClock Clock;

// The lists the games leave behind go into a folder of their own.
QTemporaryDir* DataFolder = nullptr;

void MakeWorld() {
    DataFolder = new QTemporaryDir();
    if (!DataFolder->isValid() || !QDir::setCurrent(DataFolder->path()))
        qWarning("no temporary folder for the top-ten lists");
    Application::SetProgramDirectory(CLAVORA_BENCH_APP_DIR);
    // The settings as start-up makes them, kept in the temporary folder.
    qputenv("XDG_CONFIG_HOME", (QDir::currentPath() + QStringLiteral("/config")).toLocal8Bit());
    Settings = new TProgramSettings;
    SetClock(&Clock);
    SetDialogResponder([](const TDialogRequest& R) { return DefaultAnswer(R.Buttons); });
    SetCurrentUser(std::make_unique<TUser>());
    FixRandomSeed(98);
    CreateProgramObjects();
    BookForm->show();
    if (!QTest::qWaitForWindowExposed(BookForm)) qWarning("the book window was not exposed");
}

void SendKey(char C) {
    QTest::sendKeyEvent(QTest::Click, BookForm->windowHandle(), Qt::Key(Qt::Key_A + (C - 'a')),
                        QString(QChar::fromLatin1(C)), Qt::NoModifier);
}

// Runs an event modally with Body called from inside its loop; Body ends it.
void RunEvent(TEvent& Event, const std::function<void()>& Body) {
    QTimer::singleShot(0, [&Body] { Body(); });
    Event.Execute();
}

void BM_BubblesTick(benchmark::State& State) {
    TBubbles Event("Bench=BUBBLES;1;0");
    TPaintCounter Paints;
    BubbleStg->GameArea->installEventFilter(&Paints);
    int Ticks = 0;
    RunEvent(Event, [&] {
        SendKey('q');
        TBubblesGame& Game = *Event.FGame;
        for (auto _ : State) {
            State.PauseTiming();
            // Ten bubbles at heights spread over the area, kinds mixed.
            for (int I = 0; I < TBubblesGame::SlotCount; ++I) {
                Tbubble& B = Game.FSlots[size_t(I)];
                if (B.FActive) continue;
                B.FKind = I % 4 == 3 ? 2 : 1;
                B.FSize = B.FKind == 2 ? 45 : 40;
                B.Launch(3 + I % 3, Game.Height);
                B.FY = (Game.Height * (I + 1)) / 11;
                Game.PickLetter(I);
            }
            Game.FMissed = 0;
            Clock.AdvanceSeconds(0.1);
            State.ResumeTiming();
            Event.BubbleTick();
            QCoreApplication::sendPostedEvents(BookForm, QEvent::UpdateRequest);
            ++Ticks;
        }
        State.counters["fizz"] = double(Game.FFizzList.size());
        Event.Finish();
        Event.SetResult(erNext);
    });
    BubbleStg->GameArea->removeEventFilter(&Paints);
    if (Paints.Paints < Ticks / 2) State.SkipWithError("the ticks did not repaint the play area");
}
BENCHMARK(BM_BubblesTick)->Iterations(2000)->Unit(benchmark::kMicrosecond);

void BM_LexidropDraw(benchmark::State& State) {
    TLexidropEvent Event("Bench=LEXIDROP;1;NIL");
    Event.PresetWords =
        TStringList{"keyboard", "lantern", "meadow", "harbour", "orchard", "pebble"};
    TPaintCounter Paints;
    for (TImage* Row : DropStgFrm->Rows)
        Row->installEventFilter(&Paints);
    RunEvent(Event, [&] {
        TLexidropGame& Game = Event.Game;
        Game.Stack = {"lantern", "meadow", "harbour", "orchard", "pebble"};
        Game.FallRow = 3;
        Game.TypedCount = 4;
        Game.LayRows();
        for (auto _ : State) {
            Event.DrawShaft(true);
            QCoreApplication::sendPostedEvents(BookForm, QEvent::UpdateRequest);
        }
        Event.Finish();
        Event.SetResult(erNext);
    });
    for (TImage* Row : DropStgFrm->Rows)
        Row->removeEventFilter(&Paints);
    if (Paints.Paints < int(State.iterations()))
        State.SkipWithError("the redraws did not repaint the shaft");
}
BENCHMARK(BM_LexidropDraw)->Iterations(2000)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int Argc, char** Argv) {
    return RunBenchmarksWithWindows(Argc, Argv, MakeWorld, [] {
        FreeProgramObjects();
        delete DataFolder;
    });
}
