// Storage form of the options page: the learner's own choices on the left
// page (lesson length, sound effects, the exercises' font size) with fitting
// the book to the screen, and the machine's on the right page (keyboard
// layout with a panel for the on-screen keyboard, theme tune, speed unit).
// The keyboard's panel is wider than a page and reaches over the fold. Each
// group of radio buttons sits on a panel of its own so that checking one
// unchecks only its neighbours.
#pragma once

#include "forms/TStorageForm.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QRadioButton;
class TPanel;

class TOptioStg : public TStorageForm {
public:
    TOptioStg();

    // Left page.
    TPanel* Panel1;
    QLabel* LessonTitle;
    QLabel* LessonLbl;
    TPanel* LessonPanel;
    QRadioButton* lesson1;
    QRadioButton* lesson2;
    QRadioButton* lesson3;
    QRadioButton* lessonfree;
    QLabel* SoundsTitle;
    QLabel* SoundsLbl;
    TPanel* Panel3;
    QRadioButton* SoundButton1;
    QRadioButton* SoundButton2;
    QLabel* FontsTitle;
    QLabel* FontsLbl;
    TPanel* FontPanel;
    QRadioButton* NormalFont;
    QRadioButton* LargeFont;
    QCheckBox* ScaleBook;
    QLabel* ScaleNote;

    // Right page.
    TPanel* Panel2;
    QLabel* KeyboardTitle;
    QLabel* KeyboardLbl;
    TPanel* LayoutPanel;
    QRadioButton* AutoDetect;
    QLabel* AutoLayout;
    QRadioButton* UserLayout;
    QComboBox* Layout;
    QLabel* NoteLbl;
    TPanel* KeybPanel;
    QLabel* ThemeTitle;
    QCheckBox* GeneralTheme;
    QLabel* GeneralTitle;
    QLabel* MeasuringLabel;
    TPanel* UnitPanel;
    QRadioButton* WpmChoice;
    QRadioButton* CpsChoice;
};

extern TOptioStg* OptioStg;
