// The chapter pages: the three backgrounds of the exercise list's rows, the
// strip under the list's title, the frame behind the chapter numerals and
// the chapter picture shown when a chapter brings none of its own.
#include "forms/art/Pictures.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

namespace {

const QColor Navy(0x1D, 0x31, 0x5E), Gold(0xC0, 0x98, 0x3C);
constexpr int RowW = 259, RowH = 31;

// A row's rounded bar, filled from Top to Bottom; transparent around it so
// that the list's own green shows in the gaps between rows.
QImage RowBar(const QColor& Top, const QColor& Bottom, const QColor& Edge) {
    QImage Img = Art::NewImage(RowW, RowH);
    QPainter P(&Img);
    Art::Prepare(P);
    const QRectF Bar(0.5, 0.5, RowW - 1, RowH - 2);
    QPainterPath Shape;
    Shape.addRoundedRect(Bar, 6, 6);
    Art::SoftShadow(P, Shape, QPointF(0, 1), 1, QColor(0x20, 0x38, 0x20, 60));
    QLinearGradient Fill(0, Bar.top(), 0, Bar.bottom());
    Fill.setColorAt(0, Top);
    Fill.setColorAt(1, Bottom);
    P.fillPath(Shape, Fill);
    P.setPen(QPen(Edge, 1));
    P.setBrush(Qt::NoBrush);
    P.drawPath(Shape);
    // A highlight along the top edge.
    P.setPen(QPen(QColor(255, 255, 255, 120), 1));
    P.drawLine(QPointF(6, 1.5), QPointF(RowW - 7, 1.5));
    return Img;
}

// Any other row: a quiet green bar with an empty ring where a tick would go.
QImage InactiveRow() {
    QImage Img =
        RowBar(QColor(0xE6, 0xF1, 0xE6), QColor(0xCF, 0xE3, 0xCF), QColor(0x9C, 0xB8, 0x9C));
    QPainter P(&Img);
    Art::Prepare(P);
    P.setPen(QPen(QColor(0x8A, 0xA6, 0x8A), 1.4));
    P.setBrush(Qt::white);
    P.drawEllipse(QPointF(15, 15), 6.5, 6.5);
    return Img;
}

// A completed row: a deeper green with a white tick in a green disc.
QImage CompletedRow() {
    QImage Img =
        RowBar(QColor(0xD2, 0xEA, 0xD0), QColor(0xB3, 0xD8, 0xB0), QColor(0x6E, 0xA4, 0x6A));
    QPainter P(&Img);
    Art::Prepare(P);
    P.setPen(Qt::NoPen);
    P.setBrush(QColor(0x2E, 0x8B, 0x3A));
    P.drawEllipse(QPointF(15, 15), 8, 8);
    QPainterPath Tick;
    Tick.moveTo(11, 15.5);
    Tick.lineTo(14, 18.5);
    Tick.lineTo(19.5, 11.5);
    P.setPen(QPen(Qt::white, 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    P.setBrush(Qt::NoBrush);
    P.drawPath(Tick);
    return Img;
}

// The selected row: warm gold with the book's navy pointer.
QImage ActiveRow() {
    QImage Img = RowBar(QColor(0xFB, 0xEE, 0xC4), QColor(0xEE, 0xD0, 0x7A), Gold.darker(115));
    QPainter P(&Img);
    Art::Prepare(P);
    QPainterPath Arrow;
    Arrow.moveTo(9, 8.5);
    Arrow.lineTo(21, 15);
    Arrow.lineTo(9, 21.5);
    Arrow.closeSubpath();
    P.setPen(QPen(Navy.darker(120), 1));
    P.setBrush(Navy);
    P.drawPath(Arrow);
    return Img;
}

// The strip under the word "Exercises": a navy band with a gold rule.
QImage ExercisesStrip() {
    const int W = 265, H = 30;
    QImage Img = Art::NewImage(W, H);
    QPainter P(&Img);
    Art::Prepare(P);
    QPainterPath Band;
    Band.addRoundedRect(QRectF(0.5, 0.5, W - 1, H - 4), 7, 7);
    QLinearGradient Fill(0, 0, 0, H);
    Fill.setColorAt(0, Navy.lighter(135));
    Fill.setColorAt(1, Navy);
    P.fillPath(Band, Fill);
    P.fillRect(QRectF(8, H - 2.5, W - 16, 1.5), Gold);
    return Img;
}

// The tall frame the chapter numerals stand on: navy with a gold inner rule.
QImage NumeralFrame() {
    const int W = 113, H = 313;
    QImage Img = Art::NewImage(W, H);
    QPainter P(&Img);
    Art::Prepare(P);
    QPainterPath Shape;
    Shape.addRoundedRect(QRectF(2.5, 2.5, W - 5, H - 5), 10, 10);
    Art::SoftShadow(P, Shape, QPointF(0, 2), 3, QColor(0x20, 0x20, 0x30, 90));
    QLinearGradient Fill(0, 0, W, H);
    Fill.setColorAt(0, Navy.lighter(140));
    Fill.setColorAt(1, Navy.darker(115));
    P.fillPath(Shape, Fill);
    P.setPen(QPen(Gold, 1.5));
    P.setBrush(Qt::NoBrush);
    P.drawRoundedRect(QRectF(8.5, 8.5, W - 17, H - 17), 6, 6);
    return Img;
}

// One key cap seen from above, with its letter.
void KeyCap(QPainter& P, const QRectF& R, const QString& Letter, bool Home) {
    QPainterPath Cap;
    Cap.addRoundedRect(R, 5, 5);
    Art::SoftShadow(P, Cap, QPointF(0, 2), 2, QColor(0, 0, 0, 90));
    QLinearGradient Fill(0, R.top(), 0, R.bottom());
    Fill.setColorAt(0, Home ? QColor(0xFF, 0xF4, 0xD6) : QColor(0xFA, 0xFB, 0xFD));
    Fill.setColorAt(1, Home ? QColor(0xEA, 0xCF, 0x86) : QColor(0xD5, 0xDB, 0xE6));
    P.fillPath(Cap, Fill);
    P.setPen(QPen(QColor(0x70, 0x78, 0x8A), 1));
    P.drawPath(Cap);
    P.setPen(Navy);
    P.setFont(Art::Sans(17, true));
    P.drawText(R.adjusted(0, -3, 0, -3), Qt::AlignCenter, Letter);
    if (Home) // the small ridge a finger finds without looking
        P.fillRect(QRectF(R.center().x() - 5, R.bottom() - 8, 10, 2), Navy);
}

// The chapter picture of a chapter without one: a home row of keys under a
// mortar board, on a sky that fades into the page.
QImage DefaultChapterPicture() {
    const int W = 185, H = 313;
    QImage Img = Art::NewOpaque(W, H, Qt::white);
    QPainter P(&Img);
    Art::Prepare(P);
    QPainterPath Card;
    Card.addRoundedRect(QRectF(1.5, 1.5, W - 3, H - 3), 12, 12);
    QLinearGradient Sky(0, 0, 0, H);
    Sky.setColorAt(0, QColor(0xDC, 0xE8, 0xF7));
    Sky.setColorAt(0.55, QColor(0xF4, 0xF7, 0xFC));
    Sky.setColorAt(1, QColor(0xE9, 0xE2, 0xCF));
    P.fillPath(Card, Sky);
    QRadialGradient Glow(QPointF(W / 2.0, 92), 80);
    Glow.setColorAt(0, QColor(255, 255, 255, 200));
    Glow.setColorAt(1, QColor(255, 255, 255, 0));
    P.fillPath(Card, Glow);

    P.save();
    P.translate(W / 2.0 - 42, 42);
    Icons::MortarBoard(P, 84, Navy);
    P.restore();

    // Two rows of keys: the home row of each hand, F and J with their ridges.
    const QString Left = QStringLiteral("ASDF"), Right = QStringLiteral("JKL;");
    for (int I = 0; I < 4; ++I) {
        KeyCap(P, QRectF(14 + I * 40, 168, 36, 36), Left.mid(I, 1), I == 3);
        KeyCap(P, QRectF(14 + I * 40, 216, 36, 36), Right.mid(I, 1), I == 0);
    }
    P.setPen(QPen(Gold, 2));
    P.drawLine(QPointF(24, 274), QPointF(W - 24, 274));
    P.setPen(Navy);
    P.setFont(Art::Serif(15, false, true));
    P.drawText(QRectF(0, 280, W, 24), Qt::AlignCenter, QStringLiteral("Fingers home"));
    P.setPen(QPen(QColor(0xB4, 0xBE, 0xCF), 1));
    P.setBrush(Qt::NoBrush);
    P.drawPath(Card);
    return Img;
}

} // namespace

void DrawChapterPictures(TPictureList& Out) {
    Out.push_back({QStringLiteral("RowActive.png"), ActiveRow()});
    Out.push_back({QStringLiteral("RowInactive.png"), InactiveRow()});
    Out.push_back({QStringLiteral("RowCompleted.png"), CompletedRow()});
    Out.push_back({QStringLiteral("ExercisesStrip.png"), ExercisesStrip()});
    Out.push_back({QStringLiteral("NumeralFrame.png"), NumeralFrame()});
    // Chapter pictures lie beside the courses, not among the book's pictures.
    Out.push_back({QStringLiteral("../Ch1.pic"), DefaultChapterPicture()});
}
