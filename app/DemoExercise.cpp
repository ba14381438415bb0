#include "app/DemoExercise.h"

#include "course/ui/EventClassTable.h"
#include "engine/ui/RunEvent.h"
#include "files/ErrorLog.h"
#include "files/TextUtils.h"
#include "games/ui/TCustomGameEvent.h"
#include "platform/Application.h"
#include "shell/TBookForm.h"
#include "shell/TChapterView.h"

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
        BookForm->TakeClicks(this, [this](QObject*) { SetResult(erNext); });
    }

    void Deactivate() override {
        BookForm->Title->clear();
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
    // The line makes its event through the keyword table, as a course line does.
    const std::unique_ptr<TEvent> Event = MakeEvent(EventLine);
    if (!Event) {
        LogError(-502, "No exercise of that kind: \"" + EventLine + "\"");
        return -1;
    }
    // A game plays its own letters or words; anything else is typed, and
    // trying it out every key is one the learner knows.
    TEventSetup Setup;
    if (!dynamic_cast<TCustomGameEvent*>(Event.get())) {
        if (!TextToType(*Event, EventLine)) return -1;
        for (int C = 32; C < 256; ++C)
            Setup.KnownKeys += char(C);
    }
    ChapterView->ForgetFollowing();
    const TEventRecord Record = RunEvent(*Event, Setup);
    if (Application::Terminated()) return erStop;
    // A drill, or a game that never started, leaves nothing to show.
    if (!Record.Following && !Record.Measured) return Record.Result;

    // The container as a chapter shows it after an exercise: what the event
    // left on the left, how to leave on the right.
    TDemoEndView EndPage;
    ChapterView->ShowSpread(nullptr, &EndPage);
    ChapterView->ForgetFollowing();
    return Record.Result;
}
