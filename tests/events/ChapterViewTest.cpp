// The two-page chapter container: keys reach both pages, and the right
// page's close ends the container with its result.
#include "tests/support/EventFixture.h"

#include "engine/ui/TMessageEvent.h"
#include "shell/TBookForm.h"
#include "shell/TChapterView.h"

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
    EXPECT_EQ(Container.ShowSpread(&Left, &Right), 4);
    EXPECT_TRUE(Driver.Finished());
    EXPECT_FALSE(Container.IsOpen || Left.IsOpen || Right.IsOpen);
    EXPECT_FALSE(Right.OnClose) << "the container unhooks itself";
    EXPECT_EQ(BookForm->KeyHolder(), nullptr);
    EXPECT_EQ(TFormView::ActiveView(), nullptr);

    // Closed from outside, as a tab click does: result 0.
    TDriver Outside;
    Outside.Do("tab", [] { TFormView::CloseActiveView(); });
    Outside.Start();
    EXPECT_EQ(Container.ShowSpread(&Left, &Right), 0);
    EXPECT_FALSE(Left.IsOpen || Right.IsOpen);
}

TEST_F(EventTest, ANestedPageGivesTheKeysBackToItsContainer) {
    TChapterView Container;
    TPage Left, Right;
    // An event run from the right page, as a chapter page starts an exercise.
    TMessageEvent Nested("Hello=MESSAGE;0;One more page.;Nested");
    TPage Stranger;
    int NestedResult = -1;
    TDriver Driver;
    Driver
        .Do("the nested event",
            [&] {
                EXPECT_EQ(BookForm->KeyHolder(), &Container);
                TDriver Inner;
                Inner.Do("keys go to the event", [&] {
                    EXPECT_EQ(BookForm->KeyHolder(), &Nested);
                    // A page that never held the keys lets go: nothing changes.
                    BookForm->ReleaseKeys(&Stranger);
                    PressKey(BookForm, Qt::Key_A);
                    PressKey(BookForm, Qt::Key_N, Qt::AltModifier);
                });
                Inner.Start();
                NestedResult = Nested.Execute();
                EXPECT_TRUE(Inner.Finished());
            })
        .Do("keys are back with the container", [&] {
            EXPECT_EQ(NestedResult, erNext);
            EXPECT_EQ(Left.KeysSeen + Right.KeysSeen, 0) << "the event had the keys";
            EXPECT_EQ(BookForm->KeyHolder(), &Container);
            PressKey(BookForm, Qt::Key_B);
            EXPECT_EQ(Left.KeysSeen, 1);
            EXPECT_EQ(Right.KeysSeen, 1);
            // A view destroyed while holding the keys gives them back too.
            {
                TPage Brief;
                BookForm->TakeKeys(&Brief);
                BookForm->TakeKeys(&Container);
                BookForm->TakeKeys(&Brief);
            }
            EXPECT_EQ(BookForm->KeyHolder(), &Container);
            Right.SetResult(3);
        });
    Driver.Start();
    EXPECT_EQ(Container.ShowSpread(&Left, &Right), 3);
    EXPECT_TRUE(Driver.Finished());
    EXPECT_EQ(BookForm->KeyHolder(), nullptr);
}
