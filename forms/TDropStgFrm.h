// Storage form of the falling-words game: the shaft of ten rows between its
// two walls and on its base, the row backgrounds for the falling word and
// for stacked words, the score and level labels, and the fall timer.
//
// The shaft is laid out in wide-page coordinates on Drop, whose children the
// game borrows onto the page.
#pragma once

#include "forms/TStorageForm.h"

class QLabel;
class QTimer;
class TImage;
class TPanel;

class TDropStgFrm : public TStorageForm {
public:
    TDropStgFrm();

    TPanel* Drop;
    // The shaft's rows 1..10, top to bottom (row2 .. row11).
    TImage* Rows[10];
    TImage* Image7;  // left wall
    TImage* Image13; // right wall
    TImage* Image3;  // base
    // Row backgrounds: the falling word's and a stacked word's.
    TImage* Active;
    TImage* Inactive;
    QLabel* ScoreLabel;
    QLabel* Level;
    QTimer* DropTimer;
};

extern TDropStgFrm* DropStgFrm;
