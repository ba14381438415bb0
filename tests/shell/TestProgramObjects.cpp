// The program's objects have one owner: everything a run of the program made
// is gone when it ends, so no global is left pointing at a freed object.
#include "tests/support/ProgramFixture.h"

#include "analysis/AnalysisObjects.h"
#include "analysis/results/TExercInfoView.h"
#include "app/TMain.h"
#include "course/CurrentCourse.h"
#include "course/TChapterPages.h"
#include "course/TEventClasses.h"
#include "engine/ui/RunEvent.h"
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
#include "keyboard/TKeyData.h"
#include "shell/TBookForm.h"
#include "shell/TChapterView.h"
#include "shell/TNavigate.h"
#include "users/TDifficultKeys.h"
#include "users/TUser.h"

namespace {

struct TGlobal {
    const char* Name;
    const void* (*Get)();
};

template <auto& Global> const void* Get() {
    return Global;
}

const TGlobal Globals[] = {
    {"Settings", Get<Settings>},
    {"KeyData", Get<KeyData>},
    {"CurrentUser", Get<CurrentUser>},
    {"CurrentCourse", Get<CurrentCourse>},
    {"DifficultKeys", Get<DifficultKeys>},
    {"ErrorFinder", Get<ErrorFinder>},
    {"BackSpaceCounter", Get<BackSpaceCounter>},
    {"EfficiencyCalc", Get<EfficiencyCalc>},
    {"DeviationCalc", Get<DeviationCalc>},
    {"StudyingTip", Get<StudyingTip>},
    {"LevelNames", Get<LevelNames>},
    {"BookForm", Get<BookForm>},
    {"Navigate", Get<Navigate>},
    {"BuilderStg", Get<BuilderStg>},
    {"GeneralStg", Get<GeneralStg>},
    {"AddViewsStg", Get<AddViewsStg>},
    {"BubbleStg", Get<BubbleStg>},
    {"AboutStorage", Get<AboutStorage>},
    {"OptioStg", Get<OptioStg>},
    {"EventViewStg", Get<EventViewStg>},
    {"DropStgFrm", Get<DropStgFrm>},
    {"EventsStg", Get<EventsStg>},
    {"ChapterStgs", Get<ChapterStgs>},
    {"StatisticsStg", Get<StatisticsStg>},
    {"RevisionStg", Get<RevisionStg>},
    {"WelcomeStg", Get<WelcomeStg>},
    {"ChapterView", Get<ChapterView>},
    {"ExercInfoView", Get<ExercInfoView>},
    {"TopTenView", Get<TopTenView>},
    {"ChapterPages", [] { return static_cast<const void*>(ChapterPages()); }},
    {"GuidedStudying", Get<TMain::GuidedStudying>},
    {"Revision", Get<TMain::Revision>},
    {"StatisticsPage", Get<TMain::StatisticsPage>},
    {"About", Get<TMain::About>},
    {"AfterEventHook",
     [] { return AfterEventHook() ? static_cast<const void*>(&AfterEventHook()) : nullptr; }},
};

} // namespace

TEST_F(ProgramTest, ARunOfTheProgramLeavesEveryGlobalObjectEmpty) {
    for (int Run = 1; Run <= 2; ++Run) {
        SCOPED_TRACE(Run);
        TDriver Driver;
        Driver.Then(
            "the book is open", [] { return BookForm && BookForm->Book->isVisible(); },
            [] {
                for (const TGlobal& Global : Globals)
                    EXPECT_NE(Global.Get(), nullptr) << Global.Name << " while the program runs";
                EXPECT_FALSE(EventClasses().empty());
                BookForm->close();
            });
        EXPECT_EQ(RunProgram(Driver), 0);
        for (const TGlobal& Global : Globals)
            EXPECT_EQ(Global.Get(), nullptr) << Global.Name << " after the program";
        EXPECT_TRUE(EventClasses().empty());
    }
}
