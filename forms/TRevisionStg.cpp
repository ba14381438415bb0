#include "forms/TRevisionStg.h"

#include "platform/Controls.h"

#include <QComboBox>
#include <QLabel>

TRevisionStg* RevisionStg = nullptr;

namespace {

const QColor Navy(0x1C, 0x2C, 0x5A);
const QColor Ink(0x20, 0x20, 0x20);
const QColor LightGreen(192, 220, 192);

TImage* MakeBox(QWidget* Parent, const char* Name, int Left, int Top, int Size,
                const char* Picture) {
    auto* Box = MakeControl<TImage>(Parent, Name, Left, Top, Size, Size);
    Box->SetPictureFile(Picture);
    Box->SetClickable(true);
    return Box;
}

QLabel* MakeCaption(QWidget* Parent, const char* Name, int Left, int Top, int Width,
                    const QFont& Font, const QColor& Color) {
    return MakeTextLabel(Parent, Name, Left, Top, Width, 22, Font, Color,
                         Qt::AlignHCenter | Qt::AlignVCenter);
}

// A caption whose accelerator letter (after "&") is underlined. The page
// handles Alt with the letter itself, so no shortcut is registered.
void SetCaption(QLabel* Label, const QString& Caption) {
    const int At = Caption.indexOf(QLatin1Char('&'));
    if (At < 0 || At + 1 >= Caption.size()) {
        Label->setText(Caption);
        return;
    }
    Label->setTextFormat(Qt::RichText);
    Label->setText(Caption.left(At).toHtmlEscaped() + QStringLiteral("<u>") +
                   Caption.mid(At + 1, 1).toHtmlEscaped() + QStringLiteral("</u>") +
                   Caption.mid(At + 2).toHtmlEscaped());
}

QComboBox* MakeList(QWidget* Parent, const char* Name, int Left, int Top) {
    auto* List = MakeControl<QComboBox>(Parent, Name, Left, Top, 100, 24);
    List->setFont(Arial(12));
    return List;
}

} // namespace

TRevisionStg::TRevisionStg() : TStorageForm("RevisionStg") {
    resize(700, 440);

    Panel1 = MakeControl<TPanel>(this, "Panel1", 0, 0, 338, 427);
    Panel1->SetColor(Qt::white);
    Image1 = MakeControl<TImage>(Panel1, "Image1", 0, 0, 338, 427);
    Image1->SetPictureFile("Revision.png");

    Panel2 = MakeControl<TPanel>(this, "Panel2", 0, 0, 337, 425);
    Panel2->SetColor(Qt::white);

    // The wizard: a large picture with its caption and a line of what it does.
    Shape1 = MakeControl<TPanel>(Panel2, "Shape1", 4, 4, 329, 170);
    Shape1->SetColor(LightGreen);
    WizardBox = MakeBox(Panel2, "WizardBox", 9, 9, 160, "Wizard.png");
    WizardLbl = MakeCaption(Panel2, "WizardLbl", 172, 22, 160, Arial(17, true), Navy);
    WizardText = MakeTextLabel(Panel2, "WizardText", 180, 52, 146, 112, Arial(13), Ink,
                               Qt::AlignLeft | Qt::AlignTop);
    WizardText->setWordWrap(true);

    // Story typing, bubbles and falling words side by side.
    Shape2 = MakeControl<TPanel>(Panel2, "Shape2", 4, 182, 329, 180);
    Shape2->SetColor(LightGreen);
    const int Column[3] = {11, 118, 225};
    StoryBox = MakeBox(Panel2, "StoryBox", Column[0] + 10, 190, 80, "StoryBox.png");
    BubblesBox = MakeBox(Panel2, "BubblesBox", Column[1] + 10, 190, 80, "BubblesBox.png");
    LexidropBox = MakeBox(Panel2, "LexidropBox", Column[2] + 10, 190, 80, "LexidropBox.png");
    const QFont Caption = Arial(14, true);
    StoryLbl = MakeCaption(Panel2, "StoryLbl", Column[0] - 4, 272, 108, Caption, Navy);
    BubblesLbl = MakeCaption(Panel2, "BubblesLbl", Column[1] - 4, 272, 108, Caption, Navy);
    LexidropLbl = MakeCaption(Panel2, "LexidropLbl", Column[2] - 4, 272, 108, Caption, Navy);
    StoryTime = MakeList(Panel2, "StoryTime", Column[0], 328);
    BubblesKeys = MakeList(Panel2, "BubblesKeys", Column[1], 328);
    DropFileList = MakeList(Panel2, "DropFileList", Column[2], 328);
    DurationLbl = MakeCaption(Panel2, "DurationLbl", Column[0], 302, 100, Arial(12), Ink);
    KeysLbl = MakeCaption(Panel2, "KeysLbl", Column[1], 302, 100, Arial(12), Ink);
    VocabularyLbl = MakeCaption(Panel2, "VocabularyLbl", Column[2], 302, 100, Arial(12), Ink);
    Image2 = MakeControl<TImage>(Panel2, "Image2", 4, 370, 329, 50);
    Image2->SetPictureFile("RevisionStrip.png");

    for (QLabel* Label : {WizardLbl, WizardText, StoryLbl, BubblesLbl, LexidropLbl})
        Label->setCursor(Qt::PointingHandCursor);

    SetCaption(WizardLbl, QStringLiteral("&Revision Wizard"));
    WizardText->setText(QStringLiteral(
        "Click here and let Clavora build you an exercise for your personal needs."));
    SetCaption(StoryLbl, QStringLiteral("&Story Typing"));
    SetCaption(DurationLbl, QStringLiteral("&Duration"));
    SetCaption(BubblesLbl, QStringLiteral("Play &Bubbles"));
    SetCaption(KeysLbl, QStringLiteral("With &Keys"));
    SetCaption(LexidropLbl, QStringLiteral("Play &Lexidrop"));
    SetCaption(VocabularyLbl, QStringLiteral("&Vocabulary"));
    // The underlined letter of a list's caption (with Alt) goes to the list;
    // the menu page hands the keys on.
    DurationLbl->setBuddy(StoryTime);
    KeysLbl->setBuddy(BubblesKeys);
    VocabularyLbl->setBuddy(DropFileList);
    StoryTime->addItems({QStringLiteral("5 min. (Short)"), QStringLiteral("10 min. (Normal)"),
                         QStringLiteral("20 min. (Medium)"), QStringLiteral("30 min. (Long)")});
    BubblesKeys->addItems({QStringLiteral("Studied Keys"), QStringLiteral("a-z"),
                           QStringLiteral("a-z, A-Z"), QStringLiteral("a-z, A-Z, 0-9")});
}
