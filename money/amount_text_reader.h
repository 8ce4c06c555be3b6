// AmountTextReader: reads an amount of money from the text typed into a box.
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
// box reads as zero.
//
// A text that can't be read gets a message to show next to its box instead
// of a value: not an amount, a negative amount (in the words the reader was
// made with, which name what the box holds), or an amount beyond the largest
// principal. Any text at all is answered, quickly, without throwing.
//
//   AmountTextReader reader(QLocale("de_DE"), "An extra payment can't be negative.");
//   reader.Amount("1.234,56").value;  // 1234.56 as Currency
//   reader.Amount("-5").message;      // "An extra payment can't be negative."
#pragma once

#include "money/locale_money_formatter.h"
#include "schedule/currency.h"

#include <QLocale>

#include <optional>
#include <string>
#include <string_view>

namespace quillmere {

// What one box reads as: a value, or the message saying why not.
template <typename T>
struct BoxReading {
    std::optional<T> value;
    std::string message;
};

class AmountTextReader {
public:
    AmountTextReader(const QLocale& locale, std::string negativeMessage);

    [[nodiscard]] BoxReading<Currency> Amount(std::string_view text) const;
    // A number in the locale or in plain digits with a period; none for any
    // other text, or one that is not finite.
    [[nodiscard]] std::optional<double> Number(std::string_view text) const;
    // A whole number in the locale or in plain digits.
    [[nodiscard]] std::optional<int> WholeNumber(std::string_view text) const;
    [[nodiscard]] const LocaleMoneyFormatter& Money() const { return money_; }

private:
    // The amount of a count of the currency's minor units, within bounds.
    [[nodiscard]] BoxReading<Currency> FromMinorUnits(std::int64_t minorUnits) const;

    LocaleMoneyFormatter money_;  // also the locale numbers are read in
    std::string negativeMessage_;
};

// `text` as a QString, without the spaces around it.
[[nodiscard]] QString TrimmedText(std::string_view text);

}  // namespace quillmere
