#include "app/PageAfterEvent.h"

#include "analysis/results/TExercInfoView.h"
#include "shell/TChapterView.h"

// Installed after the chapter container and the pages that may follow an
// event are made, and taken away before they are freed.
void ShowPageAfterEvent(const TEventRecord& Record) {
    // The results page takes every measured run, so that its previous
    // figures stay the learner's last run even when another page follows.
    if (Record.Measured) ExercInfoView->TakeRun(Record.Scored);
    if (Record.Following)
        ChapterView->SetFollowing(Record.Following);
    else if (Record.Measured)
        ChapterView->SetFollowing(ExercInfoView);
}
