#include "guided/ui/TWelcomeView.h"

#include "files/Sounds.h"
#include "forms/TWelcomeStg.h"
#include "shell/TBookForm.h"

TWelcomeView::TWelcomeView() {
    Host = BookForm;
    ViewName = "Welcome";
}

void TWelcomeView::Activate() {
    TFormView::Activate();
    BookForm->TitleConsole->hide();
    BookForm->SetPageMode(1);
    WelcomeStg->StudyingMask->OnClick = [this](QObject* Sender) { ButtonClick(Sender); };
    WelcomeStg->IntroMask->OnClick = [this](QObject* Sender) { ButtonClick(Sender); };
    BookForm->TakeKeys(this);
    BorrowChildren(WelcomeStg->Panel, BookForm->WidePage);
}

void TWelcomeView::ButtonClick(QObject* Sender) {
    PlayEffect(ClickSound);
    if (Sender == WelcomeStg->StudyingMask)
        SetResult(1);
    else if (Sender == WelcomeStg->IntroMask)
        SetResult(2);
}

void TWelcomeView::KeyDown(QObject*, std::uint16_t& Key, TShiftState Shift) {
    if (Shift != ssAlt) return;
    if (Key == 'I') {
        Key = 0;
        ButtonClick(WelcomeStg->IntroMask);
    } else if (Key == 'B') {
        Key = 0;
        ButtonClick(WelcomeStg->StudyingMask);
    }
}

void TWelcomeView::Deactivate() {
    BookForm->TitleConsole->show();
    BookForm->SetPageMode(2);
    BookForm->ReleaseKeys(this);
    // The pictures outlive the page: they must not call a page that is gone.
    WelcomeStg->StudyingMask->OnClick = nullptr;
    WelcomeStg->IntroMask->OnClick = nullptr;
    TFormView::Deactivate();
}
