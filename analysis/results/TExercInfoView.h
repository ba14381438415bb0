// The results page: the left-hand book page that shows the last text typing
// run's speed, accuracy, backspace share and efficiency, each with its level
// name and an arrow telling how it changed since the scored run before, and
// the commentator's sentence.
//
// One instance lives for the whole run (ExercInfoView). After a text run,
// whoever ran it hands the page the run's results (TakeRun; TakeResults, or
// the setters one by one after ShiftToPrevious and Valid := true) and hangs
// the page into the chapter view as its left sub-view. At login the four
// setters are called with the learner's stored last results, so that the
// first run after a login is compared with the last one before it. Every
// setter also keeps the current user's last results up to date.
#pragma once

#include "analysis/TRunResults.h"
#include "analysis/results/ResultChange.h"
#include "shell/TFormView.h"

#include <cstdint>
#include <optional>
#include <string>

class TImage;

class TExercInfoView : public TFormView {
public:
    TExercInfoView();

    // The current values come from a run long enough to be scored; cleared
    // by every display.
    bool Valid = false;
    // -1 until set.
    int32_t SpeedValue = -1;
    int32_t EfficiencyValue = -1;
    float BackSpaceValue = -1;
    float AccuracyValue = -1;
    // The values of the scored run before (ShiftToPrevious).
    int32_t PrevSpeedValue = -1;
    int32_t PrevEfficiencyValue = -1;
    float PrevBackSpaceValue = -1;
    float PrevAccuracyValue = -1;
    std::string CommentText;
    std::string SpeedLevel;
    std::string AccuracyLevel;
    std::string BackSpaceLevel;
    std::string EfficiencyLevel;

    // How far a value must change for a double arrow; backspace use is
    // better the lower it is.
    static constexpr int SpeedStep = 20;
    static constexpr int AccuracyStep = 10;
    static constexpr int EfficiencyStep = 10;
    static constexpr int BackSpaceStep = -3;

    void SetExerciseName(const std::string& Name);
    void ShiftToPrevious();
    void SetSpeed(int32_t Cpm);
    void SetSpeedLevel(const std::string& Level);
    void SetAccuracy(float Accuracy);
    void SetAccuracyLevel(const std::string& Level);
    void SetEfficiency(int32_t Efficiency);
    void SetEfficiencyLevel(const std::string& Level);
    void SetBackSpace(float Percent);
    void SetBackSpaceLevel(const std::string& Level);
    void SetComment(const std::string& Comment);

    // A scored run: Valid, then ShiftToPrevious and every setter in the
    // order a text run gives them.
    void TakeResults(const TRunResults& Results);
    // After a text run: the results of a scored run, or none for a run too
    // short to be scored, which leaves the page saying so.
    void TakeRun(const std::optional<TRunResults>& Scored);

    // The arrow each row shows now.
    TChange SpeedChange() const { return FSpeedChange; }
    TChange AccuracyChange() const { return FAccuracyChange; }
    TChange BackSpaceChange() const { return FBackSpaceChange; }
    TChange EfficiencyChange() const { return FEfficiencyChange; }

    void Activate() override;
    // Shows the unit of the settings; without a scored run, dashes and the
    // note that the typing time was too short.
    bool Show() override;

    static const char* const TooShortText;

private:
    // The trace's line for the results shown.
    std::string TraceLine() const;

    bool HasPrevious(double Previous) const;
    TChange ShowChange(TImage* Picture, double Current, double Previous, double Step,
                       bool Emphasised);

    TChange FSpeedChange = TChange::None;
    TChange FAccuracyChange = TChange::None;
    TChange FBackSpaceChange = TChange::None;
    TChange FEfficiencyChange = TChange::None;
};

// The one results page; null until CreateExercInfoView.
extern TExercInfoView* ExercInfoView;
// Made by the program's table after the storage forms whose controls the page
// borrows; freed before them.
void CreateExercInfoView();
void FreeExercInfoView();
