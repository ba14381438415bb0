#include "course/TChapterPages.h"

namespace {
TChapterPages* Installed = nullptr;
}

TChapterPages* ChapterPages() {
    return Installed;
}

void SetChapterPages(TChapterPages* Pages) {
    Installed = Pages;
}
