// The finger guide: both hands seen from above as they rest on the keyboard,
// and each finger alone, lit, to be laid over the hands at its place.
#include "forms/art/Pictures.h"

#include <QLineF>
#include <QLinearGradient>
#include <QPainter>
#include <QTransform>

#include <cmath>

namespace {

constexpr int HandsW = 399, HandsH = 299;

// Each finger picture's box on the hands picture (finger 1 the left little
// finger .. 8 the right little finger, 9 the right thumb).
struct TFingerBox {
    int Left, Top, Width, Height;
};
constexpr TFingerBox Boxes[9] = {
    {4, 69, 42, 79},    {31, 25, 39, 107},  {53, 0, 44, 123},  {90, 13, 38, 118}, {275, 8, 40, 126},
    {307, -4, 38, 124}, {335, 18, 34, 107}, {360, 52, 35, 89}, {221, 90, 53, 57},
};

// A finger as a capsule from the centre of its tip's round to the centre of
// its base's, inside the palm.
struct TFinger {
    QPointF Tip, Base;
    double Radius;
};

// Fingers 1-8 stand upright in their boxes, fanned a little; the thumbs lie
// slanted toward the middle.
TFinger FingerShape(int N) {
    if (N == 9) return {{236, 104}, {276, 154}, 13};
    if (N == 10) return {{HandsW - 236, 104}, {HandsW - 276, 154}, 13}; // the left thumb
    const TFingerBox& B = Boxes[N - 1];
    const double Radii[8] = {10.5, 12, 13, 12.5, 12.5, 13, 11.5, 10.5};
    // Tips lean outward on the little fingers and inward on the index fingers.
    const double Lean[8] = {-4, -3, -1, 3, -3, 1, 3, 4};
    const double R = Radii[N - 1];
    const double Cx = B.Left + B.Width / 2.0;
    return {{Cx + Lean[N - 1], B.Top + R + 2}, {Cx - Lean[N - 1], B.Top + B.Height + 30.0}, R};
}

// The painter's frame along a finger: origin at the tip's centre, +y toward the base.
QTransform Along(const TFinger& F) {
    const QLineF Axis(F.Tip, F.Base);
    QTransform T;
    T.translate(F.Tip.x(), F.Tip.y());
    T.rotate(90 - Axis.angle() - 180);
    return T;
}

double Length(const TFinger& F) {
    return QLineF(F.Tip, F.Base).length();
}

QPainterPath Capsule(const TFinger& F) {
    QPainterPath Local;
    Local.addRoundedRect(QRectF(-F.Radius, -F.Radius, 2 * F.Radius, Length(F) + 2 * F.Radius),
                         F.Radius, F.Radius);
    return Along(F).map(Local);
}

// The palm and wrist of the left hand; the right hand's is its mirror image.
QPainterPath LeftPalm() {
    QPainterPath Palm;
    Palm.addRoundedRect(QRectF(9, 122, 124, 128), 34, 34);
    QPainterPath Wrist;
    Wrist.moveTo(26, 215);
    Wrist.lineTo(120, 215);
    Wrist.quadTo(116, 262, 114, HandsH + 4);
    Wrist.lineTo(32, HandsH + 4);
    Wrist.quadTo(30, 262, 26, 215);
    QPainterPath Mound;
    Mound.addEllipse(QPointF(122, 182), 30, 40);
    return Palm.united(Wrist).united(Mound);
}

QPainterPath Mirrored(const QPainterPath& Path) {
    return QTransform(-1, 0, 0, 1, HandsW, 0).map(Path);
}

const QColor SkinLight(0xF8, 0xDD, 0xC4), SkinDark(0xE4, 0xB0, 0x8C), Outline(0xA8, 0x70, 0x50);
const QColor LitLight(0xFF, 0xB8, 0x5C), LitDark(0xE0, 0x5A, 0x1C), LitOutline(0x9A, 0x3A, 0x10);

// Nail and knuckle creases of one finger, in its colours.
void FingerDetails(QPainter& P, const TFinger& F, const QColor& Crease, bool Lit) {
    P.save();
    P.setTransform(Along(F), true);
    const double R = F.Radius;
    QLinearGradient Nail(0, -R, 0, R * 0.6);
    Nail.setColorAt(0, Lit ? QColor(0xFF, 0xF0, 0xE0) : QColor(0xFF, 0xF4, 0xEE));
    Nail.setColorAt(1, Lit ? QColor(0xFF, 0xC8, 0x98) : QColor(0xF0, 0xC8, 0xB8));
    P.setBrush(Nail);
    P.setPen(QPen(Crease, 0.8));
    P.drawRoundedRect(QRectF(-R * 0.56, -R * 0.72, R * 1.12, R * 1.35), R * 0.45, R * 0.45);
    P.setPen(QPen(Art::WithAlpha(Crease, 150), 1));
    P.setBrush(Qt::NoBrush);
    for (double At : {R * 2.6, R * 4.6}) {
        if (At > Length(F) - R) break;
        P.drawArc(QRectF(-R * 0.5, At - 2, R, 4), 200 * 16, 140 * 16);
    }
    P.restore();
}

void PaintFinger(QPainter& P, const TFinger& F, const QColor& Light, const QColor& Dark,
                 const QColor& Line) {
    const QPainterPath Shape = Capsule(F);
    const QLineF Axis(F.Tip, F.Base);
    const QLineF Normal = Axis.normalVector().unitVector();
    const QPointF Side(Normal.dx() * F.Radius, Normal.dy() * F.Radius);
    // Rounded across: light in the middle, darker at the sides.
    QLinearGradient Round(F.Tip - Side, F.Tip + Side);
    Round.setColorAt(0, Dark);
    Round.setColorAt(0.45, Light);
    Round.setColorAt(1, Dark);
    P.fillPath(Shape, Round);
    P.setPen(QPen(Line, 1.1));
    P.setBrush(Qt::NoBrush);
    P.drawPath(Shape);
}

QImage Hands() {
    QImage Img = Art::NewImage(HandsW, HandsH);
    QPainter P(&Img);
    Art::Prepare(P);
    const QPainterPath Palms = LeftPalm().united(Mirrored(LeftPalm()));

    Art::SoftShadow(P, Palms, QPointF(0, 3), 4, QColor(0x60, 0x40, 0x20, 70));
    // Fingers first, the palms over their roots, so each finger keeps its outline.
    for (int N = 1; N <= 10; ++N)
        PaintFinger(P, FingerShape(N), SkinLight, SkinDark, Outline);
    QLinearGradient Flesh(0, 120, 0, HandsH);
    Flesh.setColorAt(0, SkinLight);
    Flesh.setColorAt(1, SkinDark);
    P.fillPath(Palms, Flesh);
    P.setPen(QPen(Outline, 1.1));
    P.setBrush(Qt::NoBrush);
    P.drawPath(Palms);
    // The fingers' roots melt into the palm: cover the outline where they meet.
    P.save();
    P.setClipPath(Palms);
    for (int N = 1; N <= 10; ++N) {
        QPainterPath Root = Capsule(FingerShape(N)).intersected(Palms);
        P.fillPath(Root, Flesh);
    }
    P.restore();
    for (int N = 1; N <= 10; ++N)
        FingerDetails(P, FingerShape(N), Outline, false);
    // The lines of the palms.
    P.setPen(QPen(Art::WithAlpha(Outline, 110), 1.2));
    QPainterPath Lines;
    Lines.moveTo(20, 170);
    Lines.quadTo(70, 190, 112, 160);
    Lines.moveTo(40, 200);
    Lines.quadTo(80, 205, 100, 230);
    P.drawPath(Lines);
    P.drawPath(Mirrored(Lines));
    return Img;
}

// Finger N alone, lit, in its box; its root fades where it meets the palm.
QImage LitFinger(int N) {
    const TFingerBox& B = Boxes[N - 1];
    QImage Img = Art::NewImage(B.Width, B.Height);
    QPainter P(&Img);
    Art::Prepare(P);
    P.translate(-B.Left, -B.Top);
    const TFinger F = FingerShape(N);
    PaintFinger(P, F, LitLight, LitDark, LitOutline);
    FingerDetails(P, F, LitOutline, true);
    P.resetTransform();
    // Fade out toward the palm.
    P.setCompositionMode(QPainter::CompositionMode_DestinationIn);
    const double FadeFrom = N == 9 ? B.Height * 0.55 : B.Height - 18.0;
    QLinearGradient Fade(0, FadeFrom, N == 9 ? B.Width : 0, B.Height);
    Fade.setColorAt(0, QColor(0, 0, 0, 255));
    Fade.setColorAt(1, QColor(0, 0, 0, 40));
    P.fillRect(QRect(0, 0, B.Width, B.Height), Fade);
    return Img;
}

} // namespace

void DrawFingerPictures(TPictureList& Out) {
    Out.push_back({QStringLiteral("Fingers.png"), Hands()});
    for (int N = 1; N <= 9; ++N)
        Out.push_back({QStringLiteral("Finger%1.png").arg(N), LitFinger(N)});
}
