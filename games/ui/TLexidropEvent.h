// The falling-words game as an exercise event ("LEXIDROP"; token 3 of the
// event line is the vocabulary file). Words fall down the shaft one row per
// step of the fall timer; the learner types the falling word, which the word
// bar under the shaft shows with the typed letters marked. The game loop
// runs inside Activate, which returns when the game has ended; the score
// then goes to the "lexidrop" top-ten list, which becomes the chapter
// container's left page.
#pragma once

#include "games/TLexidropGame.h"
#include "games/ui/TCustomGameEvent.h"

#include <QColor>
#include <QFont>
#include <QPixmap>
#include <QPointer>

#include <optional>

class TImage;
class TWordViewCanvas;

class TLexidropEvent : public TCustomGameEvent {
public:
    explicit TLexidropEvent(const std::string& Line);
    ~TLexidropEvent() override;

    std::string WordFile;
    // Words given by the creator instead of a file.
    std::optional<TStringList> PresetWords;
    // The rules and the state of the game.
    TLexidropGame Game;
    bool StopGame = false;
    bool Started = false;
    QColor EmptyRowColor = Qt::white;
    QPointer<TWordViewCanvas> WordBar;

    // The shaft, the bar and the game loop.
    void Activate() override;
    void KeyPress(QObject* Sender, char& Key) override;
    void Deactivate() override;
    void TimeOut() override;
    void Pause() override;
    void Finish() override;
    void Start() override;

    // One step of the fall timer.
    void FallStep();
    // The game loop: returns when the game is over, the time is up, the
    // event has closed or the program ends. False when there were no words.
    bool RunGame();
    // Draws the rows whose look changed, or every row when Whole.
    void DrawShaft(bool Whole = false);
    void DrawRow(int Row);
    // The row picture of a row as it should look now.
    QPixmap RowPicture(int Row) const;

private:
    void StartFallTimer(int Interval);
    QFont FRowFont;
    // What each row shows now, to redraw only rows that change.
    std::string FShown[TLexidropGame::RowCount + 1];
    bool FValid[TLexidropGame::RowCount + 1] = {};
};
