// The study report's figures and where they go on the page. A page of 2400 x
// 3357 pixels at 72 dots per inch makes one grid unit one pixel and a line
// of n points n pixels high, so the positions below are the grid's own.
#include "users/ReportLayout.h"
#include "files/TProgramSettings.h"
#include "tests/support/TestSupport.h"
#include "users/TUser.h"

#include <gtest/gtest.h>

#include <limits>
#include <map>
#include <memory>
#include <set>

namespace {

const TReportPage GridPage{2400, 3357, 72};

TReportData Sample(int Rows) {
    TReportData Data;
    Data.Student = "Anna";
    Data.Completed = "16 %";
    Data.TimeUsed = "2 h 15 min.";
    Data.TimeLeft = "11 h 43 min.";
    Data.CourseName = "Beginner course";
    Data.Date = "12/7/26";
    for (int I = 1; I <= Rows; ++I)
        Data.Rows.push_back(
            {std::to_string(I) + ". Row " + std::to_string(I), "150 cpm", "96 %", "-"});
    return Data;
}

const TReportItem* Find(const std::vector<TReportItem>& Items, const std::string& Text) {
    for (const TReportItem& Item : Items)
        if (Item.String == Text) return &Item;
    return nullptr;
}

} // namespace

TEST(ReportLayout, TextsStandAtTheirGridPositions) {
    const std::vector<TReportItem> Items = LayoutStudyReport(Sample(2), GridPage);
    const struct {
        const char* Text;
        int X, Y, Points;
        bool Bold;
    } Expected[] = {
        {"Clavora", 250, 150, 20, false},
        {"Study Report", 250, 180, 30, true}, // 150 + 20 + 10
        {"12/7/26", 1550, 194, 16, true},     // bottom level with the title's
        {"Progress", 250, 350, 16, true},     // rule at 194 + 16 + 40, then 100
        {"Student:", 350, 406, 12, true},     // 350 + 16 + 40
        {"Anna", 750, 406, 12, false},
        {"Completed:", 350, 428, 12, true}, // 12 + 10 apart
        {"16 %", 750, 428, 12, false},
        {"Time used:", 350, 450, 12, true},
        {"Time left:", 350, 472, 12, true},
        {"11 h 43 min.", 750, 472, 12, false},
        {"Course: Beginner course", 250, 584, 16, true}, // 472 + 12 + 100
        {"Lesson", 350, 640, 12, true},                  // 584 + 16 + 40
        {"Speed", 1150, 640, 12, true},                  // the table's own columns
        {"Accuracy", 1470, 640, 12, true},
        {"Efficiency", 1790, 640, 12, true},
        {"1. Row 1", 350, 672, 12, false}, // 640 + 12 + 20
        {"2. Row 2", 350, 694, 12, false},
    };
    for (const auto& E : Expected) {
        const TReportItem* Item = Find(Items, E.Text);
        ASSERT_NE(Item, nullptr) << E.Text;
        EXPECT_EQ(Item->X, E.X) << E.Text;
        EXPECT_EQ(Item->Y, E.Y) << E.Text;
        EXPECT_EQ(Item->Points, E.Points) << E.Text;
        EXPECT_EQ(Item->Bold, E.Bold) << E.Text;
        EXPECT_EQ(Item->Page, 0) << E.Text;
    }
    // Chapter names stop 20 units short of the speed column; nothing else is cut.
    for (const TReportItem& Item : Items)
        EXPECT_EQ(Item.MaxWidth, Item.String.find(". Row ") != std::string::npos ? 780 : 0)
            << Item.String;
    int Rules = 0;
    for (const TReportItem& Item : Items) {
        if (Item.Kind != TReportItem::Rule) continue;
        ++Rules;
        EXPECT_EQ(Item.X, 250);
        EXPECT_EQ(Item.X2, 2150);
        EXPECT_EQ(Item.Y, 250);
    }
    EXPECT_EQ(Rules, 1);
}

TEST(ReportLayout, ScalesWithThePageAndItsResolution) {
    // An A4 page at 600 dpi: 4961 x 7016 pixels; 12 points are 100 pixels.
    const TReportPage A4{4961, 7016, 600};
    EXPECT_EQ(ReportFontHeight(12, 600), 100);
    EXPECT_EQ(ReportFontHeight(30, 600), 250);
    const std::vector<TReportItem> Items = LayoutStudyReport(Sample(1), A4);
    EXPECT_EQ(Find(Items, "Clavora")->X, 517);                 // 250 x 4961 / 2400 = 516.8
    EXPECT_EQ(Find(Items, "Clavora")->Y, 310);                 // the grid's across measure, 310.06
    EXPECT_EQ(Find(Items, "Study Report")->Y, 310 + 167 + 21); // 20 points, 10 units down
}

TEST(ReportLayout, ALongCourseGoesOnToFurtherPagesUnderTheHeadings) {
    const std::vector<TReportItem> Items = LayoutStudyReport(Sample(200), GridPage);
    std::map<int, int> HeadingsOnPage;
    std::map<std::string, int> Seen;
    int LastPage = 0;
    for (const TReportItem& Item : Items) {
        EXPECT_LE(Item.Y + Item.Points, GridPage.Height - 150) << Item.String;
        EXPECT_GE(Item.Page, LastPage) << "pages come in order";
        LastPage = Item.Page;
        if (Item.String == "Lesson") ++HeadingsOnPage[Item.Page];
        ++Seen[Item.String];
    }
    EXPECT_GE(LastPage, 1);
    for (int Page = 0; Page <= LastPage; ++Page)
        EXPECT_EQ(HeadingsOnPage[Page], 1) << "page " << Page;
    for (int I = 1; I <= 200; ++I)
        EXPECT_EQ(Seen[std::to_string(I) + ". Row " + std::to_string(I)], 1);
    // A page too small for a single row still ends.
    EXPECT_FALSE(LayoutStudyReport(Sample(5), {100, 100, 72}).empty());
}

class ReportDataTest : public ::testing::Test {
protected:
    void SetUp() override {
        Dir = std::make_unique<TScopedTempDir>();
        User = std::make_unique<TUser>("Anna");
    }
    std::unique_ptr<TScopedTempDir> Dir;
    std::unique_ptr<TUser> User;
};

TEST_F(ReportDataTest, RowsFollowTheCourseWithDashesWhereNothingWasMeasured) {
    TProgramSettings Unit;
    Unit.MeasuringUnit = true; // words per minute
    User->FChapterCount = 22;
    User->FTopChapter = 3;
    User->FTopExercise = 4;
    User->FTotalMinutes = 135;
    User->FChapterSpeed[1] = 152.5f; // 30.5 wpm: halves go to the even 30
    User->FChapterAccuracy[1] = 96.5f;
    User->FChapterEfficiency[1] = 81.5f;
    User->FChapterSpeed[2] = 0; // measured, but nothing typed
    User->FChapterAccuracy[2] = 0;
    User->FChapterEfficiency[2] = 0;
    User->FChapterSpeed[20] = -10; // no result, whatever the stored form
    User->FChapterAccuracy[20] = std::numeric_limits<float>::quiet_NaN();
    TCourseSummary Course{"Beginner course", {"1. Home row", "2. Top row"}};
    const TReportData Data = StudyReportData(*User, &Unit, Course, "7.12.2026");

    EXPECT_EQ(Data.Student, "Anna");
    EXPECT_EQ(Data.Completed, "11 %"); // (2 + 0.5) / 22 = 11.4 %
    EXPECT_EQ(Data.TimeUsed, "2 h 15 min.");
    EXPECT_EQ(Data.CourseName, "Beginner course");
    ASSERT_EQ(Data.Rows.size(), 22u);
    const struct {
        int Row;
        const char *Title, *Speed, *Accuracy, *Efficiency;
    } Rows[] = {
        {1, "1. Home row", "30 wpm", "96 %", "82 %"},
        {2, "2. Top row", "0 wpm", "0 %", "0 %"},
        {3, "3.", "-", "-", "-"}, // the course names two chapters only
        {20, "20.", "-", "-", "-"},
        {21, "21.", "-", "-", "-"}, // past the record's room
        {22, "22.", "-", "-", "-"},
    };
    for (const auto& R : Rows) {
        const TReportRow& Row = Data.Rows[size_t(R.Row - 1)];
        EXPECT_EQ(Row.Title, R.Title);
        EXPECT_EQ(Row.Speed, R.Speed) << R.Row;
        EXPECT_EQ(Row.Accuracy, R.Accuracy) << R.Row;
        EXPECT_EQ(Row.Efficiency, R.Efficiency) << R.Row;
    }
}

TEST_F(ReportDataTest, ResultsOfMoreChaptersThanTheCourseHasShowOnlyTheCourses) {
    User->FChapterCount = 1;
    User->FTopChapter = 20;
    User->FTopExercise = 10;
    for (int I = 1; I <= TUser::MaxChapters; ++I)
        User->FChapterSpeed[size_t(I)] = User->FChapterAccuracy[size_t(I)] =
            User->FChapterEfficiency[size_t(I)] = 50;
    const TReportData Data = StudyReportData(*User, nullptr, {"One", {"1. Only"}}, "");
    EXPECT_EQ(Data.Completed, "100 %");
    ASSERT_EQ(Data.Rows.size(), 1u);
    EXPECT_EQ(Data.Rows[0].Speed, "50 cpm");

    // No course at all, and a chapter count gone negative.
    User->FChapterCount = -3;
    EXPECT_TRUE(StudyReportData(*User, nullptr, {}, "").Rows.empty());
}

namespace {

// Learners share the data folder: each report file is named after its
// learner, and a name that holds characters no file name should (a slash, a
// dot, a letter outside ASCII) still gives a name of its own.
TEST(StudyReportFileName, EveryLearnerHasAFileOfTheirOwnThatAnyFileSystemTakes) {
    const struct {
        std::string Learner;
        std::string File;
    } Cases[] = {
        {"Anna", "Study Report - Anna.pdf"},
        {"hanna berg-Lund_2", "Study Report - hanna berg-Lund_2.pdf"},
        {"Jo/Ann", "Study Report - Jo%2FAnn.pdf"},
        {"..", "Study Report - %2E%2E.pdf"},
        {"\xC5sa", "Study Report - %C5sa.pdf"}, // Latin-1 capital A with ring
        {"50%:*?", "Study Report - 50%25%3A%2A%3F.pdf"},
        {"", "Study Report.pdf"},
    };
    std::set<std::string> Files;
    for (const auto& Case : Cases) {
        SCOPED_TRACE(Case.Learner);
        EXPECT_EQ(StudyReportFileName(Case.Learner), Case.File);
        Files.insert(StudyReportFileName(Case.Learner));
    }
    EXPECT_EQ(Files.size(), std::size(Cases));
    // Names that an unsafe character could make alike stay apart.
    EXPECT_NE(StudyReportFileName("Jo/Ann"), StudyReportFileName("Jo%2FAnn"));
    EXPECT_NE(StudyReportFileName("Jo/Ann"), StudyReportFileName("Jo_Ann"));
}

} // namespace
