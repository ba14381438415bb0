#include "app/DemoExercise.h"

#include "analysis/results/TExercInfoView.h"
#include "app/ResultsHandOver.h"
#include "engine/ui/TChapterView.h"
#include "engine/ui/TKeyboardEvent.h"
#include "engine/ui/TNewKeysEvent.h"
#include "engine/ui/TTextEvent.h"
#include "files/ErrorLog.h"
#include "files/TextUtils.h"
#include "games/ui/TBubbles.h"
#include "games/ui/TLexidropEvent.h"
#include "games/ui/TTopTenView.h"
#include "platform/Application.h"
#include "shell/TBookForm.h"

#include <QLabel>

#include <cstring>
#include <memory>

namespace {

// The right page after the run: how to leave. Next or Enter closes it.
class TDemoEndView : public TFormView {
public:
    TDemoEndView() {
        Host = BookForm;
        FNote = new QLabel(BookForm);
        FNote->setObjectName(QStringLiteral("DemoEndNote"));
        FNote->setText(QStringLiteral("Press Enter or Next to close the exercise."));
        FNote->setWordWrap(true);
        FNote->setAlignment(Qt::AlignCenter);
        QFont Font(QStringLiteral("Arial"));
        Font.setPixelSize(16);
        FNote->setFont(Font);
        FNote->setGeometry(24, 150, 290, 80);
        FNote->hide();
    }
    ~TDemoEndView() override {
        BeforeDestruction();
        delete FNote.data();
    }

    void Activate() override {
        TFormView::Activate();
        if (!FNote) return;
        Borrow(FNote, BookForm->RightPage);
        FNote->show();
        BookForm->SetPageMode(2);
        BookForm->Title->setText(QStringLiteral("Your Results"));
        BookForm->SetConsoleButtons(cbNext);
        BookForm->Next->OnClick = [this](QObject*) { SetResult(erNext); };
    }

    void Deactivate() override {
        BookForm->Title->clear();
        BookForm->Next->OnClick = nullptr;
        BookForm->SetConsoleButtons(0);
        if (FNote) FNote->hide();
        TFormView::Deactivate();
    }

    void KeyDown(QObject* Sender, std::uint16_t& Key, TShiftState Shift) override {
        TFormView::KeyDown(Sender, Key, Shift);
        if (Shift == 0 && (Key == VK_RETURN || Key == VK_ESCAPE)) {
            Key = 0;
            SetResult(erNext);
        }
    }

private:
    QPointer<QLabel> FNote;
};

// Sources that name a file to read: an unreadable one is told by the event.
bool HasFilePrefix(const std::string& Source) {
    const std::string Upper = UpperCase(Source);
    return Upper.rfind("FILE:", 0) == 0 || Upper.rfind("EFFIC:", 0) == 0 ||
           Upper.rfind("ASK:", 0) == 0;
}

} // namespace

std::optional<std::string> DemoExerciseLine(int ArgumentCount, char** Arguments) {
    if (ArgumentCount != 2 || !Arguments || !Arguments[0] || !Arguments[1]) return std::nullopt;
    if (std::strcmp(Arguments[0], "--exercise") != 0) return std::nullopt;
    return std::string(Arguments[1]);
}

namespace {

// Reads the event's text first, so that a line that gives nothing to type is
// told with the event's number instead of showing an empty page; false then.
bool TextToType(TEvent& Event, const std::string& EventLine) {
    const std::string Source = Event.Param(3);
    if (!Source.empty() && UpperCase(Source) != "NIL") Event.LoadText(Source);
    if (!Event.Text || Event.Text->empty()) {
        // A file that could not be read has been told already.
        if (!HasFilePrefix(Source))
            LogError(-501, "No text to type in the exercise line \"" + EventLine + "\"");
        return false;
    }
    if (Event.Params.size() > 3) Event.Params[3] = "NIL"; // keeps the text read
    return true;
}

} // namespace

int RunDemoExercise(const std::string& EventLine) {
    // The keyword picks the class; a drill has no results page after it.
    const TStringList Tokens = Split(EventLine, "=;");
    const std::string Keyword = Tokens.size() > 1 ? UpperCase(Trim(Tokens[1])) : std::string();
    if (Keyword == "KEYBOARD" || Keyword == "NEWKEYS") {
        std::unique_ptr<TEvent> Drill;
        if (Keyword == "KEYBOARD")
            Drill = std::make_unique<TKeyboardEvent>(EventLine);
        else
            Drill = std::make_unique<TNewKeysEvent>(EventLine);
        // Trying a drill out, every key is one the learner knows.
        for (int C = 32; C < 256; ++C)
            Drill->KnownKeys += char(C);
        if (!TextToType(*Drill, EventLine)) return -1;
        return Drill->Execute();
    }
    int Result = erStop;
    // The games leave their top-ten page as the left page; a text event its results.
    TFormView* Left = ExercInfoView;
    if (Keyword == "LEXIDROP" || Keyword == "BUBBLES") {
        std::unique_ptr<TCustomGameEvent> Game;
        if (Keyword == "LEXIDROP")
            Game = std::make_unique<TLexidropEvent>(EventLine);
        else
            Game = std::make_unique<TBubbles>(EventLine);
        ChapterView->LeftSubView = nullptr;
        Result = Game->Execute();
        Left = ChapterView->LeftSubView;
        Game.reset();
        // A game that never started has no list to show.
        if (!Left) return Result;
    } else {
        TTextEvent Event(EventLine);
        Event.ResultSink = ShowOnResultsPage;
        if (!TextToType(Event, EventLine)) return -1;
        Result = Event.Execute();
    }
    if (Application::Terminated()) return erStop;

    // The container as a chapter shows it after an exercise.
    TFormView* const FormerLeft = ChapterView->LeftSubView;
    TFormView* const FormerRight = ChapterView->RightSubView;
    TDemoEndView EndPage;
    ChapterView->LeftSubView = Left;
    ChapterView->RightSubView = &EndPage;
    ChapterView->Run();
    ChapterView->LeftSubView = FormerLeft;
    ChapterView->RightSubView = FormerRight;
    return Result;
}
