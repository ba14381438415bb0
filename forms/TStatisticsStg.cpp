#include "forms/TStatisticsStg.h"

TStatisticsStg* StatisticsStg = nullptr;

TStatisticsStg::TStatisticsStg() : TStorageForm("StatisticsStg") {}
