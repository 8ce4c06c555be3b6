// LoanSource: what the Compare Loans window asks of the window it was
// opened from: the loan it calculated last, its first payment date, and a
// loan to calculate in its place.
#pragma once

#include <QDate>

#include <optional>

#include "schedule/amortization.h"

namespace quillmere {

class LoanSource {
public:
    virtual ~LoanSource() = default;

    // The loan of the last completed calculation, as it was cleaned and
    // calculated; none before one, or after a Clear.
    [[nodiscard]] virtual std::optional<LoanTerms> CompletedLoan() const = 0;
    // The first payment date chosen there now.
    [[nodiscard]] virtual QDate FirstPaymentDate() const = 0;
    // Puts `amount`, `months` and `annualRate` into its boxes and calculates.
    virtual void CalculateLoan(double amount, int months, Currency annualRate) = 0;

protected:
    LoanSource() = default;
    LoanSource(const LoanSource&) = default;
    LoanSource& operator=(const LoanSource&) = default;
};

}  // namespace quillmere
