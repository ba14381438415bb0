// The study report's two ways out: the default printer (here a printer that
// prints into a PDF file) and the PDF file of a machine without one, and
// what a failure of either leaves behind.
#include "tests/support/TSeamGuard.h"
#include "tests/support/TestSupport.h"
#include "users/ui/StudyReport.h"

#include <QPrinter>
#include <gtest/gtest.h>

#include <cstdio>
#include <sys/stat.h>

namespace {

std::string Output(const std::string& Command) {
    std::string Result;
    if (FILE* Pipe = popen(Command.c_str(), "r")) {
        char Buffer[4096];
        size_t Got;
        while ((Got = fread(Buffer, 1, sizeof Buffer, Pipe)) > 0)
            Result.append(Buffer, Got);
        pclose(Pipe);
    }
    return Result;
}

TReportData Report() {
    TReportData Data;
    Data.Student = "Anna";
    Data.Completed = "16 %";
    Data.CourseName = "Beginner course";
    Data.Rows.push_back({"1. Home row", "150 cpm", "96 %", "-"});
    return Data;
}

class ReportPrintTest : public ::testing::Test {
protected:
    TSeamGuard Seams;
    TScopedTempDir Dir;
};

} // namespace

TEST_F(ReportPrintTest, TheDefaultPrinterGetsOnePortraitPageTitledClavora) {
    const std::string Printed = Dir / "printer-output.pdf";
    SetReportPrinterSource([&] {
        auto Printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        Printer->setOutputFormat(QPrinter::PdfFormat);
        Printer->setOutputFileName(QString::fromStdString(Printed));
        Printer->setPageOrientation(QPageLayout::Landscape); // the report sets portrait
        return Printer;
    });
    const TReportOutcome Outcome = PrintStudyReport(Report(), Dir / "unused.pdf");
    EXPECT_EQ(Outcome.Kind, TReportOutcome::Printed);
    EXPECT_FALSE(PathExists(Dir / "unused.pdf")) << "a machine with a printer writes no file";
    const std::string Info = Output("pdfinfo '" + Printed + "'");
    EXPECT_NE(Info.find("Clavora"), std::string::npos) << Info;
    EXPECT_NE(Info.find("Pages:           1"), std::string::npos) << Info;
    const std::string Text = Output("pdftotext '" + Printed + "' -");
    EXPECT_NE(Text.find("Study Report"), std::string::npos) << Text;
    // Portrait: taller than wide.
    const size_t Size = Info.find("Page size:");
    ASSERT_NE(Size, std::string::npos);
    double Width = 0, Height = 0;
    ASSERT_EQ(std::sscanf(Info.c_str() + Size, "Page size: %lf x %lf", &Width, &Height), 2);
    EXPECT_GT(Height, Width);
}

TEST_F(ReportPrintTest, FailuresLeaveTheEarlierReportAndReportNothingAsDone) {
    // A printer that cannot start its document ends without a file and
    // without a crash.
    SetReportPrinterSource([&] {
        auto Printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        Printer->setOutputFormat(QPrinter::PdfFormat);
        Printer->setOutputFileName(QString::fromStdString(Dir / "no/such/folder/out.pdf"));
        return Printer;
    });
    EXPECT_EQ(PrintStudyReport(Report(), Dir / "unused.pdf").Kind, TReportOutcome::Failed);

    // Without a printer: an earlier report stays whole when the new one
    // cannot be written (its temporary name is taken by a folder).
    SetReportPrinterSource([] { return nullptr; });
    const std::string File = Dir / StudyReportFileName("Anna");
    WriteFileBytes(File, "%PDF- the report of last week");
    ASSERT_EQ(mkdir((File + ".part").c_str(), 0700), 0);
    const TReportOutcome Failed = PrintStudyReport(Report(), File);
    EXPECT_EQ(Failed.Kind, TReportOutcome::Failed);
    EXPECT_EQ(Failed.File, File);
    EXPECT_EQ(ReadFileBytes(File), "%PDF- the report of last week");

    // And once it can be, it replaces the earlier one.
    rmdir((File + ".part").c_str());
    EXPECT_EQ(PrintStudyReport(Report(), File).Kind, TReportOutcome::Saved);
    EXPECT_EQ(ReadFileBytes(File).rfind("%PDF-1.", 0), 0u);
    EXPECT_FALSE(PathExists(File + ".part"));
}
