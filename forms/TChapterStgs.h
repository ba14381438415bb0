// Storage form of the chapter pages and the results page shown after an
// exercise: Panel1 the left chapter page (the chapter's numerals, picture and
// count of chapters), Panel3 the right one (the frame and title of the
// exercise list, and the three row pictures the list paints with), Panel4
// the results page.
#pragma once

#include "forms/TStorageForm.h"

class QLabel;
class TImage;
class TPanel;
class TShape;

class TChapterStgs : public TStorageForm {
public:
    TChapterStgs();

    // The left chapter page, in left-page coordinates.
    TPanel* Panel1;
    TImage* NumeralFrame;
    QLabel* Chapter2; // tens digit of the chapter's number
    QLabel* Chapter;  // units digit
    TImage* ChpPicture;
    QLabel* LessonCount;
    QLabel* ExtraDescLbl;

    // The right chapter page, in right-page coordinates. The row pictures
    // are designed hidden: the list paints with them.
    TPanel* Panel3;
    TShape* Shape6;
    TImage* Image2;
    QLabel* ExercisesTitle;
    TImage* ActivePic;
    TImage* InactivePic;
    TImage* CompletedPic;

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
    void CreateChapterPages();
    void CreateResultsPage();
};

extern TChapterStgs* ChapterStgs;
