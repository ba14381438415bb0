#include "forms/TGeneralStg.h"

#include "platform/Controls.h"

TGeneralStg* GeneralStg = nullptr;

TGeneralStg::TGeneralStg() : TStorageForm("GeneralStg") {
    resize(760, 460);
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
