#include "analysis/AnalysisObjects.h"

TErrorFinder* ErrorFinder = nullptr;
TBackSpaceCounter* BackSpaceCounter = nullptr;
TEfficiencyCalc* EfficiencyCalc = nullptr;
TDeviationCalc* DeviationCalc = nullptr;
TStudyingTip* StudyingTip = nullptr;
TLevelNames* LevelNames = nullptr;

namespace {

template <class T> void Make(T*& Object) {
    if (!Object) Object = new T();
}

template <class T> void Free(T*& Object) {
    delete Object;
    Object = nullptr;
}

} // namespace

void CreateAnalysisObjects() {
    Make(ErrorFinder);
    Make(BackSpaceCounter);
    Make(EfficiencyCalc);
    Make(DeviationCalc);
    Make(StudyingTip);
    Make(LevelNames);
}

void FreeAnalysisObjects() {
    Free(ErrorFinder);
    Free(BackSpaceCounter);
    Free(EfficiencyCalc);
    Free(DeviationCalc);
    Free(StudyingTip);
    Free(LevelNames);
}

void ResetAnalysisObjects() {
    BackSpaceCounter->Reset();
    EfficiencyCalc->Reset();
    DeviationCalc->Reset();
}
