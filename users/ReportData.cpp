#include "users/ReportData.h"

#include "files/TProgramSettings.h"
#include "users/TUser.h"

#include <algorithm>
#include <cmath>

std::string StudyReportFileName(const std::string& LearnerName) {
    static const char Hex[] = "0123456789ABCDEF";
    std::string Safe;
    for (const char C : LearnerName) {
        const auto Byte = static_cast<unsigned char>(C);
        if ((Byte >= 'A' && Byte <= 'Z') || (Byte >= 'a' && Byte <= 'z') ||
            (Byte >= '0' && Byte <= '9') || Byte == ' ' || Byte == '-' || Byte == '_') {
            Safe += C;
        } else {
            Safe += '%';
            Safe += Hex[Byte >> 4];
            Safe += Hex[Byte & 15];
        }
    }
    return Safe.empty() ? "Study Report.pdf" : "Study Report - " + Safe + ".pdf";
}

std::string ReportValue(float Value, const std::string& Unit) {
    if (!(Value >= 0)) return "-";
    // Stored results are small; this only keeps a wild one printable.
    const double Rounded = std::nearbyint(std::min(double(Value), 1e9));
    return std::to_string(static_cast<long long>(Rounded)) + Unit;
}

TReportData StudyReportData(const TUser& User, const TProgramSettings* Unit,
                            const TCourseSummary& Course, const std::string& Date) {
    TReportData Data;
    Data.Student = User.FName;
    Data.Completed = std::to_string(User.PercentCompleted()) + " %";
    Data.TimeUsed = User.TimeUsedText();
    Data.TimeLeft = User.TimeLeftText();
    Data.CourseName = Course.ContentsName;
    Data.Date = Date;
    const std::string UnitText = " " + (Unit ? Unit->SpeedUnitName() : std::string("cpm"));
    for (int I = 1; I <= User.FChapterCount; ++I) {
        TReportRow Row;
        Row.Title = size_t(I) <= Course.ChapterTitles.size() ? Course.ChapterTitles[size_t(I - 1)]
                                                             : std::to_string(I) + ".";
        // The record keeps the results of its first chapters only.
        const bool Stored = I <= TUser::MaxChapters;
        const float Speed = Stored ? User.FChapterSpeed[size_t(I)] : -1.0f;
        const float Accuracy = Stored ? User.FChapterAccuracy[size_t(I)] : -1.0f;
        const float Efficiency = Stored ? User.FChapterEfficiency[size_t(I)] : -1.0f;
        Row.Speed = ReportValue(Speed >= 0 && Unit ? Unit->DisplaySpeed(Speed) : Speed, UnitText);
        Row.Accuracy = ReportValue(Accuracy, " %");
        Row.Efficiency = ReportValue(Efficiency, " %");
        Data.Rows.push_back(Row);
    }
    return Data;
}
