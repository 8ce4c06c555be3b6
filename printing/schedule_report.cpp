#include "printing/schedule_report.h"

#include <cstddef>

namespace quillmere {
namespace {

bool IsUtf8Continuation(char byte) { return (static_cast<unsigned char>(byte) & 0xC0U) == 0x80U; }

// Appends `text` left-aligned in a field of `width` characters: cut after
// the width-th character, or padded with blanks up to it. A multi-byte
// character is never split.
void AppendField(std::string& line, std::string_view text, int width) {
    std::size_t end = 0;
    int chars = 0;
    while (end < text.size() && chars < width) {
        ++end;
        while (end < text.size() && IsUtf8Continuation(text[end])) {
            ++end;
        }
        ++chars;
    }
    line.append(text.substr(0, end));
    line.append(static_cast<std::size_t>(width - chars), ' ');
}

// 25 blanks, the title, 15 blanks, "Page: "; the page number follows.
std::string ReportTitleText() {
    return std::string(25, ' ') + "Loan Payment Schedule" + std::string(15, ' ') + "Page: ";
}

// "Date" at 2, "Number" at 13, "Payment" at 23, "Interest" at 37,
// "Applied" at 52 and "New Balance" at 66.
std::string ReportHeaderText() {
    return "  Date" + std::string(7, ' ') + "Number" + "    Payment       Interest" +
           "       Applied       New Balance";
}

// The six fields of a grid row, between CR LFs when it is a year-totals row.
std::string ReportRowText(const ScheduleGrid& grid, int row) {
    std::string fields;
    fields.reserve(96);
    for (int col = 0; col < static_cast<int>(kReportFieldWidths.size()); ++col) {
        AppendField(fields, grid.TextMatrix(row, col), kReportFieldWidths[col]);
    }
    if (grid.TextMatrix(row, kColDate) != kYearTotalsMarker) {
        return fields;
    }
    std::string separated(kLineBreak);
    separated += fields;
    separated += kLineBreak;
    return separated;
}

void PrintPageHead(ReportPrinter& printer, const std::string& title, const std::string& header) {
    printer.SetFontSize(kReportTitlePoints);
    printer.SetFieldColumns(kReportTitleColumns);
    printer.Print(title + std::to_string(printer.Page()) + std::string(kLineBreak));
    printer.SetFontSize(kReportBodyPoints);
    printer.SetFieldColumns(kReportHeaderColumns);
    printer.SetFontBold(true);
    printer.Print(header + std::string(kLineBreak));
    printer.SetFontBold(false);
    printer.SetFieldColumns(kReportRowColumns);
}

}  // namespace

int ReportPageCount(const ScheduleGrid& grid) {
    const int rows = grid.Rows() - 1;
    return (rows + kReportRowsPerPage - 1) / kReportRowsPerPage;
}

void PrintScheduleReport(ReportPrinter& printer, const ScheduleGrid& grid) {
    const std::string title = ReportTitleText();
    const std::string header = ReportHeaderText();
    printer.SetFontName(kReportFontName);
    // Rows() is read at every test, never cached: the report follows the grid.
    int row = 1;
    while (row <= grid.Rows() - 1) {
        PrintPageHead(printer, title, header);
        for (int line = 1; line <= kReportRowsPerPage && row <= grid.Rows() - 1; ++line) {
            printer.Print(ReportRowText(grid, row));
            ++row;
        }
        printer.NewPage();
    }
    printer.EndDoc();
}

}  // namespace quillmere
