// The Compare Loans table on the clipboard, in the two forms a spreadsheet
// reads: tab-separated text of the cells as shown, and an HTML table whose
// cells carry their values (see ScheduleHtmlTable(), which the schedule's
// copy puts beside its text).
//
// Both have a header row (an empty corner, then the offers' names) and then
// a row per figure, its name first.
#pragma once

#include <string>

#include "export/comparison_values.h"
#include "export/spreadsheet_formats.h"

namespace quillmere {

// The table's texts, a tab between cells and "\n" after every row. A tab or
// line break inside a text becomes a space, so it can't split the table; the
// lowest figure carries no mark, a spreadsheet needs only its value.
[[nodiscard]] std::string ComparisonTsv(const ComparisonValues& values);

// The table as an HTML document. Each cell shows its text and carries its
// value as SpreadsheetNumberOf() gives it: amounts in the money format of
// `formats`, counts as integers, percentages as their percent number (6.695)
// showing the table's decimals and sign, dates as the spreadsheet's day
// number in the date format. The lowest figure of a row is bold.
[[nodiscard]] std::string ComparisonHtml(const ComparisonValues& values, const SpreadsheetFormats& formats);

}  // namespace quillmere
