// Shows what the learner types: the words typed so far with their marks, the
// word being typed and a caret after it. Full rows scroll up. The word being
// typed is not kept here: the canvas shows the one it follows (the typing
// run's) and keeps only the words that have ended.
#pragma once

#include "engine/ui/TExerciseCanvas.h"

#include <QTimer>

#include <string>

class TTypingCanvas : public TExerciseCanvas {
public:
    explicit TTypingCanvas(QWidget* Parent = nullptr);

    // Shows Typed as the word being typed from now on; Typed must outlive
    // the canvas. Without one, the word being typed is empty.
    void Follow(const std::string& Typed);
    // The word being typed took Ch (or, at its longest, refused it). A word
    // reaching the right margin moves to the next line or, when it is too
    // long for that, is ended there without Ch: then the canvas answers
    // true, and the caller starts the word anew with Ch and calls
    // WordChanged.
    bool TypeChar(unsigned char Ch);
    // The word being typed changed otherwise: lost a character, or started
    // anew.
    void WordChanged();
    // The word being typed ended as Word with Mark (0 none, 1 solid, 2
    // dotted); a new one starts after a space (Kind 0) or on the next line
    // (Kind 1).
    void EndWord(int Kind, int Mark, const std::string& Word);

    // The word being typed, as shown: always the last word.
    TWordInfo CurrentWord() const;
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
    const std::string& Typed() const;
    void RedrawCurrent(int Erase);
    void RememberDrawn(const TWordInfo& Shown);
    void CreateCaret();
    void DestroyCaret();
    void PlaceCaret();
    void BlinkCaret();

    const std::string* FTyped = nullptr;
    // The last word shows the followed word: from a key on, until it ends.
    bool FFollowing = false;
    // Characters of the word being typed as last drawn, and the bands that
    // drawing covered (for each Erase), which its next drawing clears.
    size_t FDrawnLength = 0;
    QRect FLastDrawn[3];
    int FCaretX = 3;
    bool FCaretCreated = false;
    bool FCaretOn = false;
    QRect FCaretRect;
    QTimer FBlink;
};
