#include "app/ProgramObjects.h"

#include "analysis/AnalysisObjects.h"
#include "analysis/results/TExercInfoView.h"
#include "course/ui/EventClassTable.h"
#include "engine/ui/TChapterView.h"
#include "files/Sounds.h"
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
#include "games/ui/TTopTenView.h"
#include "guided/ui/TBookChapterPages.h"
#include "shell/TBookForm.h"
#include "shell/TNavigate.h"
#include "users/TDifficultKeys.h"

namespace {

template <class T> void CreateForm(T*& Global) {
    if (!Global) Global = new T();
}

template <class T> void DestroyForm(T*& Global) {
    delete Global;
    Global = nullptr;
}

} // namespace

void CreateProgramObjects() {
    SoundsOn = true;
    CreateDifficultKeys();
    CreateAnalysisObjects();
    if (!ChapterView) ChapterView = new TChapterView();
    CreateExercInfoView();

    CreateForm(BookForm);
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

    // The chapter pages borrow from the chapter storage form.
    CreateChapterPages();
    CreateTopTenView();
    RegisterEventClasses();
}

void FreeProgramObjects() {
    FreeAllEffects();
    // Pages first: an open page still holds controls of the storage forms.
    FreeChapterPages();
    FreeTopTenView();
    FreeExercInfoView();
    FreeView(ChapterView);
    FreeAnalysisObjects();
    FreeDifficultKeys();

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
}
