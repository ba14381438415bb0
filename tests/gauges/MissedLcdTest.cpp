#include "engine/ui/TMissedLcd.h"

#include "tests/support/TDriver.h"
#include "tests/support/TPaintSpy.h"

#include <QImage>

#include <gtest/gtest.h>

namespace {

TEST(LampRow, LaysLampsSideBySide) {
    struct TCase {
        const char* Name;
        int Count, Lit;
        QSize Off, On;
        std::vector<int> X;
        std::vector<bool> IsOn;
        QSize Size;
    };
    const QSize Ten(10, 10);
    const TCase Cases[] = {
        {"two of six lit",
         6,
         2,
         Ten,
         Ten,
         {0, 10, 20, 30, 40, 50},
         {true, true, false, false, false, false},
         QSize(60, 10)},
        {"none lit", 3, 0, Ten, Ten, {0, 10, 20}, {false, false, false}, QSize(30, 10)},
        {"more lit than lamps", 3, 7, Ten, Ten, {0, 10, 20}, {true, true, true}, QSize(30, 10)},
        {"negative lit", 2, -1, Ten, Ten, {0, 10}, {false, false}, QSize(20, 10)},
        {"no lamps", -4, 1, Ten, Ten, {}, {}, QSize(0, 10)},
        {"pictures of two sizes",
         3,
         1,
         QSize(8, 8),
         QSize(12, 10),
         {0, 12, 20},
         {true, false, false},
         QSize(28, 10)},
        {"missing dark picture takes no room",
         3,
         1,
         QSize(0, 0),
         Ten,
         {0, 10, 10},
         {true, false, false},
         QSize(10, 10)},
    };
    for (const TCase& C : Cases) {
        const TLampRow Row = LayLamps(C.Count, C.Lit, C.Off, C.On);
        ASSERT_EQ(Row.Lamps.size(), C.X.size()) << C.Name;
        for (size_t I = 0; I < C.X.size(); ++I) {
            EXPECT_EQ(Row.Lamps[I].Box.left(), C.X[I]) << C.Name << " lamp " << I;
            EXPECT_EQ(Row.Lamps[I].On, C.IsOn[I]) << C.Name << " lamp " << I;
        }
        EXPECT_EQ(Row.Size, C.Size) << C.Name;
    }
}

TEST(MissedLcd, ShowsLitAndDarkLampsAndTakesTheRowsSize) {
    QWidget Parent;
    auto* Lcd = new TMissedLcd(&Parent);
    EXPECT_EQ(Lcd->size(), QSize(50, 10));
    const QPixmap Off = TMissedLcd::DrawnLamp(false);
    const QPixmap On = TMissedLcd::DrawnLamp(true);
    Lcd->SetPictures(Off, On);
    Lcd->SetCount(6);
    Lcd->SetLit(2);
    EXPECT_EQ(Lcd->size(), QSize(60, 10));

    const QImage Shown = Lcd->grab().toImage();
    const QRgb OnCentre = On.toImage().pixel(5, 5);
    const QRgb OffCentre = Off.toImage().pixel(5, 5);
    ASSERT_NE(OnCentre, OffCentre);
    for (int Lamp = 0; Lamp < 6; ++Lamp)
        EXPECT_EQ(Shown.pixel(Lamp * 10 + 5, 5), Lamp < 2 ? OnCentre : OffCentre) << Lamp;
}

TEST(MissedLcd, RepaintsOnlyWhatChanged) {
    QWidget Parent;
    Parent.resize(100, 40);
    auto* Lcd = new TMissedLcd(&Parent);
    Lcd->SetPictures(TMissedLcd::DrawnLamp(false), TMissedLcd::DrawnLamp(true));
    Lcd->SetCount(6);
    Lcd->SetLit(2);
    Parent.show();
    TPaintSpy Log(Lcd);
    ASSERT_TRUE(WaitUntil([&] { return !Log.Rects().empty(); }));
    Settle();

    Log.Reset();
    Lcd->SetLit(2);
    Lcd->SetCount(6);
    Settle();
    EXPECT_TRUE(Log.Rects().empty()) << "the same values again repaint nothing";

    Lcd->SetLit(3);
    ASSERT_TRUE(WaitUntil([&] { return !Log.Rects().empty(); }));
    Settle();
    ASSERT_EQ(Log.Rects().size(), 1u);
    EXPECT_EQ(Log.Rects()[0], QRect(20, 0, 10, 10)) << "only the third lamp";
}

} // namespace
