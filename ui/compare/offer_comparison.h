// The Compare Loans table's figures: a row per figure, a column per offer,
// each cell a value with the text the table shows, the lowest of a row
// marked; and the sentence a screen reader hears about an offer's result.
//
// The rows: "Monthly payment", "Number of payments", "Last payment" (where
// it differs from the others), "Payoff date", "Total interest", "Total of
// payments", "Fees", "Total cost", "APR (with fees)", "Effective annual
// rate (with fees)", the interest, the cost and the balance over the first
// years the loan is kept, and, from the second offer on, from which payment
// it "Costs less than" the first. An offer without figures (a box that
// can't be read, a term that can't be worked out) has an empty column.
//
// The lowest figure of the payment, interest, total, cost, rate and
// over-the-years rows is marked, where two offers or more have one and not
// all of them have the same. Amounts are compared as the table shows them,
// to the cent; rates to the three decimals shown.
#pragma once

#include <QString>

#include <vector>

#include "export/comparison_values.h"
#include "schedule/loan_offer.h"

namespace quillmere {

class LocaleMoneyFormatter;

// An offer as the table compares it: its name, and its figures where it
// has them (not owned).
struct ComparedOffer {
    QString name;
    const Offer* offer = nullptr;
};

// The figure rows, in the order of ComparisonValues::rows.
enum class FigureRow {
    Payment,
    Payments,
    LastPayment,
    Payoff,
    TotalInterest,
    TotalPaid,
    Fees,
    TotalCost,
    Apr,
    Effective,
    HorizonInterest,
    HorizonCost,
    HorizonBalance,
    CostsLessFrom,
};
inline constexpr int kFigureRows = static_cast<int>(FigureRow::CostsLessFrom) + 1;

[[nodiscard]] ComparisonValues CompareOffers(const std::vector<ComparedOffer>& offers, int horizonYears,
                                             const LocaleMoneyFormatter& money);

// "Offer B: total cost $X, $Y less than Offer A", "... more than ...",
// "... the same as Offer A", or for the first offer "Offer A: total cost
// $X". Empty when offer `which` has no figures.
[[nodiscard]] QString CostAnnouncement(const std::vector<ComparedOffer>& offers, std::size_t which,
                                       const LocaleMoneyFormatter& money);

}  // namespace quillmere
