#include "engine/ui/TMissedLcd.h"

#include <QPaintEvent>
#include <QPainter>
#include <QRadialGradient>

#include <algorithm>

TLampRow LayLamps(int Count, int Lit, QSize OffSize, QSize OnSize) {
    TLampRow Row;
    Count = std::max(Count, 0);
    Lit = std::clamp(Lit, 0, Count);
    Row.Lamps.reserve(static_cast<size_t>(Count));
    int X = 0;
    int Height = 0;
    for (int I = 1; I <= Count; ++I) {
        const bool On = I <= Lit;
        const QSize Size = On ? OnSize : OffSize;
        Row.Lamps.push_back({QRect(QPoint(X, 0), Size), On});
        X += Size.width();
        Height = std::max(Height, Size.height());
    }
    Row.Size = QSize(X, std::max({Height, OffSize.height(), OnSize.height()}));
    return Row;
}

TMissedLcd::TMissedLcd(QWidget* Parent) : QWidget(Parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    resize(50, 10);
}

TLampRow TMissedLcd::Layout(int Lit) const {
    const auto SizeOf = [](const QPixmap& P) {
        return P.isNull() ? QSize(0, 0) : P.deviceIndependentSize().toSize();
    };
    return LayLamps(FCount, Lit, SizeOf(FOffPicture), SizeOf(FOnPicture));
}

void TMissedLcd::FitToRow(const TLampRow& Row) {
    if (FOffPicture.isNull() && FOnPicture.isNull()) return;
    if (size() != Row.Size) resize(Row.Size);
}

void TMissedLcd::SetCount(int N) {
    if (N == FCount) return;
    FCount = N;
    FitToRow(Layout(FLit));
    update();
}

void TMissedLcd::SetLit(int N) {
    if (N == FLit) return;
    const TLampRow Before = Layout(FLit);
    FLit = N;
    const TLampRow After = Layout(FLit);
    FitToRow(After);
    // Only the lamps that look different are repainted.
    QRect Changed;
    for (size_t I = 0; I < After.Lamps.size(); ++I) {
        const TLampRow::TLamp& Old = Before.Lamps[I];
        const TLampRow::TLamp& New = After.Lamps[I];
        if (Old.On != New.On || Old.Box != New.Box) Changed |= Old.Box | New.Box;
    }
    if (!Changed.isEmpty()) update(Changed);
}

void TMissedLcd::SetPictures(const QPixmap& Off, const QPixmap& On) {
    FOffPicture = Off;
    FOnPicture = On;
    FitToRow(Layout(FLit));
    update();
}

void TMissedLcd::paintEvent(QPaintEvent* Event) {
    QPainter P(this);
    P.fillRect(Event->rect(), palette().color(backgroundRole()));
    for (const TLampRow::TLamp& Lamp : Layout(FLit).Lamps) {
        const QPixmap& Picture = Lamp.On ? FOnPicture : FOffPicture;
        if (Picture.isNull() || !Lamp.Box.intersects(Event->rect())) continue;
        P.drawPixmap(Lamp.Box.topLeft(), Picture);
    }
}

QPixmap TMissedLcd::DrawnLamp(bool On, int Diameter) {
    QPixmap Lamp(Diameter, Diameter);
    Lamp.fill(Qt::transparent);
    QPainter P(&Lamp);
    P.setRenderHint(QPainter::Antialiasing);
    const QColor Core = On ? QColor(255, 70, 40) : QColor(70, 20, 15);
    const QColor Rim = On ? QColor(150, 20, 10) : QColor(35, 10, 8);
    const QRectF Box(1, 1, Diameter - 2, Diameter - 2);
    QRadialGradient Glow(Box.center() - QPointF(Diameter * 0.12, Diameter * 0.12), Diameter * 0.5);
    Glow.setColorAt(0, On ? QColor(255, 220, 180) : Core.lighter(130));
    Glow.setColorAt(0.45, Core);
    Glow.setColorAt(1, Rim);
    P.setPen(Qt::NoPen);
    P.setBrush(Glow);
    P.drawEllipse(Box);
    return Lamp;
}
