// LoanDocument: everything a loan file keeps of the user's work, and the
// file itself (JSON, UTF-8), read and written.
//
// A loan file holds the main window's three boxes as typed, the first
// payment date, the plan of extra payments (its amounts as plain decimal
// text, "1234.50", so a file reads the same in every locale), the offers
// being compared (their names, five boxes each with the amounts likewise,
// which box was worked out) with the years the loan is kept, and which of
// the Extra Payments and Compare Loans windows were open:
//
//   {
//     "format": "Quillmere Loan",
//     "version": 1,
//     "loan": {"principal": "250000", "months": "360", "annualRatePercent": "6.5",
//              "firstPaymentDate": "2027-01-15"},
//     "extraPayments": {"windowOpen": true, "extraEachMonth": "100.00", "startingWithPayment": "1",
//                       "extraEachYear": "", "inMonth": 12,
//                       "oneTimeExtraPayments": [{"payment": "12", "amount": "5000.00"}],
//                       "whatTheExtraDoes": "payOffSooner"},
//     "compareLoans": {"windowOpen": false, "keepTheLoanForYears": 30,
//                      "offers": [{"name": "Offer A", "amount": "250000.00", "months": "360",
//                                  "annualRatePercent": "6.5", "monthlyPayment": "", "fees": "",
//                                  "workedOut": "monthlyPayment"}]}
//   }
//
// Reading checks everything: a file that is not JSON, is cut short, holds a
// value of the wrong type or beyond its range, comes from a later version,
// or is too large to be a loan file, gives a sentence saying what is wrong,
// and no document. Writing is safe (see files/safe_file.h). Qt Core only.
#pragma once

#include <QByteArray>
#include <QDate>
#include <QString>

#include <optional>
#include <variant>
#include <vector>

#include "schedule/extra_payments.h"
#include "schedule/loan_offer.h"

namespace quillmere {

struct LoanDocument {
    struct Loan {
        QString principal;  // as typed
        QString months;
        QString rate;
        QDate firstPayment;
        bool operator==(const Loan&) const = default;
    };
    struct OneTime {
        QString payment;
        QString amount;
        bool operator==(const OneTime&) const = default;
    };
    struct ExtraPayments {
        bool windowOpen = false;
        QString monthly;
        QString startPayment = QStringLiteral("1");
        QString yearly;
        int yearlyMonth = 12;  // 1 (January) to 12
        std::vector<OneTime> oneTime;
        ExtraMode mode = ExtraMode::PayOffSooner;
        bool operator==(const ExtraPayments&) const = default;
    };
    struct Offer {
        QString name;
        QString amount;
        QString months;
        QString rate;
        QString payment;
        QString fees;
        std::optional<OfferTerm> workedOut;
        bool operator==(const Offer&) const = default;
    };
    struct Comparison {
        bool windowOpen = false;
        int horizonYears = 30;      // 1 to kLongestHorizonYears
        std::vector<Offer> offers;  // none to kMostOffers
        bool operator==(const Comparison&) const = default;
    };

    static constexpr int kVersion = 1;
    static constexpr int kMostOffers = 6;
    static constexpr int kLongestHorizonYears = 834;
    static constexpr int kMostOneTimeExtras = 9999;

    Loan loan;
    ExtraPayments extraPayments;
    Comparison comparison;

    // Whether the main window's boxes hold anything to calculate.
    [[nodiscard]] bool HoldsLoan() const;
    bool operator==(const LoanDocument&) const = default;
};

// The largest file read as a loan file: a thousand times the largest one
// the program writes.
inline constexpr qint64 kLargestLoanFile = 4 * 1024 * 1024;

// The document as the file's bytes: indented JSON, UTF-8.
[[nodiscard]] QByteArray LoanFileBytes(const LoanDocument& document);
// The document the bytes hold, or what is wrong with them.
[[nodiscard]] std::variant<LoanDocument, QString> ParseLoanFile(const QByteArray& bytes);
// The document the file at `path` holds, or why it can't be read.
[[nodiscard]] std::variant<LoanDocument, QString> ReadLoanFile(const QString& path);
// Writes the file safely: the reason for a failure, or an empty text.
[[nodiscard]] QString WriteLoanFile(const QString& path, const LoanDocument& document);

}  // namespace quillmere
