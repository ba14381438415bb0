// Storage form of its group of pages. Its controls are added as the pages
// that borrow them are built.
#pragma once

#include "forms/TStorageForm.h"

class TBuilderStg : public TStorageForm {
public:
    TBuilderStg();
};

extern TBuilderStg* BuilderStg;
