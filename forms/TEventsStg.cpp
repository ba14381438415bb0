#include "forms/TEventsStg.h"

#include "platform/Controls.h"

#include <QFrame>
#include <QLabel>
#include <QPainter>

#include <algorithm>

TEventsStg* EventsStg = nullptr;

TPieGauge::TPieGauge(QWidget* Parent) : QWidget(Parent) {}

void TPieGauge::SetMinValue(int Value) {
    FMin = Value;
    update();
}

void TPieGauge::SetMaxValue(int Value) {
    FMax = Value;
    update();
}

void TPieGauge::SetProgress(int Value) {
    if (Value == FProgress) return;
    FProgress = Value;
    update();
}

int TPieGauge::PercentDone() const {
    const long long Range = static_cast<long long>(FMax) - FMin;
    if (Range <= 0) return 0;
    const long long Done = static_cast<long long>(FProgress) - FMin;
    if (Done <= 0) return 0;
    if (Done >= Range) return 100;
    return int(Done * 100 / Range);
}

void TPieGauge::paintEvent(QPaintEvent*) {
    QPainter P(this);
    P.fillRect(rect(), BackColor);
    P.setRenderHint(QPainter::Antialiasing);
    const int Side = std::min(width(), height()) - 3;
    if (Side <= 0) return;
    const QRectF Disc((width() - Side) / 2.0, (height() - Side) / 2.0, Side, Side);
    P.setPen(QPen(ForeColor, 1.2));
    P.setBrush(Qt::NoBrush);
    P.drawEllipse(Disc);
    const long long Range = static_cast<long long>(FMax) - FMin;
    if (Range <= 0 || FProgress <= FMin) return;
    const double Share = std::min(1.0, double(static_cast<long long>(FProgress) - FMin) / Range);
    P.setPen(Qt::NoPen);
    P.setBrush(ForeColor);
    // Qt's angles count in sixteenths of a degree, counter-clockwise from three o'clock.
    P.drawPie(Disc, 90 * 16, -int(Share * 360 * 16));
}

namespace {

QLabel* MakeLabel(QWidget* Parent, const char* Name, int Left, int Top, int Width, int Height,
                  const QFont& Font, const QColor& Color, Qt::Alignment Align = Qt::AlignCenter) {
    return MakeTextLabel(Parent, Name, Left, Top, Width, Height, Font, Color, Align);
}

// A black screen with a grey border.
QFrame* MakeScreen(QWidget* Parent, const char* Name, int Left, int Top, int Width, int Height) {
    auto* Screen = MakeControl<QFrame>(Parent, Name, Left, Top, Width, Height);
    Screen->setFrameStyle(QFrame::Box | QFrame::Plain);
    Screen->setLineWidth(1);
    QPalette Palette = Screen->palette();
    Palette.setColor(QPalette::Window, Qt::black);
    Palette.setColor(QPalette::WindowText, QColor(128, 128, 128));
    Screen->setPalette(Palette);
    Screen->setAutoFillBackground(true);
    return Screen;
}

TImage* MakePicture(QWidget* Parent, const char* Name, int Left, int Top, int Width, int Height,
                    const char* Picture) {
    auto* Image = MakeControl<TImage>(Parent, Name, Left, Top, Width, Height);
    Image->SetPictureFile(Picture);
    return Image;
}

} // namespace

TEventsStg::TEventsStg() : TStorageForm("EventsStg") {
    resize(1200, 900);
    const QColor Green(0, 255, 0);
    const QColor Ink(0xF2, 0xF4, 0xF8);

    // The console, in wide-page coordinates. The columns lie beneath the
    // screens, so they come first.
    EventConsole = MakeControl<TPanel>(this, "EventConsole", 0, 0, 725, 427);
    EventConsole->SetColor(Qt::white);
    RightConsole = MakePicture(EventConsole, "RightConsole", 563, 4, 155, 420, "RightConsole.png");
    LeftConsole = MakePicture(EventConsole, "LeftConsole", 3, 253, 558, 300, "LeftConsole.png");
    Screen1 = MakeScreen(EventConsole, "Screen1", 40, 288, 441, 119);
    Screen2 = MakeScreen(EventConsole, "Screen2", 580, 56, 120, 105);
    Screen3 = MakeScreen(EventConsole, "Screen3", 580, 200, 120, 105);
    GameScreen = MakeScreen(EventConsole, "GameScreen", 140, 380, 220, 37);
    GameScreen->hide();
    TimeLbl = MakeLabel(EventConsole, "TimeLbl", 580, 32, 120, 21, Arial(17, true), Ink);
    TimeLabel = MakeLabel(EventConsole, "TimeLabel", 600, 125, 81, 29, Arial(24, true), Green);
    TimeLabel->setAutoFillBackground(true);
    {
        QPalette Palette = TimeLabel->palette();
        Palette.setColor(QPalette::Window, Qt::black);
        TimeLabel->setPalette(Palette);
    }
    TimeLabel->setText(QStringLiteral("00:00"));
    TimeGraph = MakeControl<TPieGauge>(EventConsole, "TimeGraph", 590, 68, 100, 50);
    TimeGraph->ForeColor = Green;
    TimeGraph->BackColor = Qt::black;
    SpeedTitle = MakeLabel(EventConsole, "SpeedTitle", 580, 176, 72, 21, Arial(17, true), Ink,
                           Qt::AlignRight | Qt::AlignVCenter);
    SpeedTitle->hide();
    SpeedTitle2 = MakeLabel(EventConsole, "SpeedTitle2", 656, 179, 44, 17, Arial(13),
                            QColor(0xB8, 0xC4, 0xDA), Qt::AlignLeft | Qt::AlignVCenter);
    SpeedTitle2->hide();
    PointsTitle = MakeLabel(EventConsole, "PointsTitle", 580, 176, 120, 21, Arial(17, true), Ink);
    PointsTitle->hide();
    PointsLabel = MakeLabel(EventConsole, "PointsLabel", 585, 205, 110, 30, Arial(24, true), Green);
    PointsLabel->hide();
    MissedTitle = MakeLabel(EventConsole, "MissedTitle", 87, 364, 137, 21, Arial(17, true), Ink,
                            Qt::AlignLeft | Qt::AlignVCenter);
    MissedTitle->hide();

    // The message box, light green with a green band.
    EventMsg = MakeControl<QFrame>(this, "EventMsg", 90, 60, 236, 64);
    EventMsg->setFrameStyle(QFrame::Box | QFrame::Plain);
    EventMsg->setLineWidth(1);
    {
        QPalette Palette = EventMsg->palette();
        Palette.setColor(QPalette::Window, QColor(192, 220, 192));
        Palette.setColor(QPalette::WindowText, QColor(0x30, 0x50, 0x30));
        EventMsg->setPalette(Palette);
        EventMsg->setAutoFillBackground(true);
    }
    MsgLabel1 = MakeLabel(EventMsg, "MsgLabel1", 1, 3, 234, 26, Arial(19), Qt::black);
    Shape1 = MakeControl<TPanel>(EventMsg, "Shape1", 1, 32, 234, 31);
    Shape1->SetColor(QColor(0, 128, 0));
    MsgLabel2 = MakeLabel(EventMsg, "MsgLabel2", 1, 34, 234, 26, Arial(19), Qt::white);
    MsgLabel1->setText(QStringLiteral("Type the highlighted word"));
    MsgLabel2->setText(QStringLiteral("to begin"));
    EventMsg->hide();

    // The new-keys panel: the group of keys on a light-green band, the
    // finger's name under it.
    NewKeys = MakeControl<TPanel>(this, "NewKeys", 0, 440, 560, 110);
    NewKeys->SetColor(Qt::white);
    Shape2 = MakeControl<TPanel>(NewKeys, "Shape2", 120, 15, 300, 53);
    Shape2->SetColor(QColor(192, 220, 192));
    Shape3 = MakeControl<TPanel>(NewKeys, "Shape3", 140, 98, 260, 2);
    Shape3->SetColor(QColor(0, 128, 0));
    FingerLbl =
        MakeLabel(NewKeys, "FingerLbl", 120, 72, 300, 24, Arial(17, true), QColor(128, 0, 0));
    NewKeys->hide();

    // Pictures only lent as pixmaps; never shown from here.
    FingersPic = MakePicture(this, "FingersPic", 730, 0, 399, 299, "Fingers.png");
    // Sizes as the finger guide lays them over the hands.
    const struct {
        const char* Name;
        const char* File;
        int Width, Height;
    } FingerDesign[] = {
        {"Finger1", "Finger1.png", 42, 79},  {"Finger2", "Finger2.png", 39, 107},
        {"Finger3", "Finger3.png", 44, 123}, {"Finger4", "Finger4.png", 38, 118},
        {"Finger5", "Finger5.png", 40, 126}, {"Finger6", "Finger6.png", 38, 124},
        {"Finger7", "Finger7.png", 34, 107}, {"Finger8", "Finger8.png", 35, 89},
        {"Finger9", "Finger9.png", 53, 57},
    };
    TImage** Fingers[] = {&Finger1, &Finger2, &Finger3, &Finger4, &Finger5,
                          &Finger6, &Finger7, &Finger8, &Finger9};
    for (int I = 0; I < 9; ++I) {
        const auto& D = FingerDesign[I];
        *Fingers[I] = MakePicture(this, D.Name, 730 + 55 * I, 310, D.Width, D.Height, D.File);
    }
    KeyFace = MakePicture(this, "KeyFace", 730, 450, 8, 8, "KeyFace.png");

    TimeLbl->setText(QStringLiteral("Time"));
    SpeedTitle->setText(QStringLiteral("Speed"));
    PointsTitle->setText(QStringLiteral("Score"));
    MissedTitle->setText(QStringLiteral("Missed"));
}

TImage* TEventsStg::Finger(int N) const {
    switch (N) {
    case 1:
        return Finger1;
    case 2:
        return Finger2;
    case 3:
        return Finger3;
    case 4:
        return Finger4;
    case 5:
        return Finger5;
    case 6:
        return Finger6;
    case 7:
        return Finger7;
    case 8:
        return Finger8;
    case 9:
        return Finger9;
    default:
        return nullptr;
    }
}
