#include "printing/qt_report_printer.h"

#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPrinter>
#include <QRectF>

namespace quillmere {

QtReportPrinter::QtReportPrinter(QPagedPaintDevice& device, QPageRanges pages)
    : ReportDocument(device), device_(device), selected_(std::move(pages)) {
    if (!painter_.begin(&device_)) throw PrintFailure("The printer could not start the job.");
}

QtReportPrinter::~QtReportPrinter() {
    if (!ended_ && painter_.isActive()) {
        if (auto* printer = dynamic_cast<QPrinter*>(&device_)) printer->abort();
    }
}

void QtReportPrinter::EndDoc() {
    PrintSheets();
    ended_ = true;
    if (!painter_.end()) throw PrintFailure("The printer could not finish the job.");
}

void QtReportPrinter::PrintSheets() {
    const QPageLayout layout = device_.pageLayout();
    const QRectF area = PrintableArea(layout, device_.logicalDpiY());
    const double scale = Scale(area.size());
    bool sheetUsed = false;
    for (const int number : InkedPages()) {
        if (!(selected_.isEmpty() || selected_.contains(number))) continue;
        if (sheetUsed && !device_.newPage()) throw PrintFailure("The printer could not start a new sheet.");
        sheetUsed = true;
        painter_.save();
        if (layout.mode() == QPageLayout::FullPageMode) {
            // The painter then starts at the paper's corner, not at the margins.
            painter_.translate(area.topLeft());
        }
        DrawPage(painter_, number, scale);
        painter_.restore();
    }
    if (!sheetUsed) throw PrintFailure("None of the chosen pages is in the report.");
}

}  // namespace quillmere
