// The two-page container of the chapter pages: it shows a left and a right
// page view as its sub-views, hands them the book's keys, and closes with
// the right page's result when the right page closes.
//
// One instance lives for the whole run. Whoever runs it sets LeftSubView and
// RightSubView first; Run returns the right page's result.
//
// The class is defined in this header so that the entry point, which creates
// the instance, needs nothing of the engine library to link.
#pragma once

#include "shell/TBookForm.h"
#include "shell/TFormView.h"

class TChapterView : public TFormView {
public:
    TChapterView() { Host = BookForm; }
    ~TChapterView() override { BeforeDestruction(); }

    void Activate() override {
        TFormView::Activate();
        if (RightSubView) RightSubView->OnClose = [this](TFormView* Right) { RightClosed(Right); };
        BookForm->TakeKeys(this);
    }

    void Deactivate() override {
        BookForm->ReleaseKeys(this);
        TFormView::Deactivate();
    }

    // The right page has closed: the container closes with its result.
    void RightClosed(TFormView* Right) {
        if (!Right) return;
        Right->OnClose = nullptr;
        SetResult(Right->ResultCode);
    }
};

// The one container, made at start-up.
inline TChapterView* ChapterView = nullptr;
