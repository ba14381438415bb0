// Storage form of the controls that several pages share.
#pragma once

#include "forms/TStorageForm.h"

class TImage;

class TGeneralStg : public TStorageForm {
public:
    TGeneralStg();

    // How a result changed since the run before (22 x 22): rising by a full
    // step or more, rising, level, falling, falling by a full step or more;
    // the "b" set is the emphasised colouring of the efficiency row.
    // ClearPic is empty.
    TImage* ArrowUp2;
    TImage* ArrowUp1;
    TImage* ArrowHorizontal;
    TImage* ArrowDown1;
    TImage* ArrowDown2;
    TImage* ArrowUp2b;
    TImage* ArrowUp1b;
    TImage* ArrowHorizontalb;
    TImage* ArrowDown1b;
    TImage* ArrowDown2b;
    TImage* ClearPic;

    // The picture control with that design name among the arrows and
    // ClearPic, or nullptr.
    TImage* ChangePicture(const char* Name) const;
};

extern TGeneralStg* GeneralStg;
