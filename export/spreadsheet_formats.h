// Number format codes that make a spreadsheet show the schedule's values as
// the grid shows them.
//
// The codes are the ones .xlsx files and Excel's HTML carry: "0" and "#,##0"
// for digits, "." and "," standing for the decimal point and the grouping of
// whoever opens the file, and literal text in double quotes. An amount shows
// the locale's currency text around its number (symbol, spacing, sign or
// brackets for a negative amount) with the currency's decimals and grouped
// thousands; a date the locale's short date format, its year in four digits.
// The digits themselves are the spreadsheet's (Latin).
#pragma once

#include <QString>

#include <string>

namespace quillmere {

class LocaleMoneyFormatter;

struct SpreadsheetFormats {
    std::string money;    // '"$"#,##0.00;"-$"#,##0.00'
    std::string date;     // "m/d/yyyy"
    std::string integer;  // "0"
    std::string percent;  // "0.0###%"
};

// The formats for amounts `money` writes and dates in its locale.
[[nodiscard]] SpreadsheetFormats FormatsFor(const LocaleMoneyFormatter& money);

// The format of a percentage held as its percent number (6.695 for
// "6.695 %"), shown as `shown` writes it: `decimals` decimals, and the text
// around its digits ("%", " %", "%" before them) as literal text; a sign is
// the number's own.
[[nodiscard]] std::string PercentNumberFormat(int decimals, const QString& shown);

}  // namespace quillmere
