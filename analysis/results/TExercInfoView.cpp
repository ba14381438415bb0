#include "analysis/results/TExercInfoView.h"

#include "files/TProgramSettings.h"
#include "forms/TChapterStgs.h"
#include "forms/TGeneralStg.h"
#include "platform/Controls.h"
#include "platform/Latin1.h"
#include "platform/Trace.h"
#include "shell/TBookForm.h"
#include "users/TUser.h"

#include <QLabel>

#include <cstdio>

TExercInfoView* ExercInfoView = nullptr;

const char* const TExercInfoView::TooShortText =
    "You have typed for a very short time - your performance scores cannot be calculated.";

namespace {

void SetLabel(QLabel* Label, const std::string& Text) {
    if (Label) Label->setText(ToQ(Text));
}

} // namespace

TExercInfoView::TExercInfoView() {
    Host = BookForm;
}

void TExercInfoView::SetExerciseName(const std::string& Name) {
    SetLabel(ChapterStgs->ExerciseIDLbl, Name);
}

void TExercInfoView::ShiftToPrevious() {
    PrevSpeedValue = SpeedValue;
    PrevEfficiencyValue = EfficiencyValue;
    PrevBackSpaceValue = BackSpaceValue;
    PrevAccuracyValue = AccuracyValue;
}

bool TExercInfoView::HasPrevious(double Previous) const {
    // Without a previous speed there was no scored run to compare with.
    return PrevSpeedValue >= 0 && Previous >= 0;
}

TChange TExercInfoView::ShowChange(TImage* Picture, double Current, double Previous, double Step,
                                   bool Emphasised) {
    const TChange Change = ResultChange(Current, Previous, Step, HasPrevious(Previous));
    const TImage* Source = GeneralStg->ChangePicture(ChangePictureName(Change, Emphasised).c_str());
    Picture->SetPicture(Source ? Source->Picture() : QPixmap());
    return Change;
}

void TExercInfoView::SetSpeed(int32_t Cpm) {
    SpeedValue = Cpm;
    CurrentUser->FLastSpeed = Cpm;
    SetLabel(ChapterStgs->SpeedLbl, SpeedText(Settings->DisplaySpeed(float(Cpm))));
    FSpeedChange =
        ShowChange(ChapterStgs->SpeedChange, SpeedValue, PrevSpeedValue, SpeedStep, false);
}

void TExercInfoView::SetSpeedLevel(const std::string& Level) {
    SpeedLevel = Level;
    SetLabel(ChapterStgs->SpeedGradeLbl, Level);
}

void TExercInfoView::SetAccuracy(float Accuracy) {
    AccuracyValue = Accuracy;
    CurrentUser->FLastAccuracy = Accuracy;
    SetLabel(ChapterStgs->ErrorsLbl, WholePercentText(Accuracy));
    FAccuracyChange = ShowChange(ChapterStgs->ErrorsChange, AccuracyValue, PrevAccuracyValue,
                                 AccuracyStep, false);
}

void TExercInfoView::SetAccuracyLevel(const std::string& Level) {
    AccuracyLevel = Level;
    SetLabel(ChapterStgs->ErrorsGradeLbl, Level);
}

void TExercInfoView::SetEfficiency(int32_t Efficiency) {
    EfficiencyValue = Efficiency;
    CurrentUser->FLastEfficiency = Efficiency;
    SetLabel(ChapterStgs->EfficiencyLbl, WholePercentText(Efficiency));
    FEfficiencyChange = ShowChange(ChapterStgs->EfficiencyChange, EfficiencyValue,
                                   PrevEfficiencyValue, EfficiencyStep, true);
}

void TExercInfoView::SetEfficiencyLevel(const std::string& Level) {
    EfficiencyLevel = Level;
    SetLabel(ChapterStgs->EfficiencyGradeLbl, Level);
}

void TExercInfoView::SetBackSpace(float Percent) {
    BackSpaceValue = Percent;
    CurrentUser->FLastBackspace = Percent;
    SetLabel(ChapterStgs->BackSpaceLbl, OneDecimalPercentText(Percent));
    FBackSpaceChange = ShowChange(ChapterStgs->BackSpaceChange, BackSpaceValue, PrevBackSpaceValue,
                                  BackSpaceStep, false);
}

void TExercInfoView::SetBackSpaceLevel(const std::string& Level) {
    BackSpaceLevel = Level;
    SetLabel(ChapterStgs->BackSpaceGradeLbl, Level);
}

void TExercInfoView::SetComment(const std::string& Comment) {
    CommentText = Comment;
    SetLabel(ChapterStgs->TipLbl, Comment);
}

void TExercInfoView::TakeRun(const std::optional<TRunResults>& Scored) {
    ViewName = "ExercInfo";
    if (Scored)
        TakeResults(*Scored);
    else
        Valid = false;
}

void TExercInfoView::TakeResults(const TRunResults& Results) {
    Valid = true;
    ShiftToPrevious();
    SetSpeed(Results.Speed);
    SetSpeedLevel(Results.SpeedLevel);
    SetAccuracy(Results.Accuracy);
    SetAccuracyLevel(Results.AccuracyLevel);
    SetEfficiency(Results.Efficiency);
    SetEfficiencyLevel(Results.EfficiencyLevel);
    SetBackSpace(Results.BackSpace);
    SetBackSpaceLevel(Results.BackSpaceLevel);
    SetComment(Results.Comment);
}

void TExercInfoView::Activate() {
    TFormView::Activate();
    BorrowChildren(ChapterStgs->Panel4, BookForm->LeftPage);
}

bool TExercInfoView::Show() {
    TChapterStgs* P = ChapterStgs;
    SetLabel(P->SpeedUnit, Settings->SpeedUnitName());
    if (!Valid) {
        for (QLabel* Label : {P->SpeedLbl, P->ErrorsLbl, P->BackSpaceLbl})
            Label->setText(QStringLiteral("-"));
        for (QLabel* Label : {P->EfficiencyLbl, P->SpeedGradeLbl, P->ErrorsGradeLbl,
                              P->BackSpaceGradeLbl, P->EfficiencyGradeLbl})
            Label->clear();
        for (TImage* Picture :
             {P->SpeedChange, P->ErrorsChange, P->BackSpaceChange, P->EfficiencyChange})
            Picture->SetPicture(QPixmap());
        SetLabel(P->TipLbl, TooShortText);
        FSpeedChange = FAccuracyChange = FBackSpaceChange = FEfficiencyChange = TChange::None;
    }
    const bool Declined = TFormView::Show();
    if (Tracing()) Trace(TraceLine());
    Valid = false;
    return Declined;
}

std::string TExercInfoView::TraceLine() const {
    if (!Valid) return "result none";
    char Line[160];
    std::snprintf(Line, sizeof Line, "result speed=%d accuracy=%.1f efficiency=%d backspace=%.1f",
                  SpeedValue, double(AccuracyValue), EfficiencyValue, double(BackSpaceValue));
    return Line;
}

void CreateExercInfoView() {
    // Making the page is where it is still missing; made once, as every step
    // of the program's table makes its object.
    if (!ExercInfoView) ExercInfoView = new TExercInfoView();
}

void FreeExercInfoView() {
    FreeView(ExercInfoView);
}
