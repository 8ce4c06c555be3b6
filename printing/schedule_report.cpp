#include "printing/schedule_report.h"

#include <algorithm>
#include <cstddef>

namespace quillmere {
namespace {

bool IsUtf8Continuation(char byte) { return (static_cast<unsigned char>(byte) & 0xC0U) == 0x80U; }

// The length of a UTF-8 text in characters (code points).
int CharacterCount(std::string_view text) {
    int chars = 0;
    for (const char byte : text) {
        if (!IsUtf8Continuation(byte)) ++chars;
    }
    return chars;
}

// Appends `text` left-aligned in a field of `width` characters, padded with
// blanks up to it. The columns are laid out so that every text fits.
void AppendField(std::string& line, std::string_view text, int width) {
    line.append(text);
    line.append(static_cast<std::size_t>(std::max(0, width - CharacterCount(text))), ' ');
}

// The header's words, and where each begins relative to its column's field
// in the standard layout: "Date" at 2, "Number" at 13, "Payment" at 23,
// "Interest" at 37, "Applied" at 52 and "New Balance" at 66.
constexpr std::array<std::string_view, 6> kHeaderWords = {"Date",     "Number",  "Payment",
                                                          "Interest", "Applied", "New Balance"};
constexpr std::array<int, 6> kHeaderWordOffsets = {2, -2, 0, -1, -1, -2};

// The header line with each word over its column (77 characters in the
// standard layout).
std::string HeaderText(const std::array<int, 6>& rowColumns) {
    std::string header;
    for (std::size_t col = 0; col < kHeaderWords.size(); ++col) {
        const int start = rowColumns[col] + kHeaderWordOffsets[col];
        header.resize(static_cast<std::size_t>(start), ' ');
        header.append(kHeaderWords[col]);
    }
    return header;
}

// The longest cell text of each printed column, in characters.
std::array<int, 6> LongestCells(const ScheduleGrid& grid) {
    std::array<int, 6> longest{};
    for (int row = 1; row <= grid.Rows() - 1; ++row) {
        for (std::size_t col = 0; col < longest.size(); ++col) {
            longest[col] = std::max(longest[col], CharacterCount(grid.TextMatrix(row, static_cast<int>(col))));
        }
    }
    return longest;
}

// 25 blanks, the title, 15 blanks, "Page: "; the page number follows.
std::string ReportTitleText() {
    return std::string(25, ' ') + "Loan Payment Schedule" + std::string(15, ' ') + "Page: ";
}

// The six fields of a grid row, between CR LFs when it is a year-totals row.
std::string ReportRowText(const ScheduleGrid& grid, int row, const ReportColumns& columns) {
    std::string fields;
    fields.reserve(static_cast<std::size_t>(columns.LineWidth()) + 16);
    for (int col = 0; col < static_cast<int>(columns.fieldWidths.size()); ++col) {
        AppendField(fields, grid.TextMatrix(row, col), columns.fieldWidths[static_cast<std::size_t>(col)]);
    }
    if (grid.TextMatrix(row, kColDate) != kYearTotalsMarker) {
        return fields;
    }
    std::string separated(kLineBreak);
    separated += fields;
    separated += kLineBreak;
    return separated;
}

void PrintPageHead(ReportPrinter& printer, const std::string& title, const ReportColumns& columns) {
    printer.SetFontSize(kReportTitlePoints);
    printer.SetFieldColumns(kReportTitleColumns);
    printer.Print(title + std::to_string(printer.Page()) + std::string(kLineBreak));
    printer.SetFontSize(kReportBodyPoints);
    printer.SetFieldColumns(columns.headerColumns);
    printer.SetFontBold(true);
    printer.Print(columns.headerText + std::string(kLineBreak));
    printer.SetFontBold(false);
    printer.SetFieldColumns(columns.rowColumns);
}

}  // namespace

ReportColumns ReportColumnsFor(const ScheduleGrid& grid) {
    const std::array<int, 6> longest = LongestCells(grid);
    ReportColumns columns;
    int shift = 0;  // how far the widened columns so far moved this one right
    for (std::size_t col = 0; col < longest.size(); ++col) {
        const bool last = col + 1 == longest.size();
        const int needed = last ? longest[col] : longest[col] + 1;  // one blank before the next field
        columns.rowColumns[col] += shift;
        columns.headerColumns[col] += col == 0 ? 0 : shift;
        if (needed > columns.fieldWidths[col]) {
            shift += needed - columns.fieldWidths[col];
            columns.fieldWidths[col] = needed;
        }
    }
    columns.headerText = HeaderText(columns.rowColumns);
    return columns;
}

int ReportPageCount(const ScheduleGrid& grid) {
    const int rows = grid.Rows() - 1;
    return (rows + kReportRowsPerPage - 1) / kReportRowsPerPage;
}

void PrintScheduleReport(ReportPrinter& printer, const ScheduleGrid& grid) {
    const std::string title = ReportTitleText();
    const ReportColumns columns = ReportColumnsFor(grid);
    printer.SetFontName(kReportFontName);
    // Rows() is read at every test, never cached: the report follows the grid.
    int row = 1;
    while (row <= grid.Rows() - 1) {
        PrintPageHead(printer, title, columns);
        for (int line = 1; line <= kReportRowsPerPage && row <= grid.Rows() - 1; ++line) {
            printer.Print(ReportRowText(grid, row, columns));
            ++row;
        }
        printer.NewPage();
    }
    printer.EndDoc();
}

}  // namespace quillmere
