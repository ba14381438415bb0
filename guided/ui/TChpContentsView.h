// The right chapter page: the chapter's exercises in a list, and the
// console buttons to begin the selected row, skip to the next or previous
// chapter, or leave (in the introduction). It closes with the button's
// result: 1 Begin, 2 Cancel, 3 SkipB, 4 SkipF.
//
// Keys: Up and Down move the selection, Home and Page Up go to the first
// row, End and Page Down to the last; Enter or Alt+B begins, Alt+S skips
// forward, Alt+K back; Escape and Alt+C leave where leaving is offered. A
// digit 1 to 9 naming an exercise row begins that exercise.
#pragma once

#include "shell/TFormView.h"

#include <QPointer>

class TChapter;
class TExerciseList;

class TChpContentsView : public TFormView {
public:
    TChpContentsView();
    ~TChpContentsView() override;

    const TChapter* Chapter = nullptr;
    int SelectedRow = 1;
    QPointer<TExerciseList> List;
    bool SkipFAllowed = true;
    bool SkipBAllowed = true;
    bool CancelAllowed = false;

    void Activate() override;
    void KeyPress(QObject* Sender, char& Key) override;
    void KeyDown(QObject* Sender, std::uint16_t& Key, TShiftState Shift) override;
    void Deactivate() override;
    void ButtonClick(QObject* Sender);
};

// The one right chapter page, made at start-up.
extern TChpContentsView* ChpContentsView;
