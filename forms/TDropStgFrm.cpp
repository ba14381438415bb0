#include "forms/TDropStgFrm.h"

TDropStgFrm* DropStgFrm = nullptr;

TDropStgFrm::TDropStgFrm() : TStorageForm("DropStgFrm") {}
