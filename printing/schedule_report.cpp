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

// A code point of the East Asian wide or fullwidth kind: drawn two character
// cells wide by a fixed-pitch face (Hangul, CJK ideographs, kana, fullwidth
// forms).
bool IsWide(char32_t c) {
    return (c >= 0x1100 && c <= 0x115F) || c == 0x2329 || c == 0x232A || (c >= 0x2E80 && c <= 0xA4CF && c != 0x303F) ||
           (c >= 0xAC00 && c <= 0xD7A3) || (c >= 0xF900 && c <= 0xFAFF) || (c >= 0xFE10 && c <= 0xFE19) ||
           (c >= 0xFE30 && c <= 0xFE6F) || (c >= 0xFF00 && c <= 0xFF60) || (c >= 0xFFE0 && c <= 0xFFE6) ||
           (c >= 0x20000 && c <= 0x2FFFD) || (c >= 0x30000 && c <= 0x3FFFD);
}

// The character cells a UTF-8 text takes in a fixed-pitch face: one per code
// point, two for a wide one. Header words are measured so, as a translated
// word in Chinese, Japanese or Korean is drawn twice as wide as it counts.
int CellCount(std::string_view text) {
    int cells = 0;
    char32_t code = 0;
    int pending = 0;  // continuation bytes still to come
    for (const char byte : text) {
        const auto b = static_cast<unsigned char>(byte);
        if (IsUtf8Continuation(byte)) {
            code = (code << 6U) | (b & 0x3FU);
            if (pending > 0 && --pending == 0) cells += IsWide(code) ? 2 : 1;
            continue;
        }
        if (pending > 0) ++cells;  // a sequence cut short still takes its cell
        pending = b >= 0xF0U ? 3 : b >= 0xE0U ? 2 : b >= 0xC0U ? 1 : 0;
        code = b & (0x7FU >> pending);
        if (pending == 0) ++cells;
    }
    return pending > 0 ? cells + 1 : cells;
}

// Appends `text` left-aligned in a field of `width` characters, padded with
// blanks up to it. The columns are laid out so that every text fits.
void AppendField(std::string& line, std::string_view text, int width) {
    line.append(text);
    line.append(static_cast<std::size_t>(std::max(0, width - CharacterCount(text))), ' ');
}

// Where each header word begins relative to its column's field in the
// standard layout: "Date" at 2, "Number" at 13, "Payment" at 23, "Interest"
// at 37, "Applied" at 52 and "New Balance" at 66.
constexpr std::array<int, 6> kHeaderWordOffsets = {2, -2, 0, -1, -1, -2};

// The field width column `col` needs for its header word of `cells`
// character cells: a blank between it and the next word, and the last word
// within the line.
int HeaderWordNeeds(std::size_t col, int cells) {
    if (col + 1 == kHeaderWordOffsets.size()) return kHeaderWordOffsets[col] + cells;
    return kHeaderWordOffsets[col] - kHeaderWordOffsets[col + 1] + cells + 1;
}

// The header line with each word over its column (77 characters in the
// standard layout).
std::string HeaderText(const std::array<int, 6>& rowColumns, const std::array<std::string, 6>& words) {
    std::string header;
    int chars = 0;  // the line's length so far, in characters
    for (std::size_t col = 0; col < words.size(); ++col) {
        const int start = rowColumns[col] + kHeaderWordOffsets[col];
        header.append(static_cast<std::size_t>(std::max(0, start - chars)), ' ');
        header.append(words[col]);
        chars = std::max(chars, start) + CharacterCount(words[col]);
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

// 25 blanks, the title, 15 blanks; the page number's text follows.
std::string ReportTitleText(const ReportWords& words) {
    return std::string(25, ' ') + words.title + std::string(15, ' ');
}

// The page number's text with `page` in place of its %1, or after it.
std::string PageText(const std::string& words, int page) {
    const std::string number = std::to_string(page);
    std::string text = words;
    const std::size_t at = text.find("%1");
    if (at == std::string::npos) return text + number;
    return text.replace(at, 2, number);
}

// The six fields of a grid row, between CR LFs when it is a year-totals row.
std::string ReportRowText(const ScheduleGrid& grid, int row, const ReportColumns& columns) {
    std::string fields;
    fields.reserve(static_cast<std::size_t>(columns.LineWidth()) + 16);
    for (int col = 0; col < static_cast<int>(columns.fieldWidths.size()); ++col) {
        AppendField(fields, grid.TextMatrix(row, col), columns.fieldWidths[static_cast<std::size_t>(col)]);
    }
    if (grid.RowKind(row) != GridRowKind::YearTotals) {
        return fields;
    }
    std::string separated(kLineBreak);
    separated += fields;
    separated += kLineBreak;
    return separated;
}

void PrintPageHead(ReportPrinter& printer, const std::string& title, const std::string& page,
                   const ReportColumns& columns) {
    printer.SetFontSize(kReportTitlePoints);
    printer.SetFieldColumns(kReportTitleColumns);
    printer.Print(title + PageText(page, printer.Page()) + std::string(kLineBreak));
    printer.SetFontSize(kReportBodyPoints);
    printer.SetFieldColumns(columns.headerColumns);
    printer.SetFontBold(true);
    printer.Print(columns.headerText + std::string(kLineBreak));
    printer.SetFontBold(false);
    printer.SetFieldColumns(columns.rowColumns);
}

}  // namespace

ReportColumns ReportColumnsFor(const ScheduleGrid& grid, const ReportWords& words) {
    const std::array<int, 6> longest = LongestCells(grid);
    ReportColumns columns;
    int shift = 0;  // how far the widened columns so far moved this one right
    for (std::size_t col = 0; col < longest.size(); ++col) {
        const bool last = col + 1 == longest.size();
        const int cellNeeds = last ? longest[col] : longest[col] + 1;  // one blank before the next field
        const int needed = std::max(cellNeeds, HeaderWordNeeds(col, CellCount(words.headers[col])));
        columns.rowColumns[col] += shift;
        columns.headerColumns[col] += col == 0 ? 0 : shift;
        if (needed > columns.fieldWidths[col]) {
            shift += needed - columns.fieldWidths[col];
            columns.fieldWidths[col] = needed;
        }
    }
    columns.headerText = HeaderText(columns.rowColumns, words.headers);
    return columns;
}

int ReportPageCount(const ScheduleGrid& grid) {
    const int rows = grid.Rows() - 1;
    return (rows + kReportRowsPerPage - 1) / kReportRowsPerPage;
}

void PrintScheduleReport(ReportPrinter& printer, const ScheduleGrid& grid, const ReportWords& words) {
    const std::string title = ReportTitleText(words);
    const ReportColumns columns = ReportColumnsFor(grid, words);
    printer.SetFontName(kReportFontName);
    // Rows() is read at every test, never cached: the report follows the grid.
    int row = 1;
    while (row <= grid.Rows() - 1) {
        PrintPageHead(printer, title, words.page, columns);
        for (int line = 1; line <= kReportRowsPerPage && row <= grid.Rows() - 1; ++line) {
            printer.Print(ReportRowText(grid, row, columns));
            ++row;
        }
        printer.NewPage();
    }
    printer.EndDoc();
}

}  // namespace quillmere
