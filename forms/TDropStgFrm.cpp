#include "forms/TDropStgFrm.h"

#include "platform/Controls.h"

#include <QLabel>
#include <QTimer>

#include <string>

TDropStgFrm* DropStgFrm = nullptr;

namespace {

TImage* MakePicture(QWidget* Parent, const char* Name, int Left, int Top, int Width, int Height,
                    const char* Picture) {
    auto* Image = MakeControl<TImage>(Parent, Name, Left, Top, Width, Height);
    if (Picture) Image->SetPictureFile(Picture);
    return Image;
}

} // namespace

TDropStgFrm::TDropStgFrm() : TStorageForm("DropStgFrm") {
    resize(900, 500);
    Drop = MakeControl<TPanel>(this, "Drop", 0, 0, 681, 437);
    Drop->SetTransparent();
    for (int I = 0; I < 10; ++I) {
        const std::string Name = "row" + std::to_string(I + 2);
        Rows[I] = MakePicture(Drop, Name.c_str(), 140, 4 + 30 * I, 220, 30, nullptr);
    }
    Image7 = MakePicture(Drop, "Image7", 110, 131, 30, 203, "DropWallLeft.png");
    Image13 = MakePicture(Drop, "Image13", 361, 131, 30, 203, "DropWallRight.png");
    Image3 = MakePicture(Drop, "Image3", 140, 304, 221, 30, "DropBase.png");
    Active = MakePicture(Drop, "Active", 140, 4, 220, 30, "DropActive.png");
    Active->hide();
    Inactive = MakePicture(Drop, "Inactive", 140, 34, 220, 30, "DropInactive.png");
    Inactive->hide();
    // The game keeps its score here, but the console's score screen, which
    // lies at the same place on the page, is where the learner reads it: shown,
    // this black copy would stand over the screen's green digits.
    ScoreLabel = MakeTextLabel(Drop, "ScoreLabel", 580, 200, 105, 29, Arial(24, true), Qt::black,
                               Qt::AlignRight | Qt::AlignVCenter);
    ScoreLabel->hide();
    Level = MakeTextLabel(Drop, "Level", 580, 240, 105, 29, Arial(24, true), Qt::black,
                          Qt::AlignRight | Qt::AlignVCenter);
    Level->hide();
    DropTimer = new QTimer(this);
    DropTimer->setObjectName(QStringLiteral("DropTimer"));
    DropTimer->setTimerType(Qt::PreciseTimer);
}
