// Extra payments: the schedule of a loan when the borrower pays more than
// the level payment, and what that changes.
//
// A plan names the extras: an amount every month from a starting payment on,
// an amount every year in one month from the same payment on, and one-time
// amounts at named payments (several may name the same one). Each payment's
// extra is their sum, cut to what is still owed. What the extra does is the
// plan's mode: PayOffSooner keeps the payment and ends the loan earlier;
// LowerMyPayment keeps the end and, after every payment with an extra,
// spreads the balance level over the payments that remain.
//
// FillExtraPaymentSchedule runs the main calculation's own monthly step (see
// Amortization) with the plan's extras, so an empty plan gives the main
// schedule cell for cell; the Notes column shows each row's extra. It returns
// the payoff, the payments and the interest with and without the extras.
// When an amount leaves the range the calculator can hold, the grid is reset
// to empty and nothing is returned: no partial schedule is ever left looking
// complete.
//
//   ExtraPaymentPlan plan;
//   plan.monthly = Currency::FromDouble(100);
//   const auto summary = FillExtraPaymentSchedule(loan, plan, grid, money);
//   // summary->withExtras.payments < summary->withoutExtras.payments
#pragma once

#include "schedule/amortization.h"
#include "schedule/money_formatter.h"
#include "schedule/schedule_grid.h"

#include <optional>
#include <vector>

namespace quillmere {

enum class ExtraMode { PayOffSooner, LowerMyPayment };

struct OneTimeExtra {
    int payment = 1;  // the payment number it is paid with
    Currency amount;
};

struct ExtraPaymentPlan {
    Currency monthly;      // with every payment from `startPayment` on
    Currency yearly;       // with the payment in `yearlyMonth`, from `startPayment` on
    int yearlyMonth = 12;  // 1 (January) to 12
    int startPayment = 1;
    std::vector<OneTimeExtra> oneTime;
    ExtraMode mode = ExtraMode::PayOffSooner;

    // The sum of the extras for payment `number`, which falls in `month`. A
    // sum beyond the largest amount a Currency holds is that amount: more
    // than any balance, which is all an extra can pay anyway.
    [[nodiscard]] Currency ExtraFor(int number, int month) const;
};

// How a schedule ends.
struct ScheduleSummary {
    CalendarDate payoff;       // the date of the last payment
    int payments = 0;          // the number of payment rows
    double totalInterest = 0;  // as the "Totals" row shows it
};

// The monthly payment (extras not included) due with payment `number`.
struct NumberedPayment {
    int number = 0;
    double amount = 0;
    constexpr bool operator==(const NumberedPayment&) const = default;
};

struct ExtraPaymentSummary {
    ScheduleSummary withExtras;
    ScheduleSummary withoutExtras;
    // LowerMyPayment only, once an extra has lowered the payment before the
    // last one (which settles what rounding left): the payment right after
    // the first such extra, and the one before the last payment where that
    // is a later one.
    std::optional<NumberedPayment> paymentAfterFirstExtra;
    std::optional<NumberedPayment> paymentBeforeLast;

    [[nodiscard]] double InterestSaved() const { return withoutExtras.totalInterest - withExtras.totalInterest; }
    // How many months sooner the extras pay the loan off.
    [[nodiscard]] int MonthsSooner() const { return withoutExtras.payments - withExtras.payments; }
};

// Resets `grid` and fills it with the schedule of `loan` under `plan`.
// Nothing when an amount leaves the calculator's range (the grid is then
// reset and empty). Throws std::invalid_argument, before touching the grid,
// for a loan the calculation would never hand out (months outside 1 to 9999,
// an amount that is not finite, a date that is not a calendar date) or a
// plan with a negative amount or a month outside 1 to 12.
std::optional<ExtraPaymentSummary> FillExtraPaymentSchedule(const LoanTerms& loan, const ExtraPaymentPlan& plan,
                                                            ScheduleGrid& grid, const MoneyFormatter& money);

}  // namespace quillmere
