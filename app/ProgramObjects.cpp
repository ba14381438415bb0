#include "app/ProgramObjects.h"

#include "analysis/AnalysisObjects.h"
#include "analysis/results/TExercInfoView.h"
#include "app/PageAfterEvent.h"
#include "course/CurrentCourse.h"
#include "course/TEventClasses.h"
#include "course/ui/EventClassTable.h"
#include "engine/ui/RunEvent.h"
#include "files/Sounds.h"
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
#include "games/ui/TTopTenView.h"
#include "guided/ui/TBookChapterPages.h"
#include "guided/ui/TGuidedController.h"
#include "keyboard/TKeyData.h"
#include "revision/ui/TWizResultView.h"
#include "shell/TBookForm.h"
#include "shell/TChapterView.h"
#include "shell/TNavigate.h"
#include "users/TDifficultKeys.h"
#include "users/TUser.h"

namespace {

template <class T, T*& Global> void MakeObject() {
    if (!Global) Global = new T();
}

template <class T, T*& Global> void DeleteObject() {
    delete Global;
    Global = nullptr;
}

template <class T, T*& Global> void FreePage() {
    FreeView(Global);
}

struct TStep {
    const char* Name;
    void (*Make)(); // null: start-up makes the object
    void (*Free)();
};

// Each step comes after everything it uses, so that freeing in reverse frees
// it first: the pages after the windows whose controls they borrow.
const TStep Steps[] = {
    // Made by start-up once it has read what they need.
    {"settings", nullptr, DeleteObject<TProgramSettings, Settings>},
    {"keyboard layout", nullptr, DeleteObject<TKeyData, KeyData>},
    {"current user", nullptr, [] { SetCurrentUser(nullptr); }},
    {"current course", nullptr, [] { SetCurrentCourse(nullptr); }},
    // The module initialisations.
    {"sounds", [] { SoundsOn = true; }, FreeAllEffects},
    {"difficult keys", CreateDifficultKeys, FreeDifficultKeys},
    {"analysis objects", CreateAnalysisObjects, FreeAnalysisObjects},
    // The windows: the book window first, as it is the main window.
    {"book window", MakeObject<TBookForm, BookForm>, DeleteObject<TBookForm, BookForm>},
    {"navigation console", MakeObject<TNavigate, Navigate>, DeleteObject<TNavigate, Navigate>},
    {"BuilderStg", MakeObject<TBuilderStg, BuilderStg>, DeleteObject<TBuilderStg, BuilderStg>},
    {"GeneralStg", MakeObject<TGeneralStg, GeneralStg>, DeleteObject<TGeneralStg, GeneralStg>},
    {"AddViewsStg", MakeObject<TAddViewsStg, AddViewsStg>, DeleteObject<TAddViewsStg, AddViewsStg>},
    {"BubbleStg", MakeObject<TBubbleStg, BubbleStg>, DeleteObject<TBubbleStg, BubbleStg>},
    {"AboutStorage", MakeObject<TAboutStorage, AboutStorage>,
     DeleteObject<TAboutStorage, AboutStorage>},
    {"OptioStg", MakeObject<TOptioStg, OptioStg>, DeleteObject<TOptioStg, OptioStg>},
    {"EventViewStg", MakeObject<TEventViewStg, EventViewStg>,
     DeleteObject<TEventViewStg, EventViewStg>},
    {"DropStgFrm", MakeObject<TDropStgFrm, DropStgFrm>, DeleteObject<TDropStgFrm, DropStgFrm>},
    {"EventsStg", MakeObject<TEventsStg, EventsStg>, DeleteObject<TEventsStg, EventsStg>},
    {"ChapterStgs", MakeObject<TChapterStgs, ChapterStgs>, DeleteObject<TChapterStgs, ChapterStgs>},
    {"StatisticsStg", MakeObject<TStatisticsStg, StatisticsStg>,
     DeleteObject<TStatisticsStg, StatisticsStg>},
    {"RevisionStg", MakeObject<TRevisionStg, RevisionStg>, DeleteObject<TRevisionStg, RevisionStg>},
    {"WelcomeStg", MakeObject<TWelcomeStg, WelcomeStg>, DeleteObject<TWelcomeStg, WelcomeStg>},
    // The pages, which borrow the storage forms' controls.
    {"chapter container", MakeObject<TChapterView, ChapterView>,
     FreePage<TChapterView, ChapterView>},
    {"results page", CreateExercInfoView, FreeExercInfoView},
    {"chapter pages", CreateChapterPages, FreeChapterPages},
    {"top-ten page", CreateTopTenView, FreeTopTenView},
    {"wizard results page", CreateWizResultView, FreeWizResultView},
    // After the pages that may follow an event.
    {"page after an event", [] { SetAfterEventHook(ShowPageAfterEvent); },
     [] {
         SetAfterEventHook(nullptr);
         ChapterView->ForgetFollowing();
     }},
    {"studying profile page", CreateStdProfileView, FreeStdProfileView},
    {"event classes", RegisterEventClasses, ClearEventClasses},
};

} // namespace

void CreateProgramObjects() {
    for (const TStep& Step : Steps)
        if (Step.Make) Step.Make();
}

void FreeProgramObjects() {
    for (auto Step = std::rbegin(Steps); Step != std::rend(Steps); ++Step)
        Step->Free();
}

std::vector<std::string> ProgramObjectSteps() {
    std::vector<std::string> Names;
    for (const TStep& Step : Steps)
        Names.emplace_back(Step.Name);
    return Names;
}
