// The figures of one scored typing run, as a finished text event hands them
// to whoever ran it, and as the results page shows them.
#pragma once

#include <cstdint>
#include <string>

// The measures, their level names and the commentator's sentence, in the
// order the results page sets them.
struct TRunResults {
    int32_t Speed = 0; // characters per minute
    std::string SpeedLevel;
    float Accuracy = 0; // score 0..100
    std::string AccuracyLevel;
    int32_t Efficiency = 0; // percent
    std::string EfficiencyLevel;
    float BackSpace = 0; // percent of the keys
    std::string BackSpaceLevel;
    std::string Comment;
};

// The results of the measurement just finished, read from the analysis
// objects, which exist while the program runs (CreateAnalysisObjects).
TRunResults MeasuredResults();
