#include "forms/TBubbleStg.h"

TBubbleStg* BubbleStg = nullptr;

TBubbleStg::TBubbleStg() : TStorageForm("BubbleStg") {}
