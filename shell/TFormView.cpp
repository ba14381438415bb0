#include "shell/TFormView.h"

#include "platform/Application.h"
#include "platform/Controls.h"
#include "platform/Dialogs.h"
#include "platform/Trace.h"
#include "shell/TBookForm.h"

#include <QWidget>

namespace {
TFormView* FActiveView = nullptr;
}

TFormView::TFormView() = default;

TFormView::~TFormView() {
    // The derived parts are gone: their close query must not be called.
    OnCloseQuery = nullptr;
    WarnAndCloseIfOpen();
    if (BookForm) {
        BookForm->ReleaseKeys(this);
        BookForm->ReleaseClicks(this);
    }
    if (FActiveView == this) FActiveView = nullptr;
}

void TFormView::BeforeDestruction() {
    WarnAndCloseIfOpen();
}

void TFormView::WarnAndCloseIfOpen() {
    if (!IsOpen) return;
    if (!Application::Terminated()) MessageDlg("Destroying an active view!", mtWarning, mbOK);
    FClosingForGood = true;
    bool Refused = false;
    Close(Refused);
    FClosingForGood = false;
}

bool TFormView::CanSkip() {
    return false;
}

void TFormView::Activate() {}

void TFormView::KeyPress(QObject* Sender, char& Key) {
    if (IsNested) return;
    if (LeftSubView) LeftSubView->KeyPress(Sender, Key);
    if (RightSubView) RightSubView->KeyPress(Sender, Key);
}

void TFormView::KeyDown(QObject* Sender, std::uint16_t& Key, TShiftState Shift) {
    if (IsNested) return;
    if (LeftSubView) LeftSubView->KeyDown(Sender, Key, Shift);
    if (RightSubView) RightSubView->KeyDown(Sender, Key, Shift);
}

void TFormView::KeyUp(QObject* Sender, std::uint16_t& Key, TShiftState Shift) {
    if (IsNested) return;
    if (LeftSubView) LeftSubView->KeyUp(Sender, Key, Shift);
    if (RightSubView) RightSubView->KeyUp(Sender, Key, Shift);
}

int TFormView::Run() {
    InModalLoop = true;
    LoopDone = false;
    if (!Show()) {
        // The done flags are checked before every wait, so a view closed
        // while it was being built never blocks here.
        for (;;) {
            if (Application::Terminated()) LoopDone = true;
            if (LoopDone) break;
            Application::WaitAndProcessMessages();
        }
    }
    InModalLoop = false;
    return ResultCode;
}

void TFormView::ShowNested() {
    IsNested = true;
    Show();
}

bool TFormView::Show() {
    if (!IsNested) {
        if (CanSkip()) return true;
        SetActiveView(this);
    }
    IsOpen = true;
    if (Tracing()) Trace("page " + (ViewName.empty() ? ClassName(typeid(*this)) : ViewName));
    SetResult(0);
    Activate();
    if (LeftSubView) LeftSubView->ShowNested();
    if (RightSubView) RightSubView->ShowNested();
    return false;
}

void TFormView::Close(bool& Refused) {
    if (!IsOpen) return;
    if (OnCloseQuery && !FClosingForGood) {
        OnCloseQuery(Refused);
        if (Refused) return;
    }
    for (TFormView* Sub : {LeftSubView, RightSubView}) {
        if (!Sub) continue;
        Sub->FClosingForGood = FClosingForGood;
        Sub->Close(Refused);
        Sub->FClosingForGood = false;
        if (Refused && !FClosingForGood) return;
        Refused = false;
    }
    Deactivate();
    // A closed page keeps neither the keys nor the book's buttons (views
    // made without the book, in tests, have none to give back).
    if (BookForm) {
        BookForm->ReleaseKeys(this);
        BookForm->ReleaseClicks(this);
    }
    if (!IsNested) SetActiveView(nullptr);
    if (InModalLoop) LoopDone = true;
    IsOpen = false;
    if (OnClose) OnClose(this);
}

void TFormView::Deactivate() {
    ReturnBorrowed();
}

void TFormView::SetResult(int Code) {
    ResultCode = Code;
    if (Code != 0) {
        bool Refused = false;
        Close(Refused);
        if (Refused) ResultCode = 0;
    }
}

void TFormView::Borrow(QWidget* Control, QWidget* NewParent) {
    if (!Control || !NewParent) return;
    FormerParents.emplace_back(Control->parentWidget());
    Reparent(Control, NewParent);
    BorrowedControls.emplace_back(Control);
}

void TFormView::BorrowChildren(QWidget* Container, QWidget* NewParent) {
    if (!Container || !NewParent) return;
    // Only widget children count; moving one removes it from the container.
    for (;;) {
        QWidget* First = nullptr;
        for (QObject* Child : Container->children()) {
            if (Child->isWidgetType()) {
                First = static_cast<QWidget*>(Child);
                break;
            }
        }
        if (!First) break;
        Borrow(First, NewParent);
    }
}

void TFormView::ReturnBorrowed() {
    while (!BorrowedControls.empty()) {
        QWidget* Control = BorrowedControls.front();
        QWidget* Parent = FormerParents.front();
        if (Control) Reparent(Control, Parent);
        BorrowedControls.erase(BorrowedControls.begin());
        FormerParents.erase(FormerParents.begin());
    }
}

void TFormView::SetActiveView(TFormView* View) {
    FActiveView = View;
}

TFormView* TFormView::ActiveView() {
    return FActiveView;
}

bool TFormView::CloseActiveView() {
    bool Refused = false;
    if (FActiveView) FActiveView->Close(Refused);
    return Refused;
}
