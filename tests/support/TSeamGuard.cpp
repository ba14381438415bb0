#include "tests/support/TSeamGuard.h"

#include "files/BusyOpen.h"
#include "files/SystemUtils.h"
#include "files/TFileDevice.h"
#include "platform/Application.h"
#include "platform/Clock.h"
#include "platform/Dialogs.h"
#include "platform/FileNames.h"
#include "platform/KeyboardLanguage.h"

namespace {

// The seams of the libraries without widgets.
std::vector<TSeamGuard::TSeam>& AllSeams() {
    static std::vector<TSeamGuard::TSeam> Seams = {
        {"clock", TSeamGuard::Keep(InstalledClock, SetClock)},
        {"dialog responder", TSeamGuard::Keep(InstalledDialogResponder, SetDialogResponder)},
        {"dialog presenter", TSeamGuard::Keep(InstalledDialogPresenter, SetDialogPresenter)},
        {"help handler", TSeamGuard::Keep(InstalledHelpHandler, SetHelpHandler)},
        {"busy retry pause", TSeamGuard::Keep(BusyRetryInterval, SetBusyRetryInterval)},
        {"file device", TSeamGuard::Keep(InstalledFileDevice, SetFileDevice)},
        {"random seed", TSeamGuard::Keep(SavedRandomState, RestoreRandomState)},
        {"program directory",
         TSeamGuard::Keep(Application::ProgramDirectorySetting, Application::SetProgramDirectory)},
        {"program layers",
         TSeamGuard::Keep([] { return std::make_pair(UserLayer(), ShippedLayer()); },
                          [](const std::pair<std::string, std::string>& Layers) {
                              SetProgramLayers(Layers.first, Layers.second);
                          })},
        {"keyboard query", TSeamGuard::Keep(InstalledXkbLayoutQuery, SetXkbLayoutQuery)},
        {"keyboard file", TSeamGuard::Keep(KeyboardConfigFile, SetKeyboardConfigFile)},
        {"locale service", TSeamGuard::Keep(LocaleCommand, SetLocaleCommand)},
        {"terminating", TSeamGuard::Keep(Application::Terminated,
                                         [](bool Was) {
                                             if (Was)
                                                 Application::Terminate();
                                             else
                                                 Application::ResetTerminated();
                                         })},
    };
    return Seams;
}

} // namespace

TSeamGuard::TSeamGuard() {
    for (const TSeam& Seam : AllSeams())
        FRestore.push_back(Seam.Save());
}

TSeamGuard::~TSeamGuard() {
    for (auto Restore = FRestore.rbegin(); Restore != FRestore.rend(); ++Restore)
        (*Restore)();
}

const std::vector<TSeamGuard::TSeam>& TSeamGuard::Seams() {
    return AllSeams();
}

void TSeamGuard::AddSeams(const std::vector<TSeam>& More) {
    for (const TSeam& Seam : More) {
        bool Known = false;
        for (const TSeam& Old : AllSeams())
            Known = Known || Old.Name == Seam.Name;
        if (!Known) AllSeams().push_back(Seam);
    }
}
