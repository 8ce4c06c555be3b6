// LoanChartData: what the loan chart shows, read back from the schedule
// grid's texts (the grid being the one store of the schedule).
//
// Money texts are read with the formatter that wrote them; a text it can't
// read (none it writes) is left out. The payment dates carry two-digit years,
// so the first one is given its century from a year near it (the calendar's),
// and every later payment follows month by month (a 9,999-month loan ends
// some 833 years on, whatever its last date's two digits say); a "Year
// Totals" row closes each calendar year, the first one that of the first
// payment. Dates and years are written in the user's locale, years in full.
#pragma once

#include <QDate>
#include <QLocale>
#include <QString>

#include <vector>

#include "schedule/amortization.h"

namespace quillmere {

class LocaleMoneyFormatter;
class ScheduleGrid;

struct LoanChartData {
    struct Balance {
        int payment;     // 1, 2, 3, ...
        double when;     // the payment's date, in years (2007.833 for November 2007)
        double balance;  // after the payment
    };
    struct YearPaid {
        int year;
        double interest;
        double principal;  // the amount applied to the principal
        double balance;    // after the year's last payment
    };

    std::vector<Balance> balances;
    // The same loan's balances without its extra payments, for a chart that
    // compares the two (the Extra Payments window's): drawn as a second,
    // quieter line behind `balances`, often running on past their end. Empty
    // for a chart of one loan, which then looks exactly as it always has.
    std::vector<Balance> withoutExtras;
    std::vector<YearPaid> years;
    QString payment;        // the monthly payment, as the payment box shows it
    QString totalInterest;  // from the "Totals" row
    QString payoffDate;     // the last payment's date, in the locale's short form with the full year
    QString emptyNote;      // what an empty chart says, when not that there is no schedule yet

    [[nodiscard]] bool IsEmpty() const { return balances.empty(); }
    // "Monthly payment $340.02; total interest $20.07; paid off on 1/15/2008",
    // or a note that there is no schedule yet. Drawn, each amount and date
    // is isolated (Unicode FSI ... PDI) so a right-to-left one reads in its
    // own order and keeps its place in the line; said by a screen reader,
    // it is plain text.
    enum class Pieces { Plain, Isolated };
    [[nodiscard]] QString Summary(Pieces pieces = Pieces::Plain) const;
};

// Reads `grid`; `payment` is the payment box's text and `nearYear` a year
// within fifty of the first payment's. The payoff date is written in
// `money`'s locale.
[[nodiscard]] LoanChartData ReadChartData(const ScheduleGrid& grid, const LocaleMoneyFormatter& money,
                                          const QString& payment, int nearYear);

// The balances alone of `grid`'s payments, read as ReadChartData() reads
// them: what a second schedule of the same loan gives a chart comparing the
// two (LoanChartData::withoutExtras). It leaves out the yearly totals and
// the payoff date, and costs a little less than a whole read.
[[nodiscard]] std::vector<LoanChartData::Balance> ReadBalances(const ScheduleGrid& grid,
                                                               const LocaleMoneyFormatter& money, int nearYear);

// `date` in `locale`'s short form, its year always in full ("1/15/2008",
// "15.01.2008", "١٥‏/١‏/٢٠٠٨"): the short form of many locales keeps two
// digits, which can't tell 2060 from 2860.
[[nodiscard]] QString DateWithFullYear(const QDate& date, const QLocale& locale);

// `year` in `locale`'s digits, without a group separator ("2008", "٢٠٠٨").
[[nodiscard]] QString YearText(int year, const QLocale& locale);

// `text` between Unicode's first-strong isolate and pop-directional isolate:
// laid out on its own, whatever the direction of the line around it.
[[nodiscard]] QString Isolated(const QString& text);

// A sentence that ends in an amount whose currency sign ends in a full stop
// (Egypt's "ج.م.") would end in two; it keeps the one.
[[nodiscard]] QString WithOneFullStop(QString sentence);

// A payment's date as DateWithFullYear() writes it. The schedule's payment
// days are never fitted to their month, so a payment may fall on
// "2/31/2027", which no QDate holds: the day is then written into the
// locale's pattern by hand, as the grid shows it.
[[nodiscard]] QString PaymentDateWithFullYear(const CalendarDate& date, const QLocale& locale);

}  // namespace quillmere
