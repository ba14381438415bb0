// Storage form of the chapter pages and the results page shown after an
// exercise. Its controls are added as the pages that borrow them are built.
#pragma once

#include "forms/TStorageForm.h"

class QLabel;
class TImage;
class TPanel;

class TChapterStgs : public TStorageForm {
public:
    TChapterStgs();

    // The results page, in left-page coordinates.
    TPanel* Panel4;
    QLabel* InfoTitle;
    QLabel* ExerciseIDLbl;
    TPanel* InfoLine;
    QLabel* SpeedTitle;
    QLabel* SpeedUnit;
    QLabel* SpeedLbl;
    TImage* SpeedChange;
    QLabel* SpeedGradeLbl;
    QLabel* AccuracyTitle;
    QLabel* ErrorsLbl;
    TImage* ErrorsChange;
    QLabel* ErrorsGradeLbl;
    QLabel* BackSpaceTitle;
    QLabel* BackSpaceLbl;
    TImage* BackSpaceChange;
    QLabel* BackSpaceGradeLbl;
    QLabel* EfficiencyTitle;
    QLabel* EfficiencyLbl;
    TImage* EfficiencyChange;
    QLabel* EfficiencyGradeLbl;
    QLabel* SpeedUnitNote;
    QLabel* CommentatorTitle;
    TPanel* CommentatorLine;
    QLabel* TipLbl;

private:
    void CreateResultsPage();
};

extern TChapterStgs* ChapterStgs;
