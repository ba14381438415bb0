// Views: showing, closing, refusing, borrowing and the active view.
#include "platform/Application.h"
#include "platform/Controls.h"
#include "platform/Dialogs.h"
#include "shell/TFormView.h"
#include "tests/support/TSeamGuard.h"

#include <QTimer>
#include <QWidget>
#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// A view that records what happens to it.
class TProbeView : public TFormView {
public:
    explicit TProbeView(std::vector<std::string>* Log = nullptr, std::string Name = "view")
        : FLog(Log), FName(std::move(Name)) {}
    bool Skip = false;
    int SkipCode = 0;
    bool CloseInActivate = false;
    int Activations = 0;
    int Deactivations = 0;
    std::vector<int> KeysSeen;

    bool CanSkip() override {
        if (Skip) ResultCode = SkipCode;
        return Skip;
    }
    void Activate() override {
        TFormView::Activate();
        ++Activations;
        Note("activate");
        if (CloseInActivate) SetResult(7);
    }
    void Deactivate() override {
        ++Deactivations;
        Note("deactivate");
        TFormView::Deactivate();
    }
    void KeyDown(QObject* Sender, std::uint16_t& Key, TShiftState Shift) override {
        KeysSeen.push_back(Key);
        if (Key == 'X') Key = 0; // consumes X
        TFormView::KeyDown(Sender, Key, Shift);
    }

private:
    void Note(const std::string& What) {
        if (FLog) FLog->push_back(FName + " " + What);
    }
    std::vector<std::string>* FLog;
    std::string FName;
};

class FormViewTest : public ::testing::Test {
protected:
    void SetUp() override {
        Application::ResetTerminated();
        TFormView::SetActiveView(nullptr);
        ClearDialogLog();
        SetDialogResponder([](const TDialogRequest&) { return int(mrOk); });
    }
    TSeamGuard Seams;
};

std::vector<std::string> ChildNames(QWidget* Parent) {
    std::vector<std::string> Names;
    for (QObject* Child : Parent->children())
        if (Child->isWidgetType()) Names.push_back(Child->objectName().toStdString());
    return Names;
}

} // namespace

TEST_F(FormViewTest, SkippedViewReturnsAtOnceWithTheCodeCanSkipStored) {
    TProbeView Other;
    Other.Show();
    TProbeView View;
    View.Skip = true;
    View.SkipCode = 1003;
    EXPECT_EQ(View.Run(), 1003);
    EXPECT_EQ(View.Activations, 0);
    EXPECT_FALSE(View.IsOpen);
    EXPECT_FALSE(View.InModalLoop);
    EXPECT_EQ(TFormView::ActiveView(), &Other);
    bool Refused = false;
    Other.Close(Refused);
}

TEST_F(FormViewTest, SetResultClosesUnlessRefused) {
    TProbeView View;
    View.Show();
    View.SetResult(0);
    EXPECT_TRUE(View.IsOpen) << "a zero result only resets the code";

    View.OnCloseQuery = [](bool& Refused) { Refused = true; };
    View.SetResult(3);
    EXPECT_TRUE(View.IsOpen);
    EXPECT_EQ(View.ResultCode, 0);
    EXPECT_EQ(TFormView::ActiveView(), &View) << "a refused close leaves the view registered";

    View.OnCloseQuery = nullptr;
    View.SetResult(3);
    EXPECT_FALSE(View.IsOpen);
    EXPECT_EQ(View.ResultCode, 3);
    EXPECT_EQ(TFormView::ActiveView(), nullptr);
}

TEST_F(FormViewTest, CloseOfAClosedViewChangesNothing) {
    TProbeView View;
    int Queries = 0;
    View.OnCloseQuery = [&](bool&) { ++Queries; };
    bool Refused = true;
    View.Close(Refused);
    EXPECT_TRUE(Refused);
    Refused = false;
    View.Close(Refused);
    EXPECT_FALSE(Refused);
    EXPECT_EQ(Queries, 0);
    EXPECT_EQ(View.Deactivations, 0);
}

TEST_F(FormViewTest, SubViewsOpenAfterTheParentAndARefusalStopsTheWholeClose) {
    std::vector<std::string> Log;
    TProbeView Parent(&Log, "parent"), Left(&Log, "left"), Right(&Log, "right");
    Parent.LeftSubView = &Left;
    Parent.RightSubView = &Right;
    Parent.Show();
    EXPECT_EQ(Log,
              (std::vector<std::string>{"parent activate", "left activate", "right activate"}));
    EXPECT_TRUE(Left.IsNested);
    EXPECT_EQ(TFormView::ActiveView(), &Parent) << "sub-views never register";

    Left.OnCloseQuery = [](bool& Refused) { Refused = true; };
    EXPECT_TRUE(TFormView::CloseActiveView());
    EXPECT_TRUE(Parent.IsOpen);
    EXPECT_TRUE(Left.IsOpen);
    EXPECT_TRUE(Right.IsOpen) << "the right sub-view is not asked after the left refused";
    EXPECT_EQ(Parent.Deactivations + Left.Deactivations + Right.Deactivations, 0);

    Left.OnCloseQuery = nullptr;
    Log.clear();
    EXPECT_FALSE(TFormView::CloseActiveView());
    EXPECT_EQ(Log, (std::vector<std::string>{"left deactivate", "right deactivate",
                                             "parent deactivate"}));
    EXPECT_FALSE(Parent.IsOpen || Left.IsOpen || Right.IsOpen);
    EXPECT_EQ(TFormView::ActiveView(), nullptr);
}

TEST_F(FormViewTest, KeysGoToTheSubViewsInOrderAndCanBeConsumed) {
    TProbeView Parent, Left, Right;
    Parent.LeftSubView = &Left;
    Parent.RightSubView = &Right;
    Parent.Show();
    std::uint16_t Key = 'A';
    Parent.KeyDown(nullptr, Key, 0);
    EXPECT_EQ(Left.KeysSeen, std::vector<int>{'A'});
    EXPECT_EQ(Right.KeysSeen, std::vector<int>{'A'});
    Key = 'X';
    Parent.KeyDown(nullptr, Key, 0);
    EXPECT_EQ(Right.KeysSeen.back(), 0) << "the left sub-view consumed the key";
    bool Refused = false;
    Parent.Close(Refused);
}

TEST_F(FormViewTest, AViewOnceNestedStaysNestedWhenRunOnItsOwn) {
    TProbeView Parent, Child, Grandchild;
    Parent.LeftSubView = &Child;
    Parent.Show();
    bool Refused = false;
    Parent.Close(Refused);

    Child.LeftSubView = &Grandchild;
    Child.Show();
    EXPECT_TRUE(Child.IsOpen);
    EXPECT_EQ(TFormView::ActiveView(), nullptr);
    std::uint16_t Key = 'B';
    Child.KeyDown(nullptr, Key, 0);
    EXPECT_TRUE(Grandchild.KeysSeen.empty()) << "a nested view does not forward keys";
    Child.Close(Refused);
}

TEST_F(FormViewTest, BorrowedControlsComeBackInTheirOrderAndVisibility) {
    QWidget Storage;
    auto* Panel = MakeControl<TPanel>(&Storage, "Panel", 0, 0, 300, 300);
    auto* A = MakeControl<QWidget>(Panel, "A", 1, 2, 10, 10);
    auto* B = MakeControl<QWidget>(Panel, "B", 3, 4, 10, 10);
    auto* C = MakeControl<QWidget>(Panel, "C", 5, 6, 10, 10);
    B->hide(); // designed hidden
    QWidget Page;
    Page.show();

    TProbeView View;
    View.Show();
    View.BorrowChildren(Panel, &Page);
    View.Borrow(nullptr, &Page);
    View.Borrow(A, nullptr);
    EXPECT_TRUE(ChildNames(Panel).empty());
    EXPECT_EQ(ChildNames(&Page), (std::vector<std::string>{"A", "B", "C"}));
    EXPECT_EQ(C->geometry(), QRect(5, 6, 10, 10)) << "position kept, now page-relative";
    EXPECT_TRUE(A->isVisible());
    EXPECT_FALSE(B->isVisible());
    ASSERT_EQ(View.FormerParents.size(), 3u);
    EXPECT_EQ(View.FormerParents[0], Panel);

    bool Refused = false;
    View.Close(Refused);
    EXPECT_EQ(ChildNames(Panel), (std::vector<std::string>{"A", "B", "C"}));
    EXPECT_TRUE(View.BorrowedControls.empty());
    EXPECT_TRUE(ChildNames(&Page).empty());
    EXPECT_FALSE(A->isHidden());
    EXPECT_TRUE(B->isHidden());
}

TEST_F(FormViewTest, CloseActiveViewWithoutAViewRefusesNothing) {
    EXPECT_FALSE(TFormView::CloseActiveView());
}

TEST_F(FormViewTest, DestroyingAnOpenViewWarnsOnceAndReturnsTheControls) {
    QWidget Storage;
    auto* Control = MakeControl<QWidget>(&Storage, "Control", 0, 0, 5, 5);
    QWidget Page;
    auto* View = new TProbeView;
    View->Show();
    View->Borrow(Control, &Page);
    FreeView(View);
    ASSERT_EQ(DialogLog().size(), 1u);
    EXPECT_EQ(DialogLog()[0].Text, "Destroying an active view!");
    EXPECT_EQ(DialogLog()[0].Type, mtWarning);
    EXPECT_EQ(DialogLog()[0].Buttons, unsigned(mbOK));
    EXPECT_EQ(Control->parentWidget(), &Storage);
    EXPECT_EQ(TFormView::ActiveView(), nullptr);
}

// A view that is destroyed open closes through its own overrides when its
// owner frees it, whatever its close query would answer, and nothing of it is
// called once only the base is left.
TEST_F(FormViewTest, ADestroyedOpenViewClosesForGoodWithoutAskingItsQuery) {
    const std::vector<std::string> Opened = {"view activate", "left activate"};
    struct TRow {
        const char* Case;
        bool ThroughFreeView; // the owner closes it first, or a plain delete
        bool Terminating;
        std::vector<std::string> Closing;
        size_t Warnings;
    };
    const TRow Rows[] = {
        {"freed by its owner", true, false, {"left deactivate", "view deactivate"}, 1},
        {"freed while the program ends", true, true, {"left deactivate", "view deactivate"}, 0},
        {"deleted", false, false, {"left deactivate"}, 1},
    };
    for (const TRow& Row : Rows) {
        SCOPED_TRACE(Row.Case);
        ClearDialogLog();
        Application::ResetTerminated();
        if (Row.Terminating) Application::Terminate();
        std::vector<std::string> Log;
        TProbeView Left(&Log, "left");
        auto* View = new TProbeView(&Log, "view");
        View->LeftSubView = &Left;
        int Asked = 0;
        View->OnCloseQuery = [&](bool& Refused) {
            ++Asked;
            Refused = true;
        };
        Left.OnCloseQuery = View->OnCloseQuery;
        View->Show();
        ASSERT_EQ(Log, Opened);
        Log.clear();
        if (Row.ThroughFreeView)
            FreeView(View);
        else
            delete View;
        EXPECT_EQ(Asked, 0);
        EXPECT_EQ(Log, Row.Closing);
        EXPECT_EQ(DialogLog().size(), Row.Warnings);
        EXPECT_EQ(TFormView::ActiveView(), nullptr);
        EXPECT_FALSE(Left.IsOpen) << "the sub-view closes with it";
    }
}

TEST_F(FormViewTest, RunReturnsTheResultSetWhileItWaits) {
    TProbeView View;
    QTimer::singleShot(20, [&] { View.SetResult(42); });
    EXPECT_EQ(View.Run(), 42);
    EXPECT_FALSE(View.InModalLoop);
    EXPECT_FALSE(View.IsOpen);
}

TEST_F(FormViewTest, RunDoesNotBlockWhenTheViewClosesWhileItIsBuilt) {
    TProbeView View;
    View.CloseInActivate = true;
    EXPECT_EQ(View.Run(), 7);
}

TEST_F(FormViewTest, NestedRunsReturnInnerFirst) {
    TProbeView Outer, Inner;
    int InnerResult = -1;
    QTimer::singleShot(0, [&] {
        QTimer::singleShot(10, [&] { Inner.SetResult(5); });
        InnerResult = Inner.Run();
        Outer.SetResult(9);
    });
    EXPECT_EQ(Outer.Run(), 9);
    EXPECT_EQ(InnerResult, 5);
}

TEST_F(FormViewTest, RunEndsWhenTheApplicationTerminates) {
    TProbeView View;
    QTimer::singleShot(10, [] { Application::Terminate(); });
    EXPECT_EQ(View.Run(), 0);
    EXPECT_TRUE(View.IsOpen) << "the program is ending; the page is left as it is";
    bool Refused = false;
    View.Close(Refused);
}

TEST_F(FormViewTest, OnCloseIsToldAfterTheViewClosed) {
    TProbeView View;
    bool WasOpen = true;
    TFormView* Told = nullptr;
    View.OnClose = [&](TFormView* Closed) {
        Told = Closed;
        WasOpen = Closed->IsOpen;
    };
    View.Show();
    View.SetResult(2);
    EXPECT_EQ(Told, &View);
    EXPECT_FALSE(WasOpen);
}
