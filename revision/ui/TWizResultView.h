// The wizard's results: after a drill or sentence exercise built by the
// revision wizard, the difficulty of the revised keys before and after the
// exercise as two bar graphs on the left page.
#pragma once

#include "shell/TFormView.h"

#include <array>
#include <string>

class TGraph;

class TWizResultView : public TFormView {
public:
    static constexpr int KeyCount = 8;

    TWizResultView();
    ~TWizResultView() override;

    // The first eight revised keys, padded with spaces.
    std::string FKeys = std::string(KeyCount, ' ');
    std::array<float, KeyCount> FBefore{};
    std::array<float, KeyCount> FAfter{};

    // Called by the builder before and after the exercise: the keys and
    // their difficulties now.
    void SnapshotBefore(const std::string& Keys);
    void SnapshotAfter();

    void Activate() override;
    void Deactivate() override;

    // While the page is open.
    TGraph* BeforeGraph() const { return FBeforeGraph; }
    TGraph* AfterGraph() const { return FAfterGraph; }

private:
    void FreeGraphs();
    TGraph* FBeforeGraph = nullptr;
    TGraph* FAfterGraph = nullptr;
};

// The one results page, made at start-up.
extern TWizResultView* WizResultView;
void CreateWizResultView();
void FreeWizResultView();
