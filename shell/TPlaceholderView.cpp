#include "shell/TPlaceholderView.h"

#include "forms/TGeneralStg.h"
#include "platform/Latin1.h"
#include "shell/TBookForm.h"

#include <QLabel>

TPlaceholderView::TPlaceholderView(std::string TabName) : FTabName(std::move(TabName)) {
    Host = BookForm;
    ViewName = FTabName;
}

TPlaceholderView::~TPlaceholderView() {
    BeforeDestruction();
}

void TPlaceholderView::Activate() {
    TFormView::Activate();
    BookForm->SetPageMode(2);
    BookForm->SetConsoleButtons(0);
    BookForm->Title->setText(ToQ(FTabName));
    GeneralStg->PlaceholderName->setText(ToQ(FTabName));
    BorrowChildren(GeneralStg->PlaceholderLeft, BookForm->LeftPage);
    BorrowChildren(GeneralStg->PlaceholderRight, BookForm->RightPage);
    BookForm->TakeKeys(this);
}

void TPlaceholderView::Deactivate() {
    BookForm->ReleaseKeys(this);
    BookForm->Title->clear();
    TFormView::Deactivate();
}

void TPlaceholderView::KeyDown(QObject* Sender, std::uint16_t& Key, TShiftState Shift) {
    TFormView::KeyDown(Sender, Key, Shift);
    if (Key == VK_ESCAPE && Shift == 0) {
        Key = 0;
        BookForm->DoEscape();
    }
}

TPlaceholderController::TPlaceholderController(std::string TabName)
    : FView(new TPlaceholderView(std::move(TabName))) {}

TPlaceholderController::~TPlaceholderController() {
    FreeView(FView);
}

void TPlaceholderController::Run() {
    FView->Run();
}
