// The two event storage forms: where the console's parts lie, their
// captions and pictures, and the pie gauge's share.
#include "tests/events/EventFixture.h"

#include "forms/TEventViewStg.h"
#include "forms/TEventsStg.h"
#include "platform/Controls.h"

#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>

#include <vector>

namespace {

std::string Caption(QWidget* W) {
    if (auto* Label = qobject_cast<QLabel*>(W)) return Label->text().toStdString();
    if (auto* Button = qobject_cast<QAbstractButton*>(W)) return Button->text().toStdString();
    return "<not captioned>";
}

} // namespace

TEST_F(EventTest, EventsStorageHoldsTheConsoleAsDesigned) {
    const struct {
        const char* Name;
        QRect Rect;
    } Parts[] = {
        {"EventConsole", {0, 0, 725, 427}}, {"RightConsole", {563, 4, 155, 420}},
        {"Screen1", {40, 288, 441, 119}},   {"Screen2", {580, 56, 120, 105}},
        {"Screen3", {580, 200, 120, 105}},  {"TimeLabel", {600, 125, 81, 29}},
        {"TimeGraph", {590, 68, 100, 50}},  {"EventMsg", {90, 60, 236, 64}},
        {"KeyFace", {730, 450, 8, 8}},
    };
    for (const auto& P : Parts) {
        QWidget* W = EventsStg->Control(P.Name);
        ASSERT_NE(W, nullptr) << P.Name;
        EXPECT_EQ(W->geometry(), P.Rect) << P.Name;
    }
    EXPECT_EQ(Caption(EventsStg->TimeLbl), "Time");
    EXPECT_EQ(Caption(EventsStg->SpeedTitle), "Speed");
    EXPECT_EQ(Caption(EventsStg->PointsTitle), "Score");
    EXPECT_EQ(Caption(EventsStg->MissedTitle), "Missed");
    EXPECT_EQ(Caption(EventsStg->MsgLabel1), "Type the highlighted word");
    EXPECT_EQ(Caption(EventsStg->MsgLabel2), "to begin");
    EXPECT_EQ(EventsStg->TimeLabel->font().pixelSize(), 24);
    EXPECT_TRUE(EventsStg->TimeLabel->font().bold());
    EXPECT_EQ(EventsStg->TimeLabel->alignment() & Qt::AlignHCenter, Qt::AlignHCenter);
    const std::vector<QWidget*> DesignedHidden = {EventsStg->EventMsg,    EventsStg->SpeedTitle,
                                                  EventsStg->SpeedTitle2, EventsStg->PointsTitle,
                                                  EventsStg->PointsLabel, EventsStg->MissedTitle,
                                                  EventsStg->GameScreen,  EventsStg->NewKeys};
    for (QWidget* Hidden : DesignedHidden)
        EXPECT_TRUE(Hidden->isHidden()) << Hidden->objectName().toStdString();
    EXPECT_EQ(EventsStg->EventMsg->palette().color(QPalette::Window), QColor(192, 220, 192));
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

TEST_F(EventTest, EventViewStorageCaptions) {
    const struct {
        const char* Name;
        const char* Caption;
    } Captions[] = {
        {"StoryTitle", "New Story"},
        {"Continue", "C&ontinue story"},
        {"NewStory", "&Choose a new story"},
        {"PreviewTitle", "S T O R Y   P R E V I E W"},
        {"PreviewTip", "Choose a new story from the list to preview."},
        {"TopTenTitle", "T O P   T E N"},
        {"Congratulations", "Congratulations"},
        {"WizardResultsLbl", "W I Z A R D   R E S U L T S"},
        {"BeforeLbl", "Before"},
        {"AfterLbl", "After"},
    };
    for (const auto& C : Captions) {
        QWidget* W = EventViewStg->Control(C.Name);
        ASSERT_NE(W, nullptr) << C.Name;
        EXPECT_EQ(Caption(W), C.Caption);
    }
    for (const char* Name : {"Name1", "Points10", "Date7", "TextList", "Copyright", "Page1",
                             "Page2", "WizResultPanel", "ContinueLabel"})
        EXPECT_NE(EventViewStg->Control(Name), nullptr) << Name;
    EXPECT_EQ(EventViewStg->TopTenPanel->size(), QSize(337, 425));
    EXPECT_EQ(EventViewStg->NameBox->size(), QSize(117, 24));
    EXPECT_TRUE(EventViewStg->NameBox->isHidden());
    EXPECT_TRUE(EventViewStg->Congratulations->isHidden());
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
