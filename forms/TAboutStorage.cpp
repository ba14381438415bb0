#include "forms/TAboutStorage.h"

#include "files/ProductInfo.h"
#include "platform/Controls.h"

#include <QLabel>

TAboutStorage* AboutStorage = nullptr;

namespace {

const QColor Navy(0x1C, 0x2C, 0x5A);
const QColor Ink(0x20, 0x20, 0x20);
const QColor Muted(0x70, 0x78, 0x88);
const Qt::Alignment LeftAlign = Qt::AlignLeft | Qt::AlignVCenter;
const Qt::Alignment TopLeft = Qt::AlignLeft | Qt::AlignTop;
const Qt::Alignment TopRight = Qt::AlignRight | Qt::AlignTop;

TLinkLabel* MakeLink(QWidget* Page, const char* Name, int Left, int Top, int Width) {
    auto* Link = MakeControl<TLinkLabel>(Page, Name, Left, Top, Width, 20);
    QFont Font = Arial(14);
    Font.setUnderline(true);
    Link->setFont(Font);
    return Link;
}

struct TCredit {
    const char* Role;
    const char* Names;
};

const TCredit Credits[] = {
    {"Design & Coding:", "Ilkka Varjonen\nMarta Lindqvist"},
    {"Texts:", "Hanna Sorvali\nPeter Oakridge"},
    {"Graphics:", "Lotta Berglund"},
    {"Photos:", "Jussi Kallio"},
    {"Sounds:", "Aarne Tuomela"},
    {"UI Design:", "Lotta Berglund\nMarta Lindqvist"},
    {"Logo:", "Studio Pihlaja"},
};

} // namespace

TAboutStorage::TAboutStorage() : TStorageForm("AboutStorage") {
    resize(700, 440);
    const QFont Title = Arial(17, true);
    const QFont Caption = Arial(14);
    const QFont Value = Arial(14, true);

    // The left page's top lies under the title strip.
    LeftPage = MakeControl<TPanel>(this, "LeftPage", 0, 0, 338, 428);
    LeftPage->SetColor(Qt::white);
    VersionTitle = MakeTextLabel(LeftPage, "VersionTitle", 19, 56, 300, 22, Title, Navy, LeftAlign);
    VersionLbl = MakeTextLabel(LeftPage, "VersionLbl", 25, 88, 80, 20, Caption, Ink, LeftAlign);
    Version = MakeTextLabel(LeftPage, "Version", 105, 88, 220, 20, Value, Ink, LeftAlign);
    BuildLbl = MakeTextLabel(LeftPage, "BuildLbl", 25, 110, 80, 20, Caption, Ink, LeftAlign);
    Build = MakeTextLabel(LeftPage, "Build", 105, 110, 220, 20, Value, Ink, LeftAlign);
    UserLbl = MakeTextLabel(LeftPage, "UserLbl", 25, 132, 80, 20, Caption, Ink, LeftAlign);
    CurrentUser = MakeTextLabel(LeftPage, "CurrentUser", 105, 132, 220, 20, Value, Ink, LeftAlign);
    LatestVersion = MakeLink(LeftPage, "LatestVersion", 25, 162, 300);

    ContactTitle =
        MakeTextLabel(LeftPage, "ContactTitle", 19, 212, 300, 22, Title, Navy, LeftAlign);
    EmailLbl = MakeTextLabel(LeftPage, "EmailLbl", 25, 244, 80, 20, Caption, Ink, LeftAlign);
    EmailLink = MakeLink(LeftPage, "EmailLink", 105, 244, 220);
    WWWLbl = MakeTextLabel(LeftPage, "WWWLbl", 25, 266, 80, 20, Caption, Ink, LeftAlign);
    DomainLink = MakeLink(LeftPage, "DomainLink", 105, 266, 220);
    ProductName = MakeTextLabel(LeftPage, "ProductName", 19, 330, 300, 60, Arial(34, true),
                                QColor(0x80, 0x00, 0x00), Qt::AlignCenter);

    RightPage = MakeControl<TPanel>(this, "RightPage", 0, 0, 338, 428);
    RightPage->SetColor(Qt::white);
    TeamTitle = MakeTextLabel(RightPage, "TeamTitle", 14, 4, 300, 22, Title, Navy, LeftAlign);
    int Top = 40;
    for (const TCredit& Credit : Credits) {
        const int Lines = 1 + int(std::string(Credit.Names).find('\n') != std::string::npos);
        const int Height = 19 * Lines;
        QLabel* Role =
            MakeTextLabel(RightPage, "Role", 14, Top, 130, Height, Caption, Muted, TopRight);
        QLabel* Name =
            MakeTextLabel(RightPage, "Credit", 154, Top, 175, Height, Caption, Ink, TopLeft);
        Role->setText(QString::fromLatin1(Credit.Role));
        Name->setText(QString::fromLatin1(Credit.Names));
        Roles.push_back(Role);
        Names.push_back(Name);
        Top += Height + 12;
    }

    VersionTitle->setText(QStringLiteral("V E R S I O N"));
    VersionLbl->setText(QStringLiteral("Version:"));
    BuildLbl->setText(QStringLiteral("Build:"));
    UserLbl->setText(QStringLiteral("User:"));
    LatestVersion->setText(QStringLiteral("Check at Internet for a newer version"));
    ContactTitle->setText(QStringLiteral("C O N T A C T"));
    EmailLbl->setText(QStringLiteral("Email:"));
    EmailLink->setText(QString::fromLatin1(ProductInfo::SupportMail));
    WWWLbl->setText(QStringLiteral("WWW:"));
    DomainLink->setText(QStringLiteral("www.veltrona.example"));
    ProductName->setText(QString::fromLatin1(ProductInfo::Title));
    TeamTitle->setText(QStringLiteral("T E A M"));
}
