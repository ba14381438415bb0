#include "guided/ui/TChpContentsView.h"

#include "course/TChapter.h"
#include "files/Sounds.h"
#include "forms/TChapterStgs.h"
#include "guided/ui/TExerciseList.h"
#include "shell/TBookForm.h"
#include "users/TUser.h"

#include <cmath>

TChpContentsView* ChpContentsView = nullptr;

TChpContentsView::TChpContentsView() {
    Host = BookForm;
    ViewName = "ChpContents";
    // Lives on the storage form while the page is closed.
    List = new TExerciseList(ChapterStgs);
    List->hide();
}

TChpContentsView::~TChpContentsView() {
    BeforeDestruction();
    delete List.data();
}

void TChpContentsView::Activate() {
    TFormView::Activate();
    if (!List) return;
    BookForm->SetConsoleButtons(cbBegin);
    if (SkipBAllowed) BookForm->SetConsoleButtons(BookForm->ConsoleButtons | cbSkipB);
    if (SkipFAllowed) BookForm->SetConsoleButtons(BookForm->ConsoleButtons | cbSkipF);
    if (CancelAllowed) BookForm->SetConsoleButtons(BookForm->ConsoleButtons | cbCancel);
    BookForm->TakeClicks(this, [this](QObject* Sender) { ButtonClick(Sender); });

    BorrowChildren(ChapterStgs->Panel3, BookForm->RightPage);
    Borrow(List, BookForm->RightPage);
    List->show();
    List->OnDblClick = [this](QObject*) { ButtonClick(BookForm->BeginB); };

    const QPixmap& Active = ChapterStgs->ActivePic->Picture();
    List->SetPictures(Active, ChapterStgs->InactivePic->Picture(),
                      ChapterStgs->CompletedPic->Picture());
    List->move(40, 50);
    List->resize(265, List->height());
    List->SetColumns(30, 67, 210);
    // Rows are measured in the book's units: a picture drawn with two pixels
    // a unit for a scaled book is as tall as it is at the book's own size.
    List->SetRowHeight(int(std::lround(Active.deviceIndependentSize().height())) + 3);
    List->SetMaxRows(8);

    List->FillFromChapter(Chapter);
    List->SelectRow(SelectedRow);
    // The frame hugs the rows the list shows.
    ChapterStgs->Shape6->setGeometry(List->geometry().adjusted(-6, -6, 6, 6));
    const int ChapterNumber = Chapter ? Chapter->Number : 0;
    for (int N = 1; N <= List->RowCount(); ++N) {
        const bool Done = ChapterNumber >= 1 && ChapterNumber <= TUser::MaxChapters &&
                          N <= TUser::MaxExercises &&
                          CurrentUser->FCompleted[size_t(ChapterNumber)][size_t(N)] != 0;
        List->SetCompleted(N, Done ? 1 : 0);
    }
}

void TChpContentsView::ButtonClick(QObject* Sender) {
    int Result = 0;
    if (Sender == BookForm->BeginB)
        Result = 1;
    else if (Sender == BookForm->SkipF)
        Result = 4;
    else if (Sender == BookForm->SkipB)
        Result = 3;
    else if (Sender == BookForm->Cancel)
        Result = 2;
    if (!Result) return;
    PlayEffect(1);
    SetResult(Result);
}

void TChpContentsView::KeyPress(QObject* Sender, char& Key) {
    TFormView::KeyPress(Sender, Key);
    if (!List || Key < '1' || Key > '9') return;
    const int N = Key - '0';
    if (N > List->RowCount() - 1) return; // the final row is not begun by a digit
    Key = 0;
    List->SelectRow(N);
    ButtonClick(BookForm->BeginB);
}

void TChpContentsView::KeyDown(QObject* Sender, std::uint16_t& Key, TShiftState Shift) {
    TFormView::KeyDown(Sender, Key, Shift);
    if (!List || Key == 0) return;
    QObject* Click = nullptr;
    if (Shift == 0) {
        switch (Key) {
        case VK_UP:
            List->SelectRow(List->SelectedRow() - 1);
            break;
        case VK_DOWN:
            List->SelectRow(List->SelectedRow() + 1);
            break;
        case VK_HOME:
        case VK_PRIOR:
            List->SelectRow(1);
            break;
        case VK_END:
        case VK_NEXT:
            List->SelectRow(List->RowCount());
            break;
        case VK_RETURN:
            Click = BookForm->BeginB;
            break;
        case VK_ESCAPE:
            if (!CancelAllowed) return;
            Click = BookForm->Cancel;
            break;
        default:
            return;
        }
    } else if (Shift == ssAlt) {
        switch (Key) {
        case 'B':
            Click = BookForm->BeginB;
            break;
        case 'S':
            Click = BookForm->SkipF;
            break;
        case 'K':
            Click = BookForm->SkipB;
            break;
        case 'C':
            if (!CancelAllowed) return;
            Click = BookForm->Cancel;
            break;
        default:
            return;
        }
    } else {
        return;
    }
    Key = 0;
    if (Click) ButtonClick(Click);
}

void TChpContentsView::Deactivate() {
    if (List) List->OnDblClick = nullptr;
    TFormView::Deactivate();
    if (List) {
        SelectedRow = List->SelectedRow();
        List->hide();
    }
    BookForm->SetConsoleButtons(0);
}
