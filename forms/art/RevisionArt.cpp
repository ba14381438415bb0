// The revision menu and the wizard's page: the menu's left-page picture,
// the four activity pictures, a decorative strip of key caps, and the four
// previews of the wizard's methods.
#include "forms/art/Pictures.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <cmath>

namespace {

const QColor Navy(0x1D, 0x31, 0x5E), Gold(0xC0, 0x98, 0x3C), Paper(0xFB, 0xF8, 0xEF);
const QColor Leaf(0x4E, 0x8C, 0x4A), Mint(0xDD, 0xEE, 0xDA);

// A key cap with a letter: a rounded face on a darker base.
void KeyCap(QPainter& P, const QRectF& R, const QString& Letter, const QColor& Face,
            double FontScale = 0.5) {
    QPainterPath Base;
    Base.addRoundedRect(R, R.width() * 0.14, R.width() * 0.14);
    Art::SoftShadow(P, Base, QPointF(0, R.height() * 0.06), 2, QColor(0, 0, 0, 70));
    P.setPen(QPen(Face.darker(150), 1));
    P.setBrush(Face.darker(118));
    P.drawPath(Base);
    const QRectF Top =
        R.adjusted(R.width() * 0.1, R.height() * 0.06, -R.width() * 0.1, -R.height() * 0.18);
    QLinearGradient G(Top.topLeft(), Top.bottomLeft());
    G.setColorAt(0, Face.lighter(112));
    G.setColorAt(1, Face);
    P.setPen(Qt::NoPen);
    P.setBrush(G);
    P.drawRoundedRect(Top, R.width() * 0.1, R.width() * 0.1);
    P.setPen(Navy);
    P.setFont(Art::Sans(int(R.height() * FontScale), true));
    P.drawText(Top, Qt::AlignCenter, Letter);
}

// A round badge behind an activity's picture.
void Badge(QPainter& P, const QRectF& R, const QColor& Inner, const QColor& Outer) {
    QPainterPath Disc;
    Disc.addEllipse(R);
    Art::SoftShadow(P, Disc, QPointF(0, 2), 3, QColor(0, 0, 0, 60));
    QRadialGradient G(R.center() - QPointF(R.width() * 0.15, R.height() * 0.2), R.width() * 0.7);
    G.setColorAt(0, Inner);
    G.setColorAt(1, Outer);
    P.setPen(QPen(Outer.darker(130), 1.2));
    P.setBrush(G);
    P.drawPath(Disc);
}

// A sheet of paper with ruled lines.
void Sheet(QPainter& P, const QRectF& R, double Angle, int Lines) {
    P.save();
    P.translate(R.center());
    P.rotate(Angle);
    const QRectF S(-R.width() / 2, -R.height() / 2, R.width(), R.height());
    QPainterPath Shape;
    Shape.addRoundedRect(S, 3, 3);
    Art::SoftShadow(P, Shape, QPointF(1, 2), 2, QColor(0, 0, 0, 70));
    P.setPen(QPen(QColor(0xB8, 0xAE, 0x96), 1));
    P.setBrush(Paper);
    P.drawPath(Shape);
    P.setPen(QPen(QColor(0x9A, 0xB4, 0xD0), 1));
    const double Step = S.height() / (Lines + 1);
    for (int I = 1; I <= Lines; ++I) {
        const double Y = S.top() + Step * I;
        const double Right = I == Lines ? S.left() + S.width() * 0.55 : S.right() - 6;
        P.drawLine(QPointF(S.left() + 6, Y), QPointF(Right, Y));
    }
    P.restore();
}

// A soap bubble with a letter.
void Bubble(QPainter& P, QPointF C, double Radius, const QString& Letter) {
    QRadialGradient G(C - QPointF(Radius * 0.35, Radius * 0.4), Radius * 1.3);
    G.setColorAt(0, QColor(255, 255, 255, 240));
    G.setColorAt(0.5, QColor(0xB6, 0xDC, 0xF6, 200));
    G.setColorAt(1, QColor(0x5A, 0x9C, 0xD6, 220));
    P.setPen(QPen(QColor(0x3A, 0x78, 0xB0), 1));
    P.setBrush(G);
    P.drawEllipse(C, Radius, Radius);
    P.setPen(Navy);
    P.setFont(Art::Sans(int(Radius * 1.05), true));
    P.drawText(QRectF(C.x() - Radius, C.y() - Radius, 2 * Radius, 2 * Radius), Qt::AlignCenter,
               Letter);
}

// A word falling in a shaft: a rounded tag.
void WordTag(QPainter& P, const QRectF& R, const QString& Word, const QColor& Fill) {
    P.setPen(QPen(Fill.darker(140), 1));
    P.setBrush(Fill);
    P.drawRoundedRect(R, 4, 4);
    P.setPen(Navy);
    P.setFont(Art::Sans(int(R.height() * 0.62), true));
    P.drawText(R, Qt::AlignCenter, Word);
}

// The wizard: a wand over a pair of key caps, with sparkles.
QImage WizardPicture() {
    QImage Img = Art::NewImage(160, 160);
    QPainter P(&Img);
    Art::Prepare(P);
    Badge(P, QRectF(8, 8, 144, 144), QColor(0xFF, 0xF6, 0xD8), QColor(0xE6, 0xC6, 0x6C));
    KeyCap(P, QRectF(30, 78, 44, 44), QStringLiteral("Q"), QColor(0xF4, 0xF1, 0xE8));
    KeyCap(P, QRectF(80, 86, 44, 44), QStringLiteral("Z"), QColor(0xF4, 0xF1, 0xE8));
    // The wand.
    P.setPen(QPen(QColor(0x2A, 0x22, 0x30), 7, Qt::SolidLine, Qt::RoundCap));
    P.drawLine(QPointF(122, 70), QPointF(76, 34));
    P.setPen(QPen(Qt::white, 7, Qt::SolidLine, Qt::FlatCap));
    P.drawLine(QPointF(80.7, 37.7), QPointF(76, 34));
    // Sparkles: four-pointed stars.
    auto Star = [&](QPointF C, double R) {
        QPainterPath S;
        S.moveTo(C + QPointF(0, -R));
        S.quadTo(C, C + QPointF(R, 0));
        S.quadTo(C, C + QPointF(0, R));
        S.quadTo(C, C + QPointF(-R, 0));
        S.quadTo(C, C + QPointF(0, -R));
        P.setPen(Qt::NoPen);
        P.setBrush(Gold.lighter(115));
        P.drawPath(S);
    };
    Star(QPointF(62, 30), 13);
    Star(QPointF(44, 52), 7);
    Star(QPointF(96, 22), 6);
    Star(QPointF(128, 44), 5);
    return Img;
}

// Story typing: an open book of ruled pages.
QImage StoryPicture() {
    QImage Img = Art::NewImage(80, 80);
    QPainter P(&Img);
    Art::Prepare(P);
    Badge(P, QRectF(3, 3, 74, 74), QColor(0xFF, 0xFB, 0xF0), QColor(0xD8, 0xC8, 0xA0));
    Sheet(P, QRectF(12, 20, 29, 40), -6, 5);
    Sheet(P, QRectF(39, 20, 29, 40), 6, 5);
    P.setPen(QPen(Navy, 2));
    P.drawLine(QPointF(40, 18), QPointF(40, 62));
    return Img;
}

// Bubbles: three rising bubbles.
QImage BubblesPicture() {
    QImage Img = Art::NewImage(80, 80);
    QPainter P(&Img);
    Art::Prepare(P);
    Badge(P, QRectF(3, 3, 74, 74), QColor(0xF2, 0xFA, 0xFF), QColor(0xA8, 0xCC, 0xEA));
    Bubble(P, QPointF(28, 50), 14, QStringLiteral("a"));
    Bubble(P, QPointF(52, 40), 12, QStringLiteral("s"));
    Bubble(P, QPointF(36, 22), 9, QStringLiteral("d"));
    return Img;
}

// Lexidrop: words falling down a shaft.
QImage LexidropPicture() {
    QImage Img = Art::NewImage(80, 80);
    QPainter P(&Img);
    Art::Prepare(P);
    Badge(P, QRectF(3, 3, 74, 74), QColor(0xF2, 0xFF, 0xF0), QColor(0xA6, 0xD2, 0xA0));
    P.setPen(QPen(Leaf.darker(130), 1.5));
    P.drawLine(QPointF(22, 14), QPointF(22, 66));
    P.drawLine(QPointF(58, 14), QPointF(58, 66));
    WordTag(P, QRectF(25, 18, 30, 11), QStringLiteral("rain"), QColor(0xFF, 0xF4, 0xC8));
    WordTag(P, QRectF(25, 36, 30, 11), QStringLiteral("leaf"), QColor(0xFF, 0xF4, 0xC8));
    WordTag(P, QRectF(25, 54, 30, 11), QStringLiteral("fall"), QColor(0xFF, 0xD8, 0xC0));
    return Img;
}

// A row of home-row key caps on a soft shelf.
QImage StripPicture() {
    QImage Img = Art::NewImage(329, 50);
    QPainter P(&Img);
    Art::Prepare(P);
    const QString Keys = QStringLiteral("ASDFGHJKL");
    const double W = 32, Gap = 3.5, Left = (329 - (9 * W + 8 * Gap)) / 2;
    for (int I = 0; I < 9; ++I) {
        const QColor Face =
            (I == 3 || I == 6) ? QColor(0xFF, 0xF1, 0xC4) : QColor(0xF6, 0xF4, 0xEE);
        KeyCap(P, QRectF(Left + I * (W + Gap), 8, W, W), Keys.mid(I, 1), Face, 0.42);
    }
    return Img;
}

// The menu's left page: a big circle of arrows around key caps, a stack of
// story sheets and a few bubbles, under a line that says what the page is for.
QImage MenuPicture() {
    // As wide as the book's page.
    QImage Img = Art::NewOpaque(338, 427, Qt::white);
    QPainter P(&Img);
    Art::Prepare(P);
    QLinearGradient Wash(0, 50, 0, 427);
    Wash.setColorAt(0, QColor(0xF7, 0xFB, 0xF6));
    Wash.setColorAt(1, Mint);
    P.fillRect(QRectF(0, 46, 338, 381), Wash);

    P.setPen(Navy);
    P.setFont(Art::Serif(26, true, true));
    P.drawText(QRectF(0, 58, 338, 36), Qt::AlignHCenter | Qt::AlignVCenter,
               QStringLiteral("Practise again"));
    P.setFont(Art::Sans(13));
    P.setPen(QColor(0x4A, 0x55, 0x6A));
    P.drawText(QRectF(30, 94, 279, 40), Qt::AlignHCenter | Qt::TextWordWrap,
               QStringLiteral("Revise the keys you find hard, type a story or play a game."));

    const QPointF C(170, 236);
    // The circle of arrows.
    P.save();
    P.translate(C - QPointF(80, 80));
    Icons::Repeat(P, 160, Leaf);
    P.restore();
    KeyCap(P, QRectF(C.x() - 46, C.y() - 26, 42, 42), QStringLiteral("F"),
           QColor(0xFF, 0xF1, 0xC4));
    KeyCap(P, QRectF(C.x() + 4, C.y() - 26, 42, 42), QStringLiteral("J"), QColor(0xFF, 0xF1, 0xC4));
    KeyCap(P, QRectF(C.x() - 21, C.y() + 16, 42, 42), QStringLiteral("?"),
           QColor(0xF6, 0xF4, 0xEE));

    Sheet(P, QRectF(34, 330, 64, 78), -8, 7);
    Sheet(P, QRectF(50, 326, 64, 78), 4, 7);
    Bubble(P, QPointF(258, 372), 20, QStringLiteral("q"));
    Bubble(P, QPointF(292, 336), 14, QStringLiteral("z"));
    Bubble(P, QPointF(236, 326), 10, QStringLiteral("x"));
    WordTag(P, QRectF(132, 360, 62, 20), QStringLiteral("words"), QColor(0xFF, 0xF4, 0xC8));
    Art::AddGrain(Img, QRect(0, 46, 338, 381), 2, 9011);
    return Img;
}

// The frame of a preview: a small screen with a title.
QImage PreviewFrame(const QString& Title) {
    QImage Img = Art::NewOpaque(287, 140, QColor(0xF9, 0xFB, 0xF8));
    QPainter P(&Img);
    Art::Prepare(P);
    P.setPen(QPen(QColor(0x9C, 0xB8, 0x9C), 1));
    P.setBrush(Qt::NoBrush);
    P.drawRect(QRectF(0.5, 0.5, 286, 139));
    P.setPen(Navy);
    P.setFont(Art::Sans(12, true));
    P.drawText(QRectF(10, 6, 267, 18), Qt::AlignLeft | Qt::AlignVCenter, Title);
    return Img;
}

QImage KeyboardPreview() {
    QImage Img = PreviewFrame(QStringLiteral("Words with the keyboard"));
    QPainter P(&Img);
    Art::Prepare(P);
    P.setFont(Art::Font(QStringLiteral("Courier New"), 15, true));
    P.setPen(QColor(0x30, 0x30, 0x30));
    P.drawText(QRectF(12, 24, 263, 22), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("quiz jazz maze quay"));
    P.setPen(QPen(Gold, 2));
    P.drawLine(QPointF(12, 46), QPointF(50, 46));
    const QString Rows[3] = {QStringLiteral("QWERTYUIOP"), QStringLiteral("ASDFGHJKL"),
                             QStringLiteral("ZXCVBNM")};
    const double W = 19, Gap = 3;
    for (int R = 0; R < 3; ++R)
        for (int I = 0; I < Rows[R].size(); ++I) {
            const QString K = Rows[R].mid(I, 1);
            const bool Hot = K == QStringLiteral("Q") || K == QStringLiteral("Z");
            KeyCap(P, QRectF(30 + R * 9 + I * (W + Gap), 52 + R * (W + 2), W, W), K,
                   Hot ? QColor(0xFF, 0xD9, 0x8A) : QColor(0xF6, 0xF4, 0xEE), 0.45);
        }
    P.setPen(QColor(0x60, 0x68, 0x70));
    P.setFont(Art::Sans(11));
    P.drawText(QRectF(10, 118, 267, 18), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("A drill of words full of your keys."));
    return Img;
}

QImage SentencesPreview() {
    QImage Img = PreviewFrame(QStringLiteral("Crazy sentences"));
    QPainter P(&Img);
    Art::Prepare(P);
    P.setFont(Art::Serif(14));
    P.setPen(QColor(0x30, 0x30, 0x30));
    const char* Lines[3] = {"A quiet zebra quizzed the", "lazy queen about frozen",
                            "jazz on a quay."};
    for (int I = 0; I < 3; ++I)
        P.drawText(QRectF(14, 24 + I * 19, 260, 19), Qt::AlignLeft | Qt::AlignVCenter,
                   QLatin1String(Lines[I]));
    // The typing line with a caret.
    P.setPen(QPen(QColor(0x9C, 0xB8, 0x9C), 1));
    P.setBrush(Qt::white);
    P.drawRoundedRect(QRectF(12, 86, 263, 26), 4, 4);
    P.setFont(Art::Font(QStringLiteral("Courier New"), 14, true));
    P.setPen(Navy);
    P.drawText(QRectF(18, 86, 250, 26), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("A quiet zeb"));
    P.fillRect(QRectF(111, 91, 2, 16), Navy);
    P.setPen(QColor(0x60, 0x68, 0x70));
    P.setFont(Art::Sans(11));
    P.drawText(QRectF(10, 118, 267, 18), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("Funny sentences made of your keys."));
    return Img;
}

QImage BubblesPreview() {
    QImage Img = PreviewFrame(QStringLiteral("Bubbles game"));
    QPainter P(&Img);
    Art::Prepare(P);
    QLinearGradient Water(0, 24, 0, 116);
    Water.setColorAt(0, QColor(0xE8, 0xF4, 0xFC));
    Water.setColorAt(1, QColor(0x9C, 0xC8, 0xEA));
    P.fillRect(QRectF(10, 24, 267, 92), Water);
    Bubble(P, QPointF(50, 90), 16, QStringLiteral("q"));
    Bubble(P, QPointF(104, 56), 13, QStringLiteral("z"));
    Bubble(P, QPointF(160, 94), 15, QStringLiteral("a"));
    Bubble(P, QPointF(214, 46), 12, QStringLiteral("j"));
    Bubble(P, QPointF(250, 86), 11, QStringLiteral("k"));
    P.setPen(QColor(0x60, 0x68, 0x70));
    P.setFont(Art::Sans(11));
    P.drawText(QRectF(10, 118, 267, 18), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("Pop the bubbles by typing their letters."));
    return Img;
}

QImage LexidropPreview() {
    QImage Img = PreviewFrame(QStringLiteral("Lexidrop game"));
    QPainter P(&Img);
    Art::Prepare(P);
    P.fillRect(QRectF(80, 24, 127, 92), QColor(0x1E, 0x2E, 0x4A));
    WordTag(P, QRectF(96, 30, 70, 16), QStringLiteral("quiz"), QColor(0xFF, 0xF4, 0xC8));
    WordTag(P, QRectF(118, 54, 70, 16), QStringLiteral("zero"), QColor(0xFF, 0xF4, 0xC8));
    WordTag(P, QRectF(90, 78, 70, 16), QStringLiteral("query"), QColor(0xFF, 0xC8, 0xA8));
    P.fillRect(QRectF(80, 104, 127, 12), QColor(0x6E, 0x9C, 0x5A));
    P.setPen(QColor(0x60, 0x68, 0x70));
    P.setFont(Art::Sans(11));
    P.drawText(QRectF(10, 118, 267, 18), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("Type the falling words before they land."));
    return Img;
}

} // namespace

void DrawRevisionPictures(TPictureList& Out) {
    Out.push_back({QStringLiteral("Revision.png"), MenuPicture()});
    Out.push_back({QStringLiteral("Wizard.png"), WizardPicture()});
    Out.push_back({QStringLiteral("StoryBox.png"), StoryPicture()});
    Out.push_back({QStringLiteral("BubblesBox.png"), BubblesPicture()});
    Out.push_back({QStringLiteral("LexidropBox.png"), LexidropPicture()});
    Out.push_back({QStringLiteral("RevisionStrip.png"), StripPicture()});
    Out.push_back({QStringLiteral("PreviewKeyboard.png"), KeyboardPreview()});
    Out.push_back({QStringLiteral("PreviewSentences.png"), SentencesPreview()});
    Out.push_back({QStringLiteral("PreviewBubbles.png"), BubblesPreview()});
    Out.push_back({QStringLiteral("PreviewLexidrop.png"), LexidropPreview()});
}
