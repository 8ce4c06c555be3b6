#include "schedule/extra_payments.h"

#include "schedule/loan_calculation.h"
#include "schedule/schedule_writer.h"

#include <cmath>
#include <stdexcept>

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
    while (!schedule.Finished()) {
        const int number = schedule.NextNumber();
        const PaymentStep step = schedule.Step(plan.ExtraFor(number, schedule.NextDate().month));
        writer.Step(step);
        tally.Add(step.row);
        if (plan.mode == ExtraMode::LowerMyPayment && step.row.extra > Currency()) {
            if (schedule.Reamortize()) summary.paymentAfterLastExtra = schedule.RowPayment();
        }
    }
    writer.ClosingRow(schedule.TotalPaid(), schedule.TotalInterest());
    summary.withExtras = tally.Close(schedule);
    return summary;
}

}  // namespace

Currency ExtraPaymentPlan::ExtraFor(int number, int month) const {
    Currency sum;
    if (number >= startPayment) {
        sum += monthly;
        if (month == yearlyMonth) sum += yearly;
    }
    for (const OneTimeExtra& extra : oneTime) {
        if (extra.payment == number) sum += extra.amount;
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
