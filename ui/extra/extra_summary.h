// The words of the Extra Payments window's summary: what a plan of extra
// payments changes, or why there is nothing to show.
//
//   With extras: paid off on 9/15/2049 after 276 payments; total interest $205,262.18.
//   Without extras: paid off on 8/15/2056 after 360 payments; total interest $318,861.22.
//   Interest saved: $113,599.04; paid off 7 years sooner.
//   Monthly payment after the first extra: $1,573.21 (payment 2); before the
//   last payment: $412.10 (payment 359).          (lowering the payment only)
//
// Dates are the money locale's short dates with the year in full, amounts
// its money text. Drawn, it has a line per fact, each date, count and amount
// isolated (Unicode FSI ... PDI), so a right-to-left one keeps its own order
// and its place in the line; said by a screen reader, it is one plain line.
#pragma once

#include <QString>

#include "schedule/extra_payments.h"
#include "ui/chart/loan_chart_data.h"

namespace quillmere {

class LocaleMoneyFormatter;

// The summary of a recalculated plan.
[[nodiscard]] QString ExtraSummaryText(const ExtraPaymentSummary& summary, const LocaleMoneyFormatter& money,
                                       LoanChartData::Pieces pieces = LoanChartData::Pieces::Plain);

// Why the window shows no schedule.
enum class NoExtraSchedule {
    NoLoan,          // nothing calculated yet, or the main window was cleared
    WaitingForFill,  // the main window is writing a schedule
    PlanToMend,      // a box of the plan can't be read
    OutOfRange,      // the extras take an amount beyond what the calculator holds
};
[[nodiscard]] QString ExtraSummaryText(NoExtraSchedule reason);

}  // namespace quillmere
