// Storage form of the studying profile page. WizardL is its left page: the
// course (heading, question, the list of courses and the chosen course's
// description) and the lesson (heading, question, the four lengths, the pie
// gauge of the minutes and a note). WizardR is its right page: the frame and
// heading of the contents preview. Both in page coordinates.
#pragma once

#include "forms/TStorageForm.h"

class QComboBox;
class QLabel;
class QRadioButton;
class QScrollArea;
class TPanel;
class TPieGauge;
class TShape;

class TAddViewsStg : public TStorageForm {
public:
    TAddViewsStg();

    TPanel* WizardL;
    QLabel* ContentsTitle;
    TPanel* ContentsLine;
    QLabel* ContentsLbl;
    QComboBox* ContentsList;
    // Holds Description, which scrolls when it is longer than the box.
    QScrollArea* DescriptionBox;
    QLabel* Description;
    QLabel* LessonTitle;
    TPanel* LessonLine;
    TPanel* LessonPanel;
    QLabel* LessonLbl;
    QRadioButton* Time25;
    QRadioButton* Time35;
    QRadioButton* Time45;
    QRadioButton* TimeFree;
    TPieGauge* LessonGraph;
    QLabel* NoteLbl;

    TPanel* WizardR;
    TShape* Shape2;
    QLabel* PreviewLbl;
};

extern TAddViewsStg* AddViewsStg;
