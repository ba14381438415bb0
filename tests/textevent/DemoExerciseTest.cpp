// One text event run on its own, as "--exercise <line>" asks: the event,
// then its results in the chapter container.
#include "tests/support/TextEventFixture.h"

#include "analysis/results/TExercInfoView.h"
#include "app/DemoExercise.h"
#include "engine/ui/TEvent.h"
#include "forms/TChapterStgs.h"
#include "forms/TEventsStg.h"
#include "shell/TBookForm.h"
#include "shell/TChapterView.h"

#include <QLabel>

TEST(DemoExerciseLine, OnlyTheExerciseOptionWithItsLine) {
    char Option[] = "--exercise";
    char Line[] = "A=TEXT;1;some text";
    char Other[] = "/AUTOSETUP";
    char* Ask[] = {Option, Line};
    EXPECT_EQ(DemoExerciseLine(2, Ask), std::optional<std::string>(Line));
    EXPECT_EQ(DemoExerciseLine(1, Ask), std::nullopt);
    char* Wrong[] = {Other, Line};
    EXPECT_EQ(DemoExerciseLine(2, Wrong), std::nullopt);
    EXPECT_EQ(DemoExerciseLine(0, nullptr), std::nullopt);
}

TEST_F(TextEventTest, ADemoExerciseRunsTheEventThenShowsItsResults) {
    TDriver Driver;
    Driver
        .Then(
            "the event is shown", [] { return EventsStg->SpeedTitle->isVisible(); },
            [&] {
                Type("one two three four five six\r", 2);
                PressKey(BookForm, Qt::Key_Return);
            })
        .Then(
            "the results are shown", [] { return ChapterView->IsOpen; },
            [&] {
                EXPECT_EQ(ChapterStgs->SpeedLbl->parentWidget(), BookForm->LeftPage);
                EXPECT_TRUE(IsShownOnWindow(ChapterStgs->SpeedLbl));
                // 28 keys required in 27 x 2 = 54 clock seconds.
                EXPECT_EQ(TextOf(ChapterStgs->SpeedLbl), "31");
                EXPECT_NE(BookForm->findChild<QLabel*>(QStringLiteral("DemoEndNote")), nullptr);
                PressKey(BookForm, Qt::Key_Return);
            });
    Driver.Start();
    EXPECT_EQ(RunDemoExercise("Demo=TEXT;1;one two three four five six;TRUE"), erNext);
    EXPECT_TRUE(Driver.Finished());
    EXPECT_EQ(Driver.Failure(), "");
    EXPECT_FALSE(ChapterView->IsOpen);
    EXPECT_EQ(TFormView::ActiveView(), nullptr);
}
