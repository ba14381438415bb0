#include "forms/TBuilderStg.h"

#include "platform/Controls.h"

#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QStackedWidget>

#include <string>

TBuilderStg* BuilderStg = nullptr;

namespace {

const QColor Navy(0x1C, 0x2C, 0x5A);
const QColor Ink(0x20, 0x20, 0x20);
const QColor Maroon(0x80, 0x00, 0x00);
const QColor Green(0x00, 0x80, 0x00);
const QColor LightGreen(192, 220, 192);

QRadioButton* MakeRadio(QWidget* Parent, const char* Name, int Top, int Width) {
    auto* Radio = MakeControl<QRadioButton>(Parent, Name, 10, Top, Width, 22);
    Radio->setFont(Arial(13));
    return Radio;
}

} // namespace

TBuilderStg::TBuilderStg() : TStorageForm("BuilderStg") {
    resize(700, 440);
    const Qt::Alignment LeftAlign = Qt::AlignLeft | Qt::AlignVCenter;

    // The left page's top lies under the title strip.
    LeftPage = MakeControl<TPanel>(this, "LeftPage", 0, 0, 337, 425);
    LeftPage->SetColor(Qt::white);
    KeysTitle =
        MakeTextLabel(LeftPage, "KeysTitle", 19, 48, 300, 26, Arial(20, true), Navy, LeftAlign);
    Panel = MakeControl<TPanel>(LeftPage, "Panel", 15, 80, 307, 116);
    Panel->SetColor(LightGreen);
    KeyLbl = MakeTextLabel(Panel, "KeyLbl", 10, 4, 290, 20, Arial(13, true), Ink, LeftAlign);
    DifficultKeys = MakeRadio(Panel, "DifficultKeys", 28, 222);
    CurrentKeys = MakeRadio(Panel, "CurrentKeys", 56, 222);
    ChooseKeys = MakeRadio(Panel, "ChooseKeys", 84, 222);
    DifKeys = MakeTextLabel(Panel, "DifKeys", 234, 28, 68, 22, Arial(14, true), Maroon, LeftAlign);
    StudiedKeys =
        MakeTextLabel(Panel, "StudiedKeys", 234, 56, 68, 22, Arial(14, true), Maroon, LeftAlign);
    YourKeys = MakeControl<QLineEdit>(Panel, "YourKeys", 234, 83, 64, 24);
    YourKeys->setFont(Arial(14, true));
    YourKeys->setMaxLength(6);
    DiffKeysTitle = MakeTextLabel(LeftPage, "DiffKeysTitle", 19, 214, 300, 22, Arial(16, true),
                                  Green, LeftAlign);

    RightPage = MakeControl<TPanel>(this, "RightPage", 0, 0, 337, 425);
    RightPage->SetColor(Qt::white);
    MethodTitle =
        MakeTextLabel(RightPage, "MethodTitle", 19, 48, 300, 26, Arial(20, true), Navy, LeftAlign);
    // The navigation console covers the page below y = 350.
    Panel1 = MakeControl<TPanel>(RightPage, "Panel1", 15, 80, 307, 266);
    Panel1->SetColor(LightGreen);
    MethodLbl = MakeTextLabel(Panel1, "MethodLbl", 10, 4, 290, 20, Arial(13, true), Ink, LeftAlign);
    Keyboard = MakeRadio(Panel1, "Keyboard", 26, 280);
    CrazySentences = MakeRadio(Panel1, "CrazySentences", 48, 280);
    BubblesGame = MakeRadio(Panel1, "BubblesGame", 70, 280);
    LexidropGame = MakeRadio(Panel1, "LexidropGame", 92, 280);
    Preview = MakeControl<QStackedWidget>(Panel1, "Preview", 10, 118, 287, 140);
    const char* Pictures[4] = {"PreviewKeyboard.png", "PreviewSentences.png", "PreviewBubbles.png",
                               "PreviewLexidrop.png"};
    for (int I = 0; I < 4; ++I) {
        const std::string Name = "Page" + std::to_string(I + 1);
        PreviewPage[I] = new QWidget;
        PreviewPage[I]->setObjectName(QString::fromLatin1(Name.c_str()));
        Preview->addWidget(PreviewPage[I]);
        PreviewPicture[I] = MakeControl<TImage>(PreviewPage[I], "PreviewPicture", 0, 0, 287, 140);
        PreviewPicture[I]->SetPictureFile(Pictures[I]);
    }

    KeysTitle->setText(QStringLiteral("Choose Keys"));
    DiffKeysTitle->setText(QStringLiteral("D I F F I C U L T   K E Y S"));
    KeyLbl->setText(QStringLiteral("Choose the keys to be revised"));
    DifficultKeys->setText(QStringLiteral("Keys you have &difficulties with"));
    CurrentKeys->setText(QStringLiteral("Keys currently &studied"));
    ChooseKeys->setText(QStringLiteral("&Choose the keys yourself"));
    DifficultKeys->setChecked(true);
    MethodTitle->setText(QStringLiteral("Choose Method"));
    MethodLbl->setText(QStringLiteral("Choose the method of revision"));
    Keyboard->setText(QStringLiteral("Words with &keyboard"));
    CrazySentences->setText(QStringLiteral("Cra&zy Sentences typing"));
    BubblesGame->setText(QStringLiteral("B&ubbles game"));
    LexidropGame->setText(QStringLiteral("&Lexidrop game"));
    Keyboard->setChecked(true);

    // Typing keys of one's own chooses them.
    QObject::connect(YourKeys, &QLineEdit::textEdited, ChooseKeys,
                     [this] { ChooseKeys->setChecked(true); });
}

void TBuilderStg::ShowPreview(const char* PageName) {
    for (QWidget* Page : PreviewPage)
        if (Page->objectName() == QLatin1String(PageName)) Preview->setCurrentWidget(Page);
}
