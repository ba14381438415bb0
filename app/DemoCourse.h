// A course run on its own from its first chapter, without logging in: for
// trying a course out and for the program's own tests. The program is
// started with
//
//     clavora --course <contents file>
//
// The course runs from chapter 1 with a bookmark of its own through its
// chapter pages and exercises; leaving it (closing the window, or going on
// past its last chapter) ends the program. Nothing is saved.
#pragma once

#include <optional>
#include <string>

// The contents file of a "--course <file>" command line (the arguments
// after the program name), or nothing when the command line asks for
// something else.
std::optional<std::string> DemoCourseFile(int ArgumentCount, char** Arguments);

// Loads and runs the course. A file that cannot be opened is reported as
// error -5633 with its status, an input error in it by the general error
// handler. Returns the course's result, or the load's status.
int RunDemoCourse(const std::string& FileName);
