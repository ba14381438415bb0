#include "users/ui/StudyReport.h"

#include "platform/Latin1.h"
#include "users/ReportLayout.h"

#include <QFile>
#include <QFont>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QPrinterInfo>

#include <cstdio>

namespace {

TPrinterSource PrinterSource;

// A default QPrinter quietly turns into a PDF printer without a name when
// the machine has no printer: ask for the printers first.
std::unique_ptr<QPrinter> SystemPrinter() {
    const QPrinterInfo Default = QPrinterInfo::defaultPrinter();
    if (Default.isNull() || QPrinterInfo::availablePrinters().isEmpty()) return nullptr;
    return std::make_unique<QPrinter>(Default, QPrinter::HighResolution);
}

} // namespace

void SetReportPrinterSource(TPrinterSource Source) {
    PrinterSource = std::move(Source);
}

const TPrinterSource& InstalledReportPrinterSource() {
    return PrinterSource;
}

bool DrawStudyReport(QPagedPaintDevice& Device, const TReportData& Data) {
    Device.setPageOrientation(QPageLayout::Portrait);
    QPainter Painter;
    if (!Painter.begin(&Device)) return false;
    TReportPage Page;
    Page.Width = Device.width();
    Page.Height = Device.height();
    Page.Dpi = Device.logicalDpiY();
    int Shown = 0;
    for (const TReportItem& Item : LayoutStudyReport(Data, Page)) {
        while (Shown < Item.Page) {
            if (!Device.newPage()) {
                Painter.end();
                return false;
            }
            ++Shown;
        }
        if (Item.Kind == TReportItem::Rule) {
            Painter.setPen(QPen(Qt::black, 3));
            Painter.drawLine(Item.X, Item.Y, Item.X2, Item.Y);
            continue;
        }
        QFont Font(QStringLiteral("Arial"));
        // The line's height is the font's size at the page's resolution.
        Font.setPixelSize(ReportFontHeight(Item.Points, Page.Dpi));
        Font.setBold(Item.Bold);
        Painter.setFont(Font);
        Painter.setPen(Qt::black);
        const QFontMetrics Metrics(Font, &Device);
        QString String = ToQ(Item.String);
        if (Item.MaxWidth > 0) String = Metrics.elidedText(String, Qt::ElideRight, Item.MaxWidth);
        Painter.drawText(QPoint(Item.X, Item.Y + Metrics.ascent()), String);
    }
    return Painter.end();
}

TReportOutcome PrintStudyReport(const TReportData& Data, const std::string& PdfFile) {
    TReportOutcome Outcome;
    std::unique_ptr<QPrinter> Printer = PrinterSource ? PrinterSource() : SystemPrinter();
    if (Printer) {
        Printer->setDocName(QStringLiteral("Clavora"));
        Outcome.Kind =
            DrawStudyReport(*Printer, Data) ? TReportOutcome::Printed : TReportOutcome::Failed;
        if (Outcome.Kind == TReportOutcome::Failed) Printer->abort();
        return Outcome;
    }

    // Written beside the old report first, so that a failure leaves the old
    // one whole.
    Outcome.File = PdfFile;
    // File names are the file system's bytes, whatever their letters.
    const std::string Partial = Outcome.File + ".part";
    bool Written;
    {
        QPdfWriter Writer(QFile::decodeName(QByteArray::fromStdString(Partial)));
        Writer.setPageSize(QPageSize(QPageSize::A4));
        Writer.setResolution(600);
        Writer.setTitle(QStringLiteral("Study Report"));
        Writer.setCreator(QStringLiteral("Clavora 98"));
        Written = DrawStudyReport(Writer, Data);
    }
    if (Written) Written = std::rename(Partial.c_str(), Outcome.File.c_str()) == 0;
    if (!Written) {
        std::remove(Partial.c_str());
        return Outcome;
    }
    Outcome.Kind = TReportOutcome::Saved;
    return Outcome;
}
