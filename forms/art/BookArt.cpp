// The open book: cover boards, the page block, the fold, and the title strip.
//
// The tab row and the pages are drawn as one canvas so that the page edge,
// the gutter and the cover run on without a seam from one picture to the next.
#include "forms/art/Pictures.h"

#include <QLinearGradient>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace {

// Geometry of the canvas (777 x 529, tab row included): the book panel's size.
constexpr int CanvasW = 777, CanvasH = 529;
constexpr double Spine = 387.5;     // centre of the fold
constexpr double PaperTop = 54;     // first row of page paper
constexpr double PaperBottom = 508; // below the last row of the top sheet
constexpr double LeftPaper = 14, RightPaper = 757;
constexpr int Sheets = 4; // sheets showing at the edges of the block
constexpr double SheetStep = 1.75;
// The fold picture: 35 x 442 at 370, TabRowHeight on the book.
constexpr int FoldTop = 61, FoldHeight = 442;
const QRectF CoverRect(3, 49, 766, 470); // the boards, both halves

const QColor Cloth(0x1D, 0x31, 0x5E);
const QColor ClothDark(0x10, 0x1C, 0x38);
const QColor ClothLight(0x3A, 0x55, 0x8E);
const QColor SheetEdge(0xB9, 0xB0, 0x9C);

QPainterPath RoundedRect(const QRectF& R, double Radius) {
    QPainterPath Path;
    Path.addRoundedRect(R, Radius, Radius);
    return Path;
}

void DrawCover(QPainter& P) {
    const QPainterPath Boards = RoundedRect(CoverRect, 5);
    Art::SoftShadow(P, Boards, QPointF(1.5, 2.5), 3, QColor(0, 0, 0, 120));
    Art::SoftShadow(P, Boards, QPointF(0.5, 1), 1, QColor(0, 0, 0, 90));

    QLinearGradient Fill(CoverRect.topLeft(), CoverRect.bottomRight());
    Fill.setColorAt(0, Art::Mix(Cloth, ClothLight, 0.25));
    Fill.setColorAt(1, Art::Mix(Cloth, ClothDark, 0.3));
    P.fillPath(Boards, Fill);

    // The spine between the boards sinks a little.
    QLinearGradient Hollow(Spine - 12, 0, Spine + 12, 0);
    Hollow.setColorAt(0, Art::WithAlpha(ClothDark, 0));
    Hollow.setColorAt(0.5, Art::WithAlpha(ClothDark, 200));
    Hollow.setColorAt(1, Art::WithAlpha(ClothDark, 0));
    P.fillRect(QRectF(Spine - 12, CoverRect.top(), 24, CoverRect.height()), Hollow);

    // Bevelled board edges: light along the top, dark along the bottom.
    P.setBrush(Qt::NoBrush);
    P.setPen(QPen(Art::WithAlpha(ClothLight, 210), 1));
    P.drawLine(QPointF(CoverRect.left() + 5, CoverRect.top() + 0.5),
               QPointF(CoverRect.right() - 5, CoverRect.top() + 0.5));
    P.setPen(QPen(QColor(0x0A, 0x12, 0x26), 1));
    P.drawPath(RoundedRect(CoverRect.adjusted(0.5, 0.5, -0.5, -0.5), 4.5));
}

// One sheet across both pages: the fold is the fold picture's to draw, and a
// wide page shows none.
QPainterPath Spread(double Out, double Down) {
    QPainterPath Path;
    Path.addRoundedRect(QRectF(LeftPaper - Out, PaperTop + Down * 0.25,
                               RightPaper - LeftPaper + 2 * Out,
                               PaperBottom - PaperTop + Down * 0.75),
                        3, 3);
    return Path;
}

void DrawPageBlock(QPainter& P) {
    // The sheets beneath the top one show as thin edges, outward and down.
    for (int K = Sheets; K >= 1; --K) {
        const double D = K * SheetStep;
        const QColor Paper =
            Art::Mix(QColor(0xF6, 0xF2, 0xE8), QColor(0xE4, 0xDC, 0xCA), double(K) / Sheets);
        const QPainterPath S = Spread(D, D);
        P.fillPath(S, Paper);
        P.strokePath(S, QPen(Art::WithAlpha(SheetEdge, 150), 0.6));
    }
    const QPainterPath S = Spread(0, 0);
    P.fillPath(S, Qt::white);
    P.strokePath(S, QPen(Art::WithAlpha(SheetEdge, 220), 0.8));
}

// Soft shading at the outer margins of the top sheet, outside the printed area.
void DrawPaperShading(QPainter& P) {
    const QColor Warm(0xE9, 0xE1, 0xCF);
    auto Fade = [&](const QRectF& R, QPointF From, QPointF To, int Alpha) {
        QLinearGradient G(From, To);
        G.setColorAt(0, Art::WithAlpha(Warm, Alpha));
        G.setColorAt(1, Art::WithAlpha(Warm, 0));
        P.fillRect(R, G);
    };
    const double H = PaperBottom - PaperTop;
    Fade(QRectF(LeftPaper, PaperTop, 13, H), {LeftPaper, 0}, {LeftPaper + 13, 0}, 150);
    Fade(QRectF(RightPaper - 13, PaperTop, 13, H), {RightPaper, 0}, {RightPaper - 13, 0}, 150);
    Fade(QRectF(LeftPaper, PaperBottom - 6, RightPaper - LeftPaper, 6), {0, PaperBottom},
         {0, PaperBottom - 6}, 110);
    Fade(QRectF(LeftPaper, PaperTop, RightPaper - LeftPaper, 4), {0, PaperTop}, {0, PaperTop + 4},
         90);
}

// The gutter: the pages curve down into the fold and darken there. It is
// drawn only on the fold picture, which the book shows between two pages; a
// wide page lies on flat paper. It fades in and out within the fold's rows.
void DrawGutter(QImage& Img) {
    const QColor Shade(0x6E, 0x66, 0x58);
    const int Top = FoldTop, Bottom = FoldTop + FoldHeight;
    // Pixel by pixel; distances are in the picture's units.
    const int Dn = int(Img.devicePixelRatio());
    for (int PX = 367 * Dn; PX < 405 * Dn; ++PX) {
        const double D = std::abs((PX + 0.5) / Dn - Spine); // distance from the fold
        double S = 0.36 * std::exp(-(D / 7.5) * (D / 7.5)) + 0.08 * std::exp(-(D / 16) * (D / 16));
        S *= std::clamp((18.5 - D) / 4, 0.0, 1.0); // pure white where the pages begin
        if (D < 1.0) S += 0.16;                    // the crease itself
        if (S <= 0) continue;
        for (int PY = Top * Dn; PY < Bottom * Dn && PY < Img.height(); ++PY) {
            QRgb* Px = reinterpret_cast<QRgb*>(Img.scanLine(PY)) + PX;
            if (qAlpha(*Px) < 255) continue;
            const QColor Under = QColor::fromRgb(*Px);
            // The crease fades in below the tab row and out above the page's foot.
            const double Y = double(PY) / Dn;
            const double Edge =
                std::clamp((Y - Top) / 8.0, 0.0, 1.0) * std::clamp((Bottom - Y) / 8.0, 0.0, 1.0);
            *Px = Art::Mix(Under, Shade, S * Edge).rgb();
        }
    }
}

} // namespace

QImage BookCanvas() {
    static const QImage Canvas = [] {
        // The boards first, on their own, so that only the cloth gets its weave.
        QImage Img = Art::NewImage(CanvasW, CanvasH);
        {
            QPainter P(&Img);
            Art::Prepare(P);
            DrawCover(P);
        }
        Art::AddGrain(Img, Img.rect(), 3, 97, 2);
        QPainter P(&Img);
        Art::Prepare(P);
        DrawPageBlock(P);
        DrawPaperShading(P);
        P.end();
        return Img;
    }();
    return Canvas;
}

namespace {

// The title strip: a pale banner with a bookmark ribbon at its left end.
QImage TitleStrip() {
    const int W = 342, H = 56;
    QImage Img = Art::NewOpaque(W, H, Qt::white);
    QPainter P(&Img);
    Art::Prepare(P);

    // Banner behind the title (the picture shows from x 10, y 3 on).
    const QRectF Banner(10, 8, 326, 41);
    QLinearGradient Tint(Banner.topLeft(), Banner.topRight());
    Tint.setColorAt(0, QColor(0xE4, 0xEA, 0xF5));
    Tint.setColorAt(0.6, QColor(0xEE, 0xF2, 0xF9));
    Tint.setColorAt(1, QColor(0xFF, 0xFF, 0xFF));
    P.fillRect(Banner, Tint);
    QLinearGradient Sheen(0, Banner.top(), 0, Banner.bottom());
    Sheen.setColorAt(0, QColor(255, 255, 255, 150));
    Sheen.setColorAt(0.45, QColor(255, 255, 255, 0));
    Sheen.setColorAt(1, QColor(0x1D, 0x31, 0x5E, 18));
    P.fillRect(Banner, Sheen);

    // Rules under the banner, fading to the right.
    auto Rule = [&](double Y, double Thick, const QColor& C) {
        QLinearGradient G(10, 0, 330, 0);
        G.setColorAt(0, C);
        G.setColorAt(0.7, Art::WithAlpha(C, C.alpha() * 2 / 3));
        G.setColorAt(1, Art::WithAlpha(C, 0));
        P.fillRect(QRectF(10, Y, 320, Thick), G);
    };
    Rule(Banner.bottom(), 2, QColor(0x1D, 0x31, 0x5E));
    Rule(Banner.bottom() + 3, 1, QColor(0xC0, 0x98, 0x3C));

    // Bookmark ribbon down the left edge, ending in a swallowtail.
    QPainterPath Ribbon;
    Ribbon.moveTo(11, 0);
    Ribbon.lineTo(21, 0);
    Ribbon.lineTo(21, 53);
    Ribbon.lineTo(16, 48.5);
    Ribbon.lineTo(11, 53);
    Ribbon.closeSubpath();
    Art::SoftShadow(P, Ribbon, QPointF(1, 1), 1, QColor(0, 0, 0, 60));
    QLinearGradient Silk(11, 0, 21, 0);
    Silk.setColorAt(0, QColor(0x86, 0x14, 0x18));
    Silk.setColorAt(0.4, QColor(0xC4, 0x36, 0x36));
    Silk.setColorAt(0.6, QColor(0xB0, 0x28, 0x2A));
    Silk.setColorAt(1, QColor(0x74, 0x10, 0x14));
    P.fillPath(Ribbon, Silk);
    return Img;
}

} // namespace

void DrawBookPictures(TPictureList& Out) {
    const QImage Canvas = BookCanvas();
    Out.push_back({QStringLiteral("BookPages.png"),
                   Art::Cut(Canvas, QRect(0, TabRowHeight, CanvasW, CanvasH - TabRowHeight))});
    QImage Folded = Canvas;
    DrawGutter(Folded);
    Out.push_back(
        {QStringLiteral("Fold.png"), Art::Cut(Folded, QRect(370, FoldTop, 35, FoldHeight))});
    Out.push_back({QStringLiteral("TitleStrip.png"), TitleStrip()});
}
