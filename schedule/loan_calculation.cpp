#include "schedule/loan_calculation.h"

#include "schedule/currency.h"
#include "schedule/leading_number.h"
#include "schedule/schedule_writer.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace quillmere {
namespace {

std::string WithoutChar(std::string text, char removed) {
    std::erase(text, removed);
    return text;
}

void ValidateDate(const CalendarDate& date) {
    if (!IsCalendarDate(date)) throw std::invalid_argument("first payment date is not a calendar date");
}

// Whether the rate, once held to four decimals, lies above the ceiling.
// Compared before any conversion, so a huge rate is simply cut.
bool RateAboveCeiling(double rate) {
    if (!(rate > kRateCeiling)) return false;
    constexpr double kSurelyAbove = 1e12;
    if (rate >= kSurelyAbove) return true;
    return Currency::FromDouble(rate) > Currency::FromDouble(kRateCeiling);
}

struct LoanInputs {
    double principal = 0;
    double months = 0;
    Currency rate;
};

// Cleans and bounds the three boxes, writing every cleaned text back in the
// order the user sees it happen.
LoanInputs CleanInputs(LoanWindow& window) {
    window.SetText(LoanBox::Rate, WithoutChar(window.Text(LoanBox::Rate), '%'));
    window.SetText(LoanBox::Principal, WithoutChar(window.Text(LoanBox::Principal), ','));
    window.SetText(LoanBox::Months, WithoutChar(window.Text(LoanBox::Months), ','));
    window.SetText(LoanBox::Months, WithoutChar(window.Text(LoanBox::Months), '.'));

    if (LeadingNumberValue(window.Text(LoanBox::Principal)) > kPrincipalCeiling) {
        window.SetText(LoanBox::Principal, std::string(kPrincipalCeilingText));
    }
    // Four characters reach past 9999 only through an exponent ("9e99"); a
    // schedule of that many steps must never start.
    if (LeadingNumberValue(window.Text(LoanBox::Months)) > kMonthsCeiling) {
        window.SetText(LoanBox::Months, std::string(kMonthsCeilingText));
    }

    LoanInputs in;
    in.principal = LeadingNumberValue(window.Text(LoanBox::Principal));
    in.months = LeadingNumberValue(window.Text(LoanBox::Months));
    double rate = LeadingNumberValue(window.Text(LoanBox::Rate));

    if (in.months < 1) {
        window.SetText(LoanBox::Months, "1");
        in.months = 1;
    }
    if (in.principal < 1) {
        window.SetText(LoanBox::Principal, "1");
        in.principal = 1;
    }
    if (RateAboveCeiling(rate)) {
        window.SetText(LoanBox::Rate, "70");
        rate = kRateCeiling;
        window.ShowInformation(kRateMessage, kRateTitle);
    }
    in.rate = Currency::FromDouble(rate);  // only a rate far below zero can overflow here
    return in;
}

// Fills the grid from the loan, one step a row, letting the window's events
// through before every payment.
CalculationOutcome FillSchedule(LoanWindow& window, const LoanTerms& loan, ScheduleWriter& writer) {
    Amortization schedule(loan);
    while (!schedule.Finished()) {
        if (!window.DispatchPendingEvents()) return CalculationOutcome::Stopped;
        writer.Step(schedule.Step(Currency()));
    }
    writer.ClosingRow(schedule.TotalPaid(), schedule.TotalInterest());
    return CalculationOutcome::Completed;
}

CalculationOutcome ReportOutOfRange(LoanWindow& window) {
    window.SetText(LoanBox::Payment, "");
    ResetGrid(window.Grid());
    window.ShowInformation(kOutOfRangeMessage, kOutOfRangeTitle);
    return CalculationOutcome::OutOfRange;
}

}  // namespace

CalculationOutcome CalculateSchedule(LoanWindow& window, const MoneyFormatter& money) {
    const CalendarDate first = window.SelectedDate();
    ValidateDate(first);
    try {
        const LoanInputs in = CleanInputs(window);
        const LoanTerms loan{in.principal, in.months, in.rate,
                             LevelPayment(in.principal, in.months, MonthlyRate(in.rate)), first};
        if (!std::isfinite(loan.payment)) throw AmountOutOfRange();
        window.SetText(LoanBox::Payment, money.Format(loan.payment));

        ResetGrid(window.Grid());
        ScheduleWriter writer(window.Grid(), money);
        const CalculationOutcome outcome = FillSchedule(window, loan, writer);
        if (outcome == CalculationOutcome::Completed) window.LoanCalculated(loan);
        return outcome;
    } catch (const CurrencyOverflow&) {
        return ReportOutOfRange(window);
    } catch (const AmountOutOfRange&) {
        return ReportOutOfRange(window);
    }
}

}  // namespace quillmere
