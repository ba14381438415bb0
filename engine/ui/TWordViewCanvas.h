// Shows one word with its current character highlighted (the falling-words
// game's word bar).
#pragma once

#include "engine/ui/TExerciseCanvas.h"

#include <string>

class TWordViewCanvas : public TExerciseCanvas {
public:
    explicit TWordViewCanvas(QWidget* Parent = nullptr);

    // Shows S (cut to 70 characters) in maroon with its first character marked.
    void SetWord(const std::string& S);
    // Marks the next character; after the last one the word is done.
    void AdvanceChar();
    const TWordInfo& Word() const { return FWords.front(); }

    void Clear() override;
    void FontChanged() override;
};
