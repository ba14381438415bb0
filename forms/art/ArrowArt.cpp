// The change arrows of the results page, 22 x 22 each: a full arrow for a
// rise, two stacked heads for a rise of a whole step or more, a level arrow,
// and the same turned downwards. The plain set is a coloured arrow on the
// page; the "b" set of the efficiency row is a white arrow on a coloured tile.
#include "forms/art/Pictures.h"

#include <QLinearGradient>
#include <QPainter>
#include <QTransform>

namespace {

constexpr int Side = 22;

// Shapes are drawn pointing up in the 22 x 22 box.
QPainterPath SingleArrow() {
    QPainterPath Path;
    Path.moveTo(11, 2.5);
    Path.lineTo(19, 11);
    Path.lineTo(14.2, 11);
    Path.lineTo(14.2, 19.5);
    Path.lineTo(7.8, 19.5);
    Path.lineTo(7.8, 11);
    Path.lineTo(3, 11);
    Path.closeSubpath();
    return Path;
}

QPainterPath DoubleArrow() {
    QPainterPath Path;
    for (double Top : {2.0, 10.0}) {
        QPainterPath Head;
        Head.moveTo(11, Top);
        Head.lineTo(19.5, Top + 8.5);
        Head.lineTo(15.5, Top + 8.5);
        Head.lineTo(11, Top + 4.3);
        Head.lineTo(6.5, Top + 8.5);
        Head.lineTo(2.5, Top + 8.5);
        Head.closeSubpath();
        Path = Path.united(Head);
    }
    return Path;
}

// Turned about the centre of the box by Degrees (clockwise).
QPainterPath Turned(const QPainterPath& Path, double Degrees) {
    QTransform T;
    T.translate(Side / 2.0, Side / 2.0);
    T.rotate(Degrees);
    T.translate(-Side / 2.0, -Side / 2.0);
    return T.map(Path);
}

QPainterPath Shrunk(const QPainterPath& Path, double Scale) {
    QTransform T;
    T.translate(Side / 2.0, Side / 2.0);
    T.scale(Scale, Scale);
    T.translate(-Side / 2.0, -Side / 2.0);
    return T.map(Path);
}

struct TTone {
    QColor Light, Dark, Line;
};

const TTone Rise{QColor(0x5C, 0xC2, 0x5A), QColor(0x1E, 0x84, 0x2C), QColor(0x14, 0x5E, 0x1E)};
const TTone Steady{QColor(0x9C, 0xA9, 0xC0), QColor(0x5C, 0x69, 0x82), QColor(0x3E, 0x48, 0x5C)};
const TTone Fall{QColor(0xF0, 0x6A, 0x52), QColor(0xB8, 0x22, 0x1C), QColor(0x82, 0x14, 0x10)};

// A coloured arrow with a soft shadow, for the plain rows.
QImage PlainArrow(const QPainterPath& Shape, const TTone& Tone) {
    QImage Img = Art::NewImage(Side, Side);
    QPainter P(&Img);
    Art::Prepare(P);
    Art::SoftShadow(P, Shape, QPointF(0, 1), 1, QColor(0x30, 0x28, 0x18, 90));
    const QRectF Box = Shape.boundingRect();
    QLinearGradient Fill(Box.topLeft(), Box.bottomRight());
    Fill.setColorAt(0, Tone.Light);
    Fill.setColorAt(1, Tone.Dark);
    P.fillPath(Shape, Fill);
    P.setPen(QPen(Tone.Line, 0.9));
    P.setBrush(Qt::NoBrush);
    P.drawPath(Shape);
    return Img;
}

// A white arrow on a rounded tile of the tone, for the efficiency row.
QImage TileArrow(const QPainterPath& Shape, const TTone& Tone) {
    QImage Img = Art::NewImage(Side, Side);
    QPainter P(&Img);
    Art::Prepare(P);
    const QRectF Tile(1, 1, Side - 2, Side - 2.5);
    QPainterPath TileShape;
    TileShape.addRoundedRect(Tile, 5, 5);
    Art::SoftShadow(P, TileShape, QPointF(0, 0.8), 1, QColor(0x30, 0x28, 0x18, 100));
    QLinearGradient Fill(0, Tile.top(), 0, Tile.bottom());
    Fill.setColorAt(0, Tone.Light);
    Fill.setColorAt(1, Tone.Dark);
    P.fillPath(TileShape, Fill);
    // A glint along the top edge.
    P.setPen(QPen(QColor(255, 255, 255, 110), 1));
    P.drawLine(QPointF(5, 2), QPointF(Side - 5, 2));
    P.setPen(QPen(Tone.Line, 0.9));
    P.setBrush(Qt::NoBrush);
    P.drawPath(TileShape);
    const QPainterPath Glyph = Shrunk(Shape, 0.72);
    P.fillPath(Glyph.translated(0, 0.8), Art::WithAlpha(Tone.Line, 150));
    P.fillPath(Glyph, QColor(0xFF, 0xFF, 0xFF));
    return Img;
}

} // namespace

void DrawArrowPictures(TPictureList& Out) {
    const struct {
        const char* Name;
        QPainterPath Shape;
        const TTone* Tone;
    } Arrows[] = {
        {"ArrowUp2", DoubleArrow(), &Rise},
        {"ArrowUp1", SingleArrow(), &Rise},
        {"ArrowHorizontal", Turned(SingleArrow(), 90), &Steady},
        {"ArrowDown1", Turned(SingleArrow(), 180), &Fall},
        {"ArrowDown2", Turned(DoubleArrow(), 180), &Fall},
    };
    for (const auto& A : Arrows) {
        Out.push_back(
            {QStringLiteral("%1.png").arg(QLatin1String(A.Name)), PlainArrow(A.Shape, *A.Tone)});
        Out.push_back(
            {QStringLiteral("%1b.png").arg(QLatin1String(A.Name)), TileArrow(A.Shape, *A.Tone)});
    }
}
