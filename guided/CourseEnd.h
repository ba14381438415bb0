// What the course-completed page says to the learner: praise for a course
// studied through, and otherwise how far the learner got, since a course is
// also completed by skipping its chapters.
#pragma once

#include <string>
#include <vector>

class TUser;

// Exercises[i] is the number of exercises of chapter i + 1. A chapter is
// completed when the learner's record marks every one of its exercises
// completed; the record has room for 20 chapters of 10 exercises, so a
// chapter past the 20th is never counted as completed, and of a longer
// chapter only its first 10 exercises are looked at. Without chapters (no
// course known) the text only says that the course has ended.
int CompletedChapters(const TUser& User, const std::vector<int>& Exercises);
std::string CourseEndText(const TUser& User, const std::vector<int>& Exercises);
