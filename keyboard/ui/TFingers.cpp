#include "keyboard/ui/TFingers.h"

#include <QPaintEvent>
#include <QPainter>

namespace {

// The top left corner of each finger's picture on the hands.
const QPoint Places[10] = {{0, 0},   {4, 69},   {31, 25},  {53, 0},   {90, 13},
                           {275, 8}, {307, -4}, {335, 18}, {360, 52}, {221, 90}};

// A picture's size in units, whatever its density.
QSize UnitsOf(const QPixmap& Picture) {
    return Picture.deviceIndependentSize().toSize();
}

} // namespace

TFingers::TFingers(QWidget* Owner) : QWidget(Owner) {
    setObjectName(QStringLiteral("Fingers"));
}

QPoint TFingers::FingerPlace(int N) {
    return N >= 1 && N <= 9 ? Places[N] : QPoint();
}

QRect TFingers::FingerRect(int N) const {
    if (N < 1 || N > 9) return QRect();
    return QRect(Places[N], UnitsOf(FingerPictures[size_t(N)]));
}

void TFingers::SetBackground(const QPixmap& Picture) {
    Background = Picture;
    if (!Background.isNull()) resize(UnitsOf(Background));
    update();
}

void TFingers::ShowFinger(int N) {
    if (N == Finger) return;
    const QRect Old = FingerRect(Finger);
    Finger = N;
    // Only the fingers that change are painted again.
    update(Old.united(FingerRect(Finger)));
}

void TFingers::paintEvent(QPaintEvent* Event) {
    if (Background.isNull()) return;
    QPainter P(this);
    P.setClipRect(Event->rect());
    P.drawPixmap(0, 0, Background);
    if (Finger >= 1 && Finger <= 9) P.drawPixmap(Places[Finger], FingerPictures[size_t(Finger)]);
}
