// A page of the book.
//
// A view owns no window: while it is shown it borrows controls from a hidden
// storage form onto the book's pages and gives them back when it closes. Run
// shows the view modally and returns its result code. A view may carry two
// sub-views (the left and the right page) that open, take keys and close
// together with it.
#pragma once

#include "platform/Keys.h"

#include <QPointer>

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

class QObject;
class QWidget;

class TFormView {
public:
    TFormView();
    virtual ~TFormView();
    TFormView(const TFormView&) = delete;
    TFormView& operator=(const TFormView&) = delete;

    // The window the view is shown in; concrete views set it to the book.
    QWidget* Host = nullptr;
    // Asked first when the view is about to close; setting Refused keeps it open.
    std::function<void(bool& Refused)> OnCloseQuery;
    // Told after the view has closed.
    std::function<void(TFormView* View)> OnClose;
    std::int32_t ResultCode = 0;
    // Controls moved onto the book, in the order they were moved, and the
    // parent each came from.
    std::vector<QPointer<QWidget>> BorrowedControls;
    std::vector<QPointer<QWidget>> FormerParents;
    bool IsOpen = false;
    bool IsNested = false;
    bool InModalLoop = false;
    bool LoopDone = false;
    TFormView* LeftSubView = nullptr;
    TFormView* RightSubView = nullptr;
    std::string ViewName;

    virtual bool CanSkip();
    virtual void Activate();
    virtual void KeyPress(QObject* Sender, char& Key);
    virtual void KeyDown(QObject* Sender, std::uint16_t& Key, TShiftState Shift);
    virtual void KeyUp(QObject* Sender, std::uint16_t& Key, TShiftState Shift);
    virtual int Run();
    virtual void ShowNested();
    // Opens the view without waiting; true when the view declined to open.
    virtual bool Show();
    virtual void Close(bool& Refused);
    virtual void Deactivate();

    // A nonzero code stores the result and closes the view; a refused close
    // leaves the view open with the result 0.
    void SetResult(int Code);
    void Borrow(QWidget* Control, QWidget* NewParent);
    void BorrowChildren(QWidget* Container, QWidget* NewParent);
    void ReturnBorrowed();

    // Closes an open view with its overrides still in place, warning that it
    // was open unless the program is terminating (a loop that the program's
    // end interrupted leaves its view open). The view is going, so the close
    // is not asked and cannot be refused. Owners call it (through FreeView)
    // before destroying a view, and every view that installs handlers calls
    // it in its own destructor; the base destructor repeats the check as a
    // last resort, without calling into the parts already destroyed.
    void BeforeDestruction();

    static void SetActiveView(TFormView* View);
    static TFormView* ActiveView();
    // Closes the active view; returns true when it refused.
    static bool CloseActiveView();

private:
    void WarnAndCloseIfOpen();
    // Set while the view closes because it is being destroyed: no close
    // query is asked and no sub-view may refuse.
    bool FClosingForGood = false;
};

// Destroys a view the safe way and clears the pointer.
template <class T> void FreeView(T*& View) {
    if (!View) return;
    View->BeforeDestruction();
    delete View;
    View = nullptr;
}

struct TViewDeleter {
    void operator()(TFormView* View) const {
        if (!View) return;
        View->BeforeDestruction();
        delete View;
    }
};
template <class T> using TViewPtr = std::unique_ptr<T, TViewDeleter>;
