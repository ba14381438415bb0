// Storage form of the revision menu: the left page's picture, and on the
// right page the four activities, each a picture with its caption (all
// clickable) and, but for the wizard, the list that sets it up.
#pragma once

#include "forms/TStorageForm.h"

class QComboBox;
class QLabel;
class TImage;
class TPanel;

class TRevisionStg : public TStorageForm {
public:
    TRevisionStg();

    // Left page.
    TPanel* Panel1;
    TImage* Image1;

    // Right page.
    TPanel* Panel2;
    TPanel* Shape1;
    TPanel* Shape2;
    TImage* WizardBox;
    QLabel* WizardLbl;
    QLabel* WizardText;
    TImage* StoryBox;
    QLabel* StoryLbl;
    QLabel* DurationLbl;
    QComboBox* StoryTime;
    TImage* BubblesBox;
    QLabel* BubblesLbl;
    QLabel* KeysLbl;
    QComboBox* BubblesKeys;
    TImage* LexidropBox;
    QLabel* LexidropLbl;
    QLabel* VocabularyLbl;
    QComboBox* DropFileList;
    TImage* Image2;
};

extern TRevisionStg* RevisionStg;
