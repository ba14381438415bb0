// Storage form of the controls that several pages share.
#pragma once

#include "forms/TStorageForm.h"

class QLabel;
class TPanel;

class TGeneralStg : public TStorageForm {
public:
    TGeneralStg();

    // The page of a part of the book that is still being written: its name
    // on the left page and a note on the right page.
    TPanel* PlaceholderLeft;
    QLabel* PlaceholderName;
    QLabel* PlaceholderNote;
    TPanel* PlaceholderRight;
    QLabel* PlaceholderHint;
};

extern TGeneralStg* GeneralStg;
