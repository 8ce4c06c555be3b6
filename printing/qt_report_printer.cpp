#include "printing/qt_report_printer.h"

#include <QCoreApplication>
#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPrinter>
#include <QRectF>

namespace quillmere {

QtReportPrinter::QtReportPrinter(QPagedPaintDevice& device, QPageRanges pages)
    : ReportDocument(device), device_(device), selected_(std::move(pages)) {
    if (!painter_.begin(&device_)) {
        throw PrintFailure(
            QCoreApplication::translate("QtReportPrinter", "The printer could not start the job.").toStdString());
    }
}

QtReportPrinter::~QtReportPrinter() {
    if (!ended_ && painter_.isActive()) {
        if (auto* printer = dynamic_cast<QPrinter*>(&device_)) printer->abort();
    }
}

void QtReportPrinter::EndDoc() {
    PrintSheets();
    ended_ = true;
    if (!painter_.end()) {
        throw PrintFailure(
            QCoreApplication::translate("QtReportPrinter", "The printer could not finish the job.").toStdString());
    }
}

void QtReportPrinter::PrintSheets() {
    const QPageLayout layout = device_.pageLayout();
    const QRectF area = PrintableArea(layout, device_.logicalDpiY());
    const double scale = Scale(area.size());
    bool sheetUsed = false;
    for (const int number : InkedPages()) {
        if (!(selected_.isEmpty() || selected_.contains(number))) continue;
        if (sheetUsed && !device_.newPage()) {
            throw PrintFailure(
                QCoreApplication::translate("QtReportPrinter", "The printer could not start a new sheet.")
                    .toStdString());
        }
        sheetUsed = true;
        painter_.save();
        if (layout.mode() == QPageLayout::FullPageMode) {
            // The painter then starts at the paper's corner, not at the margins.
            painter_.translate(area.topLeft());
        }
        DrawPage(painter_, number, scale);
        painter_.restore();
    }
    if (!sheetUsed) {
        throw PrintFailure(
            QCoreApplication::translate("QtReportPrinter", "None of the chosen pages is in the report.").toStdString());
    }
}

}  // namespace quillmere
