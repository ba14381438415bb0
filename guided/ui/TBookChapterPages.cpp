#include "guided/ui/TBookChapterPages.h"

#include "analysis/results/TExercInfoView.h"
#include "course/TChapter.h"
#include "forms/TChapterStgs.h"
#include "guided/ui/TChpBeginView.h"
#include "guided/ui/TChpContentsView.h"
#include "guided/ui/TExerciseList.h"
#include "platform/Controls.h"
#include "platform/FileNames.h"
#include "shell/TBookForm.h"
#include "shell/TChapterView.h"

namespace {
TBookChapterPages* Installed = nullptr;

QString Latin1(const std::string& Text) {
    return QString::fromLatin1(Text.c_str());
}
} // namespace

void TBookChapterPages::SetLessonCount(const std::string& Text) {
    ChapterStgs->LessonCount->setText(Latin1(Text));
}

int TBookChapterPages::ShowChapter(TChapterSpread& Spread) {
    ChpContentsView->Chapter = Spread.Chapter;
    BookForm->Title->setText(Latin1(Spread.Title));
    if (!Spread.Picture.empty()) {
        // At its density, as every picture of the book: a picture with two
        // pixels a unit covers the frame, not four times it.
        ChapterStgs->ChpPicture->SetPicture(LoadPictureFile(ResolveFileName(Spread.Picture)));
    }
    ChapterStgs->ExtraDescLbl->setText(Spread.Chapter ? Latin1(Spread.Chapter->ExtraDesc)
                                                      : QString());
    if (ChpContentsView->List) ChpContentsView->List->LastRowText = Spread.LastRowText;
    ChapterStgs->Chapter->setText(Latin1(Spread.Numeral));
    ChapterStgs->Chapter2->setText(Latin1(Spread.TensNumeral));
    ChpContentsView->SkipFAllowed = Spread.SkipFAllowed;
    ChpContentsView->SkipBAllowed = Spread.SkipBAllowed;
    ChpContentsView->CancelAllowed = Spread.CancelAllowed;
    ChpContentsView->SelectedRow = Spread.SelectedRow;

    // The page an exercise left (its results, a top-ten list) stays beside
    // the contents until the next exercise begins; a chapter newly opened
    // shows its begin page.
    if (Spread.FirstPass) ChapterView->ForgetFollowing();
    BookForm->SetPageMode(2);
    const int Result = ChapterView->ShowSpread(ChpBeginView, ChpContentsView);
    Spread.SelectedRow = ChpContentsView->SelectedRow;
    return Result;
}

void TBookChapterPages::BeginExercise(const TExercise& Exercise) {
    ChapterView->ForgetFollowing();
    ExercInfoView->SetExerciseName(Exercise.Name);
}

void CreateChapterPages() {
    if (!ChpBeginView) ChpBeginView = new TChpBeginView();
    if (!ChpContentsView) ChpContentsView = new TChpContentsView();
    if (!Installed) Installed = new TBookChapterPages();
    SetChapterPages(Installed);
}

void FreeChapterPages() {
    if (ChapterPages() == Installed) SetChapterPages(nullptr);
    delete Installed;
    Installed = nullptr;
    FreeView(ChpContentsView);
    FreeView(ChpBeginView);
}
