// Storage form of the revision wizard's page: the choice of keys on the left
// page (above the difficult keys' graph, which the page makes), the choice of
// method with a preview of each method on the right page.
#pragma once

#include "forms/TStorageForm.h"

class QLabel;
class QLineEdit;
class QRadioButton;
class QStackedWidget;
class TImage;
class TPanel;

class TBuilderStg : public TStorageForm {
public:
    TBuilderStg();

    TPanel* LeftPage;
    QLabel* KeysTitle;
    QLabel* DiffKeysTitle;
    TPanel* Panel;
    QLabel* KeyLbl;
    QRadioButton* DifficultKeys;
    QRadioButton* CurrentKeys;
    QRadioButton* ChooseKeys;
    QLabel* DifKeys;
    QLabel* StudiedKeys;
    QLineEdit* YourKeys;

    TPanel* RightPage;
    QLabel* MethodTitle;
    TPanel* Panel1;
    QLabel* MethodLbl;
    QRadioButton* Keyboard;
    QRadioButton* CrazySentences;
    QRadioButton* BubblesGame;
    QRadioButton* LexidropGame;
    // The method previews, pages "Page1" to "Page4", one picture each.
    QStackedWidget* Preview;
    QWidget* PreviewPage[4];
    TImage* PreviewPicture[4];

    // Shows the preview page of the name ("Page1" .. "Page4").
    void ShowPreview(const char* PageName);
};

extern TBuilderStg* BuilderStg;
