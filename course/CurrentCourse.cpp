#include "course/CurrentCourse.h"

#include "course/TCourseReader.h"
#include "files/InputError.h"

TContents* CurrentCourse = nullptr;

void SetCurrentCourse(std::unique_ptr<TContents> Course) {
    delete CurrentCourse;
    CurrentCourse = Course.release();
}

int32_t LoadCurrentCourse(const std::string& FileName) {
    SetCurrentCourse(nullptr);
    int32_t Status = -1;
    try {
        auto Course = std::make_unique<TContents>(FileName, Status);
        if (Status == 0) SetCurrentCourse(std::move(Course));
    } catch (const EInputError&) {
        // A line the loader cannot take: the file is there, but damaged.
        Status = TCourseReader::ErrContents;
    }
    return Status;
}
