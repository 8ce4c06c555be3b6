#include "schedule/loan_calculation.h"

#include "schedule/currency.h"
#include "schedule/leading_number.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace quillmere {
namespace {

constexpr int kMonthsPerYear = 12;
constexpr double kPercent = 100.0;

// Raised inside the calculation when an amount cannot be represented.
class AmountOutOfRange : public std::runtime_error {
public:
    AmountOutOfRange() : std::runtime_error("amount out of range") {}
};

std::string WithoutChar(std::string text, char removed) {
    std::erase(text, removed);
    return text;
}

void ValidateDate(const CalendarDate& date) {
    if (date.day < 1 || date.day > 31 || date.month < 1 || date.month > kMonthsPerYear || date.year < 1 ||
        date.year > 9999) {
        throw std::invalid_argument("first payment date is not a calendar date");
    }
}

// Whether the rate, once held to four decimals, lies above the ceiling.
// Compared before any conversion, so a huge rate is simply cut.
bool RateAboveCeiling(double rate) {
    if (!(rate > kRateCeiling)) return false;
    constexpr double kSurelyAbove = 1e12;
    if (rate >= kSurelyAbove) return true;
    return Currency::FromDouble(rate) > Currency::FromDouble(kRateCeiling);
}

// months rounded to the nearest whole number, a half going to the even one.
int RoundHalfEven(double value) {
    const double lower = std::floor(value);
    const double diff = value - lower;
    double rounded = lower;
    if (diff > 0.5 || (diff == 0.5 && std::fmod(lower, 2.0) != 0.0)) rounded = lower + 1;
    return static_cast<int>(rounded);
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

// Writes the schedule rows into the grid, each into its last (empty) row.
class ScheduleWriter {
public:
    ScheduleWriter(ScheduleGrid& grid, const MoneyFormatter& money) : grid_(grid), money_(money) {}

    void PaymentRow(const CalendarDate& date, int number, double payment, double interest, Currency applied,
                    Currency balance) {
        const int row = grid_.Rows() - 1;
        grid_.SetTextMatrix(row, kColDate, PaymentDateText(date.month, date.day, date.year));
        grid_.SetTextMatrix(row, kColNumber, std::to_string(number));
        grid_.SetTextMatrix(row, kColPayment, Money(payment));
        grid_.SetTextMatrix(row, kColInterest, Money(interest));
        grid_.SetTextMatrix(row, kColApplied, money_.Format(applied));
        grid_.SetTextMatrix(row, kColBalance, money_.Format(balance));
        grid_.SetRows(grid_.Rows() + 1);
    }

    void YearTotalsRow(double interest, double applied) {
        const int row = grid_.Rows() - 1;
        grid_.SetTextMatrix(row, kColDate, std::string(kYearTotalsMarker));
        grid_.SetTextMatrix(row, kColPayment, Money(interest + applied));
        grid_.SetTextMatrix(row, kColInterest, Money(interest));
        grid_.SetTextMatrix(row, kColApplied, Money(applied));
        grid_.SetRows(grid_.Rows() + 1);
    }

    void ClosingRow(double totalPaid, double totalInterest) {
        const int row = grid_.Rows() - 1;
        grid_.SetTextMatrix(row, kColNumber, std::string(kTotalsMarker));
        grid_.SetTextMatrix(row, kColPayment, Money(totalPaid));
        grid_.SetTextMatrix(row, kColInterest, Money(totalInterest));
    }

private:
    std::string Money(double amount) const {
        if (!std::isfinite(amount)) throw AmountOutOfRange();
        return money_.Format(amount);
    }

    ScheduleGrid& grid_;
    const MoneyFormatter& money_;
};

// The running state of one fill, from the first payment to the closing row.
class Amortization {
public:
    Amortization(const LoanInputs& in, double payment, CalendarDate first)
        : months_(in.months),
          monthlyRate_(in.rate.ToDouble() / kPercent / kMonthsPerYear),
          rowPayment_(payment),
          balance_(Currency::FromDouble(in.principal)),
          date_(first) {}

    CalculationOutcome Run(LoanWindow& window, ScheduleWriter& writer) {
        const int lastNumber = RoundHalfEven(months_);
        for (int number = 1; number <= lastNumber; ++number) {
            if (!window.DispatchPendingEvents()) return CalculationOutcome::Stopped;
            MonthlyStep(number, writer);
        }
        writer.ClosingRow(totalPaid_, totalInterest_);
        return CalculationOutcome::Completed;
    }

private:
    void MonthlyStep(int number, ScheduleWriter& writer) {
        const bool last = static_cast<double>(number) == months_;
        const double interest = balance_.ToDouble() * monthlyRate_;
        balance_ -= Currency::FromDouble(rowPayment_ - interest);
        if (balance_ != Currency() && last) {
            // The last payment absorbs what rounding the principal parts left over.
            rowPayment_ = (Currency::FromDouble(rowPayment_) + balance_).ToDouble();
            balance_ = Currency();
        }
        Currency interestSoFar = Currency::FromDouble(interest + totalInterest_);
        totalInterest_ = RoundCents(interestSoFar).ToDouble();
        totalPaid_ += rowPayment_;
        yearInterest_ += interest;
        yearApplied_ += rowPayment_ - interest;
        const Currency applied = Currency::FromDouble(rowPayment_ - interest);
        writer.PaymentRow(date_, number, rowPayment_, interest, applied, balance_);

        ++date_.month;
        if (date_.month > kMonthsPerYear || last) {
            ++date_.year;
            date_.month = 1;
            writer.YearTotalsRow(yearInterest_, yearApplied_);
            yearInterest_ = 0;
            yearApplied_ = 0;
        }
    }

    double months_;
    double monthlyRate_;
    double rowPayment_;
    Currency balance_;
    CalendarDate date_;
    double totalPaid_ = 0;
    double totalInterest_ = 0;
    double yearInterest_ = 0;
    double yearApplied_ = 0;
};

CalculationOutcome ReportOutOfRange(LoanWindow& window) {
    window.SetText(LoanBox::Payment, "");
    ResetGrid(window.Grid());
    window.ShowInformation(kOutOfRangeMessage, kOutOfRangeTitle);
    return CalculationOutcome::OutOfRange;
}

}  // namespace

std::string PaymentDateText(int month, int day, int year) {
    std::string text = month <= 9 ? "0" : "";
    text += std::to_string(month);
    text += '/';
    text += std::to_string(day);
    text += '/';
    const std::string yearDigits = std::to_string(year);
    text += yearDigits.substr(yearDigits.size() >= 2 ? yearDigits.size() - 2 : 0);
    return text;
}

double LevelPayment(double principal, double months, double monthlyRate) {
    if (monthlyRate == 0) return principal / months;
    const double growth = std::pow(1 + monthlyRate, months);
    return principal * monthlyRate * growth / (growth - 1);
}

CalculationOutcome CalculateSchedule(LoanWindow& window, const MoneyFormatter& money) {
    const CalendarDate first = window.SelectedDate();
    ValidateDate(first);
    try {
        const LoanInputs in = CleanInputs(window);
        const double monthlyRate = in.rate.ToDouble() / kPercent / kMonthsPerYear;
        const double payment = LevelPayment(in.principal, in.months, monthlyRate);
        if (!std::isfinite(payment)) throw AmountOutOfRange();
        window.SetText(LoanBox::Payment, money.Format(payment));

        Amortization schedule(in, payment, first);
        ResetGrid(window.Grid());
        ScheduleWriter writer(window.Grid(), money);
        return schedule.Run(window, writer);
    } catch (const CurrencyOverflow&) {
        return ReportOutOfRange(window);
    } catch (const AmountOutOfRange&) {
        return ReportOutOfRange(window);
    }
}

}  // namespace quillmere
