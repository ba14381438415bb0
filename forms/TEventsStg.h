// Storage form of the exercise events: the exercise console (screens, clock,
// time gauge, titles of the speed, score and missed displays), the message
// box, the new-keys panel, and the pictures of the finger guide and of the
// on-screen keyboard's key face.
//
// The console's controls are laid out in wide-page coordinates on
// EventConsole, whose children events borrow one by one; the message box and
// the new-keys panel are borrowed on their own.
#pragma once

#include "forms/TStorageForm.h"

#include <QColor>

class QFrame;
class QLabel;
class TImage;
class TPanel;

// A pie gauge: the share of Progress between MinValue and MaxValue drawn as
// a slice of a disc, clockwise from twelve o'clock.
class TPieGauge : public QWidget {
public:
    explicit TPieGauge(QWidget* Parent = nullptr);

    int MinValue() const { return FMin; }
    int MaxValue() const { return FMax; }
    int Progress() const { return FProgress; }
    void SetMinValue(int Value);
    void SetMaxValue(int Value);
    void SetProgress(int Value);
    // Progress as a whole percentage of the range, 0..100 (0 for an empty range).
    int PercentDone() const;

    QColor ForeColor = Qt::black;
    QColor BackColor = Qt::white;

protected:
    void paintEvent(QPaintEvent* Event) override;

private:
    int FMin = 0;
    int FMax = 100;
    int FProgress = 0;
};

class TEventsStg : public TStorageForm {
public:
    TEventsStg();

    // The console, in the order its children lie (bottom first).
    TPanel* EventConsole;
    TImage* RightConsole;
    TImage* LeftConsole;
    QFrame* Screen1;
    QFrame* Screen2;
    QFrame* Screen3;
    QFrame* GameScreen;
    QLabel* TimeLbl;
    QLabel* TimeLabel;
    TPieGauge* TimeGraph;
    QLabel* SpeedTitle;
    QLabel* SpeedTitle2;
    QLabel* PointsTitle;
    QLabel* PointsLabel;
    QLabel* MissedTitle;

    // The message box.
    QFrame* EventMsg;
    QLabel* MsgLabel1;
    TPanel* Shape1;
    QLabel* MsgLabel2;

    // The new-keys introduction.
    TPanel* NewKeys;
    TPanel* Shape2;
    TPanel* Shape3;
    QLabel* FingerLbl;

    // Pictures lent to the finger guide and the on-screen keyboard.
    TImage* FingersPic;
    TImage* Finger1;
    TImage* Finger2;
    TImage* Finger3;
    TImage* Finger4;
    TImage* Finger5;
    TImage* Finger6;
    TImage* Finger7;
    TImage* Finger8;
    TImage* Finger9;
    TImage* KeyFace;

    // Finger1..Finger9 by number; nullptr outside 1..9.
    TImage* Finger(int N) const;
};

extern TEventsStg* EventsStg;
