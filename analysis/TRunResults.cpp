#include "analysis/TRunResults.h"

#include "analysis/AnalysisObjects.h"

TRunResults MeasuredResults() {
    TRunResults R;
    R.Speed = EfficiencyCalc->Speed();
    R.SpeedLevel = LevelName(EfficiencyCalc->SpeedGrade());
    R.Accuracy = EfficiencyCalc->Accuracy();
    R.AccuracyLevel = LevelName(EfficiencyCalc->AccuracyGrade());
    R.Efficiency = EfficiencyCalc->Efficiency();
    R.EfficiencyLevel = LevelName(EfficiencyCalc->EfficiencyGrade());
    R.BackSpace = BackSpaceCounter->Percentage();
    R.BackSpaceLevel = LevelName(BackSpaceCounter->BackSpaceGrade());
    R.Comment = StudyingTip->Comment();
    return R;
}
