#include "app/ResultsHandOver.h"

#include "analysis/results/TExercInfoView.h"
#include "engine/ui/TChapterView.h"

// Installed after the chapter container and the results page are made, and
// taken away before they are freed.
void ShowOnResultsPage(const std::optional<TRunResults>& Scored) {
    ChapterView->LeftSubView = ExercInfoView;
    ExercInfoView->TakeRun(Scored);
}
