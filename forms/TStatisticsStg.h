// Storage form of the statistics page: the progress figures and the
// difficult keys' title on the left page, the titles of the efficiency and
// speed graphs on the right page. The graphs themselves are made by the page
// each time it opens.
#pragma once

#include "forms/TStorageForm.h"

class QLabel;
class TButton;
class TGauge;
class TPanel;

class TStatisticsStg : public TStorageForm {
public:
    TStatisticsStg();

    // Left page.
    TPanel* Panel1;
    QLabel* ProgressTitle;
    QLabel* Completed;
    TGauge* Completedgraph;
    QLabel* TimeStudied;
    QLabel* TimeLeft;
    QLabel* ApproxLbl;
    QLabel* DiffKeysTitle;
    QLabel* Perc1Lbl;
    TButton* PrintBtn;

    // Right page.
    TPanel* Panel2;
    QLabel* EfficiencyTitle;
    QLabel* Perc2Lbl;
    QLabel* SpeedTitle;
    QLabel* CharLbl;
    QLabel* Lesson1Lbl;
    QLabel* Lesson2Lbl;
};

extern TStatisticsStg* StatisticsStg;
