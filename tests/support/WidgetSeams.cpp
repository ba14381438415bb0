// The seams that live in the widget libraries, added to the guard by the
// main of every test executable with windows.
#include "tests/support/TSeamGuard.h"

#include "engine/ui/RunEvent.h"
#include "engine/ui/TEvent.h"
#include "platform/ShellOpen.h"
#include "shell/TFormView.h"
#include "users/ui/StudyReport.h"

void AddWidgetSeams() {
    TSeamGuard::AddSeams({
        {"shell opener", TSeamGuard::Keep(InstalledShellOpener, SetShellOpener)},
        {"story chooser", TSeamGuard::Keep(InstalledStoryChooser, SetStoryChooser)},
        {"active view", TSeamGuard::Keep(TFormView::ActiveView, TFormView::SetActiveView)},
        {"after-event hook", TSeamGuard::Keep(AfterEventHook, SetAfterEventHook)},
        {"report printer", TSeamGuard::Keep(InstalledReportPrinterSource, SetReportPrinterSource)},
    });
}
