// ScheduleValues: the schedule grid read back as the values its texts show,
// for files and clipboard formats a spreadsheet computes with.
//
// The grid is the one store of the schedule, so every value comes from its
// texts: an amount is the text read back through the money formatter that
// wrote it (exact, cent for cent, in every locale), so a spreadsheet agrees
// with the screen and the printout; "Totals" stays the program's own total.
// A payment date ("02/31/27") carries a two-digit year and the first
// payment's day in every month: the century comes from the first payment's
// year and later payments follow month by month, and a day the month doesn't
// have becomes the month's last day (the grid keeps its own text). A date
// before March 1900 or after 9999 stays text.
//
// Any schedule grid can be read: the main window's, or another window's
// that writes its rows the same way. Qt Core only.
#pragma once

#include <QDate>

#include <array>
#include <string>
#include <vector>

#include "money/locale_money_formatter.h"
#include "schedule/schedule_grid.h"

namespace quillmere {

// One cell of the grid as a value. `text` is always the grid's own text.
struct CellValue {
    enum class Kind { Empty, Text, Integer, Money, Date };
    Kind kind = Kind::Empty;
    std::string text;
    long long integer = 0;  // Integer: the payment's number
    MoneyAmount money;      // Money: the amount, exactly
    QDate date;             // Date: the payment's date, its day fitted into its month
};

struct ScheduleRowValues {
    // A payment, a "Year Totals" row, the closing "Totals" row (each known
    // by the kind the grid gives the row, never by its label), or a row
    // without any text (an empty grid's).
    enum class Kind { Payment, YearTotals, Totals, Empty };
    Kind kind = Kind::Empty;
    std::array<CellValue, ScheduleGrid::kColumns> cells;

    [[nodiscard]] bool IsTotals() const { return kind == Kind::YearTotals || kind == Kind::Totals; }
};

struct ScheduleValues {
    // What the Notes column holds: text, or (in a schedule with extra
    // payments) the extra paid with each payment, read as an amount under
    // the heading "Extra".
    enum class Notes { Text, Extras };

    std::array<std::string, ScheduleGrid::kColumns> headers;
    std::vector<ScheduleRowValues> rows;  // rows[i] is grid row i + 1

    // The first payment row, or nullptr when the grid has none.
    [[nodiscard]] const ScheduleRowValues* FirstPayment() const;
    // The last payment row, or nullptr when the grid has none.
    [[nodiscard]] const ScheduleRowValues* LastPayment() const;
    // The closing "Totals" row, or nullptr when the grid has none.
    [[nodiscard]] const ScheduleRowValues* Totals() const;
};

// Reads every row of `grid`, whose amounts `money` wrote. `firstPaymentYear`
// is the full year of the first payment (the calendar's year when the
// schedule was calculated). A text that doesn't read as its column's value
// (none the calculation writes) stays text.
[[nodiscard]] ScheduleValues ReadScheduleValues(const ScheduleGrid& grid, const LocaleMoneyFormatter& money,
                                                int firstPaymentYear,
                                                ScheduleValues::Notes notes = ScheduleValues::Notes::Text);

// The date of `day` in `month` of `year`, or the month's last day where it
// has fewer days; an invalid date for a month or year out of range.
[[nodiscard]] QDate FittedDate(int year, int month, int day);

// The spreadsheet's number for a date: days since 30 December 1899.
[[nodiscard]] long long SpreadsheetDateSerial(QDate date);

}  // namespace quillmere
