// Dates as the learner reads them.
#pragma once

#include <string>

// The day of a time (days since 1899-12-30, see Clock.h) in the locale's
// short date format, as Latin-1: the one way the program writes a date for
// the learner, in the top-ten lists and the study report alike.
std::string ShortDateOf(double Time);
