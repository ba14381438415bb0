// The closed book's cover, the program icon, and the two link pictures.
#include "forms/art/Pictures.h"

#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>

#include <cmath>

namespace {

const QColor Cloth(0x1D, 0x31, 0x5E);
const QColor ClothDark(0x0E, 0x19, 0x33);
const QColor GoldLight(0xF8, 0xE6, 0xA6);
const QColor Gold(0xD6, 0xA8, 0x45);
const QColor GoldDeep(0x9A, 0x6E, 0x1E);

// Gold foil: a vertical gradient across Top..Bottom.
QLinearGradient Foil(double Top, double Bottom) {
    QLinearGradient G(0, Top, 0, Bottom);
    G.setColorAt(0, GoldLight);
    G.setColorAt(0.45, Gold);
    G.setColorAt(0.55, GoldDeep);
    G.setColorAt(1, Gold);
    return G;
}

// Stamps a path in gold: a dark pressed edge under it and a faint light edge above.
void Stamp(QPainter& P, const QPainterPath& Shape, double Top, double Bottom) {
    P.fillPath(Shape.translated(0.8, 1.2), QColor(0x05, 0x0B, 0x18, 200));
    P.fillPath(Shape.translated(-0.5, -0.6), QColor(0x6A, 0x84, 0xB8, 90));
    P.fillPath(Shape, Foil(Top, Bottom));
}

QPainterPath TextPath(const QFont& Font, const QString& Text, double CentreX, double Baseline) {
    QPainterPath Path;
    Path.addText(0, 0, Font, Text);
    const QRectF B = Path.boundingRect();
    return Path.translated(CentreX - B.center().x(), Baseline);
}

QPainterPath RuleFrame(const QRectF& R, double W) {
    QPainterPath Outer, Inner;
    Outer.addRect(R);
    Inner.addRect(R.adjusted(W, W, -W, -W));
    return Outer.subtracted(Inner);
}

// A gold diamond ornament with two small leaves.
QPainterPath Fleuron(const QPointF& C, double S) {
    QPainterPath P;
    P.moveTo(C + QPointF(0, -S));
    P.lineTo(C + QPointF(S * 0.6, 0));
    P.lineTo(C + QPointF(0, S));
    P.lineTo(C + QPointF(-S * 0.6, 0));
    P.closeSubpath();
    for (double Dir : {-1.0, 1.0}) {
        QPainterPath Leaf;
        Leaf.moveTo(C + QPointF(Dir * S * 0.7, 0));
        Leaf.quadTo(C + QPointF(Dir * S * 1.6, -S * 0.55), C + QPointF(Dir * S * 2.4, 0));
        Leaf.quadTo(C + QPointF(Dir * S * 1.6, S * 0.55), C + QPointF(Dir * S * 0.7, 0));
        P.addPath(Leaf);
    }
    return P;
}

// One key cap in gold line work, with its letter.
QPainterPath KeyCap(const QRectF& R, const QString& Letter) {
    QPainterPath Cap, Hollow, Face, FaceHollow;
    Cap.addRoundedRect(R, 7, 7);
    Hollow.addRoundedRect(R.adjusted(2.2, 2.2, -2.2, -2.2), 5, 5);
    const QRectF Top = R.adjusted(7, 5, -7, -11);
    Face.addRoundedRect(Top, 5, 5);
    FaceHollow.addRoundedRect(Top.adjusted(1.6, 1.6, -1.6, -1.6), 3.6, 3.6);
    QPainterPath Out = Cap.subtracted(Hollow).united(Face.subtracted(FaceHollow));
    const QFont F = Art::Serif(int(R.height() * 0.42), true);
    QPainterPath Glyph;
    Glyph.addText(0, 0, F, Letter);
    const QRectF B = Glyph.boundingRect();
    Out.addPath(Glyph.translated(Top.center() - B.center()));
    return Out;
}

// A quill feather from Tip (the nib) to End.
QPainterPath Quill(const QPointF& Tip, const QPointF& End, double Width) {
    const QPointF D = End - Tip;
    const double L = std::hypot(D.x(), D.y());
    const QPointF U = D / L, N(-U.y(), U.x());
    QPainterPath Vane;
    Vane.moveTo(Tip + U * (L * 0.22));
    Vane.cubicTo(Tip + U * (L * 0.45) + N * Width, Tip + U * (L * 0.85) + N * (Width * 0.9), End);
    Vane.cubicTo(Tip + U * (L * 0.8) - N * (Width * 0.55), Tip + U * (L * 0.45) - N * (Width * 0.6),
                 Tip + U * (L * 0.22));
    QPainterPath Shaft;
    Shaft.moveTo(Tip);
    Shaft.lineTo(Tip + U * (L * 0.22) + N * 1.4);
    Shaft.lineTo(Tip + U * (L * 0.22) - N * 1.4);
    Shaft.closeSubpath();
    // Cut the barbs into the vane.
    QPainterPath Cuts;
    for (int I = 1; I < 9; ++I) {
        const QPointF At = Tip + U * (L * (0.3 + I * 0.07));
        const double Side = I % 2 ? 1 : -1;
        QPainterPath Cut;
        Cut.moveTo(At + N * (Side * Width * 0.05));
        Cut.lineTo(At + N * (Side * Width * 1.2) + U * (L * 0.05));
        Cut.lineTo(At + N * (Side * Width * 1.2) + U * (L * 0.065));
        Cut.closeSubpath();
        Cuts.addPath(Cut);
    }
    QPainterPath Spine;
    Spine.moveTo(Tip + U * (L * 0.22) + N * 0.5);
    Spine.lineTo(End);
    Spine.lineTo(Tip + U * (L * 0.22) - N * 0.5);
    Spine.closeSubpath();
    return Vane.subtracted(Cuts).subtracted(Spine).united(Shaft);
}

QImage Cover() {
    const int W = 369, H = 511;
    QImage Img = Art::NewOpaque(W, H, Cloth);
    QPainter P(&Img);
    Art::Prepare(P);
    // The panel shows x 1..357 and y 3..502 of this picture.
    const QRectF Seen(1, 3, 356, 499);
    const double Cx = 193; // the middle of the board, right of the hinge

    QRadialGradient Light(QPointF(Cx - 40, 150), 420);
    Light.setColorAt(0, Art::Mix(Cloth, QColor(0x4A, 0x66, 0xA0), 0.35));
    Light.setColorAt(0.6, Cloth);
    Light.setColorAt(1, ClothDark);
    P.fillRect(Img.rect(), Light);

    // The spine and the hinge groove along the left.
    QLinearGradient Spine(Seen.left(), 0, Seen.left() + 26, 0);
    Spine.setColorAt(0, QColor(0x08, 0x10, 0x22, 230));
    Spine.setColorAt(0.55, QColor(0x2C, 0x44, 0x78, 60));
    Spine.setColorAt(1, QColor(0x08, 0x10, 0x22, 120));
    P.fillRect(QRectF(0, 0, Seen.left() + 26, H), Spine);
    P.fillRect(QRectF(Seen.left() + 26, 0, 1.2, H), QColor(0x05, 0x0B, 0x18, 200));
    P.fillRect(QRectF(Seen.left() + 27.5, 0, 1, H), QColor(0x6A, 0x84, 0xB8, 110));
    // Board edges: the cut cloth catches the light.
    P.fillRect(QRectF(Seen.right() - 2, 0, 2, H), QColor(0x05, 0x0B, 0x18, 150));
    P.fillRect(QRectF(0, Seen.bottom() - 2, W, 2), QColor(0x05, 0x0B, 0x18, 150));
    P.fillRect(QRectF(0, Seen.top(), W, 1), QColor(0x6A, 0x84, 0xB8, 120));

    // Gilt frame: a heavy rule and a hairline inside it, with corner fleurons.
    const QRectF Frame(Cx - 150, 17, 300, 474);
    Stamp(P, RuleFrame(Frame, 2.4), Frame.top(), Frame.bottom());
    Stamp(P, RuleFrame(Frame.adjusted(6, 6, -6, -6), 0.9), Frame.top(), Frame.bottom());
    for (const QPointF& C :
         {Frame.topLeft(), Frame.topRight(), Frame.bottomLeft(), Frame.bottomRight()}) {
        QPainterPath Dot;
        Dot.addEllipse(C, 5, 5);
        Stamp(P, Dot, C.y() - 5, C.y() + 5);
    }

    // Title and subtitle.
    const QPainterPath Title =
        TextPath(Art::Serif(50, true), QStringLiteral("Clavora 98"), Cx, 103);
    Stamp(P, Title, 66, 106);
    Stamp(P, Fleuron(QPointF(Cx, 126), 5), 121, 131);
    QPainterPath Rules;
    Rules.addRect(QRectF(Cx - 105, 125.4, 88, 1.2));
    Rules.addRect(QRectF(Cx + 17, 125.4, 88, 1.2));
    Stamp(P, Rules, 124, 128);
    QFont Sub = Art::Serif(20, false, true);
    Sub.setLetterSpacing(QFont::AbsoluteSpacing, 1.2);
    Stamp(P, TextPath(Sub, QStringLiteral("Touch Typing Tutor"), Cx, 160), 145, 162);

    // The emblem: a ring holding three key caps and a quill.
    const QPointF E(Cx, 262);
    QPainterPath Ring;
    Ring.addEllipse(E, 78, 78);
    QPainterPath RingIn;
    RingIn.addEllipse(E, 75.5, 75.5);
    QPainterPath Ring2;
    Ring2.addEllipse(E, 71, 71);
    QPainterPath Ring2In;
    Ring2In.addEllipse(E, 70, 70);
    QRadialGradient Well(E + QPointF(-15, -20), 90);
    Well.setColorAt(0, Art::Mix(Cloth, QColor(0x4A, 0x66, 0xA0), 0.25));
    Well.setColorAt(1, ClothDark);
    P.setPen(Qt::NoPen);
    P.setBrush(Well);
    P.drawEllipse(E, 75.5, 75.5);
    Stamp(P, Ring.subtracted(RingIn).united(Ring2.subtracted(Ring2In)), E.y() - 78, E.y() + 78);
    Stamp(P, Quill(E + QPointF(-44, 50), E + QPointF(50, -60), 13), E.y() - 60, E.y() + 60);
    // The keys stand in front of the quill: their faces hide it.
    const double K = 42;
    const QRectF Keys[] = {QRectF(E.x() - K / 2, E.y() - K - 1, K, K),
                           QRectF(E.x() - K - 3, E.y() + 4, K, K),
                           QRectF(E.x() + 3, E.y() + 4, K, K)};
    const char* Letters[] = {"C", "F", "J"};
    for (int I = 0; I < 3; ++I) {
        QPainterPath Face;
        Face.addRoundedRect(Keys[I], 7, 7);
        QLinearGradient Dark(0, Keys[I].top(), 0, Keys[I].bottom());
        Dark.setColorAt(0, Art::Mix(Cloth, QColor(0x4A, 0x66, 0xA0), 0.2));
        Dark.setColorAt(1, ClothDark);
        P.fillPath(Face, Dark);
        Stamp(P, KeyCap(Keys[I], QLatin1String(Letters[I])), Keys[I].top(), Keys[I].bottom());
    }

    // The name plate: a calm, pressed-in panel round the login area
    // (x 75..312, y 369..464 of this picture).
    QPainterPath Plate;
    Plate.addRoundedRect(QRectF(Cx - 127, 359, 254, 120), 8, 8);
    P.fillPath(Plate, QColor(0x0B, 0x15, 0x2C, 200));
    Art::InnerShadow(P, Plate, QPointF(0, 2), 4, QColor(0, 0, 0, 200));
    P.strokePath(Plate.translated(0, 1), QPen(QColor(0x6A, 0x84, 0xB8, 70), 1));
    P.strokePath(Plate, QPen(Art::WithAlpha(GoldDeep, 160), 1));

    P.end();
    Art::AddGrain(Img, Img.rect(), 2, 131, 1);
    return Img;
}

// The program icon: an ivory key cap bearing a navy C.
QImage AppIcon() {
    QImage Img = Art::NewImage(64, 64);
    QPainter P(&Img);
    Art::Prepare(P);
    const QRectF Base(4, 5, 56, 55);
    QPainterPath BaseShape;
    BaseShape.addRoundedRect(Base, 11, 11);
    Art::SoftShadow(P, BaseShape, QPointF(0, 1.5), 2, QColor(0, 0, 0, 130));
    QLinearGradient Side(0, Base.top(), 0, Base.bottom());
    Side.setColorAt(0, QColor(0xD9, 0xD2, 0xC0));
    Side.setColorAt(1, QColor(0x9C, 0x93, 0x7E));
    P.fillPath(BaseShape, Side);
    P.strokePath(BaseShape, QPen(QColor(0x5A, 0x52, 0x42), 1));

    const QRectF Top(10, 7, 44, 43);
    QPainterPath TopShape;
    TopShape.addRoundedRect(Top, 8, 8);
    QLinearGradient Face(Top.topLeft(), Top.bottomRight());
    Face.setColorAt(0, QColor(0xFF, 0xFD, 0xF6));
    Face.setColorAt(1, QColor(0xEC, 0xE5, 0xD3));
    P.fillPath(TopShape, Face);
    P.strokePath(TopShape, QPen(QColor(0xB5, 0xAC, 0x96), 1));

    QPainterPath C = TextPath(Art::Serif(38, true), QStringLiteral("C"), Top.center().x(), 0);
    C.translate(0, Top.center().y() - C.boundingRect().center().y());
    P.fillPath(C, QColor(0x1D, 0x31, 0x5E));
    // A gold bar under the letter, like the home-row bump.
    P.fillRect(QRectF(26, 45, 12, 2.2), QColor(0xC9, 0x96, 0x2E));
    return Img;
}

// A link picture for the maroon status bar: icon and light text.
QImage Link(int W, int H, const QString& Text, void (*Icon)(QPainter&, double, const QColor&),
            bool RightAligned) {
    QImage Img = Art::NewImage(W, H);
    QPainter P(&Img);
    Art::Prepare(P);
    const QColor Ink(0xFB, 0xEE, 0xD2);
    const QFont F = Art::Sans(12, true);
    const double TextW = QFontMetricsF(F).horizontalAdvance(Text);
    const double IconS = 14, Gap = 6, Mid = 10.5; // the bar is 21 pixels high
    const double Left = RightAligned ? W - 4 - TextW - Gap - IconS : 4;
    P.save();
    P.translate(Left, Mid - IconS / 2);
    Icon(P, IconS, QColor(0xF2, 0xC9, 0x6A));
    P.restore();
    P.setFont(F);
    Art::EmbossedText(P, QRectF(Left + IconS + Gap, 0, TextW + 2, 21),
                      Qt::AlignLeft | Qt::AlignVCenter, Text, Ink, QColor(0x30, 0x00, 0x00, 160),
                      {0, 1});
    return Img;
}

} // namespace

void DrawCoverPictures(TPictureList& Out) {
    Out.push_back({QStringLiteral("Cover.png"), Cover()});
    Out.push_back({QStringLiteral("Clavora.png"), AppIcon()});
    Out.push_back({QStringLiteral("LinkWww.png"),
                   Link(177, 21, QStringLiteral("Clavora on the web"), Icons::Globe, false)});
    Out.push_back({QStringLiteral("LinkEmail.png"),
                   Link(140, 21, QStringLiteral("Write to us"), Icons::Envelope, true)});
}
