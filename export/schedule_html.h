// The schedule as an HTML table for the clipboard, beside its plain text:
// spreadsheets that read the cells' values paste numbers and dates.
//
// Every cell shows the grid's text and carries its value twice: for
// LibreOffice as sdval (the number) and sdnum (Calc's ISO date format for a
// date, its "General" for a number), for Excel as x:num and the format of SpreadsheetFormats in
// mso-number-format. An amount's value is the plain number of its text, a
// date's the spreadsheet's day number (see ScheduleValues). "Year Totals"
// and "Totals" rows are bold.
#pragma once

#include <string>

#include "export/schedule_values.h"
#include "export/spreadsheet_formats.h"

namespace quillmere {

// The header texts of `cells`' columns, then its rows, as an HTML document
// of one table. Rows and columns beyond the schedule are left out.
[[nodiscard]] std::string ScheduleHtmlTable(const ScheduleValues& values, const SpreadsheetFormats& formats,
                                            GridCellRange cells);

// One cell of a table for spreadsheets: `text` as shown, bold or not, and
// where `format` (a format code of SpreadsheetFormats' kind) isn't empty, the
// value `number` ("1580.17"; a date's day number where `date`) carried as
// ScheduleHtmlTable() carries it.
[[nodiscard]] std::string HtmlValueCell(const std::string& text, const std::string& number, const std::string& format,
                                        bool date, bool bold = false);

// The HTML document of one table around `rows` ("<tr>...</tr>\n" each).
[[nodiscard]] std::string HtmlTableDocument(const std::string& rows);

// `text` with &, <, >, " and ' written as HTML character references.
[[nodiscard]] std::string HtmlEscaped(const std::string& text);

}  // namespace quillmere
