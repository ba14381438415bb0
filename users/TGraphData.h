// What a graph shows, without the control that paints it: the value range,
// the points with their labels, and the horizontal reference levels, kept in
// ascending order of value. Colours are 0xRRGGBB.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

class TGraphData {
public:
    enum TStyle { gsLine = 0, gsBar = 1 };

    int Style = gsLine;
    float MinValue = 0;
    float MaxValue = 100;
    // Distance of the vertical axis labels.
    float Step = 20;
    std::vector<float> Values;
    std::vector<std::string> XLabels;
    std::vector<float> LevelValues;
    std::vector<uint32_t> LevelColors;
    std::vector<std::string> LevelLabels;
    bool ShowXLabels = true;
    bool ShowFirstYLabel = true;
    bool ColorBarsByLevel = true;

    void AddPoint(const std::string& Label, float Value);
    // Inserts the level before the first one whose value is at least Value.
    void AddLevel(const std::string& Label, uint32_t Color, float Value);

    int PointCount() const { return int(Values.size()); }
    int LevelCount() const { return int(LevelValues.size()); }

    // The values of the vertical axis labels: MinValue, MinValue + Step, ...
    // up to the first that reaches MaxValue. A step that is not positive
    // gives MinValue alone; a range too wide for its step is cut at
    // MaxYLabels labels.
    std::vector<float> YLabelValues() const;
    static constexpr int MaxYLabels = 200;
    // A label's text: whole numbers without decimals, others with as few as
    // they need ("0", "70", "2.5").
    static std::string LabelText(float Value);

    // Raises MaxValue to the first axis label at or above the largest value,
    // so that a line graph shows every point at its own height rather than
    // pinned to the top. Values that are not finite are left aside, and the
    // axis never grows past MaxYLabels labels.
    void ReachValues();

    // The level whose colour a bar of this value takes: the first (in
    // ascending order) whose value is at least Value; -1 when none is.
    int LevelOfBar(float Value) const;
};
