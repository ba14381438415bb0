#include "games/ui/TLexidropEvent.h"

#include "engine/ui/TWordViewCanvas.h"
#include "files/Sounds.h"
#include "files/SystemUtils.h"
#include "forms/TDropStgFrm.h"
#include "forms/TEventsStg.h"
#include "games/ui/TTopTenView.h"
#include "platform/Application.h"
#include "platform/Controls.h"
#include "platform/Dialogs.h"
#include "platform/Latin1.h"
#include "shell/TBookForm.h"
#include "users/TDifficultKeys.h"

#include <QFrame>
#include <QLabel>
#include <QPainter>
#include <QTimer>

#include <cmath>

namespace {

const QColor TypedColor(255, 0, 0);
const QColor RestColor(255, 255, 255);
const QColor StackedColor(128, 128, 128);
constexpr int TextLeft = 18;
constexpr int TextTop = 3;

} // namespace

TLexidropEvent::TLexidropEvent(const std::string& Line) : TCustomGameEvent(Line) {
    WordFile = Param(3);
    WordBar = new TWordViewCanvas(BookForm);
    WordBar->setObjectName(QStringLiteral("WordBar"));
    WordBar->hide();
    FRowFont = PixelFont("Times New Roman", 19, true); // 14 points
}

TLexidropEvent::~TLexidropEvent() {
    BeforeDestruction();
    delete WordBar.data();
}

void TLexidropEvent::Activate() {
    TCustomGameEvent::Activate();
    Started = false;
    EmptyRowColor = Qt::white;
    for (bool& Valid : FValid)
        Valid = false;
    if (!WordBar) return;
    QWidget* Page = BookForm->WidePage;
    EventsStg->LeftConsole->move(EventsStg->LeftConsole->x(), 335);

    // The score beside the shaft, then the shaft itself.
    BorrowChildren(DropStgFrm->Drop, Page);
    DropStgFrm->ScoreLabel->setText(QStringLiteral("0"));

    QFrame* Screen = EventsStg->GameScreen;
    Screen->setGeometry(140, 380, 220, 37);
    Screen->show();
    Borrow(WordBar, Page);
    WordBar->setGeometry(Screen->x() + 7, Screen->y() + 4, 200, 32);
    QFont BarFont = WordBar->font();
    BarFont.setFamily(QStringLiteral("Times New Roman"));
    BarFont.setPixelSize(21);
    WordBar->setFont(BarFont);
    WordBar->SetBackColor(Qt::black);
    WordBar->RestTextColor = QColor(0, 255, 0);
    WordBar->HighlightBackColor = QColor(0, 0, 128);
    WordBar->HighlightTextColor = QColor(255, 255, 0);
    WordBar->TypedTextColor = QColor(0, 128, 0);
    WordBar->SetWord("");
    WordBar->show();

    Game.GameLevel = TLexidropGame::MinLevel;
    QTimer* FallTimer = DropStgFrm->DropTimer;
    FallTimer->stop();
    QObject::disconnect(FallTimer, nullptr, nullptr, nullptr);
    QObject::connect(FallTimer, &QTimer::timeout, [this] { FallStep(); });

    QFrame* Box = EventsStg->EventMsg;
    EventsStg->MsgLabel1->setText(QStringLiteral("Type the word in bar"));
    EventsStg->MsgLabel2->setText(QStringLiteral("to begin."));
    Box->move(220, 130);
    Box->raise();
    Box->show();

    if (!RunGame()) return;
    if (Application::Terminated()) return;
    if (IsOpen && State != esCompleted) Finish();
    DifficultKeys->Merge();
    TopTenView->Submit("lexidrop", PlayerName(), Score);
    ShowNext(TopTenView);
}

bool TLexidropEvent::RunGame() {
    TStringList Lines;
    if (PresetWords) {
        Game.Words = TLexidropGame::Vocabulary(*PresetWords);
    } else if (TLexidropGame::ReadVocabulary(WordFile, Lines)) {
        Game.Words = TLexidropGame::Vocabulary(Lines);
    } else {
        Game.Words.clear();
    }
    // A vocabulary without a word that fits the shaft cannot be played either.
    if (Game.Words.empty()) {
        MessageDlg("Lexidrop: " + WordFile + " cannot be loaded, game cancelled.", mtError, mbOK);
        SetResult(erCancelled);
        return false;
    }
    Shuffle(Game.Words);

    Game.Begin();
    WordBar->SetWord(Game.CurrentWord());
    StopGame = false;
    DrawShaft();
    DropStgFrm->DropTimer->setInterval(TLexidropGame::FirstInterval);

    // The loop wakes for every message (a key, a fall step, the clock) and
    // sleeps in between; nothing polls.
    while (!StopGame) {
        if (Game.LoopState == lsNextWord) {
            const int Interval = Game.NextWord();
            WordBar->SetWord(Game.CurrentWord());
            DrawShaft();
            if (DropStgFrm->Level)
                DropStgFrm->Level->setText(QString::number(double(Game.GameLevel), 'f', 1));
            StartFallTimer(Interval);
        } else if (Game.LoopState == lsGameOver) {
            StopGame = true;
        }
        if (Game.LoopState != lsNextWord) Game.LoopState = lsIdle;
        if (StopGame || !IsOpen || LoopDone || Application::Terminated()) break;
        Application::WaitAndProcessMessages();
    }
    DropStgFrm->DropTimer->stop();
    return true;
}

void TLexidropEvent::StartFallTimer(int Interval) {
    QTimer* FallTimer = DropStgFrm->DropTimer;
    FallTimer->setInterval(std::max(1, Interval));
    if (State == esRunning)
        FallTimer->start();
    else
        FallTimer->stop();
}

void TLexidropEvent::FallStep() {
    const TLexidropGame::TFall Fall = Game.FallStep();
    switch (Fall) {
    case TLexidropGame::fNone:
        return;
    case TLexidropGame::fMoved:
        break;
    case TLexidropGame::fLanded:
        DropStgFrm->DropTimer->stop();
        PlayEffect(TypingSound);
        break;
    case TLexidropGame::fGameOver:
        DropStgFrm->DropTimer->stop();
        break;
    }
    DrawShaft();
}

void TLexidropEvent::KeyPress(QObject* Sender, char& Key) {
    TCustomGameEvent::KeyPress(Sender, Key);
    if (Key == 0 || State == esCompleted || StopGame) return;
    const char Ch = Key;
    // The game has the keyboard.
    Key = 0;
    if (!Started) {
        Started = true;
        Start();
    }
    char Expected = 0;
    switch (Game.TypeChar(Ch, Expected)) {
    case TLexidropGame::kIgnored:
        return;
    case TLexidropGame::kRight:
        DifficultKeys->RecordKey(static_cast<unsigned char>(Expected), false);
        WordBar->AdvanceChar();
        DrawRow(Game.FallRow);
        return;
    case TLexidropGame::kWordDone:
        DifficultKeys->RecordKey(static_cast<unsigned char>(Expected), false);
        WordBar->AdvanceChar();
        DropStgFrm->DropTimer->stop();
        SetScore(Game.Score);
        DropStgFrm->ScoreLabel->setText(QString::number(Game.Score));
        DrawShaft();
        return;
    case TLexidropGame::kWrong:
        PlayEffect(ErrorSound);
        DifficultKeys->RecordKey(static_cast<unsigned char>(Expected), true);
        return;
    }
}

void TLexidropEvent::DrawShaft(bool Whole) {
    if (Whole)
        for (bool& Valid : FValid)
            Valid = false;
    for (int Row = 1; Row <= TLexidropGame::RowCount; ++Row)
        DrawRow(Row);
}

QPixmap TLexidropEvent::RowPicture(int Row) const {
    // At the screen's own pixels, so that a book drawn larger stays crisp.
    const qreal Ratio = DropStgFrm->Rows[0]->devicePixelRatioF();
    QPixmap Picture(QSize(220, 30) * Ratio);
    Picture.setDevicePixelRatio(Ratio);
    const bool Falling = Row == Game.FallRow && !Game.Rows[Row].empty();
    const std::string& Word = Game.Rows[Row];
    if (Word.empty()) {
        Picture.fill(EmptyRowColor);
        return Picture;
    }
    QPainter P(&Picture);
    const QPixmap& Back = (Falling ? DropStgFrm->Active : DropStgFrm->Inactive)->Picture();
    if (Back.isNull())
        P.fillRect(QRect(0, 0, 220, 30), Falling ? QColor(0, 0, 128) : QColor(224, 224, 224));
    else
        P.drawPixmap(0, 0, Back);
    P.setRenderHint(QPainter::TextAntialiasing);
    P.setFont(FRowFont);
    const int Baseline = TextTop + QFontMetrics(FRowFont).ascent();
    if (!Falling) {
        P.setPen(StackedColor);
        P.drawText(TextLeft, Baseline, ToQ(Word));
        return Picture;
    }
    const QString Typed = ToQ(Game.TypedPart());
    P.setPen(TypedColor);
    P.drawText(TextLeft, Baseline, Typed);
    P.setPen(RestColor);
    P.drawText(TextLeft + QFontMetrics(FRowFont).horizontalAdvance(Typed), Baseline,
               ToQ(Game.RestPart()));
    return Picture;
}

void TLexidropEvent::DrawRow(int Row) {
    if (Row < 1 || Row > TLexidropGame::RowCount) return;
    // A row is redrawn only when what it shows changed: its word, or for the
    // falling word how much of it is typed.
    const bool Falling = Row == Game.FallRow && !Game.Rows[Row].empty();
    const std::string Look =
        Falling ? "F" + std::to_string(Game.TypedCount) + Game.Rows[Row] : "S" + Game.Rows[Row];
    if (FValid[Row] && FShown[Row] == Look) return;
    FShown[Row] = Look;
    FValid[Row] = true;
    DropStgFrm->Rows[Row - 1]->SetPicture(RowPicture(Row));
}

void TLexidropEvent::TimeOut() {
    TCustomGameEvent::TimeOut();
    StopGame = true;
}

void TLexidropEvent::Pause() {
    DropStgFrm->DropTimer->stop();
    TCustomGameEvent::Pause();
}

void TLexidropEvent::Finish() {
    DropStgFrm->DropTimer->stop();
    TCustomGameEvent::Finish();
}

void TLexidropEvent::Start() {
    TCustomGameEvent::Start();
    // The word falls only while there is one to fall.
    if (Game.FallRow > 0 && !Game.WordDone() && !Game.Over()) DropStgFrm->DropTimer->start();
}

void TLexidropEvent::Deactivate() {
    DropStgFrm->DropTimer->stop();
    QObject::disconnect(DropStgFrm->DropTimer, nullptr, nullptr, nullptr);
    // The rows go back empty.
    for (TImage* Row : DropStgFrm->Rows)
        Row->SetPicture(QPixmap());
    EventsStg->GameScreen->hide();
    if (WordBar) WordBar->hide();
    StopGame = true;
    Started = false;
    TCustomGameEvent::Deactivate();
    BookForm->ReleaseKeys(this);
}
