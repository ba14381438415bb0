// The generated pictures: content, and the seams between pictures that the
// book window lays side by side or on top of each other, where the window
// lays them. (That each is the size of its control the book window's own
// test checks.)
#include "platform/Application.h"
#include "platform/Controls.h"
#include "platform/Dialogs.h"
#include "platform/PictureDensity.h"
#include "shell/TBookForm.h"
#include "tests/support/TSeamGuard.h"

#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QSet>
#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>

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

const char* const Names[] = {
    "Desk.png",        "Desk16.png",        "BookPages.png", "TabRow.png",     "TabGuided.png",
    "TabRevision.png", "TabStatistics.png", "TabAbout.png",  "TabOptions.png", "TabExit.png",
    "Fold.png",        "TitleStrip.png",    "Console1.png",  "Console2.png",   "BtnBegin.png",
    "BtnNext.png",     "BtnBack.png",       "BtnSkipF.png",  "BtnCancel.png",  "BtnSkipB.png",
    "LinkWww.png",     "LinkEmail.png",     "Cover.png",     "Clavora.png",
};

// The book window, for where it lays its pictures.
class BookPictures : public ::testing::Test {
protected:
    void SetUp() override {
        Application::SetProgramDirectory(std::getenv("CLAVORA_APP_DIR"));
        SetDialogResponder([](const TDialogRequest&) { return int(mrOk); });
        Book = std::make_unique<TBookForm>();
    }
    void TearDown() override { Book.reset(); }
    // Where Part lies on the picture of Picture, in the picture's units.
    QRect Under(const QWidget* Part, const TImage* Picture) const {
        const QPoint Origin = Picture->mapTo(Book.get(), QPoint(0, 0));
        return QRect(Part->mapTo(Book.get(), QPoint(0, 0)) - Origin, Part->size());
    }
    static QImage Of(const TImage* Picture) {
        return Load(QString::fromStdString(Picture->PictureName()));
    }

    TSeamGuard Seams;
    std::unique_ptr<TBookForm> Book;
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

TEST(Pictures, EveryPictureHasItsDensityAndContent) {
    for (const char* Name : Names) {
        SCOPED_TRACE(Name);
        const QImage Img = Load(QLatin1String(Name));
        ASSERT_FALSE(Img.isNull());
        // Drawn with two pixels a unit, except the desk, which is stretched
        // over the window anyway.
        const bool Desk = QLatin1String(Name).startsWith(QLatin1String("Desk"));
        EXPECT_EQ(Img.devicePixelRatio(), Desk ? 1 : 2);
        EXPECT_GE(DistinctColours(Img), 3) << "looks blank";
    }
}

TEST(Pictures, FolderStaysSmall) {
    qint64 Total = 0;
    for (const char* Name : Names)
        Total += QFileInfo(PicturesDir() + QLatin1Char('/') + QLatin1String(Name)).size();
    EXPECT_LT(Total, 700 * 1024);
    EXPECT_LT(QFileInfo(PicturesDir() + QStringLiteral("/Desk.png")).size(), 250 * 1024);
}

TEST_F(BookPictures, BackgroundsAndCoverAreOpaque) {
    for (const char* Name : {"Desk.png", "Desk16.png"}) {
        const QImage Img = Load(QLatin1String(Name));
        EXPECT_TRUE(OpaqueIn(Img, Img.rect())) << Name;
    }
    // The cover fills its panel.
    const QImage Cover = Of(Book->Image3);
    EXPECT_TRUE(OpaqueIn(Cover, Px(Cover, Under(Book->BookCover, Book->Image3))));
    const QImage Icon = Load(QStringLiteral("Clavora.png"));
    EXPECT_EQ(Icon.width(), Icon.height()) << "the program's icon is square";
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
TEST_F(BookPictures, PaperAroundThePagePanelsIsWhite) {
    const QImage Pages = Of(Book->Image4);
    for (const QWidget* Page : {Book->LeftPage, Book->RightPage}) {
        const QRect Panel = Px(Pages, Under(Page, Book->Image4));
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
TEST_F(BookPictures, TheFoldShadesTheMiddleOfThePagesOnly) {
    const QImage Pages = Of(Book->Image4), Fold = Of(Book->PageSeparator);
    const QRect FoldRect = Under(Book->PageSeparator, Book->Image4);
    const QImage Paper = Pages.copy(Px(Pages, FoldRect));
    ASSERT_EQ(Fold.size(), Paper.size());
    for (int Y = 0; Y < Fold.height(); ++Y)
        for (int X : {0, Fold.width() - 1})
            ASSERT_LE(std::abs(qGray(Fold.pixel(X, Y)) - qGray(Paper.pixel(X, Y))), 2)
                << "at " << X << "," << Y;
    const QPoint Middle(Fold.width() / 2, Fold.height() / 2);
    EXPECT_LT(qGray(Fold.pixel(Middle)) + 40, qGray(Paper.pixel(Middle)));
    // Flat pages: no darker column in the middle of the sheet than in the
    // middle of a page.
    const QPoint Sheet = Px(Pages, QRect(FoldRect.center(), QSize(1, 1))).topLeft();
    const QPoint Page =
        Px(Pages, QRect(Under(Book->LeftPage, Book->Image4).center(), QSize(1, 1))).topLeft();
    EXPECT_NEAR(qGray(Pages.pixel(Sheet.x(), Page.y())), qGray(Pages.pixel(Page)), 6);
}

// The last row of the tab row runs on into the first row of the pages.
TEST_F(BookPictures, TabRowJoinsThePages) {
    const QImage Row = Of(Book->TabRowPic), Pages = Of(Book->Image4);
    ASSERT_EQ(Under(Book->Image4, Book->TabRowPic).top(), Book->TabRowPic->height());
    int Worst = 0;
    // The last row of the tab row, as far as the book shows it.
    const QRect Seam = Px(Row, QRect(0, Book->TabRowPic->height() - 1, Book->Book->width(), 1));
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
TEST_F(BookPictures, MenuPicturesSwapWithoutSeam) {
    const QImage Row = Of(Book->TabRowPic);
    for (const TImage* Tab : {Book->MenuGuided, Book->MenuRevision, Book->MenuInfo, Book->MenuLogo,
                              Book->MenuOptions, Book->MenuExit}) {
        SCOPED_TRACE(Tab->PictureName());
        const QImage Menu = Of(Tab);
        const QRect Rect = Under(Tab, Book->TabRowPic);
        ASSERT_EQ(Menu.size(), Px(Menu, Rect).size());
        QImage Shown = Row.copy(Px(Row, Rect));
        {
            QPainter P(&Shown);
            P.drawImage(0, 0, Menu);
        }
        const QImage Selected = Row.copy(Px(Row, Rect));
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
