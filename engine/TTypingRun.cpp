#include "engine/TTypingRun.h"

#include "analysis/TBackSpaceCounter.h"
#include "analysis/TDeviationCalc.h"

#include <cmath>
#include <stdexcept>
#include <utility>

namespace {

constexpr double ClockSecondsPerDay = 100000.0;
// Intervals longer than this are breaks, not part of the rhythm.
constexpr double LongestInterval = 5;
constexpr unsigned char BackSpaceKey = 8;
constexpr unsigned char EnterKey = 13;

const std::string NoWord;

} // namespace

void TTypingRun::Begin(const std::string& Text, int StartPos, const TPageGeometry& Geometry,
                       TTextWidth Width, bool Highlight) {
    FText = Text;
    FGeometry = Geometry;
    FWidth = std::move(Width);
    FHighlight = Highlight;
    if (StartPos < 0 || size_t(StartPos) > FText.size()) StartPos = 0;
    FPageStart = StartPos;
    FLinePos = StartPos;
    FPage = TPage{};
    FCurrent = 0;
    if (!FText.empty()) LayOut();
    FTyped.clear();
    FWords.Reset();
    FLastKeyTime = 0;
}

void TTypingRun::LayOut() {
    FPage = LayOutPage(FText, size_t(FPageStart), FGeometry, FWidth);
    FCurrent = 0;
}

const std::string& TTypingRun::WordAt(int Offset) const {
    const int Index = FCurrent + Offset;
    if (Index < 0 || Index >= int(FPage.Words.size())) return NoWord;
    return FPage.Words[size_t(Index)].Text;
}

TKeyStep TTypingRun::Key(unsigned char Ch, double At, const TRunAnalysis& Analysis) {
    // Without them no word would ever be judged, and the run would never
    // move on.
    if (!Analysis.Finder || !Analysis.Efficiency || !Analysis.BackSpaces || !Analysis.Deviation)
        throw std::logic_error("a typing run needs every analysis object");
    TKeyStep Step;
    if (IsTypingKey(Ch)) {
        Analysis.BackSpaces->CountKey(Ch);
        if (FLastKeyTime > 0) {
            Step.Stroke = true;
            const double Interval = (At - FLastKeyTime) * ClockSecondsPerDay;
            if (Interval <= LongestInterval) Analysis.Deviation->AddInterval(Ch, float(Interval));
        }
        if (Ch == BackSpaceKey) {
            if (FTyped.empty()) {
                Step.Action = TKeyAction::Refused;
            } else {
                FTyped.pop_back();
                Step.Action = TKeyAction::Erase;
            }
        } else if (Ch == EnterKey || Ch == ' ') {
            const bool Stroke = Step.Stroke;
            Step = EndWord(Ch == EnterKey ? 1 : 0, Analysis);
            Step.Stroke = Stroke;
        } else {
            if (FTyped.size() < TWordInfo::MaxLength) FTyped += char(Ch);
            Step.Action = TKeyAction::Char;
        }
    }
    FLastKeyTime = At;
    return Step;
}

void TTypingRun::BreakWord(unsigned char Ch) {
    FTyped.assign(1, char(Ch));
}

TKeyStep TTypingRun::EndWord(int Kind, const TRunAnalysis& Analysis) {
    TKeyStep Step;
    Step.Action = TKeyAction::WordEnd;
    Step.EndKind = Kind;
    if (!FTyped.empty()) {
        const TModelWords Model{WordAt(-1), WordAt(0), WordAt(1), WordAt(2)};
        const TWordVerdict Verdict =
            FWords.Judge(FTyped, Model, *Analysis.Finder, *Analysis.Efficiency);
        Step.Advance = Verdict.Advance;
        for (int I = 0; I < Verdict.Advance; ++I)
            AdvanceModel(Step);
        Step.Mark = Verdict.Mark;
        Step.Hint = FWords.HintDue(FHighlight);
    }
    Step.Word = std::move(FTyped);
    FTyped.clear();
    Step.Ended = WordAt(0).empty();
    return Step;
}

void TTypingRun::AdvanceModel(TKeyStep& Step) {
    const int Count = int(FPage.Words.size());
    if (FCurrent < 0 || FCurrent >= Count) return;
    const bool LineEnd = FPage.Words[size_t(FCurrent)].LineEnd;
    FCurrent += 1;
    if (FCurrent >= Count) {
        FPageStart = int(FPage.NextPageStart);
        LayOut();
        Step.NewPage = true;
    }
    if (LineEnd)
        FLinePos = FCurrent < int(FPage.Words.size()) ? FPage.Words[size_t(FCurrent)].Offset : 0;
}

std::int32_t TTypingRun::TypingSeconds(double StartTime) const {
    if (FLastKeyTime <= 0 || StartTime <= 0) return 0;
    const double Seconds = std::nearbyint((FLastKeyTime - StartTime) * ClockSecondsPerDay);
    return Seconds > 0 ? std::int32_t(Seconds) : 0;
}

bool TTypingRun::ResultsValid(double StartTime) const {
    return FWords.WordsTyped >= MinWords && TypingSeconds(StartTime) >= MinSeconds;
}
