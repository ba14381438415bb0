// The welcome page and the course-completed page: the welcome banner, the
// two cards the learner clicks (the introduction and the course), the medal
// of a completed course and the card that starts studying again.
#include "forms/art/Pictures.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <cmath>

namespace {

const QColor Navy(0x1D, 0x31, 0x5E), NavyDark(0x0E, 0x19, 0x33);
const QColor Gold(0xD6, 0xA8, 0x45), GoldLight(0xF8, 0xE6, 0xA6), GoldDeep(0x9A, 0x6E, 0x1E);
const QColor Paper(0xFD, 0xFA, 0xF1);
constexpr int CardW = 300, CardH = 180;

QLinearGradient Foil(double Top, double Bottom) {
    QLinearGradient G(0, Top, 0, Bottom);
    G.setColorAt(0, GoldLight);
    G.setColorAt(0.5, Gold);
    G.setColorAt(1, GoldDeep);
    return G;
}

// The banner across the top of the welcome page: a navy ribbon with gold rules.
QImage WelcomeTitle() {
    QImage Img = Art::NewImage(718, 96);
    QPainter P(&Img);
    Art::Prepare(P);
    QPainterPath Ribbon;
    Ribbon.addRoundedRect(QRectF(24, 10, 670, 72), 10, 10);
    Art::SoftShadow(P, Ribbon, QPointF(0, 3), 4, QColor(0, 0, 0, 70));
    QLinearGradient Cloth(0, 10, 0, 82);
    Cloth.setColorAt(0, Navy.lighter(125));
    Cloth.setColorAt(1, NavyDark);
    P.fillPath(Ribbon, Cloth);
    P.setPen(QPen(QBrush(Foil(14, 78)), 1.5));
    P.setBrush(Qt::NoBrush);
    P.drawRoundedRect(QRectF(31, 17, 656, 58), 7, 7);
    QPainterPath Text;
    Text.addText(0, 0, Art::Serif(36, true, true), QStringLiteral("Welcome to Clavora 98"));
    const QRectF B = Text.boundingRect();
    Text.translate(359 - B.center().x(), 60);
    P.fillPath(Text.translated(1, 1.5), QColor(0, 0, 0, 140));
    P.fillPath(Text, Foil(30, 62));
    return Img;
}

// A paper card with a soft shadow and a coloured band at its foot.
QImage Card(const QColor& Band, QPainterPath& Face) {
    QImage Img = Art::NewImage(CardW, CardH);
    QPainter P(&Img);
    Art::Prepare(P);
    Face.addRoundedRect(QRectF(6, 4, CardW - 12, CardH - 12), 12, 12);
    Art::SoftShadow(P, Face, QPointF(0, 3), 4, QColor(0x20, 0x28, 0x40, 90));
    QLinearGradient Fill(0, 4, 0, CardH - 8);
    Fill.setColorAt(0, Qt::white);
    Fill.setColorAt(1, Paper);
    P.fillPath(Face, Fill);
    P.save();
    P.setClipPath(Face);
    QLinearGradient Foot(0, CardH - 40, 0, CardH - 8);
    Foot.setColorAt(0, Band.lighter(115));
    Foot.setColorAt(1, Band);
    P.fillRect(QRectF(0, CardH - 36, CardW, 40), Foot);
    P.restore();
    P.setPen(QPen(Band.darker(130), 1.2));
    P.setBrush(Qt::NoBrush);
    P.drawPath(Face);
    return Img;
}

// A light bulb: the introduction's bright idea.
void Bulb(QPainter& P, QPointF C, double S) {
    QRadialGradient Glow(C, S * 1.1);
    Glow.setColorAt(0, QColor(0xFF, 0xF1, 0xA8, 200));
    Glow.setColorAt(1, QColor(0xFF, 0xF1, 0xA8, 0));
    P.setPen(Qt::NoPen);
    P.setBrush(Glow);
    P.drawEllipse(C, S * 1.1, S * 1.1);
    QPainterPath Glass;
    Glass.addEllipse(C + QPointF(0, -S * 0.12), S * 0.5, S * 0.5);
    QPainterPath Neck;
    Neck.addRoundedRect(QRectF(C.x() - S * 0.22, C.y() + S * 0.2, S * 0.44, S * 0.3), 3, 3);
    Glass = Glass.united(Neck);
    QRadialGradient Fill(C + QPointF(-S * 0.15, -S * 0.3), S * 0.7);
    Fill.setColorAt(0, QColor(0xFF, 0xFC, 0xE8));
    Fill.setColorAt(1, QColor(0xF6, 0xCB, 0x4A));
    P.fillPath(Glass, Fill);
    P.setPen(QPen(GoldDeep, 2));
    P.setBrush(Qt::NoBrush);
    P.drawPath(Glass);
    // The screw cap.
    P.setPen(Qt::NoPen);
    P.setBrush(QColor(0x7A, 0x82, 0x90));
    for (int I = 0; I < 3; ++I)
        P.drawRoundedRect(QRectF(C.x() - S * 0.2, C.y() + S * (0.52 + 0.1 * I), S * 0.4, S * 0.07),
                          2, 2);
    // The filament.
    P.setPen(QPen(QColor(0xC0, 0x60, 0x10), 1.6));
    QPainterPath Wire;
    Wire.moveTo(C + QPointF(-S * 0.12, S * 0.22));
    Wire.lineTo(C + QPointF(-S * 0.12, -S * 0.08));
    Wire.cubicTo(C + QPointF(-S * 0.06, -S * 0.25), C + QPointF(S * 0.06, S * 0.05),
                 C + QPointF(S * 0.12, -S * 0.08));
    Wire.lineTo(C + QPointF(S * 0.12, S * 0.22));
    P.drawPath(Wire);
}

QImage IntroCard() {
    QPainterPath Face;
    QImage Img = Card(QColor(0xE2, 0xA6, 0x2E), Face);
    QPainter P(&Img);
    Art::Prepare(P);
    Bulb(P, QPointF(CardW / 2.0, 72), 64);
    return Img;
}

// An open book with the mortarboard above it: the course.
QImage StudyCard() {
    QPainterPath Face;
    QImage Img = Card(Navy.lighter(140), Face);
    QPainter P(&Img);
    Art::Prepare(P);
    const double Cx = CardW / 2.0;
    for (int Side : {-1, 1}) {
        QPainterPath Leaf;
        Leaf.moveTo(Cx, 112);
        Leaf.cubicTo(Cx + Side * 30, 100, Cx + Side * 60, 100, Cx + Side * 80, 108);
        Leaf.lineTo(Cx + Side * 80, 64);
        Leaf.cubicTo(Cx + Side * 60, 56, Cx + Side * 30, 56, Cx, 68);
        Leaf.closeSubpath();
        P.setPen(QPen(Navy, 1.6));
        P.setBrush(Qt::white);
        P.drawPath(Leaf);
        P.setPen(QPen(QColor(0xA8, 0xB4, 0xCC), 1.2));
        for (int Line = 0; Line < 4; ++Line) {
            const double Y = 74 + Line * 8;
            P.drawLine(QPointF(Cx + Side * 12, Y - 2 + Line * 0.5), QPointF(Cx + Side * 66, Y));
        }
    }
    P.translate(Cx - 34, 4);
    Icons::MortarBoard(P, 68, Navy);
    return Img;
}

// The medal of a completed course: a gold disc with a star on two ribbons.
QImage CourseDone() {
    QImage Img = Art::NewImage(300, 300);
    QPainter P(&Img);
    Art::Prepare(P);
    const QPointF C(150, 170);
    for (int Side : {-1, 1}) {
        QPainterPath Tail;
        Tail.moveTo(C + QPointF(Side * 20, -150));
        Tail.lineTo(C + QPointF(Side * 70, -150));
        Tail.lineTo(C + QPointF(Side * 30, -40));
        Tail.lineTo(C + QPointF(-Side * 10, -40));
        Tail.closeSubpath();
        P.fillPath(Tail, Side < 0 ? QColor(0xB0, 0x22, 0x2E) : Navy);
    }
    QPainterPath Disc;
    Disc.addEllipse(C, 92, 92);
    Art::SoftShadow(P, Disc, QPointF(0, 4), 6, QColor(0, 0, 0, 90));
    P.fillPath(Disc, Foil(C.y() - 92, C.y() + 92));
    P.setPen(QPen(GoldDeep, 3));
    P.setBrush(Qt::NoBrush);
    P.drawEllipse(C, 78, 78);
    QPainterPath Star;
    for (int I = 0; I < 10; ++I) {
        const double A = M_PI / 2 + I * M_PI / 5;
        const double R = I % 2 ? 24 : 58;
        const QPointF Pt = C + QPointF(R * std::cos(A), -R * std::sin(A));
        if (I == 0)
            Star.moveTo(Pt);
        else
            Star.lineTo(Pt);
    }
    Star.closeSubpath();
    P.fillPath(Star.translated(1.5, 2), QColor(0x6A, 0x48, 0x10, 150));
    P.fillPath(Star, QColor(0xFF, 0xF4, 0xC8));
    return Img;
}

QImage RestartCard() {
    QPainterPath Face;
    QImage Img = Card(QColor(0x3C, 0x8C, 0x4A), Face);
    QPainter P(&Img);
    Art::Prepare(P);
    P.translate(CardW / 2.0 - 60, 10);
    Icons::Repeat(P, 120, QColor(0x2E, 0x7A, 0x3C));
    return Img;
}

} // namespace

void DrawWelcomePictures(TPictureList& Out) {
    Out.push_back({QStringLiteral("WelcomeTitle.png"), WelcomeTitle()});
    Out.push_back({QStringLiteral("WelcomeIntro.png"), IntroCard()});
    Out.push_back({QStringLiteral("WelcomeStudy.png"), StudyCard()});
    Out.push_back({QStringLiteral("CourseDone.png"), CourseDone()});
    Out.push_back({QStringLiteral("Restart.png"), RestartCard()});
}
