// How a result changed since the run before, and the texts the results page
// shows for the measures. Plain functions of their inputs.
#pragma once

#include <cstdint>
#include <string>

// The arrow of a result row.
enum class TChange { None, DoubleUp, Up, Level, Down, DoubleDown };

// The change from Previous to Current, measured in Steps: a change of a full
// step or more is a double arrow, a smaller one a single arrow, none the
// level arrow. A negative Step means lower is better: a fall is then an
// improvement. Without a previous result there is no arrow.
//
// The values come from single-precision measures, so a difference that is a
// whole step in exact arithmetic may land a hair beside it; differences
// within a ten-thousandth of a break point count as on it.
TChange ResultChange(double Current, double Previous, double Step, bool HasPrevious);

// The design name of the picture that shows a change: "ArrowUp2", "ArrowUp1",
// "ArrowHorizontal", "ArrowDown1", "ArrowDown2", with a trailing "b" for the
// emphasised set of the efficiency row, or "ClearPic" for no arrow.
std::string ChangePictureName(TChange Change, bool Emphasised);

// A whole number of the value, halves to even (a value within a
// ten-thousandth of a half counts as the half).
int64_t RoundHalfEven(double Value);

// A speed already converted to the unit the learner chose, rounded: "40".
// "-" for no speed (negative).
std::string SpeedText(double Speed);
// A percentage rounded to a whole number: "97 %". "-" when negative.
std::string WholePercentText(double Percent);
// A percentage with one decimal: "2.5 %". "-" when negative.
std::string OneDecimalPercentText(double Percent);
