// Grades and their level names.
//
// A grade is a single-precision real from 0 to 4 that rates one aspect of
// typing. Its level name is "Beginner" below 1, "Intermediate" from 1,
// "Advanced" from 2 and "Expert" from 3. The measures compute their grades
// so that a break point reached exactly gives the whole number itself.
#pragma once

#include <string>

// The grade clamped to 0..4 (a NaN counts as 0).
float ClampGrade(double Grade);

// The level name of a grade.
std::string LevelName(float Grade);

// The program-wide giver of level names, one of the analysis objects.
class TLevelNames {
public:
    std::string LevelName(float Grade) const { return ::LevelName(Grade); }
};
