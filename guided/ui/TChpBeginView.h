// The left chapter page: the chapter's number in large numerals on their
// frame, the chapter's picture, "of N" chapters and the chapter's note.
#pragma once

#include "shell/TFormView.h"

class TChpBeginView : public TFormView {
public:
    TChpBeginView();
    // Borrows the page's controls onto the book's left page; a number of
    // one digit stands alone in the middle of the frame, one of two digits
    // has its tens above its units.
    void Activate() override;
};

// The one left chapter page, made at start-up.
extern TChpBeginView* ChpBeginView;
