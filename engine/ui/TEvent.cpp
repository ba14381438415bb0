#include "engine/ui/TEvent.h"

#include "files/ErrorLog.h"
#include "files/InputError.h"
#include "files/Sounds.h"
#include "files/TTextFile.h"
#include "platform/Clock.h"
#include "platform/Dialogs.h"
#include "platform/FileNames.h"
#include "platform/Trace.h"
#include "shell/TBookForm.h"
#include "users/TUser.h"

#include <cmath>

namespace {

// The story chooser's answers.
enum { scNewStory = 1, scContinue = 2, scBack = 3 };

int MinimalChooser(const TStringList&, const std::string&, const std::string& CurrentStory,
                   std::string&) {
    return CurrentStory.empty() ? scBack : scContinue;
}

TStoryChooser& StoryChooser() {
    static TStoryChooser Chooser = MinimalChooser;
    return Chooser;
}

// The text of the source after its prefix, when the source starts with the
// prefix in any case.
bool HasPrefix(const std::string& Source, const std::string& Prefix) {
    return UpperCase(Source.substr(0, Prefix.size())) == Prefix;
}

// Reads the whole body of a text file; false when it cannot be opened or read.
// Only names inside the program directory are read: an exercise line naming
// "/etc/passwd" or "../x" finds nothing.
bool ReadTextFile(const std::string& Name, std::string& Out) {
    TTextFile File;
    bool Ok = false;
    try {
        if (IsMaterialName(Name) && File.Open(Name, TTextFile::tmRead) == fsOk) {
            const int32_t Status = File.ReadAll(Out);
            Ok = Status == fsOk || Status == fsEnd;
        }
    } catch (const EInputError&) {
        // A header the reader cannot take counts as a file it cannot read.
        Ok = false;
    }
    File.Close();
    if (!Ok) Out.clear();
    return Ok;
}

} // namespace

void SetStoryChooser(TStoryChooser Chooser) {
    StoryChooser() = Chooser ? std::move(Chooser) : TStoryChooser(MinimalChooser);
}

const TStoryChooser& InstalledStoryChooser() {
    return StoryChooser();
}

TEvent::TEvent(const std::string& Line) : Params(Split(Line, "=;")) {
    Host = BookForm;
}

TEvent::~TEvent() {
    // Closed while the event's own parts are still here: the close clears the
    // handlers it installed on the book, which would otherwise call into a
    // destroyed event.
    BeforeDestruction();
}

std::string TEvent::Param(int N) const {
    return HasParam(N) ? Params[size_t(N)] : std::string();
}

bool TEvent::CanSkip() {
    if (!HasParam(3)) return false;
    const int Answer = LoadText(Param(3));
    if (Answer == 1 || Answer == 2) return false;
    // A text that could not be loaded, like Back in the story chooser, leaves
    // the exercise without completing it; no answer stops it.
    SetResult(Answer == 3 || Answer == TextUnreadable ? erCancelled : erStop);
    return true;
}

void TEvent::Activate() {
    TFormView::Activate();
    State = esWaiting;
    OnCloseQuery = [this](bool& Refused) { CloseQuery(Refused); };
    ShownAt = Now();
    if (Tracing()) Trace("event start " + ClassName(typeid(*this)) + " " + Param(0));
    BookForm->SetPageMode(1);
    BookForm->SetConsoleButtons(Setup.AllowCancel ? cbNext | cbCancel : cbNext);
    BookForm->TakeClicks(this, [this](QObject* Sender) { ButtonClick(Sender); });
    BookForm->TakeKeys(this);
}

void TEvent::KeyDown(QObject* Sender, std::uint16_t& Key, TShiftState Shift) {
    TFormView::KeyDown(Sender, Key, Shift);
    QObject* Button = nullptr;
    if (Shift == ssAlt) {
        if (Key == 'N')
            Button = BookForm->Next;
        else if (Key == 'C')
            Button = BookForm->Cancel;
    } else if (Shift == 0) {
        if (Key == VK_ESCAPE)
            Button = BookForm->Cancel;
        else if (Key == VK_RETURN && State == esCompleted)
            Button = BookForm->Next;
    }
    if (!Button) return;
    Key = 0;
    ButtonClick(Button);
}

void TEvent::Close(bool& Refused) {
    // Only a close that really ends the page counts its time, once.
    const bool WasOpen = IsOpen;
    TFormView::Close(Refused);
    if (Refused || !WasOpen || IsOpen) return;
    if (Tracing())
        Trace("event end " + ClassName(typeid(*this)) + " " + std::to_string(ResultCode));
    CurrentUser->AddStudyMinutes(StudyMinutes(Now() - ShownAt));
    BookForm->SetPageMode(2);
    BookForm->ReleaseKeys(this);
    BookForm->ReleaseClicks(this);
    BookForm->SetConsoleButtons(0);
}

int TEvent::StudyMinutes(double Days) {
    // Whole milliseconds, as a clock reads them; a clock set back counts nothing.
    const long long Ms = Days > 0 ? std::llround(Days * 86400000.0) : 0;
    const long long Hours = Ms / 3600000;
    const long long Seconds = Ms / 1000 % 60;
    int Minutes = int(Ms / 60000 % 60);
    if (Hours > 0) Minutes = 60;
    if (Seconds > 45) ++Minutes;
    return Minutes;
}

void TEvent::ButtonClick(QObject* Sender) {
    PlayEffect(ClickSound);
    if (!Sender) return;
    const QString Name = Sender->objectName();
    if (Name == QLatin1String("Cancel"))
        SetResult(State == esCompleted ? erCancelledDone : erCancelled);
    else if (Name == QLatin1String("Next"))
        SetResult(erNext);
}

void TEvent::CloseQuery(bool& Refused) {
    if (State != esRunning && State != esPaused) return;
    if (MessageDlg("You haven't finished this exercise yet, proceed anyway?", mtConfirmation,
                   mbYes | mbNo) == mrNo)
        Refused = true;
}

void TEvent::Prepare(const TEventSetup& Given) {
    Setup = Given;
    FRecord = TEventRecord();
}

void TEvent::HandOverResults(const std::optional<TRunResults>& Scored) {
    FRecord.Measured = true;
    FRecord.Scored = Scored;
}

void TEvent::ShowNext(TFormView* Page) {
    FRecord.Following = Page;
}

int TEvent::Execute() {
    return Run();
}

int TEvent::LoadText(const std::string& Source) {
    FromStoryChooser = false;
    if (UpperCase(Source) == "NIL") return 1;
    Text.reset();
    if (HasPrefix(Source, "FILE:")) return LoadFile(Source.substr(5)) ? 1 : TextUnreadable;
    if (HasPrefix(Source, "RES:")) return 1;
    if (HasPrefix(Source, "EFFIC:")) return LoadFile("Effic.kqs") ? 1 : TextUnreadable;
    if (HasPrefix(Source, "ASK:")) return AskForStory(Source.substr(4));
    Text = Source;
    return 1;
}

bool TEvent::LoadFile(const std::string& Name) {
    std::string Body;
    if (!ReadTextFile(Name, Body)) {
        LogError(-501, "File " + Name + " missing or read error");
        return false;
    }
    Text = std::move(Body);
    return true;
}

int TEvent::AskForStory(const std::string& Mask) {
    FromStoryChooser = true;
    std::string Current = CurrentUser->FStoryFile;
    const TStringList Names = IsMaterialName(Mask) ? TFile::ListNames(Mask) : TStringList();
    for (;;) {
        std::string Chosen;
        const int Answer = StoryChooser()(Names, Mask, Current, Chosen);
        if (Answer != scNewStory && Answer != scContinue) return Answer;
        const std::string Story = Answer == scNewStory ? Chosen : Current;
        std::string Body;
        if (ReadTextFile(Story, Body)) {
            if (Answer == scNewStory) {
                CurrentUser->FStoryFile = Chosen;
                StartPos = 0;
            } else {
                StartPos = CurrentUser->FStoryPosition;
            }
            Text = std::move(Body);
            return Answer;
        }
        // A story that has gone is never typed as an empty page: the learner
        // is told and chooses again, with nothing to continue when it was
        // the story being typed. The learner's story stays until another is
        // chosen.
        LogError(-503, "The story " + Story + " is gone. Please choose another story.");
        if (Answer == scContinue) Current.clear();
    }
}
