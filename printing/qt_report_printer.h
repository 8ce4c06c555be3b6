// QtReportPrinter: the report's printer operations on a QPrinter.
//
// Lines are collected page by page and drawn when the page ends, because only
// a whole page tells whether it fits: a page whose lines are taller or wider
// than the printable area is drawn scaled down uniformly (never up), so the
// character columns stay aligned and no line falls off the sheet.
//
// A sheet is only begun when a page has something on it, so ending the
// document right after NewPage() adds no empty sheet. Page() counts the
// report's pages from 1, as NewPage() ends them.
//
// Failures throw PrintFailure: the printer refused to begin, to start a new
// sheet or to end the job. A printer left unended is asked to abort its job
// when this object goes away.
#pragma once

#include <QFont>
#include <QPainter>
#include <QString>

#include <stdexcept>
#include <vector>

#include "printer_text_style.h"
#include "report_printer.h"

class QPrinter;

namespace quillmere {

class PrintFailure : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class QtReportPrinter final : public ReportPrinter {
public:
    // Begins painting on `printer`, which must outlive this object.
    explicit QtReportPrinter(QPrinter& printer);
    ~QtReportPrinter() override;
    QtReportPrinter(const QtReportPrinter&) = delete;
    QtReportPrinter& operator=(const QtReportPrinter&) = delete;

    void SetFontName(std::string_view family) override;
    void SetFontSize(int points) override;
    void SetFontBold(bool bold) override;
    [[nodiscard]] int Page() const override { return page_; }
    void Print(std::string_view text) override;
    void NewPage() override;
    void EndDoc() override;

    // The font a family name is printed in: the family, asked for as a
    // fixed-pitch typewriter face so that a missing family falls back to one.
    [[nodiscard]] static QFont ReportFont(const QString& family);

private:
    struct Line {
        QString text;
        int style;
    };

    int CurrentStyle();
    void DrawPage();
    [[nodiscard]] double PageScale() const;

    QPrinter& printer_;
    QPainter painter_;
    QFont font_;
    std::vector<PrinterTextStyle> styles_;  // the fonts used so far
    int currentStyle_ = -1;                 // index into styles_; -1 after a font change
    std::vector<Line> lines_;
    int page_ = 1;
    bool sheetUsed_ = false;  // a page has been drawn on the current sheet
    bool ended_ = false;
};

}  // namespace quillmere
