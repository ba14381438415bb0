// The menu tabs along the top of the book.
//
// TabRow.png shows every tab in front of the pages (selected); each menu
// picture shows its tab behind the pages (not selected). A menu picture is
// transparent wherever its tab is not, so the tab row underneath shows through
// and the two looks swap without a seam.
#include "forms/art/Pictures.h"

#include <QLinearGradient>
#include <QPainter>

#include <algorithm>

namespace {

constexpr int PaperTop = 54; // the first row of page paper, as in the book canvas

struct TTab {
    QString File;
    QRect Rect;        // in book coordinates
    QStringList Lines; // the caption, one or two lines
    int TextSize;      // pixels
    bool Stacked;      // icon above the caption instead of beside it
    QColor Accent;
    void (*Icon)(QPainter&, double, const QColor&);
};

const TTab Tabs[] = {
    {QStringLiteral("TabGuided.png"),
     {28, 18, 113, 43},
     {QStringLiteral("Guided"), QStringLiteral("Studying")},
     12,
     false,
     QColor(0x2E, 0x6D, 0xB4),
     Icons::MortarBoard},
    {QStringLiteral("TabRevision.png"),
     {141, 18, 114, 43},
     {QStringLiteral("Revision")},
     13,
     false,
     QColor(0x3C, 0x96, 0x4A),
     Icons::Repeat},
    {QStringLiteral("TabStatistics.png"),
     {255, 18, 129, 43},
     {QStringLiteral("Statistics")},
     13,
     false,
     QColor(0xD0, 0x84, 0x1C),
     Icons::Chart},
    {QStringLiteral("TabAbout.png"),
     {415, 28, 47, 28},
     {QStringLiteral("About")},
     10,
     true,
     QColor(0x7A, 0x5B, 0xB5),
     Icons::Info},
    {QStringLiteral("TabOptions.png"),
     {483, 28, 83, 28},
     {QStringLiteral("Options")},
     12,
     false,
     QColor(0x23, 0x8F, 0x92),
     Icons::Gear},
    {QStringLiteral("TabExit.png"),
     {685, 27, 58, 30},
     {QStringLiteral("Exit")},
     12,
     false,
     QColor(0xB8, 0x44, 0x3A),
     Icons::Door},
};

// The outline of a tab: slanted sides, rounded top corners, open at the
// bottom where it runs into (or behind) the pages. Reaches down to Bottom.
QPainterPath TabShape(const QRect& R, double Bottom) {
    const bool Big = R.height() > 35;
    const double Slant = Big ? 5 : 3.5, Radius = Big ? 6 : 4.5;
    const double L = R.left() + 1.5, Rt = R.right() + 1 - 1.5, T = R.top() + 1.5;
    QPainterPath P;
    P.moveTo(L, Bottom);
    P.lineTo(L + Slant - 1, T + Radius);
    P.quadTo(L + Slant, T, L + Slant + Radius, T);
    P.lineTo(Rt - Slant - Radius, T);
    P.quadTo(Rt - Slant, T, Rt - Slant + 1, T + Radius);
    P.lineTo(Rt, Bottom);
    P.closeSubpath();
    return P;
}

// The icon and caption of a tab, centred in its visible part.
void DrawLabel(QPainter& P, const TTab& Tab, bool Selected) {
    const QRectF Body(Tab.Rect.left(), Tab.Rect.top() + (Selected ? 3 : 2), Tab.Rect.width(),
                      PaperTop - Tab.Rect.top() - (Selected ? 3 : 2));
    const QColor Ink = Selected ? QColor(0x14, 0x1E, 0x36) : QColor(0x3A, 0x36, 0x30);
    const QColor IconInk =
        Selected ? Tab.Accent : Art::Mix(Tab.Accent, QColor(0x55, 0x50, 0x48), 0.3);
    const QFont Font = Art::Sans(Tab.TextSize, true);
    const QFontMetricsF M(Font);
    double TextW = 0;
    for (const QString& Line : Tab.Lines)
        TextW = std::max(TextW, M.horizontalAdvance(Line));
    const double LineH = M.height() - (Tab.Lines.size() > 1 ? 1 : 0);
    const double TextH = LineH * Tab.Lines.size();

    P.setFont(Font);
    if (Tab.Stacked) {
        const double Icon = 10;
        const double Top = Body.top() + (Body.height() - Icon - TextH) / 2;
        P.save();
        P.translate(Body.center().x() - Icon / 2, Top);
        Tab.Icon(P, Icon, IconInk);
        P.restore();
        Art::EmbossedText(P, QRectF(Body.left(), Top + Icon, Body.width(), TextH),
                          Qt::AlignHCenter | Qt::AlignTop, Tab.Lines.first(), Ink,
                          QColor(255, 255, 255, 150), {0, 1});
        return;
    }
    const double Icon = Tab.Rect.height() > 35 ? 18 : 13, Gap = Tab.Rect.height() > 35 ? 6 : 4;
    const double Left = Body.left() + (Body.width() - Icon - Gap - TextW) / 2;
    P.save();
    P.translate(Left, Body.center().y() - Icon / 2);
    Tab.Icon(P, Icon, IconInk);
    P.restore();
    const double Top = Body.center().y() - TextH / 2;
    for (int I = 0; I < Tab.Lines.size(); ++I)
        Art::EmbossedText(P, QRectF(Left + Icon + Gap, Top + I * LineH, TextW + 2, LineH),
                          Qt::AlignLeft | Qt::AlignVCenter, Tab.Lines[I], Ink,
                          QColor(255, 255, 255, 150), {0, 1});
}

const QColor Outline(0x8A, 0x80, 0x6C);

// The tab in front: white like the page, its colour in a band along the top.
void DrawSelected(QPainter& P, const TTab& Tab, const QImage& Canvas) {
    const QPainterPath Shape = TabShape(Tab.Rect, PaperTop + 1);
    QLinearGradient Fill(0, Tab.Rect.top(), 0, PaperTop);
    Fill.setColorAt(0, QColor(0xFA, 0xFB, 0xFD));
    Fill.setColorAt(0.35, Qt::white);
    P.fillPath(Shape, Fill);
    P.save();
    P.setClipPath(Shape);
    P.fillRect(QRectF(Tab.Rect.left(), Tab.Rect.top(), Tab.Rect.width(), 4.5), Tab.Accent);
    P.fillRect(QRectF(Tab.Rect.left(), Tab.Rect.top() + 4.5, Tab.Rect.width(), 1),
               Art::WithAlpha(Tab.Accent, 90));
    P.restore();
    P.strokePath(Shape, QPen(Outline, 1));
    // Open into the page: paper runs up into the tab (the page edge stops here).
    const QRectF Bottom(Tab.Rect.left() + 2.5, PaperTop - 1, Tab.Rect.width() - 5, 3);
    P.drawImage(Bottom.topLeft(), Canvas,
                Art::Pixels(Canvas, QRectF(Bottom.left(), PaperTop + 2, Bottom.width(), 3)));
    DrawLabel(P, Tab, true);
}

// The tab behind: tinted with its colour, cut off by the page edge.
void DrawUnselected(QPainter& P, const TTab& Tab) {
    const QPainterPath Shape = TabShape(Tab.Rect, PaperTop + 1);
    QLinearGradient Fill(0, Tab.Rect.top(), 0, PaperTop);
    Fill.setColorAt(0, Art::Mix(Tab.Accent, QColor(0xF4, 0xF0, 0xE6), 0.80));
    Fill.setColorAt(1, Art::Mix(Tab.Accent, QColor(0xDD, 0xD5, 0xC4), 0.74));
    P.fillPath(Shape, Fill);
    P.save();
    P.setClipPath(Shape);
    P.setPen(QPen(QColor(255, 255, 255, 150), 1));
    P.drawPath(TabShape(Tab.Rect.adjusted(1, 1, -1, 0), PaperTop + 1));
    // The page in front throws a little shade onto the tab.
    QLinearGradient Shade(0, PaperTop - 5, 0, PaperTop);
    Shade.setColorAt(0, QColor(0x40, 0x34, 0x20, 0));
    Shade.setColorAt(1, QColor(0x40, 0x34, 0x20, 60));
    P.fillRect(QRectF(Tab.Rect.left(), PaperTop - 5, Tab.Rect.width(), 5), Shade);
    P.restore();
    P.strokePath(Shape, QPen(Outline, 1));
    DrawLabel(P, Tab, false);
}

} // namespace

void DrawTabPictures(TPictureList& Out) {
    const QImage Canvas = BookCanvas();
    QImage Row =
        Art::Cut(Canvas, QRect(0, 0, int(Canvas.deviceIndependentSize().width()), TabRowHeight));
    {
        QPainter P(&Row);
        Art::Prepare(P);
        // Every tab throws a soft shadow onto the desk and the cover, not onto the paper.
        P.save();
        P.setClipRect(QRectF(QPointF(0, 0), QSizeF(Row.deviceIndependentSize().width(), PaperTop)));
        for (const TTab& Tab : Tabs)
            Art::SoftShadow(P, TabShape(Tab.Rect, PaperTop + 2), QPointF(1, 1), 2,
                            QColor(0, 0, 0, 80));
        P.restore();
        for (const TTab& Tab : Tabs)
            DrawSelected(P, Tab, Canvas);
    }
    Out.push_back({QStringLiteral("TabRow.png"), Row});

    for (const TTab& Tab : Tabs) {
        // The page edge and paper below it, in front of the tab.
        QImage Img = Art::NewImage(Tab.Rect.width(), Tab.Rect.height());
        QPainter P(&Img);
        Art::Prepare(P);
        P.translate(-Tab.Rect.topLeft());
        DrawUnselected(P, Tab);
        const QRect Paper(Tab.Rect.left(), PaperTop, Tab.Rect.width(),
                          Tab.Rect.bottom() + 1 - PaperTop);
        P.setCompositionMode(QPainter::CompositionMode_Source);
        P.drawImage(Paper.topLeft(), Canvas, Art::Pixels(Canvas, Paper));
        P.end();
        Out.push_back({Tab.File, Img});
    }
}
