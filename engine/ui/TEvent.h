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

// How the runner prepares an event: what its exercise line and the
// learner's progress give it. Events read it; only RunEvent sets it.
struct TEventSetup {
    // Clock seconds a timed event may last; 0 = no limit.
    std::int32_t TimeLimit = 0;
    // The line's share of the exercise's time (the weight its time limit came from).
    std::int32_t Weight = 0;
    // How many of the course's key groups the learner knows here (0 outside
    // a course: all the learner has reached).
    std::int32_t KnownGroups = 0;
    // The characters the learner has been taught so far.
    std::string KnownKeys;
    bool AllowCancel = true;
};

// What a finished event leaves behind: one record, read by whoever ran it
// and by the one hook that decides the page that follows.
struct TEventRecord {
    int Result = 0; // one of the result codes above
    // The event measured a typing run; Scored holds its figures when the run
    // was long enough to be scored.
    bool Measured = false;
    std::optional<TRunResults> Scored;
    // The page the event asks to show next (a game's top-ten list, the
    // wizard's results), or none.
    TFormView* Following = nullptr;
};

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
    // What the runner gave the event (see RunEvent).
    TEventSetup Setup;

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
    // 1 when the event is to be shown, TextUnreadable when a file could not
    // be read, or the story chooser's answer. A story that cannot be read is
    // reported (-503) and the chooser is offered again.
    int LoadText(const std::string& Source);
    static constexpr int TextUnreadable = -1;

    // Takes the setup and forgets the record of an earlier run (RunEvent).
    void Prepare(const TEventSetup& Given);
    // Records the figures of the run the event measured, or none for a run
    // too short to be scored. Called once, as the event closes, by the
    // events that measure a run.
    void HandOverResults(const std::optional<TRunResults>& Scored);
    // Asks for Page to be shown after the event.
    void ShowNext(TFormView* Page);
    // What the event has recorded so far (the result code is the runner's).
    const TEventRecord& Record() const { return FRecord; }

    // The minutes of study that an event shown for Days counts.
    static int StudyMinutes(double Days);

private:
    TEventRecord FRecord;
    bool LoadFile(const std::string& Name);
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
