// The learner's course: loaded at start-up from the learner's contents file,
// read by the pages that show the course (its chapters' names on the
// statistics page and in the study report). Owned here; null while no course
// could be loaded.
#pragma once

#include "course/TContents.h"

#include <cstdint>
#include <memory>
#include <string>

extern TContents* CurrentCourse;

// Makes Course the current course, freeing the one before.
void SetCurrentCourse(std::unique_ptr<TContents> Course);

// Loads the contents file as the current course. A file that cannot be read
// or holds an input error leaves no course and tells nobody: the load that
// runs the course tells the learner. Returns the load's status (0 loaded),
// or -1 after an input error.
int32_t LoadCurrentCourse(const std::string& FileName);
