// ReportDocument: the report as the printer gets it, collected line by line
// and ready to draw any of its pages on any QPainter.
//
// The whole document is collected before anything is drawn, because only the
// whole document tells how large its type may be. One scale serves every
// page: the largest (never above 1) at which the fullest page of the report
// fits the printable area, in height and in width. So every page has the same
// type size and the same column positions, on paper and in the preview alike.
//
// Fonts are measured for the paint device given at construction (the printer
// the report is meant for); all lengths here are in that device's units.
// Each line is drawn field by field, each field from its own character
// column (see ReportPrinter::SetFieldColumns and PrinterTextStyle).
//
// Pages count from 1, as NewPage() ends them. A page with nothing on it (the
// one a NewPage() right before EndDoc() opens) is not among InkedPages(): no
// sheet is printed or shown for it.
#pragma once

#include <QFont>
#include <QPageLayout>
#include <QRectF>
#include <QString>

#include <memory>
#include <span>
#include <vector>

#include "printing/printer_text_style.h"
#include "printing/report_printer.h"

class QPainter;
class QPaintDevice;

namespace quillmere {

class ReportDocument : public ReportPrinter {
public:
    // Measures fonts for `device`, which must outlive this object.
    explicit ReportDocument(const QPaintDevice& device);
    // Measures fonts for `device` and keeps it: a document kept to be shown
    // lays its right-to-left and fallback-font text out for that device
    // whenever a page is drawn, long after the report was collected.
    explicit ReportDocument(std::unique_ptr<const QPaintDevice> device);

    void SetFontName(std::string_view family) override;
    void SetFontSize(int points) override;
    void SetFontBold(bool bold) override;
    void SetFieldColumns(std::span<const int> columns) override;
    [[nodiscard]] int Page() const override { return static_cast<int>(pages_.size()); }
    void Print(std::string_view text) override;
    void NewPage() override;
    // The document is complete; nothing more to do for a document kept to be shown.
    void EndDoc() override {}

    // The numbers of the pages that have something on them, ascending.
    [[nodiscard]] std::vector<int> InkedPages() const;
    // The one scale of the whole document for a printable area of `area`.
    [[nodiscard]] double Scale(const QSizeF& area) const;
    // Draws page `number` (from 1) with its top left corner at the painter's
    // origin, at `scale`. A number outside the document draws nothing.
    void DrawPage(QPainter& painter, int number, double scale) const;

private:
    struct Line {
        QString text;  // without trailing blanks
        int style;     // index into styles_
        int columns;   // index into columnSets_
    };
    using PageLines = std::vector<Line>;

    int CurrentStyle();
    void DrawLine(QPainter& painter, const Line& line, double top) const;

    std::unique_ptr<const QPaintDevice> ownDevice_;  // when the document keeps its device
    const QPaintDevice& device_;
    QFont font_;
    std::vector<PrinterTextStyle> styles_;  // the fonts used so far
    int currentStyle_ = -1;                 // index into styles_; -1 after a font change
    std::vector<std::vector<int>> columnSets_{{0}};
    int currentColumns_ = 0;
    std::vector<PageLines> pages_{PageLines{}};  // the last one is being written
};

// The part of the sheet inside the margins of `layout`, in units of a device
// of `dpi` dots per inch, measured from the sheet's top left corner.
[[nodiscard]] QRectF PrintableArea(const QPageLayout& layout, int dpi);

}  // namespace quillmere
