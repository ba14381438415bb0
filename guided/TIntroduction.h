// The interactive introduction: the course "introd.kqs" of the program
// directory, played with a bookmark of its own so that the learner's place
// in the real course and the learner's progress stay as they were.
#pragma once

#include "course/TContents.h"

#include <memory>

class TIntroduction {
public:
    static constexpr int ErrIntroductionFile = -5733;

    // 0 when the introduction is missing or cannot be loaded (the learner
    // has been told), otherwise the introduction course's result (1000 when
    // the learner left it).
    int Run();

    // Loaded on first use and kept.
    std::unique_ptr<TContents> IntroCourse;
};
