// Storage form of the welcome page and the course-completed page. Panel is
// the welcome page (the banner and two cards: the introduction and the
// course, each with a clickable mask over its picture and captions); Panel2
// the course-completed page (the medal, and the card that starts again).
// Both in wide-page coordinates.
#pragma once

#include "forms/TStorageForm.h"

class QLabel;
class TImage;
class TPanel;

class TWelcomeStg : public TStorageForm {
public:
    TWelcomeStg();

    TPanel* Panel;
    TImage* WelcomeTitle;
    TImage* IntroPic;
    QLabel* IntroTitle;
    QLabel* IntroLbl;
    TImage* IntroMask;
    TImage* StudyingPic;
    QLabel* StudyingTitle;
    QLabel* StudyingLbl;
    TImage* StudyingMask;

    TPanel* Panel2;
    TImage* DonePic;
    QLabel* DoneLbl;
    TImage* Restart;
    QLabel* RestartTitle;
    QLabel* RestartLbl;
};

extern TWelcomeStg* WelcomeStg;
