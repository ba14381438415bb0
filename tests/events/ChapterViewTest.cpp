// The two-page chapter container: keys reach both pages, and the right
// page's close ends the container with its result.
#include "tests/events/EventFixture.h"

#include "engine/ui/TChapterView.h"
#include "shell/TBookForm.h"

namespace {

class TPage : public TFormView {
public:
    void KeyDown(QObject*, std::uint16_t& Key, TShiftState) override {
        if (Key != 0) ++KeysSeen;
        if (Key == 'X') Key = 0;
    }
    int KeysSeen = 0;
};

} // namespace

TEST_F(EventTest, ChapterContainerEndsWithTheRightPagesResult) {
    TChapterView Container;
    TPage Left, Right;
    Container.LeftSubView = &Left;
    Container.RightSubView = &Right;
    TDriver Driver;
    Driver
        .Do("keys",
            [&] {
                EXPECT_TRUE(Left.IsOpen && Right.IsOpen && Left.IsNested);
                EXPECT_EQ(TFormView::ActiveView(), &Container);
                PressKey(BookForm, Qt::Key_A);
                PressKey(BookForm, Qt::Key_X);
            })
        .Do("right page closes", [&] {
            EXPECT_EQ(Left.KeysSeen, 2);
            EXPECT_EQ(Right.KeysSeen, 1) << "the left page consumed the X";
            Right.SetResult(4);
        });
    Driver.Start();
    EXPECT_EQ(Container.Run(), 4);
    EXPECT_TRUE(Driver.Finished());
    EXPECT_FALSE(Container.IsOpen || Left.IsOpen || Right.IsOpen);
    EXPECT_FALSE(Right.OnClose) << "the container unhooks itself";
    EXPECT_FALSE(BookForm->OnKeyDown);
    EXPECT_EQ(TFormView::ActiveView(), nullptr);

    // Closed from outside, as a tab click does: result 0.
    TDriver Outside;
    Outside.Do("tab", [] { TFormView::CloseActiveView(); });
    Outside.Start();
    EXPECT_EQ(Container.Run(), 0);
    EXPECT_FALSE(Left.IsOpen || Right.IsOpen);
}
