// ComparisonValues: the Compare Loans table as values, for the files and
// clipboard formats a spreadsheet computes with.
//
// A row a figure ("Monthly payment", "Total cost", ...), a column an offer.
// Each cell keeps the text the table shows and, where it is one, its value:
// an amount (exact, in the currency's minor units), a count, a percentage
// held to the decimals it is shown with, or a date. A cell without figures
// (an offer that can't be worked out, the first offer's break-even) is
// empty or text. `lowest` marks the lowest figure of its row.
//
// Qt Core only.
#pragma once

#include <QDate>
#include <QString>
#include <QStringList>

#include <algorithm>
#include <cmath>
#include <optional>
#include <string>
#include <vector>

#include "export/schedule_values.h"
#include "export/spreadsheet_formats.h"
#include "export/values_csv.h"
#include "money/locale_money_formatter.h"

namespace quillmere {

struct ComparisonCell {
    enum class Kind { Empty, Text, Money, Count, Percent, Date };
    Kind kind = Kind::Empty;
    QString text;         // as the table shows it, without the lowest mark
    MoneyAmount money;    // Money
    long long count = 0;  // Count
    double percent = 0;   // Percent: 6.695 for 6.695 %, held to `percentDecimals`
    int percentDecimals = 3;
    QDate date;  // Date
    bool lowest = false;
};

struct ComparisonValues {
    QStringList offerNames;                         // the column headers
    QStringList figureNames;                        // the row headers
    std::vector<std::vector<ComparisonCell>> rows;  // rows[figure][offer]
};

// A cell as a spreadsheet holds it: its value as a plain number ("1580.17",
// "6.695" for 6.695 %, a date's day number) and the format code that shows
// it as the table does. Text and empty cells have none, nor has a date a
// spreadsheet can't hold (before March 1900, after 9999): they stay text.
struct SpreadsheetNumber {
    std::string number;
    std::string format;
    bool date = false;
};

// A percentage stays its percent number, never divided by 100: Calc's paste
// of an HTML table takes no percent format, and 0.06695 there would not read
// as the table's 6.695.
[[nodiscard]] inline std::optional<SpreadsheetNumber> SpreadsheetNumberOf(const ComparisonCell& cell,
                                                                          const SpreadsheetFormats& formats) {
    switch (cell.kind) {
        case ComparisonCell::Kind::Money:
            return SpreadsheetNumber{PlainAmount(cell.money), formats.money};
        case ComparisonCell::Kind::Count:
            return SpreadsheetNumber{std::to_string(cell.count), formats.integer};
        case ComparisonCell::Kind::Percent: {
            if (!std::isfinite(cell.percent)) break;
            const int decimals = std::clamp(cell.percentDecimals, 0, 15);
            return SpreadsheetNumber{QString::number(cell.percent, 'f', decimals).toStdString(),
                                     PercentNumberFormat(decimals, cell.text)};
        }
        case ComparisonCell::Kind::Date:
            if (!cell.date.isValid() || cell.date < QDate(1900, 3, 1) || cell.date.year() > 9999) break;
            return SpreadsheetNumber{std::to_string(SpreadsheetDateSerial(cell.date)), formats.date, true};
        case ComparisonCell::Kind::Text:
        case ComparisonCell::Kind::Empty:
            break;
    }
    return std::nullopt;
}

}  // namespace quillmere
