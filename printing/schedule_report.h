// The printed payment schedule: the grid's texts as a paginated fixed-width
// report. Standard C++ only; it reads the grid and talks to a ReportPrinter.
//
// Every page, the last one included, looks like this (columns count from 0):
//
//   title line, 14 pt:   25 blanks, "Loan Payment Schedule", 15 blanks,
//                        "Page: " and the printer's page number
//   empty line
//   header line, 10 pt, emphasised:
//     "  Date       Number    Payment       Interest       Applied       New Balance"
//   empty line
//   up to 60 grid rows, 10 pt, one line each
//
// A row line is 83 characters: grid columns 0 to 5 in fields of 15, 8, 15,
// 15, 15 and 15 characters starting at 0, 15, 23, 38, 53 and 68. Each field
// holds its cell text left-aligned, padded with blanks. Widths count
// characters (UTF-8 code points), so a money text with a non-ASCII currency
// sign keeps the columns.
//
// A printed amount is never cut: cutting "$3,160,340,117,464.83" to its field
// would print a figure a thousand times too small. So when some cell of a
// column (over the whole document) leaves no blank before the next field,
// that column is widened, on every page alike, to its longest cell plus one
// blank (Balance, the last, to its longest cell), and the columns after it
// move right by as much, each header word with its column. A document whose
// cells all fit keeps the layout above exactly. The printer's one scale per
// document fits a wider line to the paper. The "Notes" column is never
// printed. A year-totals row (known by the kind the grid gives it, whatever
// its label) stands between two empty lines; it still counts as one of the
// page's 60 rows.
//
// The title, the page number's words and the header words are the
// ReportWords handed in: English as above by default, or the user's
// language. A header word is never cut either: where one leaves no blank
// before the next word (or, the last, runs past the line), its column is
// widened as for a long cell. Header words are measured in character cells:
// an East Asian wide or fullwidth character, drawn two cells wide by a
// fixed-pitch face, counts two. Cells count one per code point, as above.
//
// The report copies the cell texts: it never recomputes or reformats an
// amount, and it prints whatever the grid holds, the empty grid included
// (one page with a single line of 83 blanks).
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "printing/report_printer.h"
#include "schedule/schedule_grid.h"

namespace quillmere {

inline constexpr std::string_view kReportFontName = "Terminal";
inline constexpr int kReportTitlePoints = 14;
inline constexpr int kReportBodyPoints = 10;
inline constexpr int kReportRowsPerPage = 60;

// The standard layout: field widths of grid columns 0 to 5 (the row line is
// their sum, 83), and where the fields of each kind of line begin, in
// characters: a row's six fields, the header's six words, and the title,
// which is one field.
inline constexpr std::array<int, 6> kReportFieldWidths = {15, 8, 15, 15, 15, 15};
inline constexpr std::array<int, 6> kReportRowColumns = {0, 15, 23, 38, 53, 68};
inline constexpr std::array<int, 6> kReportHeaderColumns = {0, 13, 23, 37, 52, 66};
inline constexpr std::array<int, 1> kReportTitleColumns = {0};
inline constexpr std::string_view kReportHeaderText =
    "  Date       Number    Payment       Interest       Applied       New Balance";

// The words the report prints. `page` is the page number's text, the number
// in place of its "%1" (after the text where it has none).
struct ReportWords {
    std::string title = "Loan Payment Schedule";
    std::string page = "Page: %1";
    std::array<std::string, 6> headers = {"Date", "Number", "Payment", "Interest", "Applied", "New Balance"};
};

// The columns of one document: the standard layout, or one widened so that
// every cell of the document is printed whole.
struct ReportColumns {
    std::array<int, 6> fieldWidths = kReportFieldWidths;
    std::array<int, 6> rowColumns = kReportRowColumns;
    std::array<int, 6> headerColumns = kReportHeaderColumns;  // the header words' fields
    std::string headerText{kReportHeaderText};                // the header line, its words over their columns

    [[nodiscard]] int LineWidth() const { return rowColumns.back() + fieldWidths.back(); }
};

// The columns the report of `grid` prints with: a column is widened only
// where its longest cell (rows 1 to Rows() - 1, counted in characters)
// leaves no blank before the next field, or, for Balance, overruns its field;
// or where its header word in `words` leaves no blank before the next word
// or, for Balance, runs past the line.
[[nodiscard]] ReportColumns ReportColumnsFor(const ScheduleGrid& grid, const ReportWords& words = {});

// The pages the report of `grid` has: its data rows (Rows() - 1) divided by
// 60, rounded up. Known before anything is printed, so a print dialog can
// offer them.
[[nodiscard]] int ReportPageCount(const ScheduleGrid& grid);

// Prints the whole report, in `words`, in this order: font name; then per
// page: 14 pt, the title's field columns, the title with the page number and
// a CR LF; 10 pt; the header's field columns; bold on, header and a CR LF,
// bold off; the rows' field columns; up to 60 rows; new page. Last, the
// document is ended.
// Rows are printed from grid row 1 to Rows() - 1; row 0, the grid's own
// header row, never is.
//
// Whatever the printer or the grid throws ends the report at once and is
// passed on; the document is then left unended.
void PrintScheduleReport(ReportPrinter& printer, const ScheduleGrid& grid, const ReportWords& words = {});

}  // namespace quillmere
