#include "forms/TOptioStg.h"

TOptioStg* OptioStg = nullptr;

TOptioStg::TOptioStg() : TStorageForm("OptioStg") {}
