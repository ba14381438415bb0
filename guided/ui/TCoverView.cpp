#include "guided/ui/TCoverView.h"

#include "files/TProgramSettings.h"
#include "files/TextUtils.h"
#include "platform/Latin1.h"
#include "shell/TBookForm.h"
#include "users/TUser.h"

#include <QComboBox>
#include <QLineEdit>

namespace {
// A name fills one short string of the user record.
constexpr int MaxNameLength = 255;
} // namespace

TCoverView::TCoverView() {
    Host = BookForm;
    ViewName = "Cover";
}

std::string TCoverView::NameFromField(const std::string& Text) {
    // Control characters (a pasted tab or line break) are no part of a name.
    std::string Name;
    for (char C : Text)
        if (static_cast<unsigned char>(C) >= 32 && C != 127) Name += C;
    Name = Trim(Name);
    if (Name.size() > MaxNameLength) Name = Trim(Name.substr(0, MaxNameLength));
    return Name.empty() ? "Visitor" : CapitalizeName(Name);
}

void TCoverView::Activate() {
    // The cover's controls belong to the book window: nothing is borrowed.
    BookForm->LogLabel->show();
    BookForm->LogOK->show();
    BookForm->LogVisitor->show();
    BookForm->NameField->show();
    BookForm->NameField->lineEdit()->setMaxLength(MaxNameLength);
    const QString Last = ToQ(Settings->LastUser);
    BookForm->NameField->clear();
    if (const auto Names = TUser::GetUserList()) {
        for (const std::string& Name : *Names)
            BookForm->NameField->addItem(ToQ(Name));
    }
    BookForm->NameField->setEditText(Last);
    BookForm->NameField->lineEdit()->selectAll();
    BookForm->NameField->setFocus();
    BookForm->SetPageMode(0);
    BookForm->TakeClicks(this, [this](QObject* Sender) { ButtonClick(Sender); });
    BookForm->TakeKeys(this);
}

void TCoverView::KeyDown(QObject*, std::uint16_t& Key, TShiftState Shift) {
    // OK is the cover's default button; Alt+V is the Visitor's accelerator.
    if ((Key == VK_RETURN && Shift == 0) || (Key == 'V' && Shift == ssAlt)) {
        QObject* Button = Key == VK_RETURN ? BookForm->LogOK : BookForm->LogVisitor;
        Key = 0;
        ButtonClick(Button);
    }
}

void TCoverView::ButtonClick(QObject* Sender) {
    if (Sender == BookForm->LogOK)
        SetResult(1);
    else if (Sender == BookForm->LogVisitor)
        SetResult(2);
}

void TCoverView::Deactivate() {
    if (ResultCode == 2)
        UserName = "Visitor";
    else
        UserName = NameFromField(FromQ(BookForm->NameField->currentText()));
    BookForm->LogLabel->hide();
    BookForm->LogOK->hide();
    BookForm->LogVisitor->hide();
    BookForm->NameField->hide();
    BookForm->ReleaseKeys(this);
}
