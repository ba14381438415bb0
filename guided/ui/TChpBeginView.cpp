#include "guided/ui/TChpBeginView.h"

#include "forms/TChapterStgs.h"
#include "shell/TBookForm.h"

TChpBeginView* ChpBeginView = nullptr;

TChpBeginView::TChpBeginView() {
    Host = BookForm;
    ViewName = "ChpBegin";
}

void TChpBeginView::Activate() {
    TFormView::Activate();
    if (!Host) Host = BookForm;
    if (!ChapterStgs || !BookForm) return;
    const QRect Frame = ChapterStgs->NumeralFrame->geometry();
    if (ChapterStgs->Chapter2->text().isEmpty()) {
        ChapterStgs->Chapter->setGeometry(Frame);
    } else {
        const int Half = Frame.height() / 2;
        ChapterStgs->Chapter2->setGeometry(Frame.left(), Frame.top() + 4, Frame.width(), Half);
        ChapterStgs->Chapter->setGeometry(Frame.left(), Frame.top() + Half - 4, Frame.width(),
                                          Half);
    }
    BorrowChildren(ChapterStgs->Panel1, BookForm->LeftPage);
}
