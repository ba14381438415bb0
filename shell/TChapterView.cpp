#include "shell/TChapterView.h"

#include "shell/TBookForm.h"

TChapterView::TChapterView() {
    Host = BookForm;
}

TChapterView::~TChapterView() {
    BeforeDestruction();
}

void TChapterView::Activate() {
    TFormView::Activate();
    if (RightSubView) RightSubView->OnClose = [this](TFormView* Right) { RightClosed(Right); };
    BookForm->TakeKeys(this);
}

void TChapterView::Deactivate() {
    BookForm->ReleaseKeys(this);
    TFormView::Deactivate();
}

int TChapterView::ShowSpread(TFormView* Left, TFormView* Right) {
    LeftSubView = FFollowing ? FFollowing : Left;
    RightSubView = Right;
    const int Result = Run();
    // A loop the program's end interrupted leaves the spread open: it closes
    // now, while its pages are still there, since they may belong to the
    // caller.
    BeforeDestruction();
    LeftSubView = RightSubView = nullptr;
    return Result;
}

void TChapterView::RightClosed(TFormView* Right) {
    if (!Right) return;
    Right->OnClose = nullptr;
    SetResult(Right->ResultCode);
}
