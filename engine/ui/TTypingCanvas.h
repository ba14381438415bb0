// Shows what the learner types: the words typed so far with their marks, the
// word being typed and a caret after it. Full rows scroll up.
#pragma once

#include "engine/ui/TExerciseCanvas.h"

#include <QTimer>

class TTypingCanvas : public TExerciseCanvas {
public:
    explicit TTypingCanvas(QWidget* Parent = nullptr);

    // Appends a character (at most 70 to a word); characters up to 32 are
    // ignored. A word reaching the right margin moves to the next line or,
    // when it is too long for that, is ended there: then the character
    // starts a new word and TypeChar answers true.
    bool TypeChar(unsigned char Ch);
    // Removes the last character of the word being typed, if any.
    void Backspace();
    // Ends the word being typed with Mark (0 none, 1 solid, 2 dotted) and
    // starts a new one after a space (Kind 0) or on the next line (Kind 1).
    void EndWord(int Kind, int Mark);

    // The word being typed: always the last word.
    const TWordInfo& CurrentWord() const { return FWords.back(); }
    // Pixel after the word being typed.
    int CaretX() const { return FCaretX; }
    // The caret exists while the canvas has the focus.
    bool HasCaret() const { return FCaretCreated; }
    QRect CaretRect() const;

    void Clear() override;
    TWordInfo& AddWord(const std::string& S) override;
    bool NewLine() override;

protected:
    void Paint(QPainter& P, const QRect& Dirty) override;
    void focusInEvent(QFocusEvent* Event) override;
    void focusOutEvent(QFocusEvent* Event) override;

private:
    void RedrawCurrent(int Erase);
    void CreateCaret();
    void DestroyCaret();
    void PlaceCaret();
    void BlinkCaret();

    TWordInfo FLastDrawn;
    int FCaretX = 3;
    bool FCaretCreated = false;
    bool FCaretOn = false;
    QRect FCaretRect;
    QTimer FBlink;
};
