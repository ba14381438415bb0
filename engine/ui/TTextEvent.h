// The text typing event: the learner types the model text word by word into
// the typing line on the console screen below it. Each finished word is
// judged against the model (see WordJudge.h); every key feeds the analysis,
// and when the event closes its measures go to the sink of whoever ran it
// (the program's runners show them on the results page).
//
// Token 4 of the event line, "TRUE" in any case, highlights the current
// model word; otherwise the text is shown plain, and the current word is
// shown only as a hint at the start of a page and after two bad words in a
// row.
//
// The event completes at the end of the text or when its time runs out;
// keys after that change nothing. Results count only from 5 words and 10
// clock seconds of typing up to the last key.
#pragma once

#include "engine/TTypingRun.h"
#include "engine/ui/TCustomTextEvent.h"

#include <QPointer>

class TNervoGraph;
class TTypingCanvas;

class TTextEvent : public TCustomTextEvent {
public:
    explicit TTextEvent(const std::string& Line);
    ~TTextEvent() override;

    // The state of the run: the model text's page and current word, the
    // word being typed, the judging and the moments of the keys. The
    // canvases draw what it says.
    TTypingRun Run;
    bool HighlightWords = false;
    // What the learner types, and the rhythm graph; made with the book
    // window as owner, freed with the event.
    QPointer<TTypingCanvas> TypingCanvas;
    QPointer<TNervoGraph> RhythmGraph;

    // The typing screen below the model text, the rhythm graph and a fresh
    // measurement.
    void Activate() override;
    // The typing logic: backspace, Enter and printable characters.
    void KeyPress(QObject* Sender, char& Key) override;
    // Hands the results to the sink.
    void Deactivate() override;
    void Pause() override;
    void Finish() override;
    void Start() override;

    // Clock seconds from the first key to the last, rounded.
    std::int32_t TypingSeconds() const;
    // The run was long enough to be scored.
    bool ResultsValid() const;

private:
    // Draws what one key changed.
    void Draw(const TKeyStep& Step, unsigned char Ch);
};
