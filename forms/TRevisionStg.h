// Storage form of its group of pages. Its controls are added as the pages
// that borrow them are built.
#pragma once

#include "forms/TStorageForm.h"

class TRevisionStg : public TStorageForm {
public:
    TRevisionStg();
};

extern TRevisionStg* RevisionStg;
