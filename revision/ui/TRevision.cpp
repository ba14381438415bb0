#include "revision/ui/TRevision.h"

#include "course/TEventLoader.h"
#include "engine/ui/RunEvent.h"
#include "engine/ui/TTextEvent.h"
#include "files/SystemUtils.h"
#include "games/ui/TBubbles.h"
#include "games/ui/TLexidropEvent.h"
#include "platform/Dialogs.h"
#include "revision/RevisionRules.h"
#include "revision/TRevisionBuilder.h"
#include "revision/ui/TRevisionPicture.h"
#include "revision/ui/TRevisionView.h"
#include "shell/TBookForm.h"
#include "shell/TChapterView.h"
#include "users/TBookMark.h"
#include "users/TUser.h"

#include <QLabel>

namespace {

// The menu's activities run to their end: they have no Cancel.
TEventSetup MenuSetup(std::int32_t TimeLimit, const std::string& Keys) {
    TEventSetup Setup;
    Setup.TimeLimit = TimeLimit;
    Setup.KnownKeys = Keys;
    Setup.AllowCancel = false;
    return Setup;
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
    // What an activity leaves (a top-ten list, the results) shows beside the
    // menu once, then the picture comes back.
    ChapterView->ForgetFollowing();
    for (;;) {
        BookForm->Title->setText(QStringLiteral("Revision"));
        const int Choice = ChapterView->ShowSpread(FPicture, FMenu);
        ChapterView->ForgetFollowing();
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
        // What the activity changed (its minutes, the story's place, the
        // difficult keys) is kept at once, not only when the tab is left.
        CurrentUser->Save();
        if (Result == 0) break;
    }
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
    TLexidropEvent Game("Drop;Drop;0;" + Vocabulary + ".vcb");
    Game.PresetWords = std::move(Words);
    return RunEvent(Game, MenuSetup(ActivitySeconds, std::string())).Result;
}

int TRevision::PlayBubbles() {
    const int Reached = CurrentUser->FKeyGroupsReached;
    const std::string Studied = CurrentUser->StudiedKeys(Reached);
    TBubbles Game("Bubb;Bubb;0;0");
    return RunEvent(Game, MenuSetup(0, BubblesKeySet(FMenu ? FMenu->FKeySet : 1, Studied))).Result;
}

int TRevision::TypeStory() {
    const int Minutes = StoryMinutes(FMenu ? FMenu->FDuration : 1);
    TTextEvent Story("Text;Text;0;ask:*.exm;false");
    return RunEvent(Story, MenuSetup(Minutes * 60, std::string())).Result;
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
