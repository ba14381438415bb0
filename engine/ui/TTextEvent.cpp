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

#include <cmath>

namespace {

constexpr double ClockSecondsPerDay = 100000.0;
// Intervals longer than this are breaks, not part of the rhythm.
constexpr double LongestInterval = 5;
constexpr unsigned char BackSpaceKey = 8;
constexpr unsigned char EnterKey = 13;
constexpr int ScreenMargin = 5;

} // namespace

TTextEvent::TTextEvent(const std::string& Line) : TCustomTextEvent(Line) {
    HighlightWords = UpperCase(Param(4)) == "TRUE";
    Canvas->SetMode(HighlightWords ? 1 : 2);
    TypingCanvas = new TTypingCanvas(BookForm);
    TypingCanvas->setObjectName(QStringLiteral("TypingText"));
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
    Words.Reset();
    LastKeyTime = 0;
    ResetAnalysisObjects();
    if (!BookForm || !EventsStg || !Canvas || !TypingCanvas || !RhythmGraph) return;
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
    EventsStg->SpeedTitle2->setText(ToQ(Settings ? Settings->SpeedUnitName() : "cpm"));
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
    const double At = Now();
    if (IsTypingKey(Ch)) {
        if (BackSpaceCounter) BackSpaceCounter->CountKey(Ch);
        if (LastKeyTime > 0) {
            if (RhythmGraph) RhythmGraph->KeyStroke();
            const double Interval = (At - LastKeyTime) * ClockSecondsPerDay;
            if (Interval <= LongestInterval && DeviationCalc)
                DeviationCalc->AddInterval(Ch, float(Interval));
        }
        if (Ch == BackSpaceKey) {
            if (!TypingCanvas->CurrentWord().Text.empty())
                TypingCanvas->Backspace();
            else
                PlayEffect(ErrorSound);
        } else if (Ch == EnterKey || Ch == ' ') {
            EndWord(Ch == EnterKey ? 1 : 0);
        } else {
            TypingCanvas->TypeChar(Ch);
        }
    }
    LastKeyTime = At;
}

void TTextEvent::EndWord(int Kind) {
    const std::string Typed = TypingCanvas->CurrentWord().Text;
    int Mark = 0;
    if (!Typed.empty() && ErrorFinder && EfficiencyCalc) {
        const TModelWords Model{Canvas->WordAt(-1), Canvas->WordAt(0), Canvas->WordAt(1),
                                Canvas->WordAt(2)};
        const TWordVerdict Verdict = Words.Judge(Typed, Model, *ErrorFinder, *EfficiencyCalc);
        for (int I = 0; I < Verdict.Advance; ++I)
            Canvas->Advance();
        Mark = Verdict.Mark;
        if (Words.HintDue(HighlightWords)) {
            PlayEffect(TypingSound);
            Canvas->ShowHint();
        }
    }
    TypingCanvas->EndWord(Kind, Mark);
    if (Canvas->WordAt(0).empty()) Finish();
    StartPos = Canvas->LinePos();
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
    if (LastKeyTime <= 0 || StartTime <= 0) return 0;
    const double Seconds = std::nearbyint((LastKeyTime - StartTime) * ClockSecondsPerDay);
    return Seconds > 0 ? std::int32_t(Seconds) : 0;
}

bool TTextEvent::ResultsValid() const {
    return Words.WordsTyped >= MinWords && TypingSeconds() >= MinSeconds;
}

void TTextEvent::Deactivate() {
    if (EventsStg) {
        EventsStg->SpeedTitle->hide();
        EventsStg->SpeedTitle2->hide();
    }
    if (RhythmGraph) {
        RhythmGraph->StopGraph();
        RhythmGraph->hide();
    }
    if (TypingCanvas) TypingCanvas->hide();
    if (FromStoryChooser && CurrentUser) CurrentUser->FStoryPosition = StartPos;
    if (DifficultKeys) DifficultKeys->Merge();
    if (EfficiencyCalc) EfficiencyCalc->SetElapsed(TypingSeconds());
    HandOverResults(ResultsValid() ? std::optional<TRunResults>(MeasuredResults()) : std::nullopt);
    TCustomTextEvent::Deactivate();
    if (BookForm) BookForm->ReleaseKeys(this);
}
