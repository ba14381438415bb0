#include "games/ui/TBubbles.h"

#include "engine/ui/TMissedLcd.h"
#include "files/Sounds.h"
#include "files/SystemUtils.h"
#include "forms/TBubbleStg.h"
#include "forms/TEventsStg.h"
#include "games/ui/TTopTenView.h"
#include "platform/Application.h"
#include "platform/Clock.h"
#include "platform/Controls.h"
#include "shell/TBookForm.h"

#include <QFrame>
#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>
#include <QTimer>

#include <algorithm>
#include <cmath>

namespace {

const QColor Navy(0, 0, 128);
const QColor Blue(0, 0, 255);
const QColor LightGreen(192, 220, 192);
const QColor Grey(128, 128, 128);

// The letter's font, made once.
const QFont& LetterFont() {
    static const QFont Font = PixelFont("Times New Roman", 21, true); // 16 points
    return Font;
}

} // namespace

TBubbles::TBubbles(const std::string& Line) : TCustomGameEvent(Line) {}

TBubbles::~TBubbles() {
    BeforeDestruction();
}

void TBubbles::Activate() {
    TCustomGameEvent::Activate();
    TImage* Area = BubbleStg->GameArea;
    FGame = std::make_unique<TBubblesGame>(Area->width(), Area->height());
    FGame->Begin(Setup.KnownKeys, Now());

    QWidget* Page = BookForm->WidePage;
    EventsStg->LeftConsole->move(EventsStg->LeftConsole->x(), Area->y() + Area->height() + 1);
    Borrow(BubbleStg->Panel1, Page);
    MakeBackdrop();
    Draw();
    Area->raise();

    QTimer* Bubbling = BubbleStg->BubbleTimer;
    Bubbling->stop();
    Bubbling->setInterval(100);
    QObject::disconnect(Bubbling, nullptr, nullptr, nullptr);
    QObject::connect(Bubbling, &QTimer::timeout, [this] { BubbleTick(); });
    Randomize();

    QFrame* Box = EventsStg->EventMsg;
    EventsStg->MsgLabel1->setText(QStringLiteral("Press any key"));
    EventsStg->MsgLabel2->setText(QStringLiteral("to begin."));
    Box->move(150, 150);
    Box->raise();
    Box->show();

    EventsStg->MissedTitle->show();
    EventsStg->MissedTitle->raise();
    QFrame* Frame = EventsStg->GameScreen;
    Frame->setGeometry(87, 387, 137, 31);
    Frame->show();
    Frame->raise();
    FMissedDisplay = new TMissedLcd(BookForm);
    FMissedDisplay->setObjectName(QStringLiteral("MissedDisplay"));
    QPalette Palette = FMissedDisplay->palette();
    Palette.setColor(QPalette::Window, Qt::black);
    FMissedDisplay->setPalette(Palette);
    FMissedDisplay->setAutoFillBackground(true);
    FMissedDisplay->SetPictures(BubbleStg->BubbleOff->Picture(), BubbleStg->BubbleOn->Picture());
    FMissedDisplay->SetLit(0);
    FMissedDisplay->SetCount(6);
    FMissedDisplay->move(Frame->x() + 6, Frame->y() + 5);
    Borrow(FMissedDisplay, Page);
    FMissedDisplay->show();
    FMissedDisplay->raise();
}

void TBubbles::KeyPress(QObject* Sender, char& Key) {
    TCustomGameEvent::KeyPress(Sender, Key);
    if (Key == 0 || !FGame) return;
    const unsigned char Ch = static_cast<unsigned char>(Key);
    Key = 0;
    // The first key only starts the game; after the end keys change nothing.
    if (State == esWaiting) {
        Start();
        return;
    }
    if (State != esRunning) return;
    const bool Running = BubbleStg->BubbleTimer->isActive();
    // Where the bubbles that this key pops are, for their bursts.
    for (const Tbubble& B : FGame->FSlots)
        if (B.FActive && B.FLetter == int(Ch))
            FBursts.push_back(TBurst{B.FX, B.FY, B.FSize, B.FKind == 2, 0});
    const TBubblesGame::TKeyResult Result = FGame->KeyPress(Ch, Running);
    if (Result.Wrong && Running) PlayEffect(ErrorSound);
    if (Result.Points != 0) SetScore(FGame->Score);
    // A popped bubble goes at once, not at the next tick.
    if (Result.Popped > 0) Draw();
}

void TBubbles::BubbleTick() {
    Tick();
    for (TBurst& Burst : FBursts)
        ++Burst.Age;
    FBursts.erase(std::remove_if(FBursts.begin(), FBursts.end(),
                                 [](const TBurst& B) { return B.Age >= BurstTicks; }),
                  FBursts.end());
    if (!FGame || State != esRunning) {
        Draw();
        return;
    }
    const TBubblesGame::TTickResult Result = FGame->Tick(Now());
    if (Result.Escaped > 0 && FMissedDisplay)
        FMissedDisplay->SetLit(std::min(FGame->FMissed, TBubblesGame::MissLimit));
    if (Result.GameOver)
        Finish();
    else if (Result.Escaped > 0)
        PlayEffect(TypingSound);
    Draw();
}

void TBubbles::MakeBackdrop() {
    // At the screen's own pixels, so that a book drawn larger stays crisp
    // and the frame is copied to the screen without scaling.
    const QSize Size = BubbleStg->GameArea->size();
    const qreal Ratio = BubbleStg->GameArea->devicePixelRatioF();
    auto Canvas = [&] {
        QPixmap Pixmap(Size * Ratio);
        Pixmap.setDevicePixelRatio(Ratio);
        return Pixmap;
    };
    FBackdrop = Canvas();
    QPainter P(&FBackdrop);
    const QPixmap& Tile = BubbleStg->BackGround->Picture();
    if (Tile.isNull())
        P.fillRect(QRect(QPoint(0, 0), Size), QColor(0xD8, 0xEC, 0xF4));
    else
        P.drawTiledPixmap(QRect(QPoint(0, 0), Size), Tile);
    // Two frames: one on the screen while the next is drawn.
    for (QPixmap& Frame : FFrames)
        Frame = Canvas();
}

void TBubbles::DrawBubble(QPainter& P, const Tbubble& B) {
    if (!B.FActive) return;
    if (B.FFizz) {
        P.setBrush(Qt::NoBrush);
        P.setPen(QPen(B.FSize < 6 ? Blue : Navy, 1));
        P.drawEllipse(QRectF(B.FX + 0.5, B.FY + 0.5, B.FSize, B.FSize));
        return;
    }
    const TBubbleBox Box = BubbleOutline(B);
    const QRectF Shape(Box.Left + 0.5, Box.Top + 0.5, Box.Right - Box.Left - 1,
                       Box.Bottom - Box.Top - 1);
    // A sphere lit from the upper left: the bubble's colour deepening
    // towards the rim, and a small shine.
    const bool Bonus = B.FKind == 2;
    const QColor Face = Bonus ? Navy : LightGreen;
    QRadialGradient Fill(Shape.center() - QPointF(Shape.width() * 0.18, Shape.height() * 0.2),
                         Shape.width() * 0.62);
    Fill.setColorAt(0, Bonus ? QColor(70, 90, 200) : QColor(236, 248, 236));
    Fill.setColorAt(0.55, Face);
    Fill.setColorAt(1, Bonus ? QColor(0, 0, 80) : QColor(150, 186, 150));
    P.setBrush(Fill);
    P.setPen(QPen(Bonus ? Navy : Grey, 1.2));
    P.drawEllipse(Shape);
    P.setPen(Qt::NoPen);
    P.setBrush(QColor(255, 255, 255, Bonus ? 120 : 170));
    P.drawEllipse(QRectF(Shape.left() + Shape.width() * 0.22, Shape.top() + Shape.height() * 0.14,
                         Shape.width() * 0.22, Shape.height() * 0.14));

    if (B.FLetter == Tbubble::NoLetter) return;
    const QString Letter(QChar(char16_t(B.FLetter)));
    const QFontMetrics Metrics(LetterFont());
    P.setFont(LetterFont());
    P.setPen(Bonus ? Qt::white : Qt::black);
    const int Left = B.FX + (B.FSize - Metrics.horizontalAdvance(Letter)) / 2;
    const int Top = B.FY + (B.FSize - Metrics.height()) / 2;
    P.drawText(Left, Top + Metrics.ascent(), Letter);
}

const QPixmap& TBubbles::Sprite(const Tbubble& B, qreal Ratio) {
    // A bubble looks the same wherever it is: its picture is drawn once
    // for each kind, size, wobble phase and letter, and then only copied.
    const int Letter = B.FLetter == Tbubble::NoLetter ? 256 : B.FLetter;
    const uint32_t Key = (uint32_t(B.FFizz) << 28) | (uint32_t(B.FKind) << 24) |
                         (uint32_t(B.FSize) << 16) | (uint32_t(B.FPhase) << 12) | uint32_t(Letter);
    if (FSpriteRatio != Ratio) {
        FSprites.clear();
        FSpriteRatio = Ratio;
    }
    auto Found = FSprites.find(Key);
    if (Found != FSprites.end()) return Found->second;
    Tbubble At = B;
    At.FActive = true;
    At.FX = SpriteMargin;
    At.FY = SpriteMargin;
    const int Side = B.FSize + 2 * SpriteMargin;
    QPixmap Picture(QSize(Side, Side) * Ratio);
    Picture.setDevicePixelRatio(Ratio);
    Picture.fill(Qt::transparent);
    {
        QPainter P(&Picture);
        P.setRenderHint(QPainter::Antialiasing);
        P.setRenderHint(QPainter::TextAntialiasing);
        DrawBubble(P, At);
    }
    return FSprites.emplace(Key, std::move(Picture)).first->second;
}

void TBubbles::DrawBursts(QPainter& P) const {
    // A popped bubble leaves a ring that widens and fades, and a few drops
    // flying out, over the next ticks.
    P.save();
    P.setRenderHint(QPainter::Antialiasing);
    P.setBrush(Qt::NoBrush);
    for (const TBurst& B : FBursts) {
        const double Life = 1.0 - double(B.Age) / BurstTicks;
        const QPointF Centre(B.X + B.Size / 2.0 + 1, B.Y + B.Size / 2.0);
        const double Radius = B.Size / 2.0 * (1.0 + 0.25 * (B.Age + 1));
        const QColor Ring = B.Bonus ? QColor(40, 60, 170) : QColor(110, 150, 110);
        P.setPen(
            QPen(QColor(Ring.red(), Ring.green(), Ring.blue(), int(200 * Life)), 2.0 * Life + 0.5));
        P.drawEllipse(Centre, Radius, Radius);
        P.setPen(Qt::NoPen);
        P.setBrush(QColor(Ring.red(), Ring.green(), Ring.blue(), int(220 * Life)));
        for (int D = 0; D < 6; ++D) {
            const double Angle = D * 3.14159265358979 / 3 + 0.4;
            const double Out = Radius + 4 + 3 * B.Age;
            P.drawEllipse(Centre + QPointF(std::cos(Angle) * Out, std::sin(Angle) * Out),
                          2.0 * Life + 0.6, 2.0 * Life + 0.6);
        }
        P.setBrush(Qt::NoBrush);
    }
    P.restore();
}

void TBubbles::Draw() {
    if (!FGame) return;
    const qreal Ratio = BubbleStg->GameArea->devicePixelRatioF();
    if (FBackdrop.isNull() || FBackdrop.devicePixelRatio() != Ratio) MakeBackdrop();
    FNextFrame = 1 - FNextFrame;
    {
        QPainter P(&FFrames[FNextFrame]);
        P.drawPixmap(0, 0, FBackdrop);
        auto Put = [&](const Tbubble& B) {
            if (B.FActive) P.drawPixmap(B.FX - SpriteMargin, B.FY - SpriteMargin, Sprite(B, Ratio));
        };
        for (const Tbubble& Fizz : FGame->FFizzList)
            Put(Fizz);
        for (const Tbubble& B : FGame->FSlots)
            Put(B);
        if (!FBursts.empty()) DrawBursts(P);
    }
    BubbleStg->GameArea->SetPicture(FFrames[FNextFrame]);
}

void TBubbles::Start() {
    TCustomGameEvent::Start();
    if (FGame && FGame->FMissed < TBubblesGame::MissLimit) BubbleStg->BubbleTimer->start();
}

void TBubbles::Pause() {
    BubbleStg->BubbleTimer->stop();
    TCustomGameEvent::Pause();
}

void TBubbles::Finish() {
    BubbleStg->BubbleTimer->stop();
    TCustomGameEvent::Finish();
}

void TBubbles::Deactivate() {
    // What was shown for the game is hidden before it goes back to its form.
    BubbleStg->BubbleTimer->stop();
    QObject::disconnect(BubbleStg->BubbleTimer, nullptr, nullptr, nullptr);
    QPixmap White(BubbleStg->GameArea->size());
    White.fill(Qt::white);
    BubbleStg->GameArea->SetPicture(White);
    EventsStg->MissedTitle->hide();
    EventsStg->GameScreen->hide();
    if (FMissedDisplay) FMissedDisplay->hide();
    TCustomGameEvent::Deactivate();
    if (FGame && !Application::Terminated()) {
        TopTenView->Submit("bubbles", PlayerName(), Score);
        ShowNext(TopTenView);
    }
    delete FMissedDisplay.data();
    BookForm->ReleaseKeys(this);
    FGame.reset();
    FBursts.clear();
    FBackdrop = QPixmap();
    for (QPixmap& Frame : FFrames)
        Frame = QPixmap();
}
