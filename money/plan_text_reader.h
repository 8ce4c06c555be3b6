// PlanTextReader: reads a plan of extra payments from the texts the user
// types into its boxes.
//
// An amount is read, in this order, as
//  - money text exactly as the calculator writes it in the locale
//    ("$1,234.56", "1.234,56 €"), through LocaleMoneyFormatter::Parse;
//  - a number in the locale, with or without its currency symbol or code
//    ("1.234,56" and "1234,56" in de_DE, "1,234.56" and "$100" in en_US);
//  - a plain number with a period ("1234.56" in any locale);
// and is then held to the currency's decimals, a half going away from zero,
// as the money text would show it. Money text is read exactly; a number is
// read through a double, exact to the cent below about 90 trillion. An empty
// box is no extra. A payment number is a whole number in the locale or in
// plain digits, from 1 to the loan's last payment.
//
// A text that can't be read gets a message to show next to its box instead
// of a value: not an amount, a negative amount, an amount beyond the largest
// principal, or a payment number out of range. Any text at all is answered,
// quickly, without throwing.
//
//   PlanTextReader reader(QLocale("de_DE"));
//   reader.Amount("1.234,56").value;      // 1234.56 as Currency
//   reader.Amount("-5").message;          // "An extra payment can't be negative."
//   reader.PaymentNumber("0", 360).message;  // "Type a payment number from 1 to 360."
#pragma once

#include "money/locale_money_formatter.h"
#include "schedule/extra_payments.h"

#include <QLocale>

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quillmere {

// What one box reads as: a value, or the message saying why not.
template <typename T>
struct BoxReading {
    std::optional<T> value;
    std::string message;
};

// The boxes of a plan, as the user typed them.
struct PlanTexts {
    std::string monthly;
    std::string startPayment = "1";
    std::string yearly;
    int yearlyMonth = 12;  // 1 (January) to 12, picked from a list
    struct OneTime {
        std::string payment;
        std::string amount;
    };
    std::vector<OneTime> oneTime;
    ExtraMode mode = ExtraMode::PayOffSooner;
};

enum class PlanBox { Monthly, StartPayment, Yearly, OneTimePayment, OneTimeAmount };

struct PlanMessage {
    PlanBox box;
    int row = 0;  // the one-time table's row; 0 for the other boxes
    std::string text;
};

// A plan when every box reads, else the messages of those that don't.
struct PlanReading {
    std::optional<ExtraPaymentPlan> plan;
    std::vector<PlanMessage> messages;
};

class PlanTextReader {
public:
    explicit PlanTextReader(const QLocale& locale);

    [[nodiscard]] BoxReading<Currency> Amount(std::string_view text) const;
    // `lastPayment` is the loan's last payment number, 1 to 9999 (else
    // std::invalid_argument).
    [[nodiscard]] BoxReading<int> PaymentNumber(std::string_view text, int lastPayment) const;

    // Every box of the plan; `yearlyMonth` must be 1 to 12 (else
    // std::invalid_argument), as it comes from a list. A one-time row with
    // both boxes empty is a row just added and not yet filled in: it is left
    // out, without a message.
    [[nodiscard]] PlanReading Plan(const PlanTexts& texts, int lastPayment) const;

private:
    [[nodiscard]] std::optional<double> LocaleNumber(const QString& text) const;
    // The amount of a count of the currency's minor units, within bounds.
    [[nodiscard]] BoxReading<Currency> FromMinorUnits(std::int64_t minorUnits) const;

    LocaleMoneyFormatter money_;  // also the locale numbers are read in
};

}  // namespace quillmere
