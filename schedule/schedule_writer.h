// ScheduleWriter: writes the rows of a schedule into a ScheduleGrid, each
// into the grid's last (empty) row, which it then follows with a new one.
//
// Payment rows carry the date, number, payment, interest, applied part and
// balance, and in the Notes column the extra paid with them, when there is
// one. "Year Totals" rows carry the year's payment, interest and applied
// part; the closing "Totals" row the total paid and the total interest.
// Every amount goes through the MoneyFormatter; one that is not finite
// throws AmountOutOfRange instead of becoming text.
#pragma once

#include "schedule/amortization.h"
#include "schedule/money_formatter.h"
#include "schedule/schedule_grid.h"

#include <stdexcept>
#include <string>

namespace quillmere {

// Raised when an amount cannot be represented or shown.
class AmountOutOfRange : public std::runtime_error {
public:
    AmountOutOfRange() : std::runtime_error("amount out of range") {}
};

class ScheduleWriter {
public:
    ScheduleWriter(ScheduleGrid& grid, const MoneyFormatter& money) : grid_(grid), money_(money) {}

    void PaymentRow(const PaymentRow& payment);
    void YearTotalsRow(const YearTotals& totals);
    // A payment row and the year's totals that follow it, if any.
    void Step(const PaymentStep& step);
    void ClosingRow(double totalPaid, double totalInterest);

private:
    [[nodiscard]] std::string Money(double amount) const;

    ScheduleGrid& grid_;
    const MoneyFormatter& money_;
};

// The date text of a payment row: two-digit month, unpadded day, the last two
// digits of the year ("03/5/07").
std::string PaymentDateText(int month, int day, int year);

}  // namespace quillmere
