// PlanTextReader: reads a plan of extra payments from the texts the user
// types into its boxes.
//
// Amounts are read as AmountTextReader reads them; an empty box is no
// extra. A payment number is a whole number in the locale or in plain
// digits, from 1 to the loan's last payment.
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

#include "money/amount_text_reader.h"
#include "schedule/extra_payments.h"

#include <QLocale>

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quillmere {

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
    AmountTextReader amounts_;
};

}  // namespace quillmere
