// LocaleMoneyFormatter: money text in the user's currency format.
//
// Symbol, digits, grouping, the currency's number of decimals and the
// locale's own style for negatives all come from QLocale. On top of QLocale
// the formatter guarantees, in every locale:
//  - amounts are rounded on their exact value to the currency's decimals, a
//    half going away from zero (0.015 gives 0.02, -0.015 gives -0.02);
//  - an amount that rounds to zero is written as zero, never as a negative
//    zero ("-0.00", "($0.00)");
//  - every text it writes can be read back, exactly, with Parse().
//
// The locale's pattern is learnt once (see CurrencyPattern) and amounts are
// then written with integer arithmetic: a long schedule holds tens of
// thousands of them. A locale whose pattern can't be learnt exactly (none of
// Qt 6.4's) still gets the rounding and zero rules above; QLocale then writes
// the rounded amount through a double, exact up to 2^53 minor units (about
// 9 x 10^13 units with cents), and Parse() reads what it wrote.
#pragma once

#include "money/currency_pattern.h"
#include "schedule/money_formatter.h"

#include <QLocale>

#include <optional>

namespace quillmere {

// An amount as money text gives it: a whole count of the currency's minor
// units (cents where it has two decimals; whole units where it has none).
// Exact for any text, also beyond what a Currency holds.
struct MoneyAmount {
    std::int64_t minorUnits = 0;
    std::int64_t minorPerUnit = 100;

    // The nearest double to the amount in whole units.
    [[nodiscard]] double ToDouble() const {
        return static_cast<double>(minorUnits) / static_cast<double>(minorPerUnit);
    }
    constexpr bool operator==(const MoneyAmount&) const = default;
};

class LocaleMoneyFormatter final : public MoneyFormatter {
public:
    // The locale the environment names for money (see EnvironmentLocale()).
    LocaleMoneyFormatter();
    explicit LocaleMoneyFormatter(const QLocale& locale);
    // The same rules with every amount written by QLocale: what a locale
    // whose pattern can't be learnt gets.
    static LocaleMoneyFormatter ThroughQLocale(const QLocale& locale);

    [[nodiscard]] std::string Format(double amount) const override;
    [[nodiscard]] std::string Format(Currency amount) const override;

    // The text of an amount given in the currency's minor units.
    [[nodiscard]] std::string Format(MoneyAmount amount) const;

    // The amount of a text this formatter writes, exactly; nothing for a text
    // it would not write (other grouping, a stray character, ...).
    [[nodiscard]] std::optional<MoneyAmount> Parse(std::string_view text) const;

    // The currency's number of decimals, and minor units in one whole unit
    // (10 ^ decimals).
    [[nodiscard]] int Decimals() const {
        int decimals = 0;
        for (std::int64_t unit = minorPerUnit_; unit > 1; unit /= 10) ++decimals;
        return decimals;
    }
    [[nodiscard]] std::int64_t MinorPerUnit() const { return minorPerUnit_; }
    // The locale amounts are written in; what writes the dates and numbers
    // beside them, so they share its digits.
    [[nodiscard]] const QLocale& Locale() const { return locale_; }

    // Whether amounts are written from the learnt pattern, without QLocale.
    [[nodiscard]] bool UsesLearntPattern() const { return pattern_.has_value(); }

    // The locale the environment names for money: LC_ALL, then LC_MONETARY,
    // then LANG; en_US where it names C, POSIX, or nothing Qt knows.
    static QLocale EnvironmentLocale();

private:
    [[nodiscard]] std::string FormatMinorUnits(std::int64_t minor) const;

    QLocale locale_;
    std::optional<CurrencyPattern> pattern_;
    std::int64_t minorPerUnit_ = 1;
};

}  // namespace quillmere
