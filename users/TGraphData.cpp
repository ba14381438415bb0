#include "users/TGraphData.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

void TGraphData::AddPoint(const std::string& Label, float Value) {
    XLabels.push_back(Label);
    Values.push_back(Value);
}

void TGraphData::AddLevel(const std::string& Label, uint32_t Color, float Value) {
    size_t At = 0;
    while (At < LevelValues.size() && LevelValues[At] < Value)
        ++At;
    LevelValues.insert(LevelValues.begin() + At, Value);
    LevelColors.insert(LevelColors.begin() + At, Color);
    LevelLabels.insert(LevelLabels.begin() + At, Label);
}

std::vector<float> TGraphData::YLabelValues() const {
    std::vector<float> Labels{MinValue};
    if (!(Step > 0)) return Labels;
    // Each label from its own multiple of the step, so that errors of
    // repeated additions never add up.
    for (int K = 1; Labels.back() < MaxValue && K < MaxYLabels; ++K)
        Labels.push_back(MinValue + float(K) * Step);
    return Labels;
}

void TGraphData::ReachValues() {
    if (!(Step > 0)) return;
    float Largest = MaxValue;
    for (float Value : Values)
        if (std::isfinite(Value) && Value > Largest) Largest = Value;
    if (!(Largest > MaxValue)) return;
    // The label's number, a whole number of steps above the minimum; a value
    // a hair above a label (a speed converted to words per minute) stays
    // with that label.
    const double Steps = std::ceil((double(Largest) - MinValue) / Step - 1e-4);
    const int Last = int(std::min(Steps, double(MaxYLabels - 1)));
    // As the labels are worked out, so that the last of them is the top.
    MaxValue = std::max(MaxValue, MinValue + float(Last) * Step);
}

std::string TGraphData::LabelText(float Value) {
    char Text[32];
    if (std::nearbyint(Value) == Value && std::fabs(Value) < 1e9f)
        std::snprintf(Text, sizeof Text, "%lld", static_cast<long long>(Value));
    else
        std::snprintf(Text, sizeof Text, "%g", double(Value));
    return Text;
}

int TGraphData::LevelOfBar(float Value) const {
    for (int I = 0; I < LevelCount(); ++I)
        if (LevelValues[size_t(I)] >= Value) return I;
    return -1;
}
