// Printing the study report: on the default printer when the machine has
// one, otherwise as a PDF file named after the learner in the user
// database's folder (StudyReportFileName), which is then opened with the
// desktop's viewer.
#pragma once

#include "users/ReportData.h"

#include <functional>
#include <memory>
#include <string>

class QPagedPaintDevice;
class QPrinter;

// Draws the report on a paged device (a printer, a PDF writer) that is not
// being painted on yet; false when the device could not be painted on or
// failed before the end.
bool DrawStudyReport(QPagedPaintDevice& Device, const TReportData& Data);

struct TReportOutcome {
    enum TKind { Printed, Saved, Failed };
    TKind Kind = Failed;
    std::string File; // the PDF written (Saved) or that could not be (Failed)
};

// The report on the default printer, or as the PDF file PdfFile when there is
// no printer. A PDF that cannot be written leaves any report written before
// in place.
TReportOutcome PrintStudyReport(const TReportData& Data, const std::string& PdfFile);

// The default printer, set up for the report, or null when the machine has
// none. Tests replace it; an empty function restores the system's.
using TPrinterSource = std::function<std::unique_ptr<QPrinter>()>;
void SetReportPrinterSource(TPrinterSource Source);
const TPrinterSource& InstalledReportPrinterSource();
