// The figures of the study report, as texts: the learner's progress and one
// row per chapter of the course. "-" stands for a result not yet measured.
#pragma once

#include <string>
#include <vector>

class TUser;
class TProgramSettings;

// What the report needs of the loaded course: its name and the titles of its
// chapters ("1. Home row").
struct TCourseSummary {
    std::string ContentsName;
    std::vector<std::string> ChapterTitles;
};

struct TReportRow {
    std::string Title; // "3. Top row"
    std::string Speed; // "142 cpm" or "-"
    std::string Accuracy;
    std::string Efficiency;
};

struct TReportData {
    std::string Student;
    std::string Completed; // "16 %"
    std::string TimeUsed;
    std::string TimeLeft;
    std::string CourseName;
    std::string Date;
    std::vector<TReportRow> Rows;
};

// The report of a learner: one row per chapter of the loaded course
// (FChapterCount). Chapters past the record's room, or without a measured
// result, show "-"; a chapter missing from the course's list shows its number
// alone. Speeds are in the settings' unit (characters per minute without
// settings).
TReportData StudyReportData(const TUser& User, const TProgramSettings* Unit,
                            const TCourseSummary& Course, const std::string& Date);

// The name of a learner's report file in the shared data folder: "Study
// Report - Anna.pdf". Learners share that folder, so each has a name of their
// own. Letters and digits of ASCII, the space, "-" and "_" stand as they are;
// any other byte of the name (a slash, a dot, a Latin-1 letter) is written as
// "%" and its two hex digits, which no two names can share and every file
// system takes.
std::string StudyReportFileName(const std::string& LearnerName);

// A chapter's result as the report prints it: "-" for no result (a negative
// value), else the rounded value followed by the unit text.
std::string ReportValue(float Value, const std::string& Unit);
