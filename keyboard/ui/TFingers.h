// The finger guide: a picture of both hands with one finger highlighted, the
// finger that should press the next key (1-4 the left hand from the little
// finger in, 5-8 the right hand from the index finger out, 9 the thumb).
//
// The pictures belong to whoever hands them over; the guide only shows them.
// It takes the size of the hands, in units; whoever places it may cut it
// shorter, and the hands are then cut at its edge.
#pragma once

#include <QPixmap>
#include <QPoint>
#include <QWidget>

#include <array>

class TFingers : public QWidget {
public:
    explicit TFingers(QWidget* Owner);

    // The finger shown; 0 for none.
    int Finger = 0;
    // Both hands; the guide takes their size.
    QPixmap Background;
    // The highlighted picture of each finger, 1-9 (0 unused).
    std::array<QPixmap, 10> FingerPictures;

    void SetBackground(const QPixmap& Picture);
    // Shows finger N (any number outside 1-9 shows the bare hands); the same
    // finger again changes nothing.
    void ShowFinger(int N);

    // Where finger N's picture lies on the hands.
    static QPoint FingerPlace(int N);

protected:
    void paintEvent(QPaintEvent* Event) override;

private:
    QRect FingerRect(int N) const;
};
