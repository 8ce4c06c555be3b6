#include "schedule/amortization.h"

#include <cmath>

namespace quillmere {
namespace {

constexpr int kMonthsPerYear = 12;
constexpr double kPercent = 100.0;

}  // namespace

Amortization::Amortization(const LoanTerms& loan)
    : months_(loan.months),
      monthlyRate_(MonthlyRate(loan.annualRate)),
      lastNumber_(RoundHalfEven(loan.months)),
      rowPayment_(loan.payment),
      balance_(Currency::FromDouble(loan.principal)),
      date_(loan.first) {}

PaymentStep Amortization::Step(Currency extra) {
    ++number_;
    const bool last = static_cast<double>(number_) == months_;
    const double interest = balance_.ToDouble() * monthlyRate_;
    balance_ -= Currency::FromDouble(rowPayment_ - interest);
    // The last payment settles the balance itself: nothing is left for an
    // extra to pay.
    if (last || !(balance_ > Currency())) {
        extra = Currency();
    } else if (extra > balance_) {
        extra = balance_;
    }
    balance_ -= extra;
    if (extra > Currency()) extraPaid_ = true;
    if (balance_ != Currency() && (last || (extraPaid_ && balance_ < Currency()))) {
        // This payment absorbs what rounding the principal parts left over,
        // or gives back what it would pay beyond the balance.
        rowPayment_ = (Currency::FromDouble(rowPayment_) + balance_).ToDouble();
        balance_ = Currency();
    }
    paidOff_ = extraPaid_ && balance_ == Currency();

    Currency interestSoFar = Currency::FromDouble(interest + totalInterest_);
    totalInterest_ = RoundCents(interestSoFar).ToDouble();
    const double extraAmount = extra.ToDouble();
    totalPaid_ += rowPayment_ + extraAmount;
    yearInterest_ += interest;
    yearApplied_ += (rowPayment_ - interest) + extraAmount;

    PaymentStep step;
    step.row = {
        date_,    number_, rowPayment_ + extraAmount, interest, Currency::FromDouble(rowPayment_ - interest) + extra,
        balance_, extra};
    ++date_.month;
    if (date_.month > kMonthsPerYear || last || paidOff_) {
        ++date_.year;
        date_.month = 1;
        step.yearTotals = YearTotals{yearInterest_, yearApplied_};
        yearInterest_ = 0;
        yearApplied_ = 0;
    }
    return step;
}

bool Amortization::Reamortize() {
    if (!(balance_ > Currency() && number_ < lastNumber_)) return false;
    rowPayment_ = LevelPayment(balance_.ToDouble(), months_ - number_, monthlyRate_);
    return true;
}

bool IsCalendarDate(const CalendarDate& date) {
    constexpr int kLastYear = 9999;
    constexpr int kLongestMonth = 31;
    return date.day >= 1 && date.day <= kLongestMonth && date.month >= 1 && date.month <= kMonthsPerYear &&
           date.year >= 1 && date.year <= kLastYear;
}

double MonthlyRate(Currency annualRate) { return annualRate.ToDouble() / kPercent / kMonthsPerYear; }

double LevelPayment(double principal, double months, double monthlyRate) {
    if (monthlyRate == 0) return principal / months;
    const double growth = std::pow(1 + monthlyRate, months);
    return principal * monthlyRate * growth / (growth - 1);
}

int RoundHalfEven(double value) {
    const double lower = std::floor(value);
    const double diff = value - lower;
    double rounded = lower;
    if (diff > 0.5 || (diff == 0.5 && std::fmod(lower, 2.0) != 0.0)) rounded = lower + 1;
    return static_cast<int>(rounded);
}

}  // namespace quillmere
