// QtReportPrinter: the report's printer operations on a Qt paged device (a
// QPrinter, or a QPdfWriter for a PDF file).
//
// It collects the whole document as a ReportDocument measured for the device
// and prints it when it ends, each page on a sheet of its own, the one
// document scale on every sheet, placed inside the margins of the device's
// page layout.
//
// Of the report's pages, only those in `pages` are printed (all when it is
// empty); each keeps the number the report gave it. A sheet is only begun for
// a page that has something on it, so ending the document right after
// NewPage() adds no empty sheet.
//
// Failures throw PrintFailure: the device refused to begin, to start a new
// sheet or to end the job, or no page of the report was chosen; what() says
// which, as a sentence for the user in their language (UTF-8). A QPrinter
// left unended is asked to abort its job when this object goes away.
#pragma once

#include <QPageRanges>
#include <QPainter>

#include <stdexcept>

#include "printing/report_document.h"

class QPagedPaintDevice;

namespace quillmere {

class PrintFailure : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class QtReportPrinter final : public ReportDocument {
public:
    // Begins painting on `device`, which must outlive this object.
    explicit QtReportPrinter(QPagedPaintDevice& device, QPageRanges pages = {});
    ~QtReportPrinter() override;
    QtReportPrinter(const QtReportPrinter&) = delete;
    QtReportPrinter& operator=(const QtReportPrinter&) = delete;

    // Prints the chosen pages and ends the job.
    void EndDoc() override;

private:
    void PrintSheets();

    QPagedPaintDevice& device_;
    QPageRanges selected_;
    QPainter painter_;
    bool ended_ = false;
};

}  // namespace quillmere
