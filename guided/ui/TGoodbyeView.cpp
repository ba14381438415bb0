#include "guided/ui/TGoodbyeView.h"

#include "course/CurrentCourse.h"
#include "forms/TWelcomeStg.h"
#include "guided/CourseEnd.h"
#include "platform/Latin1.h"
#include "shell/TBookForm.h"
#include "users/TUser.h"

#include <QLabel>

TGoodbyeView::TGoodbyeView() {
    Host = BookForm;
    ViewName = "Goodbye";
    WelcomeStg->Restart->OnClick = [this](QObject* Sender) { ButtonClick(Sender); };
}

TGoodbyeView::~TGoodbyeView() {
    BeforeDestruction();
    // The picture outlives the page: it must not call a page that is gone.
    WelcomeStg->Restart->OnClick = nullptr;
}

void TGoodbyeView::Activate() {
    TFormView::Activate();
    BookForm->Title->setText(QStringLiteral("Course Completed"));
    // A course is completed by passing its last chapter, studied or skipped:
    // the page says which.
    std::vector<int> Exercises;
    if (CurrentCourse)
        for (const auto& Chapter : CurrentCourse->Chapters)
            Exercises.push_back(int(Chapter->Exercises.size()));
    WelcomeStg->DoneLbl->setText(ToQ(CourseEndText(*CurrentUser, Exercises)));
    BookForm->SkipB->show();
    BookForm->TakeClicks(this, [this](QObject* Sender) { ButtonClick(Sender); });
    BookForm->BtnConsole->show();
    BookForm->SetPageMode(1);
    BookForm->TakeKeys(this);
    BorrowChildren(WelcomeStg->Panel2, BookForm->WidePage);
}

void TGoodbyeView::ButtonClick(QObject* Sender) {
    if (Sender == BookForm->SkipB)
        SetResult(2);
    else if (Sender == WelcomeStg->Restart)
        SetResult(1);
}

void TGoodbyeView::KeyDown(QObject*, std::uint16_t& Key, TShiftState Shift) {
    if (Shift != ssAlt) return;
    if (Key == 'R') {
        Key = 0;
        ButtonClick(WelcomeStg->Restart);
    } else if (Key == 'K') {
        Key = 0;
        ButtonClick(BookForm->SkipB);
    }
}

void TGoodbyeView::Deactivate() {
    BookForm->SkipB->hide();
    BookForm->BtnConsole->hide();
    BookForm->SetPageMode(2);
    BookForm->ReleaseKeys(this);
    TFormView::Deactivate();
}
