#include "forms/TChapterStgs.h"

#include "platform/Controls.h"

#include <QLabel>

TChapterStgs* ChapterStgs = nullptr;

namespace {

QLabel* MakeLabel(QWidget* Parent, const char* Name, int Left, int Top, int Width, int Height,
                  const QFont& Font, const QColor& Color,
                  Qt::Alignment Align = Qt::AlignLeft | Qt::AlignVCenter) {
    return MakeTextLabel(Parent, Name, Left, Top, Width, Height, Font, Color, Align);
}

TPanel* MakeLine(QWidget* Parent, const char* Name, int Left, int Top, int Width,
                 const QColor& Color) {
    auto* Line = MakeControl<TPanel>(Parent, Name, Left, Top, Width, 1);
    Line->SetColor(Color);
    return Line;
}

} // namespace

TChapterStgs::TChapterStgs() : TStorageForm("ChapterStgs") {
    resize(1100, 460);
    CreateChapterPages();
    CreateResultsPage();
}

void TChapterStgs::CreateChapterPages() {
    const QColor Muted(0x70, 0x78, 0x88);

    Panel1 = MakeControl<TPanel>(this, "Panel1", 0, 0, 337, 425);
    Panel1->SetColor(Qt::white);
    // The numerals stand on a tall frame beside the picture; the tens digit
    // above the units digit.
    NumeralFrame = MakeControl<TImage>(Panel1, "NumeralFrame", 16, 64, 113, 313);
    NumeralFrame->SetPictureFile("NumeralFrame.png");
    Chapter2 =
        MakeLabel(Panel1, "Chapter2", 16, 72, 113, 150, Arial(160), Qt::white, Qt::AlignCenter);
    Chapter =
        MakeLabel(Panel1, "Chapter", 16, 64, 113, 313, Arial(160), Qt::white, Qt::AlignCenter);
    ChpPicture = MakeControl<TImage>(Panel1, "ChpPicture", 136, 64, 185, 313);
    LessonCount = MakeLabel(Panel1, "LessonCount", 16, 380, 113, 42, Arial(37),
                            QColor(0xA8, 0xA8, 0xA8), Qt::AlignCenter);
    ExtraDescLbl = MakeLabel(Panel1, "ExtraDescLbl", 136, 380, 185, 44, Arial(12), Muted,
                             Qt::AlignLeft | Qt::AlignTop);
    ExtraDescLbl->setWordWrap(true);

    Panel3 = MakeControl<TPanel>(this, "Panel3", 0, 0, 337, 425);
    Panel3->SetColor(Qt::white);
    Shape6 = MakeControl<TShape>(Panel3, "Shape6", 34, 44, 277, 284);
    Shape6->SetPenColor(QColor(0xB4, 0xBE, 0xCF));
    Image2 = MakeControl<TImage>(Panel3, "Image2", 40, 12, 265, 30);
    Image2->SetPictureFile("ExercisesStrip.png");
    ExercisesTitle =
        MakeLabel(Panel3, "ExercisesTitle", 52, 12, 241, 27, Arial(17, true), Qt::white);
    const struct {
        TImage*& Picture;
        const char* Name;
        const char* File;
    } Rows[] = {{ActivePic, "ActivePic", "RowActive.png"},
                {InactivePic, "InactivePic", "RowInactive.png"},
                {CompletedPic, "CompletedPic", "RowCompleted.png"}};
    for (const auto& Row : Rows) {
        Row.Picture = MakeControl<TImage>(Panel3, Row.Name, 40, 340, 259, 31);
        Row.Picture->SetPictureFile(Row.File);
        Row.Picture->hide();
    }
    ExercisesTitle->setText(QStringLiteral("Exercises"));
}

void TChapterStgs::CreateResultsPage() {
    const QColor Ink(0x20, 0x20, 0x20);
    const QColor Navy(0x1C, 0x2C, 0x5A);
    const QColor Muted(0x70, 0x78, 0x88);
    const QColor Green(0x00, 0x80, 0x00);
    const Qt::Alignment Right = Qt::AlignRight | Qt::AlignVCenter;

    Panel4 = MakeControl<TPanel>(this, "Panel4", 0, 0, 337, 425);
    Panel4->SetColor(Qt::white);

    InfoTitle = MakeLabel(Panel4, "InfoTitle", 19, 73, 150, 22, Arial(17, true), Navy);
    ExerciseIDLbl = MakeLabel(Panel4, "ExerciseIDLbl", 172, 73, 150, 22, Arial(15), Muted, Right);
    InfoLine = MakeLine(Panel4, "InfoLine", 19, 96, 303, QColor(0xC8, 0xCE, 0xDA));

    // One row per measure: title, value, change picture, level name.
    const QFont Title = Arial(15);
    const QFont Value = Arial(15, true);
    const QFont Level = Arial(15);
    SpeedTitle = MakeLabel(Panel4, "SpeedTitle", 34, 102, 50, 22, Title, Ink);
    SpeedUnit = MakeLabel(Panel4, "SpeedUnit", 82, 104, 40, 20, Arial(12), Muted);
    SpeedLbl = MakeLabel(Panel4, "SpeedLbl", 127, 102, 52, 22, Value, Ink, Right);
    SpeedChange = MakeControl<TImage>(Panel4, "SpeedChange", 184, 102, 22, 22);
    SpeedGradeLbl = MakeLabel(Panel4, "SpeedGradeLbl", 212, 102, 110, 22, Level, Ink, Right);

    AccuracyTitle = MakeLabel(Panel4, "AccuracyTitle", 34, 132, 90, 22, Title, Ink);
    ErrorsLbl = MakeLabel(Panel4, "ErrorsLbl", 127, 132, 52, 22, Value, Ink, Right);
    ErrorsChange = MakeControl<TImage>(Panel4, "ErrorsChange", 184, 132, 22, 22);
    ErrorsGradeLbl = MakeLabel(Panel4, "ErrorsGradeLbl", 212, 132, 110, 22, Level, Ink, Right);

    BackSpaceTitle = MakeLabel(Panel4, "BackSpaceTitle", 34, 161, 90, 22, Title, Ink);
    BackSpaceLbl = MakeLabel(Panel4, "BackSpaceLbl", 127, 161, 52, 22, Value, Ink, Right);
    BackSpaceChange = MakeControl<TImage>(Panel4, "BackSpaceChange", 184, 161, 22, 22);
    BackSpaceGradeLbl =
        MakeLabel(Panel4, "BackSpaceGradeLbl", 212, 161, 110, 22, Level, Ink, Right);

    EfficiencyTitle = MakeLabel(Panel4, "EfficiencyTitle", 34, 194, 90, 22, Arial(16, true), Navy);
    EfficiencyLbl =
        MakeLabel(Panel4, "EfficiencyLbl", 127, 194, 52, 22, Arial(16, true), Navy, Right);
    EfficiencyChange = MakeControl<TImage>(Panel4, "EfficiencyChange", 184, 194, 22, 22);
    EfficiencyGradeLbl =
        MakeLabel(Panel4, "EfficiencyGradeLbl", 212, 194, 110, 22, Arial(15, true), Navy, Right);

    SpeedUnitNote = MakeLabel(Panel4, "SpeedUnitNote", 34, 226, 288, 16, Arial(12), Muted);

    CommentatorTitle =
        MakeLabel(Panel4, "CommentatorTitle", 19, 258, 303, 20, Arial(17, true), Green);
    CommentatorLine = MakeLine(Panel4, "CommentatorLine", 19, 279, 303, Green);
    // Wide and tall enough for the longest of the commentator's sentences
    // (six lines of the page's width).
    TipLbl = MakeLabel(Panel4, "TipLbl", 34, 284, 288, 130, Arial(16), Qt::black,
                       Qt::AlignLeft | Qt::AlignTop);
    TipLbl->setWordWrap(true);

    CommentatorTitle->setText(QStringLiteral("C O M M E N T A T O R"));
    InfoTitle->setText(QStringLiteral("R E S U L T S"));
    SpeedTitle->setText(QStringLiteral("Speed"));
    AccuracyTitle->setText(QStringLiteral("Accuracy"));
    BackSpaceTitle->setText(QStringLiteral("BackSpace"));
    EfficiencyTitle->setText(QStringLiteral("Efficiency"));
    SpeedUnitNote->clear();
}
