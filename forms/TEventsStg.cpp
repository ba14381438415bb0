#include "forms/TEventsStg.h"

TEventsStg* EventsStg = nullptr;

TEventsStg::TEventsStg() : TStorageForm("EventsStg") {}
