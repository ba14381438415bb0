#include "revision/ui/TRevision.h"

#include "course/TEventLoader.h"
#include "engine/ui/TChapterView.h"
#include "engine/ui/TEvent.h"
#include "engine/ui/TTimedEvent.h"
#include "files/SystemUtils.h"
#include "platform/Dialogs.h"
#include "revision/RevisionRules.h"
#include "revision/TRevisionBuilder.h"
#include "revision/ui/TRevisionEvents.h"
#include "revision/ui/TRevisionPicture.h"
#include "revision/ui/TRevisionView.h"
#include "shell/TBookForm.h"
#include "users/TBookMark.h"
#include "users/TUser.h"

#include <QLabel>

namespace {

int RunMade(std::unique_ptr<TEvent> Event, std::int32_t TimeLimit, const std::string& Keys) {
    if (!Event) return 0;
    Event->ResultSink = ProgramResultSink();
    Event->AllowCancel = false;
    if (auto* Timed = dynamic_cast<TTimedEvent*>(Event.get())) Timed->TimeLimit = TimeLimit;
    Event->KnownKeys = Keys;
    const int Result = Event->Execute();
    Event->BeforeDestruction();
    return Result;
}

} // namespace

TRevision::TRevision() = default;

TRevision::~TRevision() {
    FreeView(FMenu);
    FreeView(FPicture);
}

void TRevision::Run() {
    FPicture = new TRevisionPicture;
    FMenu = new TRevisionView;
    ChapterView->LeftSubView = FPicture;
    ChapterView->RightSubView = FMenu;
    for (;;) {
        BookForm->Title->setText(QStringLiteral("Revision"));
        const int Choice = ChapterView->Run();
        ChapterView->LeftSubView = FPicture;
        ChapterView->RightSubView = FMenu;
        int Result = 1;
        if (Choice == 0)
            break;
        else if (Choice == TRevisionView::rvLexidrop)
            Result = PlayLexidrop();
        else if (Choice == TRevisionView::rvBubbles)
            Result = PlayBubbles();
        else if (Choice == TRevisionView::rvStory)
            Result = TypeStory();
        else if (Choice == TRevisionView::rvWizard)
            Result = RunWizard();
        if (Result == 0) break;
    }
    ChapterView->LeftSubView = nullptr;
    ChapterView->RightSubView = nullptr;
    CurrentUser->Save();
    FreeView(FMenu);
    FreeView(FPicture);
}

int TRevision::PlayLexidrop() {
    const std::string Vocabulary = FMenu ? FMenu->FVocabulary : std::string("-stud-");
    std::optional<TStringList> Words;
    if (Vocabulary == "-stud-") {
        const int Reached = CurrentUser->FKeyGroupsReached;
        const std::string Keys = CurrentUser->StudiedKeys(Reached);
        TRevisionBuilder Builder;
        if (!Keys.empty()) Builder.BuildGameWords(Keys, Reached, GameWordsPerKey(int(Keys.size())));
        if (Keys.empty() || Builder.FLines.empty()) {
            MessageDlg("You have not yet studied enough to play Lexidrop with studied keys.\r"
                       "Game will be cancelled.",
                       mtInformation, mbOK);
            return 0;
        }
        Shuffle(Builder.FLines);
        Words = std::move(Builder.FLines);
    }
    if (!TRevisionEvents::Lexidrop) return 0;
    return RunMade(TRevisionEvents::Lexidrop("Drop;Drop;0;" + Vocabulary + ".vcb", Words),
                   ActivitySeconds, std::string());
}

int TRevision::PlayBubbles() {
    const int Reached = CurrentUser->FKeyGroupsReached;
    const std::string Studied = CurrentUser->StudiedKeys(Reached);
    if (!TRevisionEvents::Bubbles) return 0;
    return RunMade(TRevisionEvents::Bubbles("Bubb;Bubb;0;0"), 0,
                   BubblesKeySet(FMenu ? FMenu->FKeySet : 1, Studied));
}

int TRevision::TypeStory() {
    const int Minutes = StoryMinutes(FMenu ? FMenu->FDuration : 1);
    if (!TRevisionEvents::Text) return 0;
    return RunMade(TRevisionEvents::Text("Text;Text;0;ask:*.exm;false"), Minutes * 60,
                   std::string());
}

int TRevision::RunWizard() {
    TBookMark Bookmark;
    Bookmark.FMode = TBookMark::bmSingle;
    Bookmark.FChapter = 0;
    Bookmark.FExercise = 0;
    TEventLoader Loader("builder;builder;0;effic:;true");
    Loader.AllowCancel = false;
    Loader.TimeLimit = ActivitySeconds;
    const int Result = Loader.Run(&Bookmark);
    return Result == pcStop ? 0 : Result;
}
