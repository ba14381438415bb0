#include "app/DemoCourse.h"

#include "course/TContents.h"
#include "files/ErrorLog.h"
#include "platform/ErrorHandler.h"
#include "users/TBookMark.h"

#include <cstring>

namespace {
constexpr int ErrContentsFatal = -5633;
}

std::optional<std::string> DemoCourseFile(int ArgumentCount, char** Arguments) {
    if (ArgumentCount != 2 || !Arguments || !Arguments[0] || !Arguments[1]) return std::nullopt;
    if (std::strcmp(Arguments[0], "--course") != 0) return std::nullopt;
    return std::string(Arguments[1]);
}

int RunDemoCourse(const std::string& FileName) {
    int Result = 0;
    Guarded([&] {
        int32_t Status = 0;
        TContents Course(FileName, Status);
        if (Status != 0) {
            LogErrorCode(ErrContentsFatal, Status);
            Result = Status;
            return;
        }
        TBookMark Own;
        Own.FChapter = 1;
        Own.FExercise = 1;
        Course.Bookmark = &Own;
        bool Finished = false;
        Result = Course.Run(Finished);
    });
    return Result;
}
