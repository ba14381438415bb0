#include "forms/TRevisionStg.h"

TRevisionStg* RevisionStg = nullptr;

TRevisionStg::TRevisionStg() : TStorageForm("RevisionStg") {}
