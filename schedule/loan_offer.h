// Loan offers compared: one of an offer's four terms worked out from the
// other three, and what the offer costs, fees included.
//
// An offer has an amount, a number of months, an annual rate and a monthly
// payment; any one of them may be left out, and is worked out:
//  - the payment: the main calculation's level payment;
//  - the amount, from a payment P: P x (1 - (1+i)^-n) / i (P x n at 0 %),
//    cut down to the currency's smallest unit; the payment is then the level
//    payment of that amount, which never exceeds P;
//  - the months, from a payment P: the monthly step run with the row payment
//    P; the last payment is the first after which the balance, less that
//    payment's principal part, is no longer above zero in whole cents, and
//    it absorbs what is left;
//  - the rate, from a payment P: the rate from 0 % to 70 % whose level
//    payment is P, held to the four decimals rates are kept in; the schedule
//    runs at that rate with the payment P, its last payment absorbing the
//    difference.
// With all four given, the payment is worked out anew. `i` is always the
// monthly rate the main calculation derives (MonthlyRate), and the schedule
// its own monthly step (Amortization), so an offer of the main window's loan
// has its totals cent for cent.
//
// The figures: the payment, the number of payments and the last one, the
// payoff date, the total interest and total paid, the fees (paid at signing,
// not borrowed) and the total cost (interest + fees), the APR and the
// effective annual rate with fees, and the interest, cost and balance over
// the first years (the horizon). BreakEven() tells from which payment one
// offer costs less than another.
//
//   OfferInputs inputs{250000, 360, Currency::FromDouble(6.5), std::nullopt, 5000};
//   const OfferOutcome outcome = WorkOutOffer(inputs, {15, 1, 2027}, 30);
//   // std::get<Offer>(outcome).figures.aprPercent == 6.695...
//
// Standard C++ only.
#pragma once

#include <optional>
#include <variant>
#include <vector>

#include "schedule/amortization.h"

namespace quillmere {

// The four terms of an offer, in the order its boxes show them.
enum class OfferTerm { Amount, Months, Rate, Payment };

// An offer as typed: each term may be missing; the fees are never negative.
struct OfferInputs {
    std::optional<double> amount;
    std::optional<int> months;           // 1 to 9999
    std::optional<Currency> annualRate;  // percent: 6.5 for 6.5 %, 0 to 70
    std::optional<double> payment;
    double fees = 0;
};

// What an offer costs.
struct OfferFigures {
    double payment = 0;      // the level payment
    int payments = 0;        // the number of payments
    double lastPayment = 0;  // the last one's amount
    CalendarDate payoff;
    double totalInterest = 0;  // as the schedule's "Totals" row has it
    double totalPaid = 0;
    double fees = 0;
    // 12 x i' x 100, where i' discounts the payments to the amount less the
    // fees; none where the fees are not below the amount.
    std::optional<double> aprPercent;
    std::optional<double> effectivePercent;  // ((1 + i')^12 - 1) x 100
    // Up to payment min(12 x horizon years, payments).
    int horizonPayments = 0;
    double horizonInterest = 0;  // the running total, to the cent
    Currency horizonBalance;

    [[nodiscard]] double TotalCost() const { return totalInterest + fees; }
    [[nodiscard]] double HorizonCost() const { return horizonInterest + fees; }
};

// After each payment: the interest paid so far and the balance left.
struct OfferPayment {
    CalendarDate date;
    double interestSoFar = 0;
    Currency balance;
};

struct Offer {
    LoanTerms loan;                      // as the schedule runs it
    std::optional<OfferTerm> workedOut;  // the term that was left out
    OfferFigures figures;
    std::vector<OfferPayment> schedule;  // one entry a payment
};

// Why an offer has no figures.
struct OfferProblem {
    enum class Kind {
        TermsMissing,          // more than one term left out: `missing` names them
        PaymentBelowInterest,  // the payment doesn't cover the first month's interest
        TooManyMonths,         // the payment takes more than 9,999 months
        NoRate,                // no rate from 0 % to 70 % gives the payment
        OutOfRange,            // an amount beyond what the calculator holds, or a term out of its range
    };
    Kind kind = Kind::TermsMissing;
    std::vector<OfferTerm> missing;
    double payment = 0;        // PaymentBelowInterest: the payment
    double firstInterest = 0;  // and the first month's interest
};

using OfferOutcome = std::variant<Offer, OfferProblem>;

// Works out the offer of `inputs` whose first payment falls on `first`, and
// its figures over `horizonYears` (at least 1). The amount, when worked out,
// is cut to whole units of 1 / `minorPerUnit` (100: cents).
[[nodiscard]] OfferOutcome WorkOutOffer(const OfferInputs& inputs, const CalendarDate& first, int horizonYears,
                                        int minorPerUnit = 100);

// From which payment `offer` costs less than `reference` (fees plus the
// interest paid so far, a paid-off loan's cost staying as it ended) and
// stays so until the end of the longer loan.
struct BreakEven {
    enum class Kind { FromTheStart, FromPayment, Never };
    Kind kind = Kind::Never;
    int payment = 0;  // FromPayment: its number
    CalendarDate date;
};
[[nodiscard]] BreakEven CostsLessFrom(const Offer& offer, const Offer& reference);

}  // namespace quillmere
