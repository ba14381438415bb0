// Storage form of the pages that events open: the story chooser, the top-ten
// list and the wizard's before-and-after results. Each panel is laid out as
// a page of the book.
#pragma once

#include "forms/TStorageForm.h"

class QLabel;
class QLineEdit;
class QListWidget;
class QRadioButton;
class TPanel;

class TEventViewStg : public TStorageForm {
public:
    TEventViewStg();

    // The story chooser: the left page with the choice and the list of
    // stories (drawn by the page, 20 pixels a line), the right page with
    // the preview's title, tip and the story's copyright.
    TPanel* Page1;
    QLabel* StoryTitle;
    QRadioButton* Continue;
    QLabel* ContinueLabel;
    QRadioButton* NewStory;
    QListWidget* TextList;
    TPanel* Page2;
    QLabel* PreviewTitle;
    QLabel* PreviewTip;
    QLabel* Copyright;

    // The top-ten list: ten places of name, points and date.
    TPanel* TopTenPanel;
    QLabel* TopTenTitle;
    QLabel* Congratulations;
    QLabel* Name[10];
    QLabel* Points[10];
    QLabel* Date[10];
    QLineEdit* NameBox;

    // The wizard's results: titles over the two graphs.
    TPanel* WizResultPanel;
    QLabel* WizardResultsLbl;
    QLabel* BeforeLbl;
    QLabel* AfterLbl;
};

extern TEventViewStg* EventViewStg;
