#include "guided/ui/TNewUserView.h"

#include "platform/Latin1.h"
#include "shell/TBookForm.h"

#include <QFontMetrics>

TNewUserView::TNewUserView() {
    Host = BookForm;
    ViewName = "NewUser";
}

void TNewUserView::Activate() {
    BookForm->UserCancel->show();
    BookForm->UserYes->show();
    BookForm->NewUserLbl->show();
    // A long name is shortened on its line so that the question stays whole.
    const QFontMetrics Metrics(BookForm->NewUserLbl->font());
    const QString Name =
        Metrics.elidedText(ToQ(UserName), Qt::ElideRight, BookForm->NewUserLbl->width());
    BookForm->NewUserLbl->setText(Name + QStringLiteral(", are you a new user?"));
    BookForm->SetPageMode(0);
    BookForm->UserYes->setFocus();
    BookForm->TakeClicks(this, [this](QObject* Sender) { ButtonClick(Sender); });
    BookForm->TakeKeys(this);
}

void TNewUserView::KeyDown(QObject*, std::uint16_t& Key, TShiftState Shift) {
    // Yes is the default button, Cancel the cancel button.
    QObject* Button = nullptr;
    if (Shift == 0 && Key == VK_RETURN)
        Button = BookForm->UserYes;
    else if (Shift == 0 && Key == VK_ESCAPE)
        Button = BookForm->UserCancel;
    else if (Shift == ssAlt && Key == 'Y')
        Button = BookForm->UserYes;
    else if (Shift == ssAlt && Key == 'C')
        Button = BookForm->UserCancel;
    if (!Button) return;
    Key = 0;
    ButtonClick(Button);
}

void TNewUserView::ButtonClick(QObject* Sender) {
    if (Sender == BookForm->UserYes)
        SetResult(1);
    else if (Sender == BookForm->UserCancel)
        SetResult(2);
}

void TNewUserView::Deactivate() {
    BookForm->UserCancel->hide();
    BookForm->UserYes->hide();
    BookForm->NewUserLbl->hide();
    BookForm->ReleaseKeys(this);
}
