#include "engine/ui/TTypingCanvas.h"

#include "engine/WordLayout.h"

#include <QPainter>

namespace {
constexpr int CaretWidth = 2;
constexpr int BlinkMs = 530;
} // namespace

TTypingCanvas::TTypingCanvas(QWidget* Parent) : TExerciseCanvas(Parent) {
    setFocusPolicy(Qt::StrongFocus);
    FBlink.setInterval(BlinkMs);
    connect(&FBlink, &QTimer::timeout, this, [this] { BlinkCaret(); });
    AddWord("");
    FCurrent = 0;
    FCursor = -1;
    FCaretX = FPenX;
}

void TTypingCanvas::Clear() {
    TExerciseCanvas::Clear();
    // The word being typed always exists.
    AddWord("");
    FCurrent = 0;
    FCaretX = FPenX;
    PlaceCaret();
}

void TTypingCanvas::Follow(const std::string& Typed) {
    FTyped = &Typed;
}

const std::string& TTypingCanvas::Typed() const {
    static const std::string Nothing;
    return FTyped ? *FTyped : Nothing;
}

TWordInfo TTypingCanvas::CurrentWord() const {
    TWordInfo Shown = FWords.back();
    if (FFollowing) Shown.SetText(Typed());
    return Shown;
}

TWordInfo& TTypingCanvas::AddWord(const std::string& S) {
    TWordInfo& Word = TExerciseCanvas::AddWord(S);
    // A new word shows the followed one from the next key on.
    FFollowing = false;
    RememberDrawn(Word);
    FDrawnLength = 0;
    return Word;
}

void TTypingCanvas::RememberDrawn(const TWordInfo& Shown) {
    for (int Erase = 0; Erase < 3; ++Erase)
        FLastDrawn[Erase] = Shown.Text.empty() && Erase == 0 ? QRect() : WordRect(Shown, Erase);
}

void TTypingCanvas::RedrawCurrent(int Erase) {
    if (!FLastDrawn[Erase].isNull()) update(FLastDrawn[Erase]);
    TWordInfo& Word = FWords.back();
    Word.X = FPenX;
    Word.Row = FPenRow;
    const TWordInfo Shown = CurrentWord();
    FCaretX = FPenX + TextWidth(Shown.Text);
    FDrawnLength = Shown.Text.size();
    InvalidateWord(Shown, 2);
    RememberDrawn(Shown);
    PlaceCaret();
}

bool TTypingCanvas::TypeChar(unsigned char Ch) {
    FFollowing = true;
    if (Overflows(FCaretX + TextWidth(std::string(1, char(Ch))))) {
        // What was drawn before Ch: the word as it stood.
        const std::string Before = Typed().substr(0, FDrawnLength);
        if (!MovesToNextLine(TextWidth(Before), width())) {
            EndWord(1, 0, Before);
            return true;
        }
        NewLine();
    }
    RedrawCurrent(0);
    return false;
}

void TTypingCanvas::WordChanged() {
    FFollowing = true;
    RedrawCurrent(2);
}

void TTypingCanvas::EndWord(int Kind, int Mark, const std::string& Word) {
    FFollowing = false;
    TWordInfo& Ended = FWords.back();
    Ended.SetText(Word);
    Ended.Mark = static_cast<unsigned char>(Mark);
    RedrawCurrent(2);
    const int FinishedX = Ended.X;
    AddWord("");
    if (Kind == 0) FCaretX += TextWidth(" ");
    if (Kind == 1 || Overflows(FinishedX)) NewLine();
    FPenX = FCaretX;
    FCurrent = WordCount() - 1;
    PlaceCaret();
}

bool TTypingCanvas::NewLine() {
    if (!TExerciseCanvas::NewLine()) {
        RedrawCurrent(2);
        return false;
    }
    // Full: everything moves up a row; what had already left the top goes.
    while (!FWords.empty() && FWords.front().Row <= 0 && FWords.size() > 1) {
        FWords.pop_front();
        if (FCurrent > 0) FCurrent -= 1;
    }
    for (TWordInfo& Word : FWords)
        if (Word.Row > 0) Word.Row -= 1;
    FPenX = CanvasLeft;
    RedrawCurrent(2);
    update();
    return true;
}

void TTypingCanvas::Paint(QPainter& P, const QRect& Dirty) {
    TExerciseCanvas::Paint(P, Dirty);
    // The word being typed, which the words list holds without its text.
    const TWordInfo Shown = CurrentWord();
    if (FFollowing && !Shown.Text.empty() && WordRect(Shown, 2).intersects(Dirty))
        DrawWord(P, Shown, 0, 0, false);
    if (FCaretCreated && FCaretOn && FCaretRect.intersects(Dirty))
        P.fillRect(FCaretRect, FontColor());
}

QRect TTypingCanvas::CaretRect() const {
    return QRect(FCaretX + 1, RowTop(FPenRow), CaretWidth, FontHeight());
}

void TTypingCanvas::PlaceCaret() {
    if (!FCaretCreated) return;
    const QRect Place = CaretRect();
    if (Place != FCaretRect) update(FCaretRect);
    FCaretRect = Place;
    // Typing shows the caret at once and starts its blink anew.
    FCaretOn = true;
    FBlink.start();
    update(FCaretRect);
}

void TTypingCanvas::CreateCaret() {
    FCaretCreated = true;
    FCaretRect = CaretRect();
    PlaceCaret();
}

void TTypingCanvas::DestroyCaret() {
    if (!FCaretCreated) return;
    FBlink.stop();
    FCaretCreated = false;
    update(FCaretRect);
}

void TTypingCanvas::BlinkCaret() {
    FCaretOn = !FCaretOn;
    update(FCaretRect);
}

void TTypingCanvas::focusInEvent(QFocusEvent* Event) {
    TExerciseCanvas::focusInEvent(Event);
    CreateCaret();
}

void TTypingCanvas::focusOutEvent(QFocusEvent* Event) {
    TExerciseCanvas::focusOutEvent(Event);
    DestroyCaret();
}
