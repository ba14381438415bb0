#include "engine/WordJudge.h"

#include "analysis/TEfficiencyCalc.h"
#include "analysis/TErrorFinder.h"

namespace {

int32_t Length(const std::string& S) {
    return int32_t(S.size());
}

const std::string& ModelWord(const TModelWords& Model, int Offset) {
    switch (Offset) {
    case -1:
        return Model.Previous;
    case 1:
        return Model.Next;
    case 2:
        return Model.NextButOne;
    default:
        return Model.Current;
    }
}

} // namespace

bool IsTypingKey(unsigned char Key) {
    if (Key == 8 || Key == 13) return true;
    return Key >= 32 && Key != 127 && !(Key >= 128 && Key < 160);
}

int WordMark(int32_t ErrorPercent) {
    if (ErrorPercent == 0) return 0;
    return ErrorPercent <= 35 ? 2 : 1;
}

TWordVerdict DecideWord(const TWordErrors& E, const TModelWords& Model) {
    TWordVerdict V;
    const int32_t Cur = Length(Model.Current);
    if (E.Next < E.Current - 20 && E.Next <= 40) {
        V.Rule = TWordRule::OneSkipped;
        V.Matched = 1;
        V.ErrorPercent = E.Next;
        V.Passed = Cur + Length(Model.Next);
        V.Advance = 2;
    } else if (E.NextButOne < E.Current - 30 && E.NextButOne <= 10) {
        V.Rule = TWordRule::TwoSkipped;
        V.Matched = 2;
        V.ErrorPercent = E.NextButOne;
        V.Passed = Cur + Length(Model.Next) + Length(Model.NextButOne);
        V.Advance = 3;
    } else if (E.Previous < E.Current - 20 && E.Previous <= 40) {
        V.Rule = TWordRule::Repeated;
        V.Matched = -1;
        V.ErrorPercent = E.Previous;
        V.Passed = 0;
        V.Advance = 0;
    } else if (E.Current <= 40) {
        V.Rule = TWordRule::Current;
        V.ErrorPercent = E.Current;
        V.Passed = Cur;
        V.Advance = 1;
    } else {
        V.Rule = TWordRule::NoMatch;
        V.ErrorPercent = 100;
        V.Passed = Cur;
        V.Advance = 1;
    }
    V.Mark = WordMark(V.ErrorPercent);
    return V;
}

void TWordJudge::Reset() {
    WordsTyped = 0;
    BadRun = 0;
}

TWordVerdict TWordJudge::Judge(const std::string& Typed, const TModelWords& Model,
                               TErrorFinder& Finder, TEfficiencyCalc& Efficiency) {
    if (Typed.empty()) return TWordVerdict{};
    WordsTyped += 1;
    TWordErrors E;
    E.Current = Finder.ErrorPercent(Model.Current, Typed);
    E.Next = Finder.ErrorPercent(Model.Next, Typed);
    E.NextButOne = Finder.ErrorPercent(Model.NextButOne, Typed);
    E.Previous = Finder.ErrorPercent(Model.Previous, Typed);
    const TWordVerdict V = DecideWord(E, Model);
    const std::string& Matched = ModelWord(Model, V.Matched);
    if (V.RecordsErrors()) Finder.RecordErrors(Matched, Typed);
    Efficiency.AddWord(V.Passed, V.ErrorPercent, Length(Matched));
    BadRun = V.Rule == TWordRule::NoMatch ? BadRun + 1 : 0;
    return V;
}
