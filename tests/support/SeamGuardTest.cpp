// The seam guard puts back every seam a test changed, to the state it found,
// also when guards nest.
#include "tests/support/TSeamGuard.h"

#include "engine/ui/RunEvent.h"
#include "files/BusyOpen.h"
#include "files/SystemUtils.h"
#include "files/TFileDevice.h"
#include "platform/Application.h"
#include "platform/Clock.h"
#include "platform/Dialogs.h"
#include "platform/FileNames.h"
#include "platform/KeyboardLanguage.h"
#include "platform/ShellOpen.h"
#include "shell/TFormView.h"
#include "tests/support/TFakeClock.h"
#include "tests/support/TestSupport.h"
#include "users/ui/StudyReport.h"

#include <QPrinter>
#include <gtest/gtest.h>

#include <set>
#include <sys/stat.h>

namespace {

// What a seam does now, as text; Change(1) and Change(2) install two states
// that read differently from each other and from the program's own.
struct TSeamCase {
    std::string Name;
    std::function<void(int Which)> Change;
    std::function<std::string()> Read;
};

// Which installed handler answered last.
std::string Called;

std::vector<TSeamCase> Cases(const TScopedTempDir& Dir, TFormView (&Views)[2]) {
    static TFakeClock Clocks[] = {TFakeClock(1000.0), TFakeClock(2000.0)};
    static TFileDevice Devices[2];
    for (int I : {1, 2}) {
        WriteFileBytes(Dir / ("keyboard" + std::to_string(I)),
                       I == 1 ? "XKBLAYOUT=se\n" : "XKBLAYOUT=\"gb,us\"\n");
        const std::string Locale = Dir / ("locale" + std::to_string(I));
        WriteFileBytes(Locale, std::string("#!/bin/sh\necho 'X11 Layout: ") +
                                   (I == 1 ? "fi" : "dk") + "'\n");
        chmod(Locale.c_str(), 0755);
    }
    const std::string Folder = Dir.Path();
    return {
        {"clock", [](int W) { SetClock(&Clocks[W - 1]); },
         [] { return InstalledClock() ? std::to_string(Now()) : "system"; }},
        {"dialog responder",
         [](int W) {
             SetDialogResponder([W](const TDialogRequest&) { return W == 1 ? mrNo : mrCancel; });
         },
         [] { return std::to_string(MessageDlg("?", mtConfirmation, mbYes | mbNo | mbCancel)); }},
        {"dialog presenter",
         [](int W) {
             SetDialogPresenter([W](const TDialogRequest&) { return W == 1 ? mrNo : mrCancel; });
         },
         [] { return std::to_string(MessageDlg("?", mtConfirmation, mbYes | mbNo | mbCancel)); }},
        {"help handler",
         [](int W) { SetHelpHandler([W](int) { Called = "help " + std::to_string(W); }); },
         [] {
             Called = "none";
             if (InstalledHelpHandler()) InstalledHelpHandler()(1);
             return Called;
         }},
        {"busy retry pause", [](int W) { SetBusyRetryInterval(std::chrono::milliseconds(W)); },
         [] { return std::to_string(BusyRetryInterval().count()) + " ms"; }},
        {"file device", [](int W) { SetFileDevice(&Devices[W - 1]); },
         [] {
             const TFileDevice* Device = InstalledFileDevice();
             return Device == &Devices[0] ? "device 1" : Device ? "device 2" : "the system's";
         }},
        {"random seed", [](int W) { FixRandomSeed(uint64_t(W)); },
         [] {
             // Draws without moving the sequence on.
             const TRandomState Saved = SavedRandomState();
             std::string Drawn = Saved.Fixed ? "fixed" : "free";
             for (int I = 0; I < 4; ++I)
                 Drawn += " " + std::to_string(Random(1000000));
             RestoreRandomState(Saved);
             return Drawn;
         }},
        {"program directory",
         [Folder](int W) { Application::SetProgramDirectory(Folder + "/" + std::to_string(W)); },
         [] { return Application::ProgramDirectory(); }},
        {"program layers",
         [Folder](int W) { SetProgramLayers(Folder + "/mine" + std::to_string(W), Folder); },
         [] { return UserLayer() + "|" + ShippedLayer(); }},
        {"keyboard query",
         [](int W) { SetXkbLayoutQuery([W] { return W == 1 ? std::string("se") : "gb"; }); },
         [] { return InstalledXkbLayoutQuery() ? InstalledXkbLayoutQuery()() : "the display"; }},
        {"keyboard file",
         [Folder](int W) { SetKeyboardConfigFile(Folder + "/keyboard" + std::to_string(W)); },
         [] { return ActiveKeyboardLayoutName(); }},
        {"locale service",
         [Folder](int W) { SetLocaleCommand(Folder + "/locale" + std::to_string(W)); },
         [] { return XkbLayoutOfLocaleService(); }},
        {"terminating",
         [](int W) { W == 1 ? Application::Terminate() : Application::ResetTerminated(); },
         [] { return std::string(Application::Terminated() ? "yes" : "no"); }},
        {"shell opener",
         [](int W) {
             SetShellOpener([W](const std::string& Target) {
                 Called = Target + " " + std::to_string(W);
                 return true;
             });
         },
         [] {
             Called = "the desktop";
             if (InstalledShellOpener()) InstalledShellOpener()("opened by");
             return Called;
         }},
        {"story chooser",
         [](int W) {
             SetStoryChooser([W](const TStringList&, const std::string&, const std::string&,
                                 std::string&) { return W; });
         },
         [] {
             std::string Chosen;
             return std::to_string(InstalledStoryChooser()({}, "*.txt", "", Chosen));
         }},
        {"active view", [&Views](int W) { TFormView::SetActiveView(&Views[W - 1]); },
         [&Views] {
             const TFormView* View = TFormView::ActiveView();
             return View == &Views[0] ? "view 1" : View == &Views[1] ? "view 2" : "none";
         }},
        {"after-event hook",
         [](int W) {
             SetAfterEventHook([W](const TEventRecord&) { Called = "hook " + std::to_string(W); });
         },
         [] {
             Called = "none";
             if (AfterEventHook()) AfterEventHook()(TEventRecord());
             return Called;
         }},
        {"report printer",
         [](int W) {
             SetReportPrinterSource([W] {
                 Called = "printer " + std::to_string(W);
                 return std::unique_ptr<QPrinter>();
             });
         },
         [] {
             Called = "the system's";
             if (InstalledReportPrinterSource()) InstalledReportPrinterSource()();
             return Called;
         }},
    };
}

} // namespace

TEST(SeamGuard, PutsBackEverySeamItFoundWhenGuardsNest) {
    TScopedTempDir Dir;
    TFormView Views[2];
    const std::vector<TSeamCase> Table = Cases(Dir, Views);
    std::set<std::string> Tested;
    for (const TSeamCase& Case : Table) {
        SCOPED_TRACE(Case.Name);
        Tested.insert(Case.Name);
        const std::string Own = Case.Read();
        {
            TSeamGuard Outer;
            Case.Change(1);
            const std::string First = Case.Read();
            EXPECT_NE(First, Own) << "the first state must differ from the program's own";
            {
                TSeamGuard Inner;
                Case.Change(2);
                EXPECT_NE(Case.Read(), First) << "the two states must differ to tell";
            }
            EXPECT_EQ(Case.Read(), First) << "the inner guard puts back the first state";
        }
        EXPECT_EQ(Case.Read(), Own) << "the outer guard puts back the program's own state";
    }
    // Every seam the guard keeps is in the table, and nothing else.
    std::set<std::string> Kept;
    for (const TSeamGuard::TSeam& Seam : TSeamGuard::Seams())
        Kept.insert(Seam.Name);
    EXPECT_EQ(Kept, Tested);
}
