#include "revision/ui/TBuilderEvent.h"

#include "engine/ui/TChapterView.h"
#include "engine/ui/TTimedEvent.h"
#include "files/ErrorLog.h"
#include "files/SystemUtils.h"
#include "forms/TBuilderStg.h"
#include "platform/Dialogs.h"
#include "platform/Latin1.h"
#include "revision/RevisionRules.h"
#include "revision/TRevisionBuilder.h"
#include "revision/ui/TRevisionEvents.h"
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

// Hands the event what every built exercise gets, and runs it. Its results
// go where the builder's own go.
int RunPrepared(TEvent& Event, const TResultSink& Sink, bool AllowCancel, std::int32_t TimeLimit,
                const std::string& Keys) {
    Event.ResultSink = Sink;
    Event.AllowCancel = AllowCancel;
    if (auto* Timed = dynamic_cast<TTimedEvent*>(&Event)) Timed->TimeLimit = TimeLimit;
    Event.KnownKeys = Keys;
    return Event.Execute();
}

} // namespace

TBuilderEvent::TBuilderEvent(const std::string& Line) : TEvent(Line) {}

TBuilderEvent::~TBuilderEvent() {
    BeforeDestruction();
}

int TBuilderEvent::Execute() {
    TUser* User = CurrentUser;
    const int Reached = User->FKeyGroupsReached;
    FCurrentGroup = FGroupsStudied != 0 ? FGroupsStudied : Reached;
    if (FGroupsStudied <= 0) FGroupsStudied = Reached;
    if (KnownKeys.empty()) KnownKeys = User->StudiedKeys(FGroupsStudied);

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
    In.KnownKeys = KnownKeys;
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
    std::unique_ptr<TEvent> Event;
    int Result = 0;
    bool Typed = false; // a drill or a text ran
    switch (In.Method) {
    case rmKeyboard:
        if (Builder.BuildDrillLines(Keys, FGroupsStudied, DrillWordsPerKey(L)) == 0) {
            MessageDlg("#7878: No words available for chars: " + Keys, mtInformation, mbOK);
            break;
        }
        if (TRevisionEvents::Drill) Event = TRevisionEvents::Drill("Event;Keyboard;0;Nil");
        if (!Event) break;
        Event->Text = Joined(Builder.FLines);
        Result = RunPrepared(*Event, ResultSink, AllowCancel, TimeLimit, KnownKeys);
        Typed = true;
        break;
    case rmCrazySentences:
        if (Builder.BuildRows(Keys, FGroupsStudied, RowsPerKey(L)) == 0) {
            MessageDlg("#7879: No rows available for chars: " + Keys, mtInformation, mbOK);
            break;
        }
        if (TRevisionEvents::Text) Event = TRevisionEvents::Text("Event;Text;0;NIL;True");
        if (!Event) break;
        Event->Text = Joined(Builder.FLines);
        Result = RunPrepared(*Event, ResultSink, AllowCancel, TimeLimit, KnownKeys);
        Typed = true;
        break;
    case rmBubbles:
        if (L < 3) {
            LogError(-3321, "Not enough keys to play game.");
            break;
        }
        if (TRevisionEvents::Bubbles) Event = TRevisionEvents::Bubbles("Bubb;Bubb;0;0");
        if (Event) Result = RunPrepared(*Event, ResultSink, AllowCancel, TimeLimit, Keys);
        break;
    case rmLexidrop: {
        Builder.BuildGameWords(Keys, FGroupsStudied, GameWordsPerKey(L));
        if (Builder.FLines.empty()) {
            LogError(-3321, "Lexidrop with keys \"" + Keys + "\" - no words available.");
            break;
        }
        if (TRevisionEvents::Lexidrop)
            Event = TRevisionEvents::Lexidrop("Drop;Drop;0;-none-.vcb", Builder.FLines);
        if (Event) Result = RunPrepared(*Event, ResultSink, AllowCancel, TimeLimit, std::string());
        break;
    }
    default:
        break;
    }
    if (Typed) {
        WizResultView->SnapshotAfter();
        ChapterView->LeftSubView = WizResultView;
    }
    if (Event) Event->BeforeDestruction();
    return Result;
}
