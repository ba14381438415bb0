#include "guided/CourseEnd.h"

#include "users/TUser.h"

#include <algorithm>

int CompletedChapters(const TUser& User, const std::vector<int>& Exercises) {
    int Completed = 0;
    const int Chapters = std::min(int(Exercises.size()), TUser::MaxChapters);
    for (int Chapter = 1; Chapter <= Chapters; ++Chapter) {
        const int Count = std::min(Exercises[size_t(Chapter - 1)], TUser::MaxExercises);
        bool Done = true;
        for (int Exercise = 1; Exercise <= Count && Done; ++Exercise)
            Done = User.FCompleted[size_t(Chapter)][size_t(Exercise)] != 0;
        if (Done) ++Completed;
    }
    return Completed;
}

std::string CourseEndText(const TUser& User, const std::vector<int>& Exercises) {
    const int Chapters = int(Exercises.size());
    if (Chapters == 0) return "You have reached the end of the course.";
    const int Completed = CompletedChapters(User, Exercises);
    if (Completed == Chapters) return "Well done! You have studied every chapter of the course.";
    if (Completed == 0)
        return "You have reached the end of the course without completing any of its chapters.";
    return "You have reached the end of the course and completed " + std::to_string(Completed) +
           " of its " + std::to_string(Chapters) + " chapters.";
}
