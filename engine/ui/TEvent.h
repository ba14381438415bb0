// One step of an exercise: a message page, a text to type, a drill, a game.
//
// An event is a view that takes the whole book page, runs modally until the
// learner leaves it with Next or Cancel, and returns one of the result codes
// below. It is built from a line of the exercise script cut into tokens: 0 the
// event's name, 1 the keyword that chose its class, 2 its weight, 3 its text
// source, 4 and later its own. The time the learner spends on it is added to
// the current user's study time when it closes.
#pragma once

#include "analysis/TRunResults.h"
#include "files/TextUtils.h"
#include "shell/TFormView.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

// Result codes of an event.
enum : int {
    erStop = 0,          // left without Next or Cancel: the exercise stops
    erCancelled = 2,     // Cancel before the event was completed
    erNext = 3,          // done or skipped forward
    erCancelledDone = 4, // Cancel once the event was completed
};

// Event states.
enum : std::uint8_t {
    esWaiting = 0, // nothing typed yet
    esRunning = 1,
    esPaused = 2,
    esCompleted = 3,
};

// What a finished event hands to whoever ran it: the figures of a run long
// enough to be scored, or none for a run too short. Called once, as the
// event closes, by the events that measure a run; the others never call it.
using TResultSink = std::function<void(const std::optional<TRunResults>& Scored)>;

class TEvent : public TFormView {
public:
    // Cuts the line into its tokens at "=" and ";" (commas stay inside tokens).
    explicit TEvent(const std::string& Line);
    ~TEvent() override;

    // Character offset into Text at which the display starts.
    std::int32_t StartPos = 0;
    // When the page was shown (days).
    double ShownAt = 0;
    // The exercise text; none until a text source gives one.
    std::optional<std::string> Text;
    TStringList Params;
    // The text was chosen by the learner from the stories.
    bool FromStoryChooser = false;
    std::uint8_t State = esWaiting;
    // The characters the learner has been taught so far (set by the creator).
    std::string KnownKeys;
    bool AllowCancel = true;
    // Where the results go; installed by whoever runs the event. Without
    // one they go nowhere.
    TResultSink ResultSink;

    // Token N of the line, or "" when the line has no such token.
    std::string Param(int N) const;
    bool HasParam(int N) const { return N >= 0 && size_t(N) < Params.size(); }

    // Loads the text source (token 3); skips the page when the story chooser
    // was left without a story.
    bool CanSkip() override;
    void Activate() override;
    // Alt+N and Enter (once completed) act as Next; Alt+C and Escape as Cancel.
    void KeyDown(QObject* Sender, std::uint16_t& Key, TShiftState Shift) override;
    // After a completed close: the study time, the two-page book, no keys,
    // no console buttons.
    void Close(bool& Refused) override;
    virtual void ButtonClick(QObject* Sender);
    // Asks before leaving an event that has started and is not finished.
    virtual void CloseQuery(bool& Refused);
    // Runs the event and returns its result code.
    virtual int Execute();

    // Fills Text from a text source:
    //   "NIL" (any case)  keeps Text as it is;
    //   "FILE:name"       the whole text of the file;
    //   "EFFIC:"          the whole text of "Effic.kqs";
    //   "RES:"            no text;
    //   "ASK:mask"        a story the learner chooses among the files of the mask;
    //   anything else     the source itself is the text.
    // A file that cannot be read is reported (-501) and gives no text. Returns
    // 1 when the event is to be shown, or the story chooser's answer.
    int LoadText(const std::string& Source);

    // Hands the results to the sink, if one is installed.
    void HandOverResults(const std::optional<TRunResults>& Scored) const;

    // The minutes of study that an event shown for Days counts.
    static int StudyMinutes(double Days);

private:
    void LoadFile(const std::string& Name);
    int AskForStory(const std::string& Mask);
};

// The story chooser that "ASK:" runs: given the story files of the mask and
// the learner's story to continue, it answers 1 (a new story, written to
// Chosen), 2 (continue) or 3 (back); anything else loads nothing. Until the
// chooser page is installed, a learner with a story continues it and one
// without goes back.
using TStoryChooser = std::function<int(const TStringList& Names, const std::string& Mask,
                                        const std::string& CurrentStory, std::string& Chosen)>;
void SetStoryChooser(TStoryChooser Chooser);
const TStoryChooser& InstalledStoryChooser();

// The sink the program's runners hand the events they run, when they have
// no sink of their own to give: start-up installs one that shows the
// results page. None until installed, and none again after SetProgramResultSink(nullptr).
void SetProgramResultSink(TResultSink Sink);
const TResultSink& ProgramResultSink();
