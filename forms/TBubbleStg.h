// Storage form of the bubbles game: the play area, the lamps of the
// missed-bubbles display, the tile of the play area's background and the
// bubble timer.
#pragma once

#include "forms/TStorageForm.h"

class QTimer;
class TImage;
class TPanel;

class TBubbleStg : public TStorageForm {
public:
    TBubbleStg();

    TPanel* Panel1;
    TImage* GameArea;
    // The missed-bubbles display's lit and dark lamps.
    TImage* BubbleOn;
    TImage* BubbleOff;
    // The tile that fills the play area.
    TImage* BackGround;
    QTimer* BubbleTimer;
};

extern TBubbleStg* BubbleStg;
