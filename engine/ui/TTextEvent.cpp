#include "engine/ui/TTextEvent.h"

#include "analysis/AnalysisObjects.h"
#include "engine/ui/TNervoGraph.h"
#include "engine/ui/TTypingCanvas.h"
#include "engine/ui/TViewCanvas.h"
#include "files/Sounds.h"
#include "files/TProgramSettings.h"
#include "forms/TEventsStg.h"
#include "platform/Clock.h"
#include "platform/Latin1.h"
#include "shell/TBookForm.h"
#include "users/TDifficultKeys.h"
#include "users/TUser.h"

#include <QFrame>
#include <QLabel>

namespace {

constexpr int ScreenMargin = 5;

// The program's analysis objects, which the run feeds.
TRunAnalysis ProgramAnalysis() {
    return TRunAnalysis{ErrorFinder, EfficiencyCalc, BackSpaceCounter, DeviationCalc};
}

} // namespace

TTextEvent::TTextEvent(const std::string& Line) : TCustomTextEvent(Line) {
    HighlightWords = UpperCase(Param(4)) == "TRUE";
    Canvas->SetMode(HighlightWords ? 1 : 2);
    TypingCanvas = new TTypingCanvas(BookForm);
    TypingCanvas->setObjectName(QStringLiteral("TypingText"));
    TypingCanvas->Follow(Run.Typed());
    TypingCanvas->hide();
    RhythmGraph = new TNervoGraph(BookForm);
    RhythmGraph->setObjectName(QStringLiteral("RhythmGraph"));
    RhythmGraph->hide();
    for (QWidget* W :
         {static_cast<QWidget*>(Canvas.data()), static_cast<QWidget*>(TypingCanvas.data())}) {
        QFont Font = W->font();
        Font.setBold(false);
        W->setFont(Font);
    }
}

TTextEvent::~TTextEvent() {
    BeforeDestruction();
    delete TypingCanvas.data();
    delete RhythmGraph.data();
}

void TTextEvent::Activate() {
    TCustomTextEvent::Activate();
    ResetAnalysisObjects();
    if (!Canvas || !TypingCanvas || !RhythmGraph) return;
    // The run lays out the model text as the canvas shows it.
    TViewCanvas* Model = Canvas;
    Run.Begin(
        Text ? *Text : std::string(), StartPos, Model->PageGeometry(),
        [Model](const std::string& S) { return Model->TextWidth(S); }, HighlightWords);
    Model->ShowPage(Run.Page());
    QWidget* Page = BookForm->WidePage;

    // The typing screen under the model text.
    QWidget* Console = EventsStg->LeftConsole;
    Console->move(Console->x(), Canvas->y() + Canvas->height() + 1);
    QFrame* Screen = EventsStg->Screen1;
    const int ScreenTop = Console->y() + 35;
    Screen->setGeometry(Screen->x(), ScreenTop, Screen->width(), Page->height() - ScreenTop - 20);
    Borrow(TypingCanvas, Page);
    TypingCanvas->setGeometry(
        Screen->geometry().adjusted(ScreenMargin, ScreenMargin, -ScreenMargin, -ScreenMargin));
    TypingCanvas->SetBackColor(Qt::black);
    TypingCanvas->SetFontColor(QColor(0, 255, 0));
    TypingCanvas->MarkColor = QColor(0, 255, 0);
    TypingCanvas->Clear();
    TypingCanvas->setEnabled(true);
    TypingCanvas->show();
    TypingCanvas->setFocus();
    TypingCanvas->update();

    // The speed display with the rhythm graph.
    EventsStg->SpeedTitle->show();
    EventsStg->SpeedTitle2->setText(ToQ(Settings->SpeedUnitName()));
    EventsStg->SpeedTitle2->show();
    QFrame* Speed = EventsStg->Screen3;
    Speed->resize(Speed->width(), 105);
    Borrow(RhythmGraph, Page);
    RhythmGraph->setGeometry(582, 201, 115, 104);
    RhythmGraph->show();
    EventsStg->EventMsg->hide();
}

void TTextEvent::KeyPress(QObject* Sender, char& Key) {
    TCustomTextEvent::KeyPress(Sender, Key);
    if (State == esCompleted || !TypingCanvas || !Canvas) return;
    const unsigned char Ch = static_cast<unsigned char>(Key);
    // The event has the keyboard: nothing it sees goes on to a control.
    Key = 0;
    // The clock starts with the first key, whatever it is; started here,
    // before the key is handled, so that a key that completes the event at
    // once does not start it running again.
    if (State == esWaiting) Start();
    Draw(Run.Key(Ch, Now(), ProgramAnalysis()), Ch);
}

void TTextEvent::Draw(const TKeyStep& Step, unsigned char Ch) {
    if (Step.Stroke && RhythmGraph) RhythmGraph->KeyStroke();
    switch (Step.Action) {
    case TKeyAction::None:
        return;
    case TKeyAction::Char:
        if (TypingCanvas->TypeChar(Ch)) {
            // Broken off for want of room: Ch starts the next word.
            Run.BreakWord(Ch);
            TypingCanvas->WordChanged();
        }
        return;
    case TKeyAction::Erase:
        TypingCanvas->WordChanged();
        return;
    case TKeyAction::Refused:
        PlayEffect(ErrorSound);
        return;
    case TKeyAction::WordEnd:
        break;
    }
    if (Step.NewPage)
        Canvas->ShowPage(Run.Page(), Run.Current());
    else
        Canvas->MoveTo(Run.Current());
    if (Step.Hint) {
        PlayEffect(TypingSound);
        Canvas->ShowHint();
    }
    TypingCanvas->EndWord(Step.EndKind, Step.Mark, Step.Word);
    if (Step.Ended) Finish();
    StartPos = Run.LinePos();
}

void TTextEvent::Start() {
    if (RhythmGraph) RhythmGraph->StartGraph();
    if (TypingCanvas) TypingCanvas->setEnabled(true);
    TCustomTextEvent::Start();
}

void TTextEvent::Pause() {
    if (RhythmGraph) RhythmGraph->StopGraph();
    TCustomTextEvent::Pause();
}

void TTextEvent::Finish() {
    if (RhythmGraph) RhythmGraph->StopGraph();
    if (TypingCanvas) TypingCanvas->setEnabled(false);
    TCustomTextEvent::Finish();
}

std::int32_t TTextEvent::TypingSeconds() const {
    return Run.TypingSeconds(StartTime);
}

bool TTextEvent::ResultsValid() const {
    return Run.ResultsValid(StartTime);
}

void TTextEvent::Deactivate() {
    EventsStg->SpeedTitle->hide();
    EventsStg->SpeedTitle2->hide();
    if (RhythmGraph) {
        RhythmGraph->StopGraph();
        RhythmGraph->hide();
    }
    if (TypingCanvas) TypingCanvas->hide();
    if (FromStoryChooser) CurrentUser->FStoryPosition = StartPos;
    DifficultKeys->Merge();
    EfficiencyCalc->SetElapsed(TypingSeconds());
    HandOverResults(ResultsValid() ? std::optional<TRunResults>(MeasuredResults()) : std::nullopt);
    TCustomTextEvent::Deactivate();
    BookForm->ReleaseKeys(this);
}
