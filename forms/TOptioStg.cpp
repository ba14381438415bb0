#include "forms/TOptioStg.h"

#include "platform/Controls.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QRadioButton>

TOptioStg* OptioStg = nullptr;

namespace {

const QColor Navy(0x1C, 0x2C, 0x5A);
const QColor Ink(0x20, 0x20, 0x20);
const QColor Muted(0x70, 0x78, 0x88);
const Qt::Alignment LeftAlign = Qt::AlignLeft | Qt::AlignVCenter;

TPanel* MakeGroup(QWidget* Page, const char* Name, int Left, int Top, int Width, int Height) {
    auto* Group = MakeControl<TPanel>(Page, Name, Left, Top, Width, Height);
    Group->SetTransparent();
    return Group;
}

template <class T>
T* MakeChoice(QWidget* Group, const char* Name, int Left, int Top, int Width, const char* Caption) {
    auto* Choice = MakeControl<T>(Group, Name, Left, Top, Width, 22);
    Choice->setFont(Arial(14));
    Choice->setText(QString::fromLatin1(Caption));
    Choice->setCursor(Qt::PointingHandCursor);
    return Choice;
}

} // namespace

TOptioStg::TOptioStg() : TStorageForm("OptioStg") {
    resize(700, 440);
    const QFont Title = Arial(17, true);
    const QFont Question = Arial(13);

    // The right page's keyboard reaches over the fold into the left page's
    // right-hand side (from x 203, rows 124 to 294): what the left page shows
    // there is narrow, and the questions of longer texts lie above or below.
    Panel1 = MakeControl<TPanel>(this, "Panel1", 0, 0, 338, 428);
    Panel1->SetColor(Qt::white);
    // The page's top lies under the title strip.
    LessonTitle = MakeTextLabel(Panel1, "LessonTitle", 19, 52, 300, 22, Title, Navy, LeftAlign);
    LessonLbl = MakeTextLabel(Panel1, "LessonLbl", 25, 76, 300, 20, Question, Ink, LeftAlign);
    LessonPanel = MakeGroup(Panel1, "LessonPanel", 25, 98, 170, 92);
    lesson1 = MakeChoice<QRadioButton>(LessonPanel, "lesson1", 10, 0, 160, "&25 minutes");
    lesson2 = MakeChoice<QRadioButton>(LessonPanel, "lesson2", 10, 23, 160, "&35 minutes");
    lesson3 = MakeChoice<QRadioButton>(LessonPanel, "lesson3", 10, 46, 160, "&45 minutes");
    lessonfree =
        MakeChoice<QRadioButton>(LessonPanel, "lessonfree", 10, 69, 160, "No &time limits");

    // Two choices side by side.
    SoundsTitle = MakeTextLabel(Panel1, "SoundsTitle", 19, 204, 170, 22, Title, Navy, LeftAlign);
    SoundsLbl = MakeTextLabel(Panel1, "SoundsLbl", 25, 226, 170, 32, Question, Ink,
                              Qt::AlignLeft | Qt::AlignTop);
    SoundsLbl->setWordWrap(true);
    Panel3 = MakeGroup(Panel1, "Panel3", 25, 258, 170, 22);
    SoundButton1 = MakeChoice<QRadioButton>(Panel3, "SoundButton1", 10, 0, 70, "&Yes");
    SoundButton2 = MakeChoice<QRadioButton>(Panel3, "SoundButton2", 90, 0, 70, "&No");

    FontsTitle = MakeTextLabel(Panel1, "FontsTitle", 19, 298, 300, 22, Title, Navy, LeftAlign);
    FontsLbl = MakeTextLabel(Panel1, "FontsLbl", 25, 322, 300, 20, Question, Ink, LeftAlign);
    FontPanel = MakeGroup(Panel1, "FontPanel", 25, 344, 300, 22);
    NormalFont = MakeChoice<QRadioButton>(FontPanel, "NormalFont", 10, 0, 110, "N&ormal");
    LargeFont = MakeChoice<QRadioButton>(FontPanel, "LargeFont", 130, 0, 110, "&Large");
    // How large the book is drawn, beside how large the exercises' text is.
    ScaleBook =
        MakeChoice<QCheckBox>(Panel1, "ScaleBook", 30, 378, 290, "&Fit the book to the screen");
    ScaleNote = MakeTextLabel(Panel1, "ScaleNote", 52, 400, 280, 18, Arial(12), Muted, LeftAlign);

    Panel2 = MakeControl<TPanel>(this, "Panel2", 0, 0, 338, 428);
    Panel2->SetColor(Qt::white);
    KeyboardTitle = MakeTextLabel(Panel2, "KeyboardTitle", 14, 0, 300, 22, Title, Navy, LeftAlign);
    KeyboardLbl = MakeTextLabel(Panel2, "KeyboardLbl", 20, 24, 300, 20, Question, Ink, LeftAlign);
    LayoutPanel = MakeGroup(Panel2, "LayoutPanel", 20, 46, 310, 52);
    AutoDetect = MakeChoice<QRadioButton>(LayoutPanel, "AutoDetect", 10, 0, 110, "&Autodetect:");
    AutoLayout =
        MakeTextLabel(LayoutPanel, "AutoLayout", 122, 0, 180, 22, Arial(14, true), Ink, LeftAlign);
    UserLayout = MakeChoice<QRadioButton>(LayoutPanel, "UserLayout", 10, 27, 110, "&Choose:");
    Layout = MakeControl<QComboBox>(LayoutPanel, "Layout", 122, 26, 180, 24);
    Layout->setFont(Arial(14));
    Layout->setMaxVisibleItems(16);
    NoteLbl = MakeTextLabel(Panel2, "NoteLbl", 20, 102, 310, 18, Arial(12), Muted, LeftAlign);
    // The keyboard at the size of the drills' (five rows of keys 33 high
    // and 32 wide): wider than a page, it ends 10 short of the right page's
    // edge and crosses the fold. The page lays it on the book.
    KeybPanel = MakeControl<TPanel>(Panel2, "KeybPanel", 338 - 10 - 502, 124, 502, 170);
    KeybPanel->SetColor(QColor(192, 220, 192));

    ThemeTitle = MakeTextLabel(Panel2, "ThemeTitle", 14, 302, 300, 22, Title, Navy, LeftAlign);
    GeneralTheme =
        MakeChoice<QCheckBox>(Panel2, "GeneralTheme", 30, 324, 290, "&Play a theme sound");

    GeneralTitle = MakeTextLabel(Panel2, "GeneralTitle", 14, 354, 300, 22, Title, Navy, LeftAlign);
    MeasuringLabel =
        MakeTextLabel(Panel2, "MeasuringLabel", 20, 376, 300, 20, Question, Ink, LeftAlign);
    UnitPanel = MakeGroup(Panel2, "UnitPanel", 20, 398, 310, 22);
    WpmChoice = MakeChoice<QRadioButton>(UnitPanel, "WpmChoice", 10, 0, 150, "&Words/min. (wpm)");
    CpsChoice = MakeChoice<QRadioButton>(UnitPanel, "CpsChoice", 160, 0, 150, "Char&s/min. (cpm)");

    LessonTitle->setText(QStringLiteral("Lesson Duration"));
    LessonLbl->setText(QStringLiteral("How long a single lesson should take?"));
    SoundsTitle->setText(QStringLiteral("Sounds"));
    SoundsLbl->setText(QStringLiteral("Do you want to hear the sound effects?"));
    FontsTitle->setText(QStringLiteral("Fonts"));
    FontsLbl->setText(QStringLiteral("Which font size are used in exercises?"));
    KeyboardTitle->setText(QStringLiteral("Keyboard"));
    KeyboardLbl->setText(QStringLiteral("Which keyboard layout do you use?"));
    NoteLbl->setText(QStringLiteral("Match the highlighted chars to your keyboard"));
    ThemeTitle->setText(QStringLiteral("Theme"));
    GeneralTitle->setText(QStringLiteral("General Settings"));
    MeasuringLabel->setText(QStringLiteral("Speed Unit"));
    ScaleNote->setText(QStringLiteral("from the next time Clavora starts"));
}
