#include "forms/TAboutStorage.h"

TAboutStorage* AboutStorage = nullptr;

TAboutStorage::TAboutStorage() : TStorageForm("AboutStorage") {}
