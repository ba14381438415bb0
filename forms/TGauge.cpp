#include "forms/TGauge.h"

#include <QPainter>

#include <algorithm>

TGauge::TGauge(QWidget* Parent) : QWidget(Parent) {}

void TGauge::SetProgress(int Progress) {
    Progress = std::clamp(Progress, 0, 100);
    if (Progress == FProgress) return;
    FProgress = Progress;
    update();
}

void TGauge::SetColors(const QColor& Fore, const QColor& Back) {
    FFore = Fore;
    FBack = Back;
    update();
}

void TGauge::paintEvent(QPaintEvent*) {
    QPainter Painter(this);
    const QRect Inside = rect().adjusted(1, 1, -1, -1);
    Painter.fillRect(rect(), FFore.darker(140));
    Painter.fillRect(Inside, FBack);
    const int Filled = Inside.width() * FProgress / 100;
    Painter.fillRect(QRect(Inside.left(), Inside.top(), Filled, Inside.height()), FFore);
}
