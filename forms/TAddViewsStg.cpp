#include "forms/TAddViewsStg.h"

#include "forms/TEventsStg.h"
#include "platform/Controls.h"

#include <QComboBox>
#include <QLabel>
#include <QRadioButton>
#include <QScrollArea>

TAddViewsStg* AddViewsStg = nullptr;

namespace {

const QColor Navy(0x1C, 0x2C, 0x5A);
const QColor Ink(0x20, 0x20, 0x20);
const QColor Muted(0x70, 0x78, 0x88);

QLabel* MakeLabel(QWidget* Parent, const char* Name, int Left, int Top, int Width, int Height,
                  const QFont& Font, const QColor& Color,
                  Qt::Alignment Align = Qt::AlignLeft | Qt::AlignVCenter) {
    return MakeTextLabel(Parent, Name, Left, Top, Width, Height, Font, Color, Align);
}

TPanel* MakeRule(QWidget* Parent, const char* Name, int Top) {
    auto* Line = MakeControl<TPanel>(Parent, Name, 19, Top, 300, 1);
    Line->SetColor(QColor(0xC8, 0xCE, 0xDA));
    return Line;
}

} // namespace

TAddViewsStg::TAddViewsStg() : TStorageForm("AddViewsStg") {
    resize(700, 430);

    WizardL = MakeControl<TPanel>(this, "WizardL", 0, 0, 338, 428);
    WizardL->SetColor(Qt::white);
    ContentsTitle = MakeLabel(WizardL, "ContentsTitle", 19, 52, 300, 28, Arial(20, true), Navy);
    ContentsLine = MakeRule(WizardL, "ContentsLine", 81);
    ContentsLbl = MakeLabel(WizardL, "ContentsLbl", 19, 88, 300, 22, Arial(15), Ink);
    ContentsList = MakeControl<QComboBox>(WizardL, "ContentsList", 19, 112, 300, 26);
    ContentsList->setFont(Arial(14));
    ContentsList->setEditable(false);
    // Five lines of the description show; a longer one scrolls.
    DescriptionBox = MakeControl<QScrollArea>(WizardL, "DescriptionBox", 19, 142, 300, 84);
    DescriptionBox->setFrameShape(QFrame::NoFrame);
    DescriptionBox->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    DescriptionBox->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    DescriptionBox->viewport()->setAutoFillBackground(false);
    Description = MakeLabel(nullptr, "Description", 0, 0, 300, 84, Arial(13), Muted,
                            Qt::AlignLeft | Qt::AlignTop);
    Description->setWordWrap(true);
    DescriptionBox->setWidget(Description);

    LessonTitle = MakeLabel(WizardL, "LessonTitle", 19, 230, 300, 28, Arial(20, true), Navy);
    LessonLine = MakeRule(WizardL, "LessonLine", 259);
    LessonPanel = MakeControl<TPanel>(WizardL, "LessonPanel", 19, 264, 300, 132);
    LessonPanel->SetColor(Qt::white);
    LessonLbl = MakeLabel(LessonPanel, "LessonLbl", 0, 0, 300, 22, Arial(15), Ink);
    const struct {
        QRadioButton*& Button;
        const char* Name;
        const char* Caption;
    } Lengths[] = {{Time25, "Time25", "&25 minutes"},
                   {Time35, "Time35", "&35 minutes"},
                   {Time45, "Time45", "&45 minutes"},
                   {TimeFree, "TimeFree", "No &time limits"}};
    int Top = 26;
    for (const auto& Length : Lengths) {
        Length.Button = MakeControl<QRadioButton>(LessonPanel, Length.Name, 8, Top, 160, 24);
        Length.Button->setFont(Arial(14));
        Length.Button->setText(QString::fromLatin1(Length.Caption));
        Top += 25;
    }
    LessonGraph = MakeControl<TPieGauge>(LessonPanel, "LessonGraph", 186, 24, 104, 104);
    LessonGraph->SetMaxValue(60);
    LessonGraph->ForeColor = QColor(0x2E, 0x5C, 0xA8);
    LessonGraph->BackColor = Qt::white;
    NoteLbl = MakeLabel(WizardL, "NoteLbl", 19, 398, 300, 20, Arial(12), Muted);

    WizardR = MakeControl<TPanel>(this, "WizardR", 350, 0, 338, 428);
    WizardR->SetColor(Qt::white);
    // The frame round the contents preview, which lies at 25, 37 inside it
    // and reaches its right and bottom lines; it ends above the console.
    Shape2 = MakeControl<TShape>(WizardR, "Shape2", 15, 28, 308, 316);
    Shape2->SetPenColor(QColor(0xB4, 0xBE, 0xCF));
    PreviewLbl =
        MakeLabel(WizardR, "PreviewLbl", 15, 4, 308, 22, Arial(14, true), Navy, Qt::AlignCenter);

    ContentsTitle->setText(QStringLiteral("Course"));
    SetAcceleratedCaption(ContentsLbl, "Which &course would you prefer?");
    LessonTitle->setText(QStringLiteral("Lesson"));
    LessonLbl->setText(QStringLiteral("How long a single lesson should take?"));
    NoteLbl->setText(QStringLiteral("Note: first lessons may be shorter."));
    PreviewLbl->setText(QStringLiteral("C O N T E N T S   P R E V I E W"));
}
