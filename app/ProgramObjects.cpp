#include "app/ProgramObjects.h"

#include "analysis/AnalysisObjects.h"
#include "analysis/results/TExercInfoView.h"
#include "app/PageAfterEvent.h"
#include "app/TMain.h"
#include "course/CurrentCourse.h"
#include "course/TEventClasses.h"
#include "course/ui/EventClassTable.h"
#include "engine/ui/RunEvent.h"
#include "files/ErrorLog.h"
#include "files/ProductInfo.h"
#include "files/Sounds.h"
#include "files/SystemUtils.h"
#include "files/TFile.h"
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
#include "pages/ui/TAboutView.h"
#include "revision/ui/TChooseTextView.h"
#include "revision/ui/TRevision.h"
#include "revision/ui/TWizResultView.h"
#include "shell/TBookForm.h"
#include "shell/TChapterView.h"
#include "shell/TNavigate.h"
#include "users/TDifficultKeys.h"
#include "users/TUser.h"
#include "users/ui/TStatisticsView.h"

#include <iterator>
#include <memory>

namespace {

template <class T, auto& Global> bool MakeObject() {
    if (!Global) Global = new T();
    return true;
}

template <auto& Global> void DeleteObject() {
    delete Global;
    Global = nullptr;
}

template <auto& Global> void FreePage() {
    FreeView(Global);
}

// A module's initialisation, which cannot fail.
template <void (*Initialise)()> bool Do() {
    Initialise();
    return true;
}

bool MakeSettings() {
    if (Settings) return true;
    Settings = new TProgramSettings;
    Settings->DetectLanguage = &DetectKeyboardLanguage;
    Settings->Version = ProductInfo::Version;
    Settings->Build = ProductInfo::Build;
    Settings->BuildDate = ProductInfo::BuildDate;
    Settings->Platform = ProductInfo::Platform;
    Settings->NewVersionPage = ProductInfo::NewerVersionPage;
    return true;
}

// The keyboard layout the learner's language uses; without one no drill
// could show its keys, so the program cannot go on.
bool MakeKeyboardLayout() {
    if (KeyData) return true;
    const std::string LayoutFile = Settings->LayoutFileFor("qwerty.kbd");
    KeyData = new TKeyData;
    if (KeyData->Load(LayoutFile) != fsNotFound) return true;
    LogError(-500, LayoutFile + " not found!");
    return false;
}

// The user database: a data folder without one gets the shipped empty
// database; the current user starts without a name until the login.
bool MakeCurrentUser() {
    if (CurrentUser) return true;
    TUser::PrepareDatabase("UserBase.org");
    SetCurrentUser(std::make_unique<TUser>(""));
    return true;
}

// The learner's course; its errors are told when guided studying loads it to
// run it, and a course that could not be loaded leaves none.
bool LoadLearnersCourse() {
    if (CurrentUser->FCourseFile.empty()) CurrentUser->FCourseFile = Settings->DefaultContents;
    LoadCurrentCourse(CurrentUser->FCourseFile);
    return true;
}

// What the statistics page and the study report show of the course; a
// course that could not be loaded leaves none.
TCourseSummary CurrentCourseSummary() {
    if (!CurrentCourse) return {};
    return {CurrentCourse->ContentsName, CurrentCourse->ChapterTitles(false)};
}

bool MakeStatisticsTab() {
    if (TMain::StatisticsPage) return true;
    auto* Statistics = new TStatisticsController;
    Statistics->View()->Course = &CurrentCourseSummary;
    TMain::StatisticsPage = Statistics;
    return true;
}

struct TStep {
    const char* Name;
    TObjectMoment When;
    bool (*Make)(); // false: the object could not be made
    void (*Free)();
};

using M = TObjectMoment;

// Each step comes after everything it uses, so that freeing in reverse frees
// it first: the pages after the windows whose controls they borrow, the tabs'
// controllers after the pages and storage forms they show.
const TStep Steps[] = {
    // Made by start-up once it has read what they need.
    {"settings", M::FoldersFound, MakeSettings, DeleteObject<Settings>},
    {"keyboard layout", M::SettingsLoaded, MakeKeyboardLayout, DeleteObject<KeyData>},
    {"current user", M::SettingsLoaded, MakeCurrentUser, [] { SetCurrentUser(nullptr); }},
    {"current course", M::LearnerKnown, LoadLearnersCourse, [] { SetCurrentCourse(nullptr); }},
    // The module initialisations.
    {"sounds", M::World, [] { return SoundsOn = true; }, FreeAllEffects},
    {"difficult keys", M::World, Do<CreateDifficultKeys>, FreeDifficultKeys},
    {"analysis objects", M::World, Do<CreateAnalysisObjects>, FreeAnalysisObjects},
    // The windows: the book window first, as it is the main window.
    {"book window", M::World, MakeObject<TBookForm, BookForm>, DeleteObject<BookForm>},
    {"navigation console", M::World, MakeObject<TNavigate, Navigate>, DeleteObject<Navigate>},
    {"BuilderStg", M::World, MakeObject<TBuilderStg, BuilderStg>, DeleteObject<BuilderStg>},
    {"GeneralStg", M::World, MakeObject<TGeneralStg, GeneralStg>, DeleteObject<GeneralStg>},
    {"AddViewsStg", M::World, MakeObject<TAddViewsStg, AddViewsStg>, DeleteObject<AddViewsStg>},
    {"BubbleStg", M::World, MakeObject<TBubbleStg, BubbleStg>, DeleteObject<BubbleStg>},
    {"AboutStorage", M::World, MakeObject<TAboutStorage, AboutStorage>, DeleteObject<AboutStorage>},
    {"OptioStg", M::World, MakeObject<TOptioStg, OptioStg>, DeleteObject<OptioStg>},
    {"EventViewStg", M::World, MakeObject<TEventViewStg, EventViewStg>, DeleteObject<EventViewStg>},
    {"DropStgFrm", M::World, MakeObject<TDropStgFrm, DropStgFrm>, DeleteObject<DropStgFrm>},
    {"EventsStg", M::World, MakeObject<TEventsStg, EventsStg>, DeleteObject<EventsStg>},
    {"ChapterStgs", M::World, MakeObject<TChapterStgs, ChapterStgs>, DeleteObject<ChapterStgs>},
    {"StatisticsStg", M::World, MakeObject<TStatisticsStg, StatisticsStg>,
     DeleteObject<StatisticsStg>},
    {"RevisionStg", M::World, MakeObject<TRevisionStg, RevisionStg>, DeleteObject<RevisionStg>},
    {"WelcomeStg", M::World, MakeObject<TWelcomeStg, WelcomeStg>, DeleteObject<WelcomeStg>},
    // The pages, which borrow the storage forms' controls.
    {"chapter container", M::World, MakeObject<TChapterView, ChapterView>, FreePage<ChapterView>},
    {"results page", M::World, Do<CreateExercInfoView>, FreeExercInfoView},
    {"chapter pages", M::World, Do<CreateChapterPages>, FreeChapterPages},
    {"top-ten page", M::World, Do<CreateTopTenView>, FreeTopTenView},
    {"wizard results page", M::World, Do<CreateWizResultView>, FreeWizResultView},
    // After the pages that may follow an event.
    {"page after an event", M::World,
     [] {
         SetAfterEventHook(ShowPageAfterEvent);
         return true;
     },
     [] {
         SetAfterEventHook(nullptr);
         ChapterView->ForgetFollowing();
     }},
    {"studying profile page", M::World, Do<CreateStdProfileView>, FreeStdProfileView},
    {"event classes", M::World, Do<RegisterEventClasses>, ClearEventClasses},
    // The tabs' controllers, made by start-up with the current user.
    {"guided studying tab", M::SettingsLoaded, MakeObject<TGuidedController, TMain::GuidedStudying>,
     DeleteObject<TMain::GuidedStudying>},
    {"revision tab", M::SettingsLoaded, MakeObject<TRevision, TMain::Revision>,
     DeleteObject<TMain::Revision>},
    // "ASK:" text sources let the learner choose a story on the chooser page.
    {"story chooser", M::SettingsLoaded,
     [] {
         SetStoryChooser(ChooseStory);
         return true;
     },
     [] { SetStoryChooser(nullptr); }},
    {"statistics tab", M::SettingsLoaded, MakeStatisticsTab, DeleteObject<TMain::StatisticsPage>},
    {"about tab", M::SettingsLoaded, MakeObject<TAbout, TMain::About>, DeleteObject<TMain::About>},
};

constexpr size_t StepCount = std::size(Steps);
// Which steps the table has made since it last freed them.
bool Made[StepCount] = {};

} // namespace

void CreateProgramObjects() {
    MakeProgramObjects(TObjectMoment::World);
}

bool MakeProgramObjects(TObjectMoment Moment) {
    for (size_t I = 0; I < StepCount; ++I) {
        if (Steps[I].When != Moment || Made[I]) continue;
        Made[I] = true;
        if (!Steps[I].Make()) return false;
    }
    return true;
}

void FreeProgramObjects() {
    for (size_t I = StepCount; I-- > 0;) {
        Steps[I].Free();
        Made[I] = false;
    }
}

std::vector<std::string> ProgramObjectSteps() {
    std::vector<std::string> Names;
    for (const TStep& Step : Steps)
        Names.emplace_back(Step.Name);
    return Names;
}
