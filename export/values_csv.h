// The schedule as a CSV file of values, which every spreadsheet opens as
// numbers and dates with its defaults, whatever its locale.
//
// The grid's columns and header texts; amounts as plain numbers ("-1580.17":
// a period as the decimal point, the currency's decimals, no symbol and no
// grouping), payment numbers as integers, dates in ISO 8601 ("2026-12-07",
// the day fitted into its month), the "Year Totals" and "Totals" labels as
// the grid has them. RFC 4180 (see schedule/schedule_csv.h), UTF-8, CR LF.
#pragma once

#include <string>

#include "export/schedule_values.h"

namespace quillmere {

// The whole file's text.
[[nodiscard]] std::string ValuesCsvText(const ScheduleValues& values);

// An exact amount as a plain number: "1580.17", "-0.05", "1234" without decimals.
[[nodiscard]] std::string PlainAmount(MoneyAmount amount);

// A cell's value as the CSV writes it (the ISO date, the plain amount, the
// integer, or the text as it is), not yet quoted.
[[nodiscard]] std::string PlainValue(const CellValue& cell);

}  // namespace quillmere
