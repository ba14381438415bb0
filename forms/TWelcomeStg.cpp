#include "forms/TWelcomeStg.h"

TWelcomeStg* WelcomeStg = nullptr;

TWelcomeStg::TWelcomeStg() : TStorageForm("WelcomeStg") {}
