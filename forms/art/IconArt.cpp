// Small line icons for the tabs and the links, drawn into a Size x Size box.
#include "forms/art/Pictures.h"

#include <QPainter>
#include <QtMath>

namespace Icons {

namespace {

QPen Stroke(const QColor& Ink, double Width) {
    QPen P(Ink, Width);
    P.setCapStyle(Qt::RoundCap);
    P.setJoinStyle(Qt::RoundJoin);
    return P;
}

} // namespace

// A mortar board: guided study towards a goal.
void MortarBoard(QPainter& P, double S, const QColor& Ink) {
    P.save();
    QPainterPath Board;
    Board.moveTo(S * 0.5, S * 0.14);
    Board.lineTo(S * 1.0, S * 0.36);
    Board.lineTo(S * 0.5, S * 0.58);
    Board.lineTo(S * 0.0, S * 0.36);
    Board.closeSubpath();
    QPainterPath Crown;
    Crown.moveTo(S * 0.22, S * 0.48);
    Crown.lineTo(S * 0.22, S * 0.72);
    Crown.quadTo(S * 0.5, S * 0.90, S * 0.78, S * 0.72);
    Crown.lineTo(S * 0.78, S * 0.48);
    Crown.lineTo(S * 0.5, S * 0.60);
    Crown.closeSubpath();
    P.fillPath(Crown, Ink.darker(125));
    P.fillPath(Board, Ink);
    P.setPen(Stroke(QColor(0xD9, 0xA4, 0x2A), S / 14));
    P.drawLine(QPointF(S * 0.5, S * 0.36), QPointF(S * 0.9, S * 0.44));
    P.drawLine(QPointF(S * 0.9, S * 0.44), QPointF(S * 0.9, S * 0.74));
    P.setBrush(QColor(0xD9, 0xA4, 0x2A));
    P.setPen(Qt::NoPen);
    P.drawEllipse(QPointF(S * 0.9, S * 0.78), S * 0.07, S * 0.07);
    P.restore();
}

// Two arrows chasing each other round a circle.
void Repeat(QPainter& P, double S, const QColor& Ink) {
    P.save();
    const double W = S / 8;
    const QRectF R(S * 0.16, S * 0.16, S * 0.68, S * 0.68);
    P.setPen(Stroke(Ink, W));
    P.setBrush(Qt::NoBrush);
    P.drawArc(R, 30 * 16, 130 * 16);
    P.drawArc(R, 210 * 16, 130 * 16);
    P.setPen(Qt::NoPen);
    P.setBrush(Ink);
    auto Head = [&](double Deg) {
        const double A = qDegreesToRadians(Deg);
        const QPointF C = R.center() + QPointF(std::cos(A), -std::sin(A)) * (R.width() / 2);
        // Tangent pointing along the direction of travel (counter-clockwise).
        const QPointF T(-std::sin(A), -std::cos(A));
        const QPointF N(std::cos(A), -std::sin(A));
        const double L = S * 0.2;
        QPolygonF Tri;
        Tri << C - T * (L * 0.2) + N * (L * 0.75) << C + T * L * 0.9
            << C - T * (L * 0.2) - N * (L * 0.75);
        P.drawPolygon(Tri);
    };
    Head(30);
    Head(210);
    P.restore();
}

// Three rising bars on a base line.
void Chart(QPainter& P, double S, const QColor& Ink) {
    P.save();
    P.setPen(Qt::NoPen);
    const double W = S * 0.2, Base = S * 0.88;
    const double Heights[] = {0.32, 0.52, 0.74};
    for (int I = 0; I < 3; ++I) {
        const QRectF Bar(S * (0.12 + I * 0.27), Base - S * Heights[I], W, S * Heights[I]);
        P.setBrush(I == 2 ? Ink : Art::Mix(Ink, Qt::white, 0.3 - I * 0.1));
        P.drawRoundedRect(Bar, S * 0.03, S * 0.03);
    }
    P.setPen(Stroke(Ink.darker(130), S / 14));
    P.drawLine(QPointF(S * 0.04, Base + S * 0.04), QPointF(S * 0.96, Base + S * 0.04));
    P.restore();
}

// A lower-case i in a filled circle.
void Info(QPainter& P, double S, const QColor& Ink) {
    P.save();
    P.setPen(Qt::NoPen);
    P.setBrush(Ink);
    P.drawEllipse(QRectF(0, 0, S, S));
    P.setBrush(Qt::white);
    P.drawEllipse(QPointF(S * 0.5, S * 0.27), S * 0.09, S * 0.09);
    P.drawRoundedRect(QRectF(S * 0.42, S * 0.42, S * 0.16, S * 0.40), S * 0.05, S * 0.05);
    P.restore();
}

// A cog wheel.
void Gear(QPainter& P, double S, const QColor& Ink) {
    P.save();
    const QPointF C(S / 2, S / 2);
    QPainterPath Wheel;
    const int Teeth = 8;
    for (int I = 0; I < Teeth * 4; ++I) {
        const double A = (I - 0.5) * M_PI * 2 / (Teeth * 4);
        const double R = (I % 4 == 0 || I % 4 == 1) ? S * 0.5 : S * 0.37;
        const QPointF Pt = C + QPointF(std::cos(A), std::sin(A)) * R;
        if (I == 0)
            Wheel.moveTo(Pt);
        else
            Wheel.lineTo(Pt);
    }
    Wheel.closeSubpath();
    QPainterPath Hole;
    Hole.addEllipse(C, S * 0.15, S * 0.15);
    P.fillPath(Wheel.subtracted(Hole), Ink);
    P.restore();
}

// An open door with an arrow leaving through it.
void Door(QPainter& P, double S, const QColor& Ink) {
    P.save();
    P.setPen(Stroke(Ink, S / 10));
    P.setBrush(Qt::NoBrush);
    QPainterPath Frame;
    Frame.moveTo(S * 0.55, S * 0.28);
    Frame.lineTo(S * 0.55, S * 0.08);
    Frame.lineTo(S * 0.08, S * 0.08);
    Frame.lineTo(S * 0.08, S * 0.92);
    Frame.lineTo(S * 0.55, S * 0.92);
    Frame.lineTo(S * 0.55, S * 0.72);
    P.drawPath(Frame);
    P.drawLine(QPointF(S * 0.32, S * 0.5), QPointF(S * 0.86, S * 0.5));
    P.setPen(Qt::NoPen);
    P.setBrush(Ink);
    QPolygonF Head;
    Head << QPointF(S * 0.98, S * 0.5) << QPointF(S * 0.70, S * 0.28)
         << QPointF(S * 0.70, S * 0.72);
    P.drawPolygon(Head);
    P.restore();
}

// A globe with meridians and parallels.
void Globe(QPainter& P, double S, const QColor& Ink) {
    P.save();
    const QRectF R(S * 0.06, S * 0.06, S * 0.88, S * 0.88);
    P.setPen(Stroke(Ink, S / 12));
    P.setBrush(Qt::NoBrush);
    P.drawEllipse(R);
    P.drawEllipse(QRectF(R.center().x() - R.width() * 0.2, R.top(), R.width() * 0.4, R.height()));
    P.drawLine(QPointF(R.center().x(), R.top()), QPointF(R.center().x(), R.bottom()));
    P.drawLine(QPointF(R.left(), R.center().y()), QPointF(R.right(), R.center().y()));
    P.setPen(Stroke(Ink, S / 16));
    P.drawLine(QPointF(R.left() + R.width() * 0.12, R.top() + R.height() * 0.27),
               QPointF(R.right() - R.width() * 0.12, R.top() + R.height() * 0.27));
    P.drawLine(QPointF(R.left() + R.width() * 0.12, R.bottom() - R.height() * 0.27),
               QPointF(R.right() - R.width() * 0.12, R.bottom() - R.height() * 0.27));
    P.restore();
}

// A closed envelope.
void Envelope(QPainter& P, double S, const QColor& Ink) {
    P.save();
    const QRectF R(S * 0.04, S * 0.2, S * 0.92, S * 0.62);
    P.setPen(Stroke(Ink, S / 12));
    P.setBrush(Qt::NoBrush);
    P.drawRoundedRect(R, S * 0.06, S * 0.06);
    QPainterPath Flap;
    Flap.moveTo(R.topLeft() + QPointF(S * 0.04, S * 0.04));
    Flap.lineTo(R.center().x(), R.top() + R.height() * 0.58);
    Flap.lineTo(R.topRight() + QPointF(-S * 0.04, S * 0.04));
    P.drawPath(Flap);
    P.restore();
}

} // namespace Icons
