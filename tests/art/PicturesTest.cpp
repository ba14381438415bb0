// The generated pictures: sizes, content, and the seams between pictures that
// the book window lays side by side or on top of each other.
#include "platform/PictureDensity.h"
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QSet>
#include <gtest/gtest.h>

#include <cstdlib>

namespace {

QString PicturesDir() {
    const char* App = std::getenv("CLAVORA_APP_DIR");
    return QString::fromLocal8Bit(App ? App : ".") + QStringLiteral("/Pictures");
}

// A picture with the density its file names (see PictureDensity.h).
QImage Load(const QString& Name) {
    QImage Img(PicturesDir() + QLatin1Char('/') + Name);
    ApplyPictureDensity(Img);
    return Img.convertToFormat(QImage::Format_ARGB32);
}

// A rectangle in a picture's units, in its pixels.
QRect Px(const QImage& Img, const QRect& Units) {
    const int D = int(Img.devicePixelRatio());
    return QRect(Units.topLeft() * D, Units.size() * D);
}

struct TExpected {
    const char* Name;
    int W, H;
};

const TExpected Expected[] = {
    {"Desk.png", 1024, 768},        {"Desk16.png", 804, 556},   {"BookPages.png", 779, 469},
    {"TabRow.png", 779, 61},        {"TabGuided.png", 113, 43}, {"TabRevision.png", 114, 43},
    {"TabStatistics.png", 129, 43}, {"TabAbout.png", 47, 28},   {"TabOptions.png", 83, 28},
    {"TabExit.png", 58, 30},        {"Fold.png", 35, 442},      {"TitleStrip.png", 342, 56},
    {"Console1.png", 193, 80},      {"Console2.png", 193, 80},  {"BtnBegin.png", 51, 63},
    {"BtnNext.png", 49, 63},        {"BtnBack.png", 50, 63},    {"BtnSkipF.png", 51, 63},
    {"BtnCancel.png", 66, 63},      {"BtnSkipB.png", 50, 63},   {"LinkWww.png", 177, 23},
    {"LinkEmail.png", 140, 21},     {"Cover.png", 369, 511},    {"Clavora.png", 64, 64},
};

// Tab pictures and where they lie on the tab row.
const struct {
    const char* Name;
    QRect Rect;
} Tabs[] = {
    {"TabGuided.png", {28, 18, 113, 43}},      {"TabRevision.png", {141, 18, 114, 43}},
    {"TabStatistics.png", {255, 18, 129, 43}}, {"TabAbout.png", {415, 28, 47, 28}},
    {"TabOptions.png", {483, 28, 83, 28}},     {"TabExit.png", {685, 27, 58, 30}},
};

int DistinctColours(const QImage& Img) {
    QSet<QRgb> Seen;
    for (int Y = 0; Y < Img.height(); Y += 2)
        for (int X = 0; X < Img.width(); X += 2)
            Seen.insert(Img.pixel(X, Y));
    return int(Seen.size());
}

bool OpaqueIn(const QImage& Img, const QRect& R) {
    for (int Y = R.top(); Y <= R.bottom(); ++Y)
        for (int X = R.left(); X <= R.right(); ++X)
            if (qAlpha(Img.pixel(X, Y)) != 255) return false;
    return true;
}

TEST(Pictures, EveryPictureHasItsSizeAndContent) {
    for (const TExpected& E : Expected) {
        SCOPED_TRACE(E.Name);
        const QImage Img = Load(QLatin1String(E.Name));
        ASSERT_FALSE(Img.isNull());
        EXPECT_EQ(Img.deviceIndependentSize().toSize(), QSize(E.W, E.H));
        // Drawn with two pixels a unit, except the desk, which is stretched
        // over the window anyway.
        const bool Desk = QLatin1String(E.Name).startsWith(QLatin1String("Desk"));
        EXPECT_EQ(Img.devicePixelRatio(), Desk ? 1 : 2);
        EXPECT_GE(DistinctColours(Img), 3) << "looks blank";
    }
}

TEST(Pictures, FolderStaysSmall) {
    qint64 Total = 0;
    for (const TExpected& E : Expected)
        Total += QFileInfo(PicturesDir() + QLatin1Char('/') + QLatin1String(E.Name)).size();
    EXPECT_LT(Total, 700 * 1024);
    EXPECT_LT(QFileInfo(PicturesDir() + QStringLiteral("/Desk.png")).size(), 250 * 1024);
}

TEST(Pictures, BackgroundsAndCoverAreOpaque) {
    for (const char* Name : {"Desk.png", "Desk16.png"}) {
        const QImage Img = Load(QLatin1String(Name));
        EXPECT_TRUE(OpaqueIn(Img, Img.rect())) << Name;
    }
    // The cover fills its panel (356 x 499, the picture lying at -1,-3).
    const QImage Cover = Load(QStringLiteral("Cover.png"));
    EXPECT_TRUE(OpaqueIn(Cover, Px(Cover, QRect(1, 3, 356, 499))));
}

// Buttons and the console tray under them sit on pages and on the exercise
// console alike: nothing of their own round their shapes.
TEST(Pictures, ButtonsAndConsolesHaveTransparentCorners) {
    for (const char* Name : {"BtnBegin.png", "BtnNext.png", "BtnBack.png", "BtnSkipF.png",
                             "BtnCancel.png", "BtnSkipB.png", "Console1.png", "Console2.png"}) {
        const QImage Img = Load(QLatin1String(Name));
        const int R = Img.width() - 1, B = Img.height() - 1;
        for (QPoint P : {QPoint(0, 0), QPoint(R, 0), QPoint(0, B), QPoint(R, B)})
            EXPECT_EQ(qAlpha(Img.pixel(P)), 0) << Name << " at " << P.x() << "," << P.y();
    }
}

// The white page panels lie over the pages: the paper round them must be white
// too, or their edges show.
TEST(Pictures, PaperAroundThePagePanelsIsWhite) {
    const QImage Pages = Load(QStringLiteral("BookPages.png"));
    for (const QRect& Units : {QRect(28, 13, 338, 428), QRect(405, 13, 338, 428)}) {
        const QRect Panel = Px(Pages, Units);
        const QRect Ring = Panel.adjusted(-1, -1, 1, 1);
        for (int X = Ring.left(); X <= Ring.right(); ++X)
            for (int Y = Ring.top(); Y <= Ring.bottom(); ++Y) {
                if (Panel.contains(X, Y)) continue;
                const QRgb C = Pages.pixel(X, Y);
                ASSERT_TRUE(qAlpha(C) == 255 && qRed(C) >= 238 && qGreen(C) >= 238 &&
                            qBlue(C) >= 232)
                    << "at " << X << "," << Y << ": " << std::hex << C;
            }
    }
}

// The pages are flat, so that a wide page has no fold round it; the fold
// picture shades their middle and meets them without a seam at its sides.
TEST(Pictures, TheFoldShadesTheMiddleOfThePagesOnly) {
    const QImage Pages = Load(QStringLiteral("BookPages.png")), Fold = Load(QStringLiteral("Fold.png"));
    const QImage Under = Pages.copy(Px(Pages, QRect(370, 0, 35, 442)));
    ASSERT_EQ(Fold.size(), Under.size());
    for (int Y = 0; Y < Fold.height(); ++Y)
        for (int X : {0, Fold.width() - 1})
            ASSERT_LE(std::abs(qGray(Fold.pixel(X, Y)) - qGray(Under.pixel(X, Y))), 2)
                << "at " << X << "," << Y;
    const QPoint Middle(Fold.width() / 2, Fold.height() / 2);
    EXPECT_LT(qGray(Fold.pixel(Middle)) + 40, qGray(Under.pixel(Middle)));
    // Flat pages: no darker column in the middle of the sheet.
    const int Y = Px(Pages, QRect(0, 200, 1, 1)).top();
    EXPECT_NEAR(qGray(Pages.pixel(Px(Pages, QRect(387, 0, 1, 1)).left(), Y)),
                qGray(Pages.pixel(Px(Pages, QRect(200, 0, 1, 1)).left(), Y)), 6);
}

// The last row of the tab row runs on into the first row of the pages.
TEST(Pictures, TabRowJoinsThePages) {
    const QImage Row = Load(QStringLiteral("TabRow.png")), Pages = Load(QStringLiteral("BookPages.png"));
    int Worst = 0;
    const QRect Seam = Px(Row, QRect(0, 60, 777, 1));
    for (int X = 0; X <= Seam.right(); ++X) {
        const QRgb A = Row.pixel(X, Seam.bottom()), B = Pages.pixel(X, 0);
        Worst = std::max({Worst, std::abs(qAlpha(A) - qAlpha(B)), std::abs(qRed(A) - qRed(B)),
                          std::abs(qGreen(A) - qGreen(B)), std::abs(qBlue(A) - qBlue(B))});
    }
    EXPECT_LE(Worst, 12);
}

// A menu picture lies on the tab row; hiding it shows the tab row's selected
// tab. Along the picture's edges nothing may change, so the swap has no seam,
// while the tab itself must look different.
TEST(Pictures, MenuPicturesSwapWithoutSeam) {
    const QImage Row = Load(QStringLiteral("TabRow.png"));
    for (const auto& Tab : Tabs) {
        SCOPED_TRACE(Tab.Name);
        const QImage Menu = Load(QLatin1String(Tab.Name));
        ASSERT_EQ(Menu.size(), Px(Menu, Tab.Rect).size());
        QImage Shown = Row.copy(Px(Row, Tab.Rect));
        {
            QPainter P(&Shown);
            P.drawImage(0, 0, Menu);
        }
        const QImage Selected = Row.copy(Px(Row, Tab.Rect));
        const int W = Shown.width(), H = Shown.height();
        for (int Y = 0; Y < H; ++Y)
            for (int X : {0, W - 1})
                ASSERT_EQ(Shown.pixel(X, Y), Selected.pixel(X, Y)) << "at " << X << "," << Y;
        for (int X = 0; X < W; ++X)
            ASSERT_EQ(Shown.pixel(X, 0), Selected.pixel(X, 0)) << "at " << X << ",0";
        int Changed = 0;
        for (int Y = 0; Y < H; ++Y)
            for (int X = 0; X < W; ++X)
                Changed += Shown.pixel(X, Y) != Selected.pixel(X, Y);
        EXPECT_GT(Changed, W * H / 3);
    }
}

} // namespace
