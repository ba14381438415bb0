#include "forms/TEventViewStg.h"

TEventViewStg* EventViewStg = nullptr;

TEventViewStg::TEventViewStg() : TStorageForm("EventViewStg") {}
