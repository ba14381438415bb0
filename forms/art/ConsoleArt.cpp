// The navigation console at the foot of the right page and its buttons.
#include "forms/art/Pictures.h"

#include <QLinearGradient>
#include <QPainter>

namespace {

constexpr int ConsoleW = 193, ConsoleH = 80;

// The console tray, in one navy look on every page. Round the tray the
// picture is clear, so that it sits on a page or on the exercise console alike.
QImage Console() {
    QImage Img = Art::NewImage(ConsoleW, ConsoleH);
    QPainter P(&Img);
    Art::Prepare(P);
    // The panel shows 78 rows; keep the tray inside them.
    const QRectF Tray(2.5, 2.5, ConsoleW - 5, 74);
    QPainterPath Shape;
    Shape.addRoundedRect(Tray, 10, 10);
    Art::SoftShadow(P, Shape, QPointF(0, 1), 2, QColor(0x40, 0x38, 0x28, 110));

    const QColor Top = QColor(0x3B, 0x4C, 0x70);
    const QColor Bottom = QColor(0x1E, 0x2A, 0x47);
    QLinearGradient Fill(0, Tray.top(), 0, Tray.bottom());
    Fill.setColorAt(0, Top);
    Fill.setColorAt(1, Bottom);
    P.fillPath(Shape, Fill);
    Art::InnerShadow(P, Shape, QPointF(0, 2), 3, QColor(0, 0, 0, 120));

    // A fine groove under the lip, and the rim.
    P.setPen(QPen(QColor(0x14, 0x1D, 0x33), 1));
    P.drawLine(QPointF(12, 9.5), QPointF(ConsoleW - 12, 9.5));
    P.setPen(QPen(QColor(0x5A, 0x6C, 0x92), 1));
    P.drawLine(QPointF(12, 10.5), QPointF(ConsoleW - 12, 10.5));
    P.setPen(QPen(QColor(0x0E, 0x16, 0x2B), 1));
    P.setBrush(Qt::NoBrush);
    P.drawPath(Shape);
    // Three small studs on the lip.
    for (int I = 0; I < 3; ++I) {
        const QPointF C(ConsoleW / 2.0 - 8 + I * 8, 6);
        P.setPen(Qt::NoPen);
        P.setBrush(QColor(0xE0, 0xB8, 0x50));
        P.drawEllipse(C, 1.4, 1.4);
    }
    return Img;
}

enum class TGlyph { Play, Next, Back, SkipF, SkipB, Cross };

void DrawGlyph(QPainter& P, TGlyph G, const QPointF& C, const QColor& Ink) {
    P.save();
    P.setPen(Qt::NoPen);
    P.setBrush(Ink);
    auto Arrow = [&](double Dx, double Dir) { // a solid arrow head pointing along Dir
        QPolygonF Tri;
        Tri << C + QPointF(Dx + 7.5 * Dir, 0) << C + QPointF(Dx - 6 * Dir, -9)
            << C + QPointF(Dx - 6 * Dir, 9);
        P.drawPolygon(Tri);
    };
    switch (G) {
    case TGlyph::Play: {
        P.drawEllipse(C, 11.5, 11.5);
        P.setBrush(Qt::white);
        QPolygonF Tri;
        Tri << C + QPointF(6, 0) << C + QPointF(-3.5, -6.5) << C + QPointF(-3.5, 6.5);
        P.drawPolygon(Tri);
        break;
    }
    case TGlyph::Next:
    case TGlyph::Back: {
        const double Dir = G == TGlyph::Next ? 1 : -1;
        P.drawRoundedRect(QRectF(C.x() - (Dir > 0 ? 11 : -1), C.y() - 3.5, 12, 7), 1.5, 1.5);
        Arrow(3.5 * Dir, Dir);
        break;
    }
    case TGlyph::SkipF:
    case TGlyph::SkipB: {
        const double Dir = G == TGlyph::SkipF ? 1 : -1;
        Arrow(-5 * Dir, Dir);
        Arrow(6 * Dir, Dir);
        P.drawRect(QRectF(C.x() + 13 * Dir - (Dir > 0 ? 0 : 3), C.y() - 8, 3, 16));
        break;
    }
    case TGlyph::Cross: {
        QPen Pen(Ink, 4.2);
        Pen.setCapStyle(Qt::RoundCap);
        P.setPen(Pen);
        P.drawLine(C + QPointF(-7, -7), C + QPointF(7, 7));
        P.drawLine(C + QPointF(7, -7), C + QPointF(-7, 7));
        break;
    }
    }
    P.restore();
}

// A raised button face with a glyph and its caption under it.
QImage Button(int W, const QString& Caption, TGlyph Glyph, const QColor& Ink) {
    const int H = 63;
    QImage Img = Art::NewImage(W, H);
    QPainter P(&Img);
    Art::Prepare(P);
    const QRectF Face(2, 1.5, W - 4, H - 6);
    QPainterPath Shape;
    Shape.addRoundedRect(Face, 8, 8);
    Art::SoftShadow(P, Shape, QPointF(0, 2.5), 2, QColor(0x10, 0x18, 0x30, 120));

    QLinearGradient Fill(0, Face.top(), 0, Face.bottom());
    Fill.setColorAt(0, Qt::white);
    Fill.setColorAt(0.5, QColor(0xF1, 0xF4, 0xF9));
    Fill.setColorAt(1, QColor(0xD3, 0xDB, 0xE8));
    P.fillPath(Shape, Fill);
    // A soft shine on the upper half.
    QPainterPath Shine;
    Shine.addRoundedRect(Face.adjusted(2, 1.5, -2, -Face.height() * 0.55), 6.5, 6.5);
    QLinearGradient Gloss(0, Face.top(), 0, Face.top() + Face.height() * 0.45);
    Gloss.setColorAt(0, QColor(255, 255, 255, 230));
    Gloss.setColorAt(1, QColor(255, 255, 255, 0));
    P.fillPath(Shine, Gloss);
    P.setBrush(Qt::NoBrush);
    P.setPen(QPen(QColor(0x7D, 0x8A, 0xA4), 1));
    P.drawRoundedRect(Face.adjusted(0.5, 0.5, -0.5, -0.5), 7.5, 7.5);

    const QPointF Centre(W / 2.0, 22);
    DrawGlyph(P, Glyph, Centre + QPointF(0, 1), QColor(255, 255, 255, 200)); // engraved edge
    DrawGlyph(P, Glyph, Centre, Ink);

    P.setFont(Art::Sans(12, true));
    Art::EmbossedText(P, QRectF(0, 37, W, 16), Qt::AlignHCenter | Qt::AlignVCenter, Caption,
                      QColor(0x1C, 0x27, 0x42), QColor(255, 255, 255, 220), {0, 1});
    return Img;
}

} // namespace

void DrawConsolePictures(TPictureList& Out) {
    const QColor Navy(0x24, 0x44, 0x80), Green(0x2E, 0x8B, 0x3E), Red(0xB5, 0x33, 0x2B);
    Out.push_back({QStringLiteral("Console1.png"), Console()});
    Out.push_back({QStringLiteral("Console2.png"), Console()});
    Out.push_back(
        {QStringLiteral("BtnBegin.png"), Button(51, QStringLiteral("Begin"), TGlyph::Play, Green)});
    Out.push_back(
        {QStringLiteral("BtnNext.png"), Button(49, QStringLiteral("Next"), TGlyph::Next, Navy)});
    Out.push_back(
        {QStringLiteral("BtnBack.png"), Button(50, QStringLiteral("Back"), TGlyph::Back, Navy)});
    Out.push_back(
        {QStringLiteral("BtnSkipF.png"), Button(51, QStringLiteral("Skip"), TGlyph::SkipF, Navy)});
    Out.push_back({QStringLiteral("BtnCancel.png"),
                   Button(66, QStringLiteral("Cancel"), TGlyph::Cross, Red)});
    Out.push_back(
        {QStringLiteral("BtnSkipB.png"), Button(50, QStringLiteral("Skip"), TGlyph::SkipB, Navy)});
}
