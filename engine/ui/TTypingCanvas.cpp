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

TWordInfo& TTypingCanvas::AddWord(const std::string& S) {
    TWordInfo& Word = TExerciseCanvas::AddWord(S);
    FLastDrawn.Assign(Word);
    return Word;
}

void TTypingCanvas::RedrawCurrent(int Erase) {
    InvalidateWord(FLastDrawn, Erase);
    TWordInfo& Word = FWords.back();
    Word.X = FPenX;
    Word.Row = FPenRow;
    FCaretX = FPenX + TextWidth(Word.Text);
    InvalidateWord(Word, 2);
    FLastDrawn.Assign(Word);
    PlaceCaret();
}

bool TTypingCanvas::TypeChar(unsigned char Ch) {
    if (Ch <= 32) return false;
    const std::string Typed(1, char(Ch));
    bool Broken = false;
    if (Overflows(FCaretX + TextWidth(Typed))) {
        if (MovesToNextLine(TextWidth(CurrentWord().Text), width())) {
            NewLine();
        } else {
            EndWord(1, 0);
            Broken = true;
        }
    }
    TWordInfo& Word = FWords.back();
    if (Word.Text.size() < TWordInfo::MaxLength) Word.Text += Typed;
    RedrawCurrent(0);
    return Broken;
}

void TTypingCanvas::Backspace() {
    TWordInfo& Word = FWords.back();
    if (Word.Text.empty()) return;
    Word.Text.pop_back();
    RedrawCurrent(2);
}

void TTypingCanvas::EndWord(int Kind, int Mark) {
    FWords.back().Mark = static_cast<unsigned char>(Mark);
    RedrawCurrent(2);
    const int FinishedX = FWords.back().X;
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
