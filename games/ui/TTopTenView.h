// The top-ten page: a game's list of best scores on the book's left page,
// with the place just reached congratulated and a box for the name to show
// there. Enter, or leaving the page, stores the name.
#pragma once

#include "games/TtopTen.h"
#include "shell/TFormView.h"

#include <string>
#include <vector>

class QLabel;

class TTopTenView : public TFormView {
public:
    TTopTenView();
    ~TTopTenView() override;

    TtopTen List;
    // The columns of places 1..10.
    std::vector<QLabel*> Names, Points, Dates;
    // The place just reached, 0 for none.
    int FPlace = 0;

    // Offers a score to the list ListName (reloaded from its file, made when
    // missing): the place it takes, with the player's name in the name box.
    void Submit(const std::string& ListName, const std::string& PlayerName, int32_t Score);
    // Stores the name in the box at the place reached (an empty box stores
    // "Anonymous") and writes the list. When the list cannot be written the
    // failure has been reported and the page shows the list without the entry.
    void Commit();
    // The list as it was before the score was offered: what is shown again
    // when the entry could not be stored.
    TtopTen FListBefore;
    // Shows places 1..10.
    void Refresh();

    void Activate() override;
    // Enter without modifiers stores the name.
    void KeyDown(QObject* Sender, std::uint16_t& Key, TShiftState Shift) override;
    void Deactivate() override;
};

// The one top-ten page, made at start-up.
extern TTopTenView* TopTenView;
void CreateTopTenView();
void FreeTopTenView();
