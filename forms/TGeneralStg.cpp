#include "forms/TGeneralStg.h"

#include "platform/Controls.h"

#include <QLabel>

TGeneralStg* GeneralStg = nullptr;

namespace {
QLabel* MakeText(QWidget* Parent, const char* Name, int Left, int Top, int Width, int Height,
                 const QFont& Font, const QColor& Color) {
    auto* Label = MakeTextLabel(Parent, Name, Left, Top, Width, Height, Font, Color,
                                Qt::AlignLeft | Qt::AlignTop);
    Label->setWordWrap(true);
    return Label;
}
} // namespace

TGeneralStg::TGeneralStg() : TStorageForm("GeneralStg") {
    resize(760, 460);
    QFont Serif(QStringLiteral("Times New Roman"));
    Serif.setPixelSize(34);
    Serif.setBold(true);
    QFont Body(QStringLiteral("Arial"));
    Body.setPixelSize(15);

    // Laid out in page coordinates: the panels' children move onto a page.
    PlaceholderLeft = MakeControl<TPanel>(this, "PlaceholderLeft", 0, 0, 338, 428);
    PlaceholderName = MakeText(PlaceholderLeft, "PlaceholderName", 24, 90, 290, 90, Serif,
                               QColor(0x20, 0x30, 0x60));
    PlaceholderNote = MakeText(PlaceholderLeft, "PlaceholderNote", 24, 190, 290, 120, Body,
                               QColor(0x40, 0x40, 0x40));
    PlaceholderNote->setText(
        QStringLiteral("This chapter of the book is still being written. Choose another tab "
                       "above, or press Ctrl+Tab to leaf through the book."));
    PlaceholderRight = MakeControl<TPanel>(this, "PlaceholderRight", 0, 0, 338, 428);
    PlaceholderHint = MakeText(PlaceholderRight, "PlaceholderHint", 24, 90, 290, 200, Body,
                               QColor(0x60, 0x60, 0x60));
    PlaceholderHint->setText(
        QStringLiteral("Ctrl+Tab turns to the next part of the book, Ctrl+Shift+Tab to the "
                       "previous one, and Escape returns to Guided Studying."));

    // The change arrows, only lent as pixmaps; never shown from here.
    struct {
        TImage** Control;
        const char* Name;
        const char* File;
    } const Arrows[] = {
        {&ArrowUp2, "ArrowUp2", "ArrowUp2.png"},
        {&ArrowUp1, "ArrowUp1", "ArrowUp1.png"},
        {&ArrowHorizontal, "ArrowHorizontal", "ArrowHorizontal.png"},
        {&ArrowDown1, "ArrowDown1", "ArrowDown1.png"},
        {&ArrowDown2, "ArrowDown2", "ArrowDown2.png"},
        {&ArrowUp2b, "ArrowUp2b", "ArrowUp2b.png"},
        {&ArrowUp1b, "ArrowUp1b", "ArrowUp1b.png"},
        {&ArrowHorizontalb, "ArrowHorizontalb", "ArrowHorizontalb.png"},
        {&ArrowDown1b, "ArrowDown1b", "ArrowDown1b.png"},
        {&ArrowDown2b, "ArrowDown2b", "ArrowDown2b.png"},
    };
    int Left = 0;
    for (const auto& A : Arrows) {
        *A.Control = MakeControl<TImage>(this, A.Name, Left, 434, 22, 22);
        (*A.Control)->SetPictureFile(A.File);
        Left += 26;
    }
    ClearPic = MakeControl<TImage>(this, "ClearPic", Left, 434, 22, 22);
}

TImage* TGeneralStg::ChangePicture(const char* Name) const {
    for (TImage* Picture : {ArrowUp2, ArrowUp1, ArrowHorizontal, ArrowDown1, ArrowDown2, ArrowUp2b,
                            ArrowUp1b, ArrowHorizontalb, ArrowDown1b, ArrowDown2b, ClearPic})
        if (Picture->objectName() == QLatin1String(Name)) return Picture;
    return nullptr;
}
