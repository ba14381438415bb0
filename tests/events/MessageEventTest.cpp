// The message page in the real book window: title, text, picture, the
// console's Next and Cancel with their shortcuts, and the time it adds.
#include "tests/support/EventFixture.h"

#include "engine/ui/TMessageEvent.h"
#include "engine/ui/TViewCanvas.h"
#include "platform/Controls.h"
#include "shell/TBookForm.h"
#include "users/TUser.h"

#include <QImage>

namespace {

// A picture of W x H units, with Density pixels a unit (its file says so
// by its resolution, 96 dots per inch a pixel a unit).
void WritePicture(const std::string& Name, int W, int H, int Density = 1) {
    QImage Img(W * Density, H * Density, QImage::Format_RGB32);
    Img.fill(QColor(0x40, 0x80, 0xC0));
    const int DotsPerMetre = int(96 * Density / 0.0254 + 0.5);
    Img.setDotsPerMeterX(DotsPerMetre);
    Img.setDotsPerMeterY(DotsPerMetre);
    ASSERT_TRUE(Img.save(QString::fromStdString(Name)));
}

std::string WordsOn(const TViewCanvas& Canvas) {
    std::string Out;
    for (const TWordInfo& W : Canvas.Words())
        Out += (Out.empty() ? "" : " ") + W.Text;
    return Out;
}

} // namespace

TEST_F(EventTest, MessageLayoutWithAndWithoutAPicture) {
    // The console of buttons where the book lays it on the wide page.
    const QRect Console(525, 350, 193, 78);
    const struct {
        QSize Picture;
        bool Left, WithConsole;
        TMessageEvent::TLayout Expected;
    } Cases[] = {
        {{0, 0}, false, false, {130, 360, 363, 0, 50}},
        {{0, 0}, true, false, {130, 360, 363, 0, 50}},
        {{200, 90}, false, false, {15, 360, 363, 503, 50}},
        {{200, 90}, true, false, {230, 360, 363, 15, 50}},
        {{500, 90}, false, false, {15, 173, 363, 203, 50}},
        {{500, 90}, true, false, {530, 173, 363, 15, 50}},
        // Clear of the console: text without a picture and a picture on the
        // left stay where they are; a text reaching under the console ends
        // beside it (295 x 363 is more room than 360 x 285) or above it
        // (360 x 285 is more than 280 x 363); a picture on the right that
        // would reach under it rises 15 above it.
        {{0, 0}, false, true, {130, 360, 363, 0, 50}},
        {{185, 313}, true, true, {215, 295, 363, 15, 50}},
        {{200, 90}, true, true, {230, 360, 285, 15, 50}},
        {{185, 313}, false, true, {15, 360, 363, 518, 22}},
    };
    for (const auto& C : Cases) {
        SCOPED_TRACE(std::to_string(C.Picture.width()) + (C.Left ? " left" : " right") +
                     (C.WithConsole ? " with the console" : ""));
        const auto L = TMessageEvent::PageLayout(718, 428, C.Picture, C.Left,
                                                 C.WithConsole ? Console : QRect());
        EXPECT_EQ(L.CanvasLeft, C.Expected.CanvasLeft);
        EXPECT_EQ(L.CanvasWidth, C.Expected.CanvasWidth);
        EXPECT_EQ(L.CanvasHeight, C.Expected.CanvasHeight);
        if (C.Picture.width()) {
            EXPECT_EQ(L.PictureLeft, C.Expected.PictureLeft);
            EXPECT_EQ(L.PictureTop, C.Expected.PictureTop);
        }
    }
}

TEST_F(EventTest, MessagePageInTheBookLeftWithAltNThenWithEnter) {
    WritePicture("Keys.png", 120, 90);
    TMessageEvent Right("Hello=MESSAGE;0;Welcome to the keyboard.;First Steps;keys.PNG");
    EXPECT_FALSE(Right.PictureLeft);
    TDriver Driver;
    Driver.Do("the page", [&] {
        EXPECT_EQ(BookForm->Title->text().toStdString(), "First Steps");
        EXPECT_TRUE(BookForm->WidePage->isVisible());
        EXPECT_TRUE(BookForm->TitleConsole->isVisible());
        EXPECT_TRUE(BookForm->Next->isVisible());
        EXPECT_TRUE(BookForm->Cancel->isVisible());
        EXPECT_EQ(Right.State, esCompleted);
        ASSERT_TRUE(Right.Canvas && Right.Picture);
        EXPECT_EQ(Right.Canvas->parentWidget(), BookForm->WidePage);
        EXPECT_TRUE(IsShownOnWindow(Right.Canvas));
        EXPECT_EQ(Right.Canvas->geometry(), QRect(15, 50, 360, 363));
        EXPECT_EQ(Right.Canvas->Mode(), 3);
        EXPECT_EQ(WordsOn(*Right.Canvas), "Welcome to the keyboard.");
        EXPECT_TRUE(IsShownOnWindow(Right.Picture));
        EXPECT_EQ(Right.Picture->geometry(), QRect(718 - 120 - 15, 50, 120, 90));
        Clock.AdvanceSeconds(50);
        PressKey(BookForm, Qt::Key_N, Qt::AltModifier);
    });
    EXPECT_EQ(RunEvent(Right, Driver), erNext);
    EXPECT_EQ(CurrentUser->FTotalMinutes, 1);
    EXPECT_FALSE(Right.Canvas->isVisible());
    EXPECT_FALSE(Right.Picture->isVisible());
    EXPECT_FALSE(BookForm->WidePage->isVisible());

    // The picture on the left, then a page whose picture is missing.
    TMessageEvent Left("Hello=MESSAGE;0;Second page.;Second;Keys.png;left");
    TDriver Driver2;
    Driver2.Do("left", [&] {
        EXPECT_TRUE(Left.PictureLeft);
        EXPECT_EQ(Left.Picture->pos(), QPoint(15, 50));
        EXPECT_EQ(Left.Canvas->geometry(), QRect(150, 50, 360, 363));
        PressKey(BookForm, Qt::Key_Return);
    });
    EXPECT_EQ(RunEvent(Left, Driver2), erNext);

    TMessageEvent Missing("Hello=MESSAGE;0;No picture here.;Third;Nowhere.png;LEFT");
    TDriver Driver3;
    Driver3.Do("missing", [&] {
        EXPECT_FALSE(Missing.Picture->isVisible());
        EXPECT_EQ(Missing.Canvas->geometry(), QRect(130, 50, 360, 363));
        ClickWidget(BookForm->Cancel);
    });
    EXPECT_EQ(RunEvent(Missing, Driver3), erCancelledDone) << "a message page is done at once";
    EXPECT_EQ(DialogCount(), 0);
}

// A picture drawn with two pixels a unit covers its size in units, and the
// text stands beside it as beside a picture of one pixel a unit.
TEST_F(EventTest, AMessagePictureIsMeasuredInUnitsWhateverItsDensity) {
    WritePicture("Dense.png", 120, 90, 2);
    TMessageEvent Event("Hello=MESSAGE;0;Welcome.;Dense;Dense.png");
    TDriver Driver;
    Driver.Do("the page", [&] {
        EXPECT_EQ(Event.Picture->geometry(), QRect(718 - 120 - 15, 50, 120, 90));
        EXPECT_EQ(Event.Picture->Picture().deviceIndependentSize().toSize(), QSize(120, 90));
        EXPECT_EQ(Event.Canvas->geometry(), QRect(15, 50, 360, 363));
        PressKey(BookForm, Qt::Key_Return);
    });
    EXPECT_EQ(RunEvent(Event, Driver), erNext);
}

TEST_F(EventTest, MessagePageShowsTheEfficiencyText) {
    WriteFileBytes("Effic.kqs",
                   ReadFileBytes(std::string(std::getenv("CLAVORA_APP_DIR")) + "/Effic.kqs"));
    TMessageEvent Event("Effic=MESSAGE;0;EFFIC:;Efficiency");
    TDriver Driver;
    Driver.Do("page", [&] {
        const auto& Words = Event.Canvas->Words();
        ASSERT_FALSE(Words.empty());
        EXPECT_EQ(Words.front().Text, "What");
        EXPECT_LE(Event.Canvas->NextPageStart(), int(Event.Text->size()));
        EXPECT_GE(Event.Canvas->NextPageStart() + 2, int(Event.Text->size()))
            << "the whole text fits on the page";
        PressKey(BookForm, Qt::Key_Return);
    });
    EXPECT_EQ(RunEvent(Event, Driver), erNext);
}
