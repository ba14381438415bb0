#include "forms/TBuilderStg.h"

TBuilderStg* BuilderStg = nullptr;

TBuilderStg::TBuilderStg() : TStorageForm("BuilderStg") {}
