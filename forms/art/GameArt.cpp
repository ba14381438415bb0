// The games' pictures: the falling-words shaft (walls, base and the row
// backgrounds of the falling and the stacked words), the bubbles' play-area
// tile and the lamps of the missed-bubbles display.
#include "forms/art/Pictures.h"

#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>

#include <cmath>

namespace {

const QColor StoneLight(0x6C, 0x7E, 0xA6), StoneDark(0x33, 0x42, 0x66);
const QColor Mortar(0x1E, 0x27, 0x40);

// A wall of dressed stone blocks, rows of Block pixels, staggered by half a
// block; the inner edge (towards the shaft) on the side InnerRight catches the light.
QImage StoneWall(int W, int H, int BlockW, int BlockH, bool InnerRight, uint32_t Seed) {
    QImage Img = Art::NewOpaque(W, H, Mortar);
    QPainter P(&Img);
    Art::Prepare(P);
    Art::TGrain Grain(Seed);
    for (int Row = 0, Y = 0; Y < H; ++Row, Y += BlockH) {
        const int Shift = (Row % 2) ? BlockW / 2 : 0;
        for (int X = -Shift; X < W; X += BlockW) {
            const QRectF Block(X + 1, Y + 1, BlockW - 2, BlockH - 2);
            const double Tone = Grain.Range(-0.12, 0.12);
            QLinearGradient Face(Block.topLeft(), Block.bottomRight());
            Face.setColorAt(0, Art::Mix(StoneLight, Qt::white, std::max(0.0, Tone)));
            Face.setColorAt(1, Art::Mix(StoneDark, Qt::black, std::max(0.0, -Tone)));
            QPainterPath Shape;
            Shape.addRoundedRect(Block, 2, 2);
            P.fillPath(Shape, Face);
            P.setPen(QPen(QColor(255, 255, 255, 60), 1));
            P.drawLine(Block.topLeft() + QPointF(1.5, 0.5), Block.topRight() + QPointF(-1.5, 0.5));
        }
    }
    // Light falls into the shaft: the inner side is brighter, the outer darker.
    QLinearGradient Light(0, 0, W, 0);
    Light.setColorAt(InnerRight ? 0 : 1, QColor(0, 0, 0, 70));
    Light.setColorAt(InnerRight ? 1 : 0, QColor(255, 255, 255, 40));
    P.fillRect(QRect(0, 0, W, H), Light);
    P.setPen(QPen(QColor(0xA8, 0xB8, 0xDA), 1));
    const double Edge = InnerRight ? W - 0.5 : 0.5;
    P.drawLine(QPointF(Edge, 0), QPointF(Edge, H));
    P.end();
    Art::AddGrain(Img, QRect(0, 0, W, H), 4, Seed + 7);
    return Img;
}

// The floor of the shaft: one long slab with a worn top edge.
QImage ShaftBase() {
    QImage Img = StoneWall(221, 30, 56, 15, false, 0xBA5E);
    QPainter P(&Img);
    Art::Prepare(P);
    QLinearGradient Top(0, 0, 0, 8);
    Top.setColorAt(0, QColor(0xC8, 0xD4, 0xEC));
    Top.setColorAt(1, QColor(0xC8, 0xD4, 0xEC, 0));
    P.fillRect(QRect(0, 0, 221, 8), Top);
    return Img;
}

// The bar behind the falling word: a deep blue glass bar that makes white
// and red letters stand out.
QImage ActiveRow() {
    const int W = 220, H = 30;
    QImage Img = Art::NewOpaque(W, H, Qt::white);
    QPainter P(&Img);
    Art::Prepare(P);
    const QRectF Bar(1.5, 1.5, W - 3, H - 3);
    QPainterPath Shape;
    Shape.addRoundedRect(Bar, 7, 7);
    Art::SoftShadow(P, Shape, QPointF(0, 1), 2, QColor(0, 0, 60, 90));
    QLinearGradient Fill(0, Bar.top(), 0, Bar.bottom());
    Fill.setColorAt(0, QColor(0x3A, 0x5F, 0xC4));
    Fill.setColorAt(0.5, QColor(0x1B, 0x35, 0x8A));
    Fill.setColorAt(1, QColor(0x0E, 0x1C, 0x55));
    P.fillPath(Shape, Fill);
    // The glass's shine on its upper half.
    QPainterPath Shine;
    Shine.addRoundedRect(
        QRectF(Bar.left() + 4, Bar.top() + 2, Bar.width() - 8, Bar.height() * 0.38), 5, 5);
    QLinearGradient Gloss(0, Bar.top(), 0, Bar.top() + Bar.height() * 0.45);
    Gloss.setColorAt(0, QColor(255, 255, 255, 90));
    Gloss.setColorAt(1, QColor(255, 255, 255, 0));
    P.fillPath(Shine, Gloss);
    P.setBrush(Qt::NoBrush);
    P.setPen(QPen(QColor(0x08, 0x12, 0x3A), 1));
    P.drawPath(Shape);
    // A small arrow on the right: this word is on its way down.
    P.setPen(Qt::NoPen);
    P.setBrush(QColor(255, 255, 255, 110));
    QPolygonF Arrow;
    Arrow << QPointF(W - 20, 11) << QPointF(W - 10, 11) << QPointF(W - 15, 19);
    P.drawPolygon(Arrow);
    return Img;
}

// The slab of a word that has landed: pale stone, the word engraved in grey.
QImage InactiveRow() {
    const int W = 220, H = 30;
    QImage Img = Art::NewOpaque(W, H, Qt::white);
    QPainter P(&Img);
    Art::Prepare(P);
    const QRectF Slab(0.5, 0.5, W - 1, H - 1);
    QLinearGradient Fill(0, 0, 0, H);
    Fill.setColorAt(0, QColor(0xF2, 0xF0, 0xEA));
    Fill.setColorAt(1, QColor(0xD6, 0xD2, 0xC8));
    P.fillRect(Slab, Fill);
    P.setPen(QPen(QColor(0xA8, 0xA2, 0x94), 1));
    P.drawRect(Slab);
    P.setPen(QPen(QColor(255, 255, 255, 200), 1));
    P.drawLine(QPointF(1.5, 1.5), QPointF(W - 2, 1.5));
    P.end();
    Art::AddGrain(Img, QRect(1, 1, W - 2, H - 2), 5, 0x51AB);
    return Img;
}

// Water seen from the side, tiling without seams: soft blue with faint
// light ripples whose periods divide the tile.
QImage WaterTile() {
    const int S = 20;
    QImage Img(S, S, QImage::Format_RGB32);
    const double Pi = 3.14159265358979;
    for (int Y = 0; Y < S; ++Y) {
        for (int X = 0; X < S; ++X) {
            const double A = std::sin(2 * Pi * (X / double(S) + 2 * Y / double(S)));
            const double B = std::sin(2 * Pi * (2 * X / double(S) - Y / double(S)) + 1.3);
            const double Ripple = 0.5 + 0.25 * A + 0.25 * B; // 0..1
            const QColor C = Art::Mix(QColor(0xCF, 0xE6, 0xF2), QColor(0xE4, 0xF2, 0xF8), Ripple);
            Img.setPixel(X, Y, C.rgb());
        }
    }
    return Img;
}

// A lamp of the missed-bubbles display: a small glass bubble, red and
// glowing when lit, dark when not.
QImage Lamp(bool Lit) {
    const int W = 21, H = 20;
    QImage Img = Art::NewOpaque(W, H, Qt::black);
    QPainter P(&Img);
    Art::Prepare(P);
    const QPointF C(10.5, 10);
    if (Lit) {
        QRadialGradient Glow(C, 10);
        Glow.setColorAt(0, QColor(255, 80, 40, 160));
        Glow.setColorAt(1, QColor(255, 40, 0, 0));
        P.setPen(Qt::NoPen);
        P.setBrush(Glow);
        P.drawEllipse(C, 10, 10);
    }
    QRadialGradient Body(C - QPointF(2, 2.5), 8);
    if (Lit) {
        Body.setColorAt(0, QColor(255, 236, 200));
        Body.setColorAt(0.35, QColor(255, 110, 50));
        Body.setColorAt(1, QColor(170, 20, 0));
    } else {
        Body.setColorAt(0, QColor(0x6A, 0x74, 0x88));
        Body.setColorAt(0.5, QColor(0x30, 0x38, 0x4A));
        Body.setColorAt(1, QColor(0x14, 0x18, 0x22));
    }
    P.setBrush(Body);
    P.setPen(QPen(Lit ? QColor(120, 20, 0) : QColor(0x50, 0x58, 0x6A), 1));
    P.drawEllipse(C, 6.5, 6.5);
    P.setPen(Qt::NoPen);
    P.setBrush(QColor(255, 255, 255, Lit ? 200 : 90));
    P.drawEllipse(QPointF(8.3, 7.4), 1.8, 1.3);
    return Img;
}

} // namespace

void DrawGamePictures(TPictureList& Out) {
    Out.push_back({QStringLiteral("DropWallLeft.png"), StoneWall(30, 203, 30, 14, true, 0x3A11)});
    Out.push_back({QStringLiteral("DropWallRight.png"), StoneWall(30, 203, 30, 14, false, 0x3A12)});
    Out.push_back({QStringLiteral("DropBase.png"), ShaftBase()});
    Out.push_back({QStringLiteral("DropActive.png"), ActiveRow()});
    Out.push_back({QStringLiteral("DropInactive.png"), InactiveRow()});
    Out.push_back({QStringLiteral("BubbleTile.png"), WaterTile()});
    Out.push_back({QStringLiteral("BubbleOn.png"), Lamp(true)});
    Out.push_back({QStringLiteral("BubbleOff.png"), Lamp(false)});
}
