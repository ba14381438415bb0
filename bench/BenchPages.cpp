// The options page on the offscreen platform.
//
// BM_LayoutSwitch chooses another keyboard layout on the open options page,
// German and US English in turn, as a learner does in its list: the layout
// file read, the settings' choice stored, every key of the page's keyboard
// drawn anew with the six keys lit, and the keyboard painted.
#include "app/ProgramObjects.h"
#include "bench/BenchMain.h"
#include "bench/BenchSupport.h"
#include "files/TProgramSettings.h"
#include "forms/TOptioStg.h"
#include "keyboard/TKeyData.h"
#include "keyboard/ui/TKeyboard.h"
#include "pages/ui/TOptionsView.h"
#include "platform/Dialogs.h"
#include "shell/TBookForm.h"
#include "users/TUser.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QTest>
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdlib>
#include <memory>

namespace {

void MakeWorld() {
    StageProgramDirectory(CLAVORA_BENCH_APP_DIR);
    // The settings of the run, in the staged folder.
    const QString Config = QDir::currentPath() + QStringLiteral("/config");
    QDir().mkpath(Config + QStringLiteral("/Veltrona"));
    QFile Ini(Config + QStringLiteral("/Veltrona/Clavora.ini"));
    if (!Ini.open(QIODevice::WriteOnly)) std::abort();
    Ini.write("[General Settings]\nKeyboardLayout=English\n"
              "[Keyboard Layouts]\nEnglish=qwerty.kbd\nGerman=qwertz.kbd\n");
    Ini.close();
    qputenv("XDG_CONFIG_HOME", Config.toLocal8Bit());
    SetDialogResponder([](const TDialogRequest& R) { return DefaultAnswer(R.Buttons); });
    CreateProgramObjects();
    Settings = new TProgramSettings;
    Settings->KeyboardLayout = "English";
    KeyData = new TKeyData;
    if (KeyData->Load("qwerty.kbd") != 1) qWarning("the layout was not loaded");
    SetCurrentUser(std::make_unique<TUser>("Anna"));
    BookForm->show();
    if (!QTest::qWaitForWindowExposed(BookForm)) qWarning("the book window was not exposed");
}

void BM_LayoutSwitch(benchmark::State& State) {
    TOptionsView View;
    View.Show();
    QComboBox* Layout = OptioStg->Layout;
    const int German = Layout->findText(QStringLiteral("German"));
    const int English = Layout->findText(QStringLiteral("English"));
    bool ToGerman = true;
    for (auto _ : State) {
        const auto Start = std::chrono::steady_clock::now();
        Layout->setCurrentIndex(ToGerman ? German : English);
        View.Keyboard->repaint();
        const auto Stop = std::chrono::steady_clock::now();
        State.SetIterationTime(std::chrono::duration<double>(Stop - Start).count());
        if (KeyData->KeyChar(2, 6, 0) != (ToGerman ? 'z' : 'y')) {
            State.SkipWithError("the layout did not change");
            break;
        }
        ToGerman = !ToGerman;
    }
    bool Refused = false;
    View.Close(Refused);
}
BENCHMARK(BM_LayoutSwitch)->UseManualTime()->Iterations(100)->Unit(benchmark::kMillisecond);

} // namespace

int main(int Argc, char** Argv) {
    return RunBenchmarksWithWindows(Argc, Argv, MakeWorld, FreeProgramObjects);
}
