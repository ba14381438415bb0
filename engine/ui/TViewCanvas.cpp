#include "engine/ui/TViewCanvas.h"

#include "engine/WordLayout.h"

TViewCanvas::TViewCanvas(QWidget* Parent) : TExerciseCanvas(Parent) {
    SetMode(1);
}

void TViewCanvas::SetMode(int M) {
    FMode = (M >= 0 && M <= 3) ? M : 3;
    switch (FMode) {
    case 0:
        FHighlight = true;
        FCursor = 0;
        break;
    case 1:
        FHighlight = true;
        FCursor = -1;
        break;
    default:
        FHighlight = false;
        break;
    }
    DrawWordAt(FCurrent, 2);
}

void TViewCanvas::SetText(const std::string& Text, int Pos) {
    FFullText = Text;
    if (Pos < 0 || size_t(Pos) > FFullText.size()) Pos = 0;
    FLinePos = Pos;
    FPageStart = Pos;
    FNextPageStart = Pos;
    if (FFullText.empty()) {
        Clear();
        FCurrent = 0;
        return;
    }
    LayOut();
}

TPageGeometry TViewCanvas::PageGeometry() const {
    TPageGeometry Geometry;
    Geometry.ClientWidth = width();
    Geometry.ClientHeight = height();
    Geometry.FontHeight = FontHeight();
    return Geometry;
}

void TViewCanvas::LayOut() {
    ShowPage(LayOutPage(FFullText, size_t(FPageStart), PageGeometry(),
                        [this](const std::string& S) { return TextWidth(S); }));
}

void TViewCanvas::ShowPage(const TPage& Page, int Current) {
    if (FHintShown) {
        SetMode(2);
        FHintShown = false;
    }
    Clear();
    FCurrent = 0;
    FCursor = FMode == 1 ? -1 : 0;
    const QColor Color = FontColor();
    for (const TWordInfo& Word : Page.Words) {
        FWords.push_back(Word);
        FWords.back().Color = Color;
    }
    FPenX = Page.PenX;
    FPenRow = Page.PenRow;
    FNextPageStart = int(Page.NextPageStart);
    ShowHint();
    update();
    MoveTo(Current);
}

void TViewCanvas::MoveTo(int Current) {
    while (FCurrent < Current && FCurrent < WordCount()) {
        if (FHintShown) {
            SetMode(2);
            FHintShown = false;
        }
        if (!StepWord()) break;
    }
}

void TViewCanvas::NextPage() {
    FPageStart = FNextPageStart;
    LayOut();
}

void TViewCanvas::ShowHint() {
    if (FMode != 2) return;
    FHintShown = true;
    SetMode(1);
}

void TViewCanvas::Advance() {
    if (FHintShown) {
        SetMode(2);
        FHintShown = false;
    }
    if (FCurrent < 0 || FCurrent >= WordCount()) return;

    if (FMode == 0) {
        TWordInfo& Word = FWords[size_t(FCurrent)];
        if (FCursor < int(Word.Text.size())) {
            FCursor += 1;
        } else {
            Word.Color = TypedTextColor;
            FCurrent += 1;
            FCursor = 0;
            DrawWordAt(FCurrent - 1, 2);
            if (FCurrent >= WordCount()) NextPage();
        }
        DrawWordAt(FCurrent, 2);
        DrawWordAt(FCurrent + 1, 1);
        return;
    }

    const bool LineEnd = FWords[size_t(FCurrent)].LineEnd;
    if (!StepWord()) NextPage();
    if (LineEnd) FLinePos = FCurrent < WordCount() ? FWords[size_t(FCurrent)].Offset : 0;
}

bool TViewCanvas::StepWord() {
    TWordInfo& Word = FWords[size_t(FCurrent)];
    if (FMode == 1) Word.Color = TypedTextColor;
    FCurrent += 1;
    if (FCurrent >= WordCount()) return false;
    DrawWordAt(FCurrent - 1, 2);
    DrawWordAt(FCurrent, 2);
    DrawWordAt(FCurrent + 1, 1);
    return true;
}
