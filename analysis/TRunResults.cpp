#include "analysis/TRunResults.h"

#include "analysis/AnalysisObjects.h"

TRunResults MeasuredResults() {
    TRunResults R;
    if (EfficiencyCalc) {
        R.Speed = EfficiencyCalc->Speed();
        R.SpeedLevel = LevelName(EfficiencyCalc->SpeedGrade());
        R.Accuracy = EfficiencyCalc->Accuracy();
        R.AccuracyLevel = LevelName(EfficiencyCalc->AccuracyGrade());
        R.Efficiency = EfficiencyCalc->Efficiency();
        R.EfficiencyLevel = LevelName(EfficiencyCalc->EfficiencyGrade());
    }
    if (BackSpaceCounter) {
        R.BackSpace = BackSpaceCounter->Percentage();
        R.BackSpaceLevel = LevelName(BackSpaceCounter->BackSpaceGrade());
    }
    if (StudyingTip) R.Comment = StudyingTip->Comment();
    return R;
}
