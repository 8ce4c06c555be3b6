// OfferTextReader: reads a loan offer from the texts of its five boxes
// (amount, months, annual rate, monthly payment and fees).
//
// Amounts are read as AmountTextReader reads them, the amount and the
// payment above zero and the fees not negative. The months are a whole
// number from 1 to 9,999, the rate a number from 0 to 70 (percent), held
// to the four decimals rates are kept in, both in the locale or in plain
// digits. Any of the amount, months, rate and payment may be left empty
// (which ones may is for WorkOutOffer() to say); empty fees are none.
//
// An offer is read only when every box reads; otherwise each box that
// doesn't gets a message to show beside it. Any text at all is answered,
// quickly, without throwing.
//
//   OfferTextReader reader(QLocale("de_DE"));
//   reader.Read({"250.000", "360", "6,5", "", "5.000"}).inputs;  // 250000 / 360 / 6.5 % / fees 5000
#pragma once

#include "money/amount_text_reader.h"
#include "schedule/loan_offer.h"

#include <QLocale>

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quillmere {

// The boxes of an offer as the user typed them.
struct OfferTexts {
    std::string amount;
    std::string months;
    std::string rate;
    std::string payment;
    std::string fees;
};

enum class OfferBox { Amount, Months, Rate, Payment, Fees };

struct OfferMessage {
    OfferBox box;
    std::string text;
};

// The offer when every box reads, else the messages of those that don't.
struct OfferReading {
    std::optional<OfferInputs> inputs;
    std::vector<OfferMessage> messages;
};

class OfferTextReader {
public:
    explicit OfferTextReader(const QLocale& locale);

    [[nodiscard]] OfferReading Read(const OfferTexts& texts) const;
    [[nodiscard]] const LocaleMoneyFormatter& Money() const { return amounts_.Money(); }

private:
    // An amount above zero, or none for an empty box.
    [[nodiscard]] BoxReading<std::optional<double>> PositiveAmount(std::string_view text) const;
    [[nodiscard]] BoxReading<std::optional<int>> Months(std::string_view text) const;
    [[nodiscard]] BoxReading<std::optional<Currency>> Rate(std::string_view text) const;

    AmountTextReader amounts_;
    AmountTextReader fees_;
};

}  // namespace quillmere
