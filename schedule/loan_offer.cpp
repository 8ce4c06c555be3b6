#include "schedule/loan_offer.h"

#include <algorithm>
#include <cmath>

#include "schedule/loan_calculation.h"

namespace quillmere {
namespace {

constexpr int kMonthsPerYear = 12;
constexpr int kMostMonths = static_cast<int>(kMonthsCeiling);

OfferProblem Problem(OfferProblem::Kind kind) {
    OfferProblem problem;
    problem.kind = kind;
    return problem;
}

// The present value of a payment of `payment` a month over `months` at `monthlyRate`.
double PresentValue(double payment, int months, double monthlyRate) {
    if (monthlyRate == 0) return payment * months;
    return payment * (1 - std::pow(1 + monthlyRate, -months)) / monthlyRate;
}

// The months the monthly step takes to repay `amount` with a row payment of
// `payment`: the first after which the balance, less that payment's
// principal part, is no longer above zero in whole cents. (What rounding the
// principal parts to ten-thousandths leaves below half a cent is no payment
// of its own: the last payment absorbs it, as the main schedule's does.)
std::variant<int, OfferProblem> MonthsToRepay(double amount, Currency annualRate, double payment) {
    const double monthlyRate = MonthlyRate(annualRate);
    Currency balance = Currency::FromDouble(amount);
    const double firstInterest = balance.ToDouble() * monthlyRate;
    if (!(payment > firstInterest)) {
        OfferProblem problem = Problem(OfferProblem::Kind::PaymentBelowInterest);
        problem.payment = payment;
        problem.firstInterest = firstInterest;
        return problem;
    }
    for (int month = 1; month <= kMostMonths; ++month) {
        balance -= Currency::FromDouble(payment - balance.ToDouble() * monthlyRate);
        Currency inCents = balance;
        if (!(RoundCents(inCents) > Currency())) return month;
    }
    return Problem(OfferProblem::Kind::TooManyMonths);
}

// The rate from 0 % to 70 % whose level payment for `amount` over `months`
// is `payment`, to within 1e-9 of a percent, held to the rates' four decimals.
std::optional<Currency> RateForPayment(double amount, int months, double payment) {
    const auto paymentAt = [&](double percent) {
        return LevelPayment(amount, months, percent / 100 / kMonthsPerYear);  // as MonthlyRate() derives it
    };
    double low = 0;
    double high = kRateCeiling;
    if (payment < paymentAt(low) || payment > paymentAt(high)) return std::nullopt;
    while (high - low > 1e-9) {
        const double middle = (low + high) / 2;
        (paymentAt(middle) < payment ? low : high) = middle;
    }
    return Currency::FromDouble((low + high) / 2);
}

// Terms the offer's boxes never hand out.
bool Unusable(const OfferInputs& inputs) {
    const auto bad = [](const std::optional<double>& value) { return value && !(std::isfinite(*value) && *value > 0); };
    const bool badMonths = inputs.months && (*inputs.months < 1 || *inputs.months > kMostMonths);
    const bool badRate = inputs.annualRate &&
                         (*inputs.annualRate < Currency() || *inputs.annualRate > Currency::FromDouble(kRateCeiling));
    return bad(inputs.amount) || bad(inputs.payment) || badMonths || badRate || !(inputs.fees >= 0) ||
           !std::isfinite(inputs.fees);
}

// The loan the schedule runs for `inputs`, or why there is none.
std::variant<LoanTerms, OfferProblem> WorkedOutLoan(const OfferInputs& inputs, std::optional<OfferTerm>& workedOut,
                                                    const CalendarDate& first, int minorPerUnit) {
    std::vector<OfferTerm> missing;
    if (!inputs.amount) missing.push_back(OfferTerm::Amount);
    if (!inputs.months) missing.push_back(OfferTerm::Months);
    if (!inputs.annualRate) missing.push_back(OfferTerm::Rate);
    if (!inputs.payment) missing.push_back(OfferTerm::Payment);
    if (missing.size() > 1) {
        OfferProblem problem = Problem(OfferProblem::Kind::TermsMissing);
        problem.missing = std::move(missing);
        return problem;
    }
    workedOut = missing.empty() ? OfferTerm::Payment : missing.front();
    LoanTerms loan;
    loan.first = first;
    switch (*workedOut) {
        case OfferTerm::Payment:
            loan = {*inputs.amount, static_cast<double>(*inputs.months), *inputs.annualRate, 0, first};
            break;
        case OfferTerm::Amount: {
            const double exact = PresentValue(*inputs.payment, *inputs.months, MonthlyRate(*inputs.annualRate));
            const double amount = std::floor(exact * minorPerUnit) / minorPerUnit;
            loan = {amount, static_cast<double>(*inputs.months), *inputs.annualRate, 0, first};
            break;
        }
        case OfferTerm::Months: {
            const auto months = MonthsToRepay(*inputs.amount, *inputs.annualRate, *inputs.payment);
            if (const auto* problem = std::get_if<OfferProblem>(&months)) return *problem;
            return LoanTerms{*inputs.amount, static_cast<double>(std::get<int>(months)), *inputs.annualRate,
                             *inputs.payment, first};
        }
        case OfferTerm::Rate: {
            const std::optional<Currency> rate = RateForPayment(*inputs.amount, *inputs.months, *inputs.payment);
            if (!rate) return Problem(OfferProblem::Kind::NoRate);
            return LoanTerms{*inputs.amount, static_cast<double>(*inputs.months), *rate, *inputs.payment, first};
        }
    }
    loan.payment = LevelPayment(loan.principal, loan.months, MonthlyRate(loan.annualRate));
    return loan;
}

// The monthly rate i' at which the payments are worth `value` today:
// Newton's method from the loan's own rate, kept inside a bracket that
// halves whenever a step would leave it.
double DiscountRate(const std::vector<double>& payments, double value, double guess) {
    const auto worth = [&payments, value](double rate, double& slope) {
        const double discount = 1 / (1 + rate);
        double factor = 1;
        double sum = -value;
        slope = 0;
        for (std::size_t k = 0; k < payments.size(); ++k) {
            factor *= discount;
            sum += payments[k] * factor;
            slope -= static_cast<double>(k + 1) * payments[k] * factor * discount;
        }
        return sum;
    };
    double low = -0.99;
    double high = 1;
    double slope = 0;
    while (worth(high, slope) > 0 && high < 1e6) high *= 2;
    double rate = guess > low && guess < high ? guess : (low + high) / 2;
    for (int step = 0; step < 200; ++step) {
        const double gap = worth(rate, slope);
        (gap > 0 ? low : high) = rate;
        double next = slope != 0 ? rate - gap / slope : (low + high) / 2;
        if (!(next > low && next < high)) next = (low + high) / 2;
        if (std::abs(next - rate) <= 1e-15 * std::max(1.0, std::abs(rate))) return next;
        rate = next;
    }
    return rate;
}

}  // namespace

OfferOutcome WorkOutOffer(const OfferInputs& inputs, const CalendarDate& first, int horizonYears, int minorPerUnit) {
    Offer offer;
    if (Unusable(inputs)) return Problem(OfferProblem::Kind::OutOfRange);
    try {
        auto loan = WorkedOutLoan(inputs, offer.workedOut, first, minorPerUnit);
        if (const auto* problem = std::get_if<OfferProblem>(&loan)) return *problem;
        offer.loan = std::get<LoanTerms>(loan);
        if (!std::isfinite(offer.loan.payment)) return Problem(OfferProblem::Kind::OutOfRange);

        OfferFigures& figures = offer.figures;
        figures.payment = offer.loan.payment;
        figures.fees = inputs.fees;
        std::vector<double> paid;
        Amortization schedule(offer.loan);
        while (!schedule.Finished()) {
            const PaymentRow row = schedule.Step(Currency()).row;
            paid.push_back(row.payment);
            offer.schedule.push_back({row.date, schedule.TotalInterest(), row.balance});
        }
        figures.payments = static_cast<int>(paid.size());
        figures.lastPayment = paid.back();
        figures.payoff = offer.schedule.back().date;
        figures.totalInterest = schedule.TotalInterest();
        figures.totalPaid = schedule.TotalPaid();
        figures.horizonPayments = std::min(kMonthsPerYear * std::max(horizonYears, 1), figures.payments);
        const OfferPayment& horizon = offer.schedule[static_cast<std::size_t>(figures.horizonPayments - 1)];
        figures.horizonInterest = horizon.interestSoFar;
        figures.horizonBalance = horizon.balance;
        if (inputs.fees < offer.loan.principal) {
            const double rate =
                DiscountRate(paid, offer.loan.principal - inputs.fees, MonthlyRate(offer.loan.annualRate));
            figures.aprPercent = kMonthsPerYear * rate * 100;
            figures.effectivePercent = (std::pow(1 + rate, kMonthsPerYear) - 1) * 100;
        }
    } catch (const CurrencyOverflow&) {
        return Problem(OfferProblem::Kind::OutOfRange);
    }
    return offer;
}

BreakEven CostsLessFrom(const Offer& offer, const Offer& reference) {
    const auto costAfter = [](const Offer& loan, std::size_t payment) {
        const std::size_t last = std::min(payment, loan.schedule.size()) - 1;
        return loan.figures.fees + loan.schedule[last].interestSoFar;
    };
    const std::size_t longer = std::max(offer.schedule.size(), reference.schedule.size());
    std::size_t from = longer + 1;  // the first payment of the run of lower costs that lasts to the end
    for (std::size_t payment = longer; payment >= 1; --payment) {
        if (!(costAfter(offer, payment) < costAfter(reference, payment))) break;
        from = payment;
    }
    BreakEven answer;
    if (from > longer) return answer;
    answer.kind = from == 1 ? BreakEven::Kind::FromTheStart : BreakEven::Kind::FromPayment;
    answer.payment = static_cast<int>(from);
    const Offer& dated = from <= offer.schedule.size() ? offer : reference;
    answer.date = dated.schedule[from - 1].date;
    return answer;
}

}  // namespace quillmere
