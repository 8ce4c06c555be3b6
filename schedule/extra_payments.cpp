#include "schedule/extra_payments.h"

#include "schedule/loan_calculation.h"
#include "schedule/schedule_writer.h"

#include <cmath>
#include <cstdint>
#include <limits>
#include <stdexcept>
#include <utility>

namespace quillmere {
namespace {

void Validate(const LoanTerms& loan, const ExtraPaymentPlan& plan) {
    if (!(loan.months >= 1 && loan.months <= kMonthsCeiling) || !std::isfinite(loan.principal) ||
        !std::isfinite(loan.payment) || !IsCalendarDate(loan.first)) {
        throw std::invalid_argument("not a loan the calculation hands out");
    }
    bool negative = plan.monthly < Currency() || plan.yearly < Currency();
    for (const OneTimeExtra& extra : plan.oneTime) negative = negative || extra.amount < Currency();
    if (negative || plan.yearlyMonth < 1 || plan.yearlyMonth > 12) {
        throw std::invalid_argument("not a plan of extra payments");
    }
}

// Counts the payments of a schedule as they are made.
class SummaryTally {
public:
    void Add(const PaymentRow& row) {
        summary_.payoff = row.date;
        ++summary_.payments;
    }
    ScheduleSummary Close(const Amortization& schedule) {
        summary_.totalInterest = schedule.TotalInterest();
        return summary_;
    }

private:
    ScheduleSummary summary_;
};

ScheduleSummary WithoutExtras(const LoanTerms& loan) {
    Amortization schedule(loan);
    SummaryTally tally;
    while (!schedule.Finished()) tally.Add(schedule.Step(Currency()).row);
    return tally.Close(schedule);
}

ExtraPaymentSummary WithExtras(const LoanTerms& loan, const ExtraPaymentPlan& plan, ScheduleWriter& writer) {
    Amortization schedule(loan);
    SummaryTally tally;
    ExtraPaymentSummary summary;
    NumberedPayment previous;  // the payment before the one just made
    NumberedPayment made;
    while (!schedule.Finished()) {
        const int number = schedule.NextNumber();
        previous = std::exchange(made, NumberedPayment{number, schedule.RowPayment()});
        const PaymentStep step = schedule.Step(plan.ExtraFor(number, schedule.NextDate().month));
        writer.Step(step);
        tally.Add(step.row);
        // The last payment settles what rounding left, so it tells nothing
        // of the lowered payment.
        if (plan.mode == ExtraMode::LowerMyPayment && step.row.extra > Currency() && schedule.Reamortize() &&
            !summary.paymentAfterFirstExtra && number + 1 < schedule.LastNumber()) {
            summary.paymentAfterFirstExtra = NumberedPayment{number + 1, schedule.RowPayment()};
        }
    }
    if (summary.paymentAfterFirstExtra && previous.number > summary.paymentAfterFirstExtra->number) {
        summary.paymentBeforeLast = previous;
    }
    writer.ClosingRow(schedule.TotalPaid(), schedule.TotalInterest());
    summary.withExtras = tally.Close(schedule);
    return summary;
}

}  // namespace

Currency ExtraPaymentPlan::ExtraFor(int number, int month) const {
    // Every amount is at least zero, so the room left is never negative.
    static constexpr Currency kLargest = Currency::FromRaw(std::numeric_limits<std::int64_t>::max());
    Currency sum;
    const auto add = [&sum](Currency amount) { sum = amount >= kLargest - sum ? kLargest : sum + amount; };
    if (number >= startPayment) {
        add(monthly);
        if (month == yearlyMonth) add(yearly);
    }
    for (const OneTimeExtra& extra : oneTime) {
        if (extra.payment == number) add(extra.amount);
    }
    return sum;
}

std::optional<ExtraPaymentSummary> FillExtraPaymentSchedule(const LoanTerms& loan, const ExtraPaymentPlan& plan,
                                                            ScheduleGrid& grid, const MoneyFormatter& money) {
    Validate(loan, plan);
    ResetGrid(grid);
    try {
        ScheduleWriter writer(grid, money);
        ExtraPaymentSummary summary = WithExtras(loan, plan, writer);
        summary.withoutExtras = WithoutExtras(loan);
        return summary;
    } catch (const CurrencyOverflow&) {
    } catch (const AmountOutOfRange&) {
    }
    ResetGrid(grid);
    return std::nullopt;
}

}  // namespace quillmere
