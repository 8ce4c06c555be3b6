// Amortization: the monthly step of a schedule, the one copy of its arithmetic.
//
// Both the main calculation and the extra payments run this step, so a plan
// without extras gives the main schedule cell for cell. Each Step() makes
// one payment:
//  1. interest = balance x monthly rate, a double, not rounded;
//  2. the principal part, (row payment - interest) as Currency, leaves the
//     balance;
//  3. the extra, cut to what is still owed (none once nothing is owed, nor
//     with the payment numbered `months`, which settles the balance itself),
//     leaves the balance too;
//  4. the payment that is the last one (number == months, compared as
//     doubles) or that overshoots zero after an extra has been paid absorbs
//     what is left, so the balance ends at exactly zero;
//  5. the running totals grow, and a year's totals are handed out after
//     every December payment, after the last one, and after a payment that
//     pays the loan off early (then only that one, December or not).
// Step() throws CurrencyOverflow when an amount leaves the Currency range.
//
//   Amortization loan({1000, 3, Currency::FromDouble(12), 340.02, {15, 11, 2007}});
//   while (!loan.Finished()) {
//       const PaymentStep step = loan.Step(Currency());
//       // step.row: 11/15/07, 1, 340.02, 10.00, 330.02, 669.98 ...
//   }
//   // loan.TotalPaid() == 1020.07, loan.TotalInterest() == 20.07
#pragma once

#include "schedule/currency.h"

#include <optional>

namespace quillmere {

// A calendar date: day 1-31, month 1-12, year 1-9999.
struct CalendarDate {
    int day = 1;
    int month = 1;
    int year = 2000;
    constexpr bool operator==(const CalendarDate&) const = default;
};

// A loan as the calculation leaves it once cleaned: the principal, the months
// (fractional counts kept), the annual rate in percent, the level payment
// and the date of the first payment.
struct LoanTerms {
    double principal = 0;
    double months = 0;
    Currency annualRate;
    double payment = 0;
    CalendarDate first;
};

// One payment row, as the grid shows it.
struct PaymentRow {
    CalendarDate date;
    int number = 0;
    double payment = 0;  // the row payment plus the extra
    double interest = 0;
    Currency applied;  // the principal part plus the extra
    Currency balance;
    Currency extra;
};

// The sums of a "Year Totals" row.
struct YearTotals {
    double interest = 0;
    double applied = 0;
};

struct PaymentStep {
    PaymentRow row;
    std::optional<YearTotals> yearTotals;
};

class Amortization {
public:
    explicit Amortization(const LoanTerms& loan);

    // Makes payment NextNumber() with `extra` (not negative) on top.
    PaymentStep Step(Currency extra);

    // From the next payment on, the row payment is the level payment of the
    // balance over the payments that remain (months - payments made).
    // Nothing changes, and the answer is false, once nothing is owed or no
    // payment remains.
    bool Reamortize();

    [[nodiscard]] int NextNumber() const { return number_ + 1; }
    // The months rounded half to even: the number of the last payment.
    [[nodiscard]] int LastNumber() const { return lastNumber_; }
    // The date of the next payment.
    [[nodiscard]] const CalendarDate& NextDate() const { return date_; }
    [[nodiscard]] Currency Balance() const { return balance_; }
    [[nodiscard]] double RowPayment() const { return rowPayment_; }
    // Whether an extra has paid the loan off before its last payment.
    [[nodiscard]] bool PaidOff() const { return paidOff_; }
    // Whether no payment remains: the last one is made, or the loan is paid off.
    [[nodiscard]] bool Finished() const { return paidOff_ || number_ >= lastNumber_; }
    [[nodiscard]] double TotalPaid() const { return totalPaid_; }
    // The interest so far, held to whole cents as it grows.
    [[nodiscard]] double TotalInterest() const { return totalInterest_; }

private:
    double months_;
    double monthlyRate_;
    int lastNumber_;
    double rowPayment_;
    Currency balance_;
    CalendarDate date_;
    int number_ = 0;
    bool extraPaid_ = false;
    bool paidOff_ = false;
    double totalPaid_ = 0;
    double totalInterest_ = 0;
    double yearInterest_ = 0;
    double yearApplied_ = 0;
};

// Whether `date` lies in the range above (day 1-31, month 1-12, year 1-9999).
bool IsCalendarDate(const CalendarDate& date);

// The monthly rate, as a fraction, of an annual rate in percent.
double MonthlyRate(Currency annualRate);

// The level monthly payment of an ordinary annuity for `principal` over
// `months` at `monthlyRate` (a fraction); principal / months when the rate is 0.
double LevelPayment(double principal, double months, double monthlyRate);

// months rounded to the nearest whole number, a half going to the even one.
int RoundHalfEven(double value);

}  // namespace quillmere
