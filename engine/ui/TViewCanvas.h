// Shows the text to type, a page at a time, with the current word or the
// current character highlighted.
#pragma once

#include "engine/WordLayout.h"
#include "engine/ui/TExerciseCanvas.h"

#include <string>

class TViewCanvas : public TExerciseCanvas {
public:
    explicit TViewCanvas(QWidget* Parent = nullptr);

    // 0 character drills (current character marked), 1 typing with the
    // current word marked and typed words grey, 2 typing without marks (the
    // current word shown only as a hint), 3 plain display.
    int Mode() const { return FMode; }
    void SetMode(int M);

    // Shows Text from offset Pos (0 when Pos is negative or past the end).
    void SetText(const std::string& Text, int Pos = 0);
    const std::string& FullText() const { return FFullText; }
    int PageStart() const { return FPageStart; }
    int NextPageStart() const { return FNextPageStart; }
    // Offset of the first word of the current line.
    int LinePos() const { return FLinePos; }
    bool HintShown() const { return FHintShown; }

    // The learner finished the current word (modes 1-3) or character (mode 0).
    void Advance();
    // The page a typing run laid out, from its first word, as SetText and
    // NextPage show theirs; then the words before Current as passed.
    void ShowPage(const TPage& Page, int Current = 0);
    // Passes the words up to Current on this page (modes 1-3), as Advance
    // does one at a time.
    void MoveTo(int Current);
    // The page the canvas lays out in its size and font.
    TPageGeometry PageGeometry() const;
    // In mode 2 shows the current word highlighted until the next Advance.
    void ShowHint();
    void NextPage();

private:
    void LayOut();
    // Passes the current word; false when it was the last of the page.
    bool StepWord();

    int FMode = 1;
    std::string FFullText;
    int FPageStart = 0;
    int FNextPageStart = 0;
    int FLinePos = 0;
    bool FHintShown = false;
};
