#include "shell/ClavoraMain.h"

#include "analysis/AnalysisObjects.h"
#include "analysis/results/TExercInfoView.h"
#include "engine/TChapterView.h"
#include "files/ProductInfo.h"
#include "files/Sounds.h"
#include "users/TDifficultKeys.h"
#include "users/TUser.h"
#include "files/TProgramSettings.h"
#include "forms/TAboutStorage.h"
#include "forms/TAddViewsStg.h"
#include "forms/TBubbleStg.h"
#include "forms/TBuilderStg.h"
#include "forms/TChapterStgs.h"
#include "forms/TDropStgFrm.h"
#include "forms/TEventViewStg.h"
#include "forms/TEventsStg.h"
#include "forms/TGeneralStg.h"
#include "forms/TOptioStg.h"
#include "forms/TRevisionStg.h"
#include "forms/TStatisticsStg.h"
#include "forms/TWelcomeStg.h"
#include "platform/Application.h"
#include "platform/Dialogs.h"
#include "platform/ErrorHandler.h"
#include "platform/Help.h"
#include "platform/MessageBoxPresenter.h"
#include "shell/StartupProbe.h"
#include "shell/TBookForm.h"
#include "shell/TFormView.h"
#include "shell/TMain.h"
#include "shell/TNavigate.h"

#include <QApplication>

namespace {

template <class T> void CreateForm(T*& Global) {
    if (!Global) Global = new T();
}

template <class T> void DestroyForm(T*& Global) {
    delete Global;
    Global = nullptr;
}

} // namespace

int ClavoraMain(int ArgumentCount, char** Arguments) {
    Application::ResetTerminated();
    Application::InstallTerminationSignals();
    // The module initialisations.
    SoundsOn = true;
    CreateDifficultKeys();
    CreateAnalysisObjects();
    if (!ChapterView) ChapterView = new TChapterView();
    CreateExercInfoView();
    TMain::Reset();
    // Dialogs are real message boxes unless a test answers them.
    InstallMessageBoxPresenter();
    SetHelpHandler([](int Topic) { ShowHelpTopic(Topic); });

    QApplication::setApplicationDisplayName(QString::fromLatin1(ProductInfo::Title));
    QApplication::setApplicationName(QStringLiteral("Clavora"));

    // The book window is created first and is the main window.
    CreateForm(BookForm);
    InstallStartupProbe(BookForm);
    CreateForm(Navigate);
    CreateForm(BuilderStg);
    CreateForm(GeneralStg);
    CreateForm(AddViewsStg);
    CreateForm(BubbleStg);
    CreateForm(AboutStorage);
    CreateForm(OptioStg);
    CreateForm(EventViewStg);
    CreateForm(DropStgFrm);
    CreateForm(EventsStg);
    CreateForm(ChapterStgs);
    CreateForm(StatisticsStg);
    CreateForm(RevisionStg);
    CreateForm(WelcomeStg);

    Guarded([&] {
        TMain::Start(ArgumentCount > 0 ? ArgumentCount - 1 : 0,
                     Arguments ? Arguments + 1 : nullptr);
    });
    // Start-up that ended the program itself skips the shutdown.
    if (!TMain::Halted) Guarded([] { TMain::Shutdown(); });
    FreeAllEffects();
    SetCurrentUser(nullptr);
    FreeExercInfoView();
    FreeView(ChapterView);
    FreeAnalysisObjects();
    FreeDifficultKeys();
    delete Settings;
    Settings = nullptr;

    DestroyForm(WelcomeStg);
    DestroyForm(RevisionStg);
    DestroyForm(StatisticsStg);
    DestroyForm(ChapterStgs);
    DestroyForm(EventsStg);
    DestroyForm(DropStgFrm);
    DestroyForm(EventViewStg);
    DestroyForm(OptioStg);
    DestroyForm(AboutStorage);
    DestroyForm(BubbleStg);
    DestroyForm(AddViewsStg);
    DestroyForm(GeneralStg);
    DestroyForm(BuilderStg);
    DestroyForm(Navigate);
    DestroyForm(BookForm);
    return 0;
}
