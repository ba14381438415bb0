#include "pages/ui/TAboutView.h"

#include "files/ErrorLog.h"
#include "files/ProductInfo.h"
#include "files/TProgramSettings.h"
#include "forms/TAboutStorage.h"
#include "platform/Controls.h"
#include "platform/Latin1.h"
#include "platform/ShellOpen.h"
#include "shell/TBookForm.h"
#include "users/TUser.h"

#include <QLabel>

TAboutView::TAboutView() {
    Host = BookForm;
    ViewName = "About";
}

TAboutView::~TAboutView() {
    BeforeDestruction();
}

void TAboutView::Activate() {
    TFormView::Activate();
    TAboutStorage& S = *AboutStorage;
    BookForm->SetPageMode(2);
    BookForm->SetConsoleButtons(0);
    BorrowChildren(S.LeftPage, BookForm->LeftPage);
    BorrowChildren(S.RightPage, BookForm->RightPage);
    BookForm->Title->setText(QStringLiteral("About"));
    for (TLinkLabel* Link : {S.LatestVersion, S.EmailLink, S.DomainLink})
        Link->OnClick = [this](QObject* Sender) { LinkClick(Sender); };
    BookForm->TakeKeys(this);
}

void TAboutView::Deactivate() {
    BookForm->ReleaseKeys(this);
    BookForm->Title->clear();
    for (TLinkLabel* Link :
         {AboutStorage->LatestVersion, AboutStorage->EmailLink, AboutStorage->DomainLink})
        Link->OnClick = nullptr;
    TFormView::Deactivate();
}

void TAboutView::KeyDown(QObject* Sender, std::uint16_t& Key, TShiftState Shift) {
    if (Key == VK_ESCAPE && Shift == 0) {
        Key = 0;
        BookForm->DoEscape();
    }
    TFormView::KeyDown(Sender, Key, Shift);
}

void TAboutView::LinkClick(QObject* Sender) {
    const QString Name = Sender ? Sender->objectName() : QString();
    std::string Target;
    if (Name == QLatin1String("DomainLink"))
        Target = ProductInfo::HomePage;
    else if (Name == QLatin1String("EmailLink"))
        Target = std::string("mailto:") + ProductInfo::SupportMail;
    else if (Name == QLatin1String("LatestVersion"))
        Target = Settings->NewVersionPage;
    else
        return;
    if (ShellOpen(Target) <= 32) LogError(-5452, Target);
}

void TAbout::ShowVersion() {
    TAboutStorage& S = *AboutStorage;
    S.Version->setText(ToQ(Settings->Version + " [" + Settings->Platform + "]"));
    S.Build->setText(ToQ(Settings->Build + "; " + Settings->BuildDate));
    S.CurrentUser->setText(ToQ(CurrentUser->FName));
}

void TAbout::Run() {
    TViewPtr<TAboutView> Page(new TAboutView);
    ShowVersion();
    Page->Run();
}
