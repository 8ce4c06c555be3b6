// QtReportPrinter: the report's printer operations on a Qt paged device (a
// QPrinter, or a QPdfWriter for a PDF file).
//
// The whole document is collected first and drawn when it ends, because only
// the whole document tells how large its type may be. One scale serves every
// page: the largest (never above 1) at which the fullest page of the report
// fits the printable area of the paper and margins chosen, in height and in
// width. So every page has the same type size and the same column positions.
//
// Each line is drawn field by field, each field from its own character
// column (see ReportPrinter::SetFieldColumns and PrinterTextStyle).
//
// Of the report's pages, only those in `pages` are drawn (all when it is
// empty); each keeps the number the report gave it. Page() counts the
// report's pages from 1, as NewPage() ends them. A sheet is only begun for a
// page that has something on it, so ending the document right after
// NewPage() adds no empty sheet.
//
// Failures throw PrintFailure: the device refused to begin, to start a new
// sheet or to end the job, or no page of the report was chosen. A QPrinter
// left unended is asked to abort its job when this object goes away.
#pragma once

#include <QPageRanges>
#include <QPainter>
#include <QString>

#include <span>
#include <stdexcept>
#include <vector>

#include "printing/printer_text_style.h"
#include "printing/report_printer.h"

class QPagedPaintDevice;

namespace quillmere {

class PrintFailure : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class QtReportPrinter final : public ReportPrinter {
public:
    // Begins painting on `device`, which must outlive this object.
    explicit QtReportPrinter(QPagedPaintDevice& device, QPageRanges pages = {});
    ~QtReportPrinter() override;
    QtReportPrinter(const QtReportPrinter&) = delete;
    QtReportPrinter& operator=(const QtReportPrinter&) = delete;

    void SetFontName(std::string_view family) override;
    void SetFontSize(int points) override;
    void SetFontBold(bool bold) override;
    void SetFieldColumns(std::span<const int> columns) override;
    [[nodiscard]] int Page() const override { return static_cast<int>(pages_.size()); }
    void Print(std::string_view text) override;
    void NewPage() override;
    void EndDoc() override;

private:
    struct Line {
        QString text;  // without trailing blanks
        int style;     // index into styles_
        int columns;   // index into columnSets_
    };
    using PageLines = std::vector<Line>;

    int CurrentStyle();
    [[nodiscard]] QRectF PrintableArea() const;
    [[nodiscard]] double DocumentScale(const QRectF& area) const;
    void DrawDocument();
    void DrawLine(const Line& line, double top);

    QPagedPaintDevice& device_;
    QPageRanges selected_;
    QPainter painter_;
    QFont font_;
    std::vector<PrinterTextStyle> styles_;  // the fonts used so far
    int currentStyle_ = -1;                 // index into styles_; -1 after a font change
    std::vector<std::vector<int>> columnSets_{{0}};
    int currentColumns_ = 0;
    std::vector<PageLines> pages_{PageLines{}};  // the last one is being written
    bool ended_ = false;
};

}  // namespace quillmere
