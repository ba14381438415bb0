#include "analysis/TLevelNames.h"

float ClampGrade(double Grade) {
    if (!(Grade > 0)) return 0; // also a NaN
    if (Grade > 4) return 4;
    return float(Grade);
}

std::string LevelName(float Grade) {
    if (Grade >= 3) return "Expert";
    if (Grade >= 2) return "Advanced";
    if (Grade >= 1) return "Intermediate";
    return "Beginner";
}
