#include "forms/TChapterStgs.h"

TChapterStgs* ChapterStgs = nullptr;

TChapterStgs::TChapterStgs() : TStorageForm("ChapterStgs") {}
