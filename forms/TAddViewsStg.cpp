#include "forms/TAddViewsStg.h"

TAddViewsStg* AddViewsStg = nullptr;

TAddViewsStg::TAddViewsStg() : TStorageForm("AddViewsStg") {}
