// The exercise console's two columns and the key face of the on-screen
// keyboard.
#include "forms/art/Pictures.h"

#include <QLinearGradient>
#include <QPainter>

namespace {

const QColor SlateTop(0x3B, 0x4C, 0x70), SlateBottom(0x1E, 0x2A, 0x47);
const QColor Rim(0x0E, 0x16, 0x2B), Lip(0x5A, 0x6C, 0x92), Groove(0x14, 0x1D, 0x33);

// The dark metal of the console, filled into Shape with its shadow and rim.
void Slate(QPainter& P, const QPainterPath& Shape, const QRectF& Box) {
    Art::SoftShadow(P, Shape, QPointF(0, 1.5), 3, QColor(0x30, 0x28, 0x18, 110));
    QLinearGradient Fill(0, Box.top(), 0, Box.bottom());
    Fill.setColorAt(0, SlateTop);
    Fill.setColorAt(1, SlateBottom);
    P.fillPath(Shape, Fill);
    Art::InnerShadow(P, Shape, QPointF(0, 2), 4, QColor(0, 0, 0, 120));
    P.setBrush(Qt::NoBrush);
    P.setPen(QPen(Rim, 1));
    P.drawPath(Shape);
}

void Screw(QPainter& P, const QPointF& C) {
    P.save();
    P.setPen(QPen(Rim, 0.8));
    QLinearGradient Head(C - QPointF(3, 3), C + QPointF(3, 3));
    Head.setColorAt(0, QColor(0xC9, 0xD2, 0xE3));
    Head.setColorAt(1, QColor(0x6A, 0x78, 0x96));
    P.setBrush(Head);
    P.drawEllipse(C, 3.2, 3.2);
    P.setPen(QPen(QColor(0x2A, 0x34, 0x4C), 1));
    P.drawLine(C + QPointF(-1.8, 1.8), C + QPointF(1.8, -1.8));
    P.restore();
}

// A recess that a screen of the console sits in.
void Recess(QPainter& P, const QRectF& R) {
    QPainterPath Well;
    Well.addRoundedRect(R, 5, 5);
    P.fillPath(Well, QColor(0x10, 0x17, 0x2A));
    Art::InnerShadow(P, Well, QPointF(0, 1.5), 2, QColor(0, 0, 0, 160));
    P.setBrush(Qt::NoBrush);
    P.setPen(QPen(Lip, 1));
    P.drawLine(QPointF(R.left() + 5, R.bottom() + 0.5), QPointF(R.right() - 5, R.bottom() + 0.5));
}

// The right column: the clock and the speed screens sit in its recesses
// (screens at 17,52 and 17,196, each 120 x 105).
QImage RightColumn() {
    const int W = 155, H = 420;
    QImage Img = Art::NewImage(W, H);
    QPainter P(&Img);
    Art::Prepare(P);
    const QRectF Box(2.5, 2.5, W - 5, H - 5);
    QPainterPath Shape;
    Shape.addRoundedRect(Box, 12, 12);
    Slate(P, Shape, Box);
    P.setPen(QPen(Lip, 1));
    P.drawLine(QPointF(14, 8.5), QPointF(W - 14, 8.5));
    Recess(P, QRectF(12, 47, 130, 115));
    Recess(P, QRectF(12, 191, 130, 115));
    for (const QPointF& C :
         {QPointF(11, 11), QPointF(W - 11, 11), QPointF(11, H - 11), QPointF(W - 11, H - 11)})
        Screw(P, C);

    // The maker's plate between the speed screen and the button console.
    const QRectF Plate(22, 314, W - 44, 24);
    QPainterPath PlateShape;
    PlateShape.addRoundedRect(Plate, 4, 4);
    QLinearGradient Brass(0, Plate.top(), 0, Plate.bottom());
    Brass.setColorAt(0, QColor(0xE8, 0xC9, 0x6E));
    Brass.setColorAt(1, QColor(0xB0, 0x86, 0x30));
    P.fillPath(PlateShape, Brass);
    P.setPen(QPen(QColor(0x6E, 0x52, 0x18), 1));
    P.drawPath(PlateShape);
    P.setFont(Art::Serif(13, true));
    Art::EmbossedText(P, Plate, Qt::AlignCenter, QStringLiteral("CLAVORA 98"),
                      QColor(0x4A, 0x36, 0x0C), QColor(255, 240, 200, 200), {0, 1});
    return Img;
}

// The left column: a tray whose top lies 35 pixels above the typing screen
// and which reaches past the page's foot (the page cuts it).
QImage LeftColumn() {
    const int W = 558, H = 300;
    QImage Img = Art::NewImage(W, H);
    QPainter P(&Img);
    Art::Prepare(P);
    const QRectF Box(2.5, 2.5, W - 5, H + 20);
    QPainterPath Shape;
    Shape.addRoundedRect(Box, 14, 14);
    Slate(P, Shape, QRectF(2.5, 2.5, W - 5, 200));
    P.setPen(QPen(Groove, 1));
    P.drawLine(QPointF(16, 21.5), QPointF(W - 16, 21.5));
    P.setPen(QPen(Lip, 1));
    P.drawLine(QPointF(16, 22.5), QPointF(W - 16, 22.5));
    Screw(P, QPointF(12, 12));
    Screw(P, QPointF(W - 12, 12));
    // Three lamps on the lip, and a speaker grille between the screen and the
    // button console, which covers this column from x 522 and y 63 on.
    const QColor Lamps[] = {QColor(0x4C, 0xD9, 0x64), QColor(0xF2, 0xC1, 0x3A),
                            QColor(0xE0, 0x5A, 0x4A)};
    for (int I = 0; I < 3; ++I) {
        const QPointF C(W / 2.0 - 16 + 16 * I, 12);
        P.setPen(Qt::NoPen);
        P.setBrush(Art::WithAlpha(Lamps[I], 70));
        P.drawEllipse(C, 4.5, 4.5);
        P.setBrush(Lamps[I]);
        P.drawEllipse(C, 2.4, 2.4);
    }
    P.setPen(Qt::NoPen);
    for (int Row = 0; Row < 7; ++Row)
        for (int Col = 0; Col < 4; ++Col) {
            const QPointF C(489 + 8 * Col + (Row % 2) * 4, 36 + 9 * Row);
            P.setBrush(QColor(0x0B, 0x11, 0x20));
            P.drawEllipse(C, 2.3, 2.3);
            P.setBrush(Art::WithAlpha(Lip, 120));
            P.drawEllipse(C + QPointF(0, 1.2), 1.2, 0.6);
        }
    return Img;
}

// The key face: an 8 x 8 pattern of a key's matt top.
QImage KeyFace() {
    QImage Img = Art::NewOpaque(8, 8, QColor(0xEE, 0xEC, 0xE6));
    const QColor Light(0xF7, 0xF5, 0xF0), Dark(0xE2, 0xDF, 0xD7);
    const QPoint LightDots[] = {{1, 1}, {5, 2}, {2, 5}, {6, 6}};
    const QPoint DarkDots[] = {{3, 3}, {7, 0}, {0, 7}, {4, 6}};
    for (const QPoint& D : LightDots)
        Img.setPixelColor(D, Light);
    for (const QPoint& D : DarkDots)
        Img.setPixelColor(D, Dark);
    return Img;
}

} // namespace

void DrawEventPictures(TPictureList& Out) {
    Out.push_back({QStringLiteral("RightConsole.png"), RightColumn()});
    Out.push_back({QStringLiteral("LeftConsole.png"), LeftColumn()});
    Out.push_back({QStringLiteral("KeyFace.png"), KeyFace()});
}
