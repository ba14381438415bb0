#include "engine/ui/TWordViewCanvas.h"

namespace {
const QColor WordColor(128, 0, 0);
} // namespace

TWordViewCanvas::TWordViewCanvas(QWidget* Parent) : TExerciseCanvas(Parent) {
    AddWord("");
    FHighlight = true;
    FCursor = 0;
}

void TWordViewCanvas::Clear() {
    TExerciseCanvas::Clear();
    AddWord(""); // the single word always exists
    FCurrent = 0;
}

void TWordViewCanvas::SetWord(const std::string& S) {
    TWordInfo& Word = FWords.front();
    Word.SetText(S);
    Word.Color = WordColor;
    FCurrent = 0;
    FCursor = 0;
    update();
}

void TWordViewCanvas::AdvanceChar() {
    TWordInfo& Word = FWords.front();
    if (FCursor < int(Word.Text.size()) - 1) {
        FCursor += 1;
    } else {
        Word.Mark = 0;
        Word.Color = RestTextColor;
    }
    update();
}

void TWordViewCanvas::FontChanged() {
    // The word keeps the colour the game gave it.
    if (FWords.empty()) {
        TExerciseCanvas::FontChanged();
        return;
    }
    const QColor Color = FWords.front().Color;
    TExerciseCanvas::FontChanged();
    FWords.front().Color = Color;
}
