// LocaleMoneyFormatter: money text in the user's currency format.
//
// The locale is taken once, at construction, from the environment
// (LC_ALL, then LC_MONETARY, then LANG). Where the environment names no
// locale (C or POSIX), en_US is used, so amounts always carry a currency
// symbol. Symbol, grouping, the currency's number of decimals and the
// locale's own style for negatives all come from QLocale.
//
// Amounts are rounded on their exact value to the currency's decimals, a
// half going away from zero. The formatter learns the locale's pattern once
// and writes amounts with integer arithmetic; where the pattern cannot be
// learnt exactly (other digits, unusual grouping) every amount goes through
// QLocale::toCurrencyString instead.
#pragma once

#include "money_formatter.h"

#include <QLocale>

#include <memory>

namespace quillmere {

class LocaleMoneyFormatter final : public MoneyFormatter {
public:
    // Uses the locale the environment names.
    LocaleMoneyFormatter();
    explicit LocaleMoneyFormatter(const QLocale& locale);

    [[nodiscard]] std::string Format(double amount) const override;
    [[nodiscard]] std::string Format(Currency amount) const override;

    [[nodiscard]] const QLocale& Locale() const { return locale_; }

    // The locale the environment names, en_US where it names C or POSIX.
    static QLocale EnvironmentLocale();

private:
    struct Pattern;
    QLocale locale_;
    std::shared_ptr<const Pattern> pattern_;  // null: format through QLocale
};

}  // namespace quillmere
