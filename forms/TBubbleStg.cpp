#include "forms/TBubbleStg.h"

#include "platform/Controls.h"

#include <QTimer>

TBubbleStg* BubbleStg = nullptr;

TBubbleStg::TBubbleStg() : TStorageForm("BubbleStg") {
    resize(800, 500);
    // Laid out in wide-page coordinates; the panel itself is see-through so
    // that the console's right column shows beside the play area.
    Panel1 = MakeControl<TPanel>(this, "Panel1", 0, 0, 657, 377);
    Panel1->SetTransparent();
    GameArea = MakeControl<TImage>(Panel1, "GameArea", 0, 3, 563, 337);
    BubbleOn = MakeControl<TImage>(this, "BubbleOn", 680, 0, 21, 20);
    BubbleOn->SetPictureFile("BubbleOn.png");
    BubbleOn->hide();
    BubbleOff = MakeControl<TImage>(this, "BubbleOff", 710, 0, 21, 20);
    BubbleOff->SetPictureFile("BubbleOff.png");
    BubbleOff->hide();
    BackGround = MakeControl<TImage>(this, "BackGround", 740, 0, 20, 20);
    BackGround->SetPictureFile("BubbleTile.png");
    BackGround->hide();
    BubbleTimer = new QTimer(this);
    BubbleTimer->setObjectName(QStringLiteral("BubbleTimer"));
    BubbleTimer->setInterval(100);
}
