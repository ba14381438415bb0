// One run of text typing, without a window: the model text and where the
// learner stands in it (the page laid out, the current word, the line), the
// word being typed, the judging of finished words and the moments of the
// keys. It takes one key and its moment at a time and says what changed;
// the typing screens draw what it says. It feeds the analysis objects it is
// given, in the order they expect (see analysis/AnalysisObjects.h).
//
// The model text is laid out a page at a time, as the model canvas shows
// it, so that a word is judged against the same neighbours the learner sees.
#pragma once

#include "engine/WordJudge.h"
#include "engine/WordLayout.h"

#include <cstdint>
#include <string>

class TBackSpaceCounter;
class TDeviationCalc;
class TEfficiencyCalc;
class TErrorFinder;

// The analysis objects a run feeds; a run needs every one of them.
struct TRunAnalysis {
    TErrorFinder* Finder = nullptr;
    TEfficiencyCalc* Efficiency = nullptr;
    TBackSpaceCounter* BackSpaces = nullptr;
    TDeviationCalc* Deviation = nullptr;
};

// What one key did to the typing line.
enum class TKeyAction {
    None,    // not a typing key
    Char,    // a character added to the word being typed
    Erase,   // the last character of the word being typed removed
    Refused, // backspace on an empty word: the error sound
    WordEnd, // the word ended with a space or Enter
};

// What one key changed, for the screens to draw.
struct TKeyStep {
    TKeyAction Action = TKeyAction::None;
    // A typing key after an earlier key: one step of the rhythm graph.
    bool Stroke = false;
    // WordEnd: 0 after a space, 1 after Enter; the word as typed, which is
    // no longer the word being typed; its underline.
    int EndKind = 0;
    std::string Word;
    int Mark = 0;
    // Model words the text moved on by, and whether it reached a new page.
    int Advance = 0;
    bool NewPage = false;
    // Without highlighting, two bad words in a row: the current model word
    // is shown as a hint, with the typing sound.
    bool Hint = false;
    // The model text is used up: the run is complete.
    bool Ended = false;
};

class TTypingRun {
public:
    // Fewest words and clock seconds of a run whose results count.
    static constexpr int MinWords = 5;
    static constexpr int MinSeconds = 10;

    // Starts a run on Text from offset StartPos (0 when it lies outside the
    // text), laid out on a page of Geometry with Width; Highlight is the
    // model's highlighting of the current word. Resets the judging and the
    // moments, not the analysis objects.
    void Begin(const std::string& Text, int StartPos, const TPageGeometry& Geometry,
               TTextWidth Width, bool Highlight);

    // One key at moment At (days): backspace, Enter, space or a printable
    // character act; every key, typing or not, is the last key's moment.
    // Throws std::logic_error when an analysis object is missing, which is a
    // fault of the caller.
    TKeyStep Key(unsigned char Ch, double At, const TRunAnalysis& Analysis);
    // The typing line broke the word being typed off before the character
    // Ch for want of room: Ch starts a new word, and what came before it is
    // never judged.
    void BreakWord(unsigned char Ch);

    // The model.
    const TPage& Page() const { return FPage; }
    // Index of the current word on the page; the page's size once it is used up.
    int Current() const { return FCurrent; }
    // The text of the model word Current + Offset on the page, or "".
    const std::string& WordAt(int Offset) const;
    // Offset in the text of the page and of the first word of the current line.
    int PageStart() const { return FPageStart; }
    int LinePos() const { return FLinePos; }

    // The word being typed; the typing screen shows this one.
    const std::string& Typed() const { return FTyped; }
    // The words of the run.
    const TWordJudge& Words() const { return FWords; }
    // When the last key came (days); 0 before the first key.
    double LastKeyTime() const { return FLastKeyTime; }

    // Clock seconds from StartTime (days) to the last key, rounded.
    std::int32_t TypingSeconds(double StartTime) const;
    // The run was long enough to be scored.
    bool ResultsValid(double StartTime) const;

private:
    TKeyStep EndWord(int Kind, const TRunAnalysis& Analysis);
    void AdvanceModel(TKeyStep& Step);
    void LayOut();

    std::string FText;
    TPageGeometry FGeometry;
    TTextWidth FWidth;
    bool FHighlight = false;
    TPage FPage;
    int FCurrent = 0;
    int FPageStart = 0;
    int FLinePos = 0;
    std::string FTyped;
    TWordJudge FWords;
    double FLastKeyTime = 0;
};
