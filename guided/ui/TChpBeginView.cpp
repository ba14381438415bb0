#include "guided/ui/TChpBeginView.h"

#include "forms/TChapterStgs.h"
#include "shell/TBookForm.h"

#include <QFontMetrics>
#include <QLabel>

TChpBeginView* ChpBeginView = nullptr;

TChpBeginView::TChpBeginView() {
    Host = BookForm;
    ViewName = "ChpBegin";
}

void TChpBeginView::Activate() {
    TFormView::Activate();
    // Digits stand on the baseline: the labels leave out the descent at the
    // frame's foot, so that the digits look centred.
    const int Descent = QFontMetrics(ChapterStgs->Chapter->font()).descent();
    const QRect Frame = ChapterStgs->NumeralFrame->geometry().adjusted(0, 0, 0, -Descent);
    if (ChapterStgs->Chapter2->text().isEmpty()) {
        ChapterStgs->Chapter->setGeometry(Frame);
    } else {
        const int Half = Frame.height() / 2;
        ChapterStgs->Chapter2->setGeometry(Frame.left(), Frame.top() + 16, Frame.width(), Half);
        ChapterStgs->Chapter->setGeometry(Frame.left(), Frame.top() + Half + 8, Frame.width(),
                                          Half);
    }
    BorrowChildren(ChapterStgs->Panel1, BookForm->LeftPage);
}
