#include "app/ResultsHandOver.h"

#include "analysis/results/TExercInfoView.h"
#include "engine/ui/TChapterView.h"

void ShowOnResultsPage(const std::optional<TRunResults>& Scored) {
    if (!ExercInfoView) return;
    if (ChapterView) ChapterView->LeftSubView = ExercInfoView;
    ExercInfoView->TakeRun(Scored);
}
