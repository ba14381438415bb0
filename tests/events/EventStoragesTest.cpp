// The events' storage form: how the console is laid out for borrowing, the
// pictures it lends, and the pie gauge's share.
#include "tests/support/EventFixture.h"

#include "forms/TEventsStg.h"
#include "platform/Controls.h"

#include <QFrame>
#include <QLabel>

#include <vector>

TEST_F(EventTest, EventsStorageLaysTheConsoleOutForBorrowing) {
    // The right column lies beneath the screens it carries; the box and the
    // new-keys panel are borrowed on their own, not with the console.
    const QObjectList& Children = EventsStg->EventConsole->children();
    ASSERT_FALSE(Children.isEmpty());
    EXPECT_EQ(Children.front(), EventsStg->RightConsole);
    EXPECT_EQ(EventsStg->EventMsg->parentWidget(), EventsStg);
    EXPECT_EQ(EventsStg->NewKeys->parentWidget(), EventsStg);
    EXPECT_EQ(EventsStg->FingersPic->parentWidget(), EventsStg);
    EXPECT_TRUE(EventsStg->RightConsole->geometry().contains(EventsStg->Screen2->geometry()));
    EXPECT_TRUE(EventsStg->Screen2->geometry().contains(EventsStg->TimeGraph->geometry()));
    EXPECT_TRUE(EventsStg->Screen2->geometry().contains(EventsStg->TimeLabel->geometry()));
    const std::vector<QWidget*> DesignedHidden = {EventsStg->EventMsg,    EventsStg->SpeedTitle,
                                                  EventsStg->SpeedTitle2, EventsStg->PointsTitle,
                                                  EventsStg->PointsLabel, EventsStg->MissedTitle,
                                                  EventsStg->GameScreen,  EventsStg->NewKeys};
    for (QWidget* Hidden : DesignedHidden)
        EXPECT_TRUE(Hidden->isHidden()) << Hidden->objectName().toStdString();
}

TEST_F(EventTest, EventsStorageLendsFingerAndKeyPictures) {
    const QSize Sizes[] = {{42, 79},  {39, 107}, {44, 123}, {38, 118}, {40, 126},
                           {38, 124}, {34, 107}, {35, 89},  {53, 57}};
    for (int N = 1; N <= 9; ++N) {
        SCOPED_TRACE(N);
        TImage* Finger = EventsStg->Finger(N);
        ASSERT_NE(Finger, nullptr);
        EXPECT_EQ(Finger->objectName().toStdString(), "Finger" + std::to_string(N));
        EXPECT_EQ(Finger->Picture().size(), Sizes[N - 1]);
    }
    EXPECT_EQ(EventsStg->Finger(0), nullptr);
    EXPECT_EQ(EventsStg->Finger(10), nullptr);
    EXPECT_EQ(EventsStg->FingersPic->Picture().size(), QSize(399, 299));
    EXPECT_EQ(EventsStg->KeyFace->Picture().size(), QSize(8, 8));
    EXPECT_EQ(EventsStg->RightConsole->Picture().size(), QSize(155, 420));
    EXPECT_FALSE(EventsStg->LeftConsole->Picture().isNull());

    // Each lit finger lies over a finger of the hands, not over empty paper.
    const QImage Hands = EventsStg->FingersPic->Picture().toImage();
    const QPoint At[] = {{4, 69},   {31, 25},  {53, 0},   {90, 13}, {275, 8},
                         {307, -4}, {335, 18}, {360, 52}, {221, 90}};
    for (int N = 1; N <= 9; ++N) {
        const QImage Lit = EventsStg->Finger(N)->Picture().toImage();
        int Covered = 0, Opaque = 0;
        for (int Y = 0; Y < Lit.height(); ++Y)
            for (int X = 0; X < Lit.width(); ++X) {
                const QPoint P = At[N - 1] + QPoint(X, Y);
                if (qAlpha(Lit.pixel(X, Y)) < 200 || !Hands.rect().contains(P)) continue;
                ++Opaque;
                if (qAlpha(Hands.pixel(P)) > 0) ++Covered;
            }
        EXPECT_GT(Opaque, 300) << "finger " << N;
        EXPECT_GE(Covered * 100, Opaque * 97) << "finger " << N;
    }
}

TEST(PieGauge, ShareOfTheRange) {
    TPieGauge Gauge;
    EXPECT_EQ(Gauge.PercentDone(), 0);
    Gauge.SetMaxValue(0);
    Gauge.SetProgress(5);
    EXPECT_EQ(Gauge.PercentDone(), 0) << "an empty range shows nothing";
    Gauge.SetMaxValue(90);
    Gauge.SetProgress(45);
    EXPECT_EQ(Gauge.PercentDone(), 50);
    Gauge.SetProgress(200);
    EXPECT_EQ(Gauge.PercentDone(), 100);
    Gauge.SetProgress(-3);
    EXPECT_EQ(Gauge.PercentDone(), 0);
}
