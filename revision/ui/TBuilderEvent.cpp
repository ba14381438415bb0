#include "revision/ui/TBuilderEvent.h"

#include "engine/ui/RunEvent.h"
#include "engine/ui/TKeyboardEvent.h"
#include "engine/ui/TTextEvent.h"
#include "files/ErrorLog.h"
#include "files/SystemUtils.h"
#include "forms/TBuilderStg.h"
#include "games/ui/TBubbles.h"
#include "games/ui/TLexidropEvent.h"
#include "platform/Dialogs.h"
#include "platform/Latin1.h"
#include "revision/RevisionRules.h"
#include "revision/TRevisionBuilder.h"
#include "revision/ui/TWizResultView.h"
#include "users/TUser.h"

#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

namespace {

std::string Joined(const TStringList& Lines) {
    std::string Text;
    for (const std::string& Line : Lines)
        Text += Line + "\r\n";
    return Text;
}

// What every built exercise gets: the wizard's cancel rule and time limit,
// and the keys to play (a game) or those the learner knows (a drill, a text).
TEventSetup BuiltSetup(const TEventSetup& Wizard, const std::string& Keys) {
    TEventSetup Setup;
    Setup.TimeLimit = Wizard.TimeLimit;
    Setup.KnownKeys = Keys;
    Setup.AllowCancel = Wizard.AllowCancel;
    return Setup;
}

} // namespace

TBuilderEvent::TBuilderEvent(const std::string& Line) : TEvent(Line) {}

TBuilderEvent::~TBuilderEvent() {
    BeforeDestruction();
}

int TBuilderEvent::Execute() {
    TUser* User = CurrentUser;
    const int Reached = User->FKeyGroupsReached;
    FGroupsStudied = Setup.KnownGroups;
    FCurrentGroup = FGroupsStudied != 0 ? FGroupsStudied : Reached;
    if (FGroupsStudied <= 0) FGroupsStudied = Reached;
    if (Setup.KnownKeys.empty()) Setup.KnownKeys = User->StudiedKeys(FGroupsStudied);

    const std::string Current =
        RemoveCapitals(KeepLettersAndPunctuation(User->KeyGroup(FCurrentGroup)));
    BuilderStg->StudiedKeys->setText(ToQ(Current));
    BuilderStg->CurrentKeys->setEnabled(!Current.empty() && Current != ".");
    const bool Sentences = FGroupsStudied > 3;
    BuilderStg->CrazySentences->setEnabled(Sentences);
    if (Sentences)
        BuilderStg->CrazySentences->setChecked(true);
    else
        BuilderStg->Keyboard->setChecked(true);
    BuilderStg->ShowPreview(Sentences ? "Page2" : "Page1");
    Page.reset(new TBuilderView);
    const int Result = Page->Run();
    if (Result == TBuilderView::brNext) return Build();
    return Result;
}

int TBuilderEvent::Build() {
    TUser* User = CurrentUser;
    TKeyChoiceInput In;
    In.Choice = Page ? Page->KeyChoice() : kcDifficult;
    In.Method = Page ? Page->Method() : rmKeyboard;
    In.KnownKeys = Setup.KnownKeys;
    In.CurrentGroup = User->KeyGroup(FCurrentGroup);
    In.StudiedKeys = User->StudiedKeys(FGroupsStudied);
    In.LastGroup = User->KeyGroup(FGroupsStudied);
    In.DifficultKeys = FromQ(BuilderStg->DifKeys->text());
    In.Typed = FromQ(BuilderStg->YourKeys->text());
    const TKeyChoiceResult Choice = ChooseRevisionKeys(In);
    if (!Choice.Message.empty()) MessageDlg(Choice.Message, mtInformation, mbOK);
    const std::string& Keys = Choice.Keys;
    WizResultView->SnapshotBefore(Keys);

    const int L = int(Keys.size());
    TRevisionBuilder Builder;
    int Result = 0;
    bool Typed = false; // a drill or a text ran
    switch (In.Method) {
    case rmKeyboard: {
        if (Builder.BuildDrillLines(Keys, FGroupsStudied, DrillWordsPerKey(L)) == 0) {
            MessageDlg("#7878: No words available for chars: " + Keys, mtInformation, mbOK);
            break;
        }
        TKeyboardEvent Drill("Event;Keyboard;0;Nil");
        Drill.Text = Joined(Builder.FLines);
        Result = RunEvent(Drill, BuiltSetup(Setup, Setup.KnownKeys)).Result;
        Typed = true;
        break;
    }
    case rmCrazySentences: {
        if (Builder.BuildRows(Keys, FGroupsStudied, RowsPerKey(L)) == 0) {
            MessageDlg("#7879: No rows available for chars: " + Keys, mtInformation, mbOK);
            break;
        }
        TTextEvent Sentences("Event;Text;0;NIL;True");
        Sentences.Text = Joined(Builder.FLines);
        Result = RunEvent(Sentences, BuiltSetup(Setup, Setup.KnownKeys)).Result;
        Typed = true;
        break;
    }
    case rmBubbles: {
        if (L < 3) {
            LogError(-3321, "Not enough keys to play game.");
            break;
        }
        TBubbles Game("Bubb;Bubb;0;0");
        Result = RunEvent(Game, BuiltSetup(Setup, Keys)).Result;
        break;
    }
    case rmLexidrop: {
        Builder.BuildGameWords(Keys, FGroupsStudied, GameWordsPerKey(L));
        if (Builder.FLines.empty()) {
            LogError(-3321, "Lexidrop with keys \"" + Keys + "\" - no words available.");
            break;
        }
        TLexidropEvent Game("Drop;Drop;0;-none-.vcb");
        Game.PresetWords = Builder.FLines;
        Result = RunEvent(Game, BuiltSetup(Setup, std::string())).Result;
        break;
    }
    default:
        break;
    }
    // After a drill or a text the wizard's results follow, in place of the
    // results page; a game's top-ten list stays.
    if (Typed) {
        WizResultView->SnapshotAfter();
        ShowNext(WizResultView);
    }
    return Result;
}
