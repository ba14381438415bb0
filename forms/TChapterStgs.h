// Storage form of its group of pages. Its controls are added as the pages
// that borrow them are built.
#pragma once

#include "forms/TStorageForm.h"

class TChapterStgs : public TStorageForm {
public:
    TChapterStgs();
};

extern TChapterStgs* ChapterStgs;
