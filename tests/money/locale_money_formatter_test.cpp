#include "money/locale_money_formatter.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <random>
#include <vector>

namespace quillmere {
namespace {

// Locales whose money text differs in every way that matters: symbol before
// or after, brackets or a sign for negatives, grouping (three, Indian,
// Spanish, none below five digits), digits (Latin, Arabic-Indic, Persian,
// Bengali), decimals (0 or 2), right-to-left marks.
const std::vector<QLocale>& Locales() {
    static const std::vector<QLocale> locales = [] {
        std::vector<QLocale> all;
        for (const char* name : {"en_US", "de_DE", "ja_JP", "hi_IN", "ar_EG", "es_ES", "en_IN", "fa_IR", "bn_BD",
                                 "he_IL", "fr_FR", "de_CH"}) {
            all.emplace_back(QString::fromLatin1(name));
        }
        return all;
    }();
    return locales;
}

// The learnt pattern and QLocale alike.
std::vector<LocaleMoneyFormatter> BothWriters(const QLocale& locale) {
    return {LocaleMoneyFormatter(locale), LocaleMoneyFormatter::ThroughQLocale(locale)};
}

std::string Name(const QLocale& locale, const LocaleMoneyFormatter& money) {
    return locale.name().toStdString() + (money.UsesLearntPattern() ? " pattern" : " QLocale");
}

TEST(LocaleMoneyFormatterTest, LearntPatternWritesWhatQLocaleWrites) {
    const double samples[] = {0.5, 3.37, 1020.07, -1.24, -669.98, 1234.0, 12345.0, 1234567.891, 250000.0, 3.0e12};
    for (const QLocale& locale : Locales()) {
        const LocaleMoneyFormatter money(locale);
        // Without it the comparison below would compare QLocale with itself.
        ASSERT_TRUE(money.UsesLearntPattern()) << locale.name().toStdString();
        for (double amount : samples) {
            EXPECT_EQ(money.Format(amount), locale.toCurrencyString(amount).toStdString())
                << locale.name().toStdString() << " " << amount;
        }
    }
}

TEST(LocaleMoneyFormatterTest, NoNegativeZeroAndHalvesGoAwayFromZeroEverywhere) {
    for (const QLocale& locale : Locales()) {
        for (const LocaleMoneyFormatter& money : BothWriters(locale)) {
            SCOPED_TRACE(Name(locale, money));
            const std::string zero = money.Format(0.0);
            EXPECT_EQ(money.Format(-0.0), zero);
            EXPECT_EQ(money.Format(-0.004), zero);
            EXPECT_EQ(money.Format(-1e-300), zero);
            EXPECT_EQ(money.Format(Currency::FromRaw(-49)), zero);
            // Exact halves of the last decimal, in doubles and in Currency.
            const bool cents = locale.toCurrencyString(0.5) != locale.toCurrencyString(1.0);
            const double tie = cents ? 0.125 : 2.5;
            const double away = cents ? 0.13 : 3.0;
            const Currency currencyTie = Currency::FromRaw(cents ? 1250 : 25000);
            EXPECT_EQ(money.Format(tie), money.Format(away));
            EXPECT_EQ(money.Format(-tie), money.Format(-away));
            EXPECT_EQ(money.Format(currencyTie), money.Format(away));
            EXPECT_EQ(money.Format(Currency() - currencyTie), money.Format(-away));
            // Just below a half goes down, on the exact value: 0.015 is stored a hair below.
            EXPECT_EQ(money.Format(0.015), money.Format(cents ? 0.01 : 0.0));
        }
    }
}

TEST(LocaleMoneyFormatterTest, EveryTextReadsBackToItsAmount) {
    std::mt19937_64 random(7);
    std::uniform_int_distribution<std::int64_t> cents(-99'999'999'999, 99'999'999'999);
    std::vector<Currency> amounts = {Currency(), Currency::FromRaw(100), Currency::FromRaw(-100),
                                     Currency::FromRaw(5'000'000'000'000'003'700LL)};
    for (int i = 0; i < 300; ++i) amounts.push_back(Currency::FromRaw(cents(random) * 100));
    for (const QLocale& locale : Locales()) {
        for (const LocaleMoneyFormatter& money : BothWriters(locale)) {
            SCOPED_TRACE(Name(locale, money));
            for (const Currency amount : amounts) {
                const std::string text = money.Format(amount);
                const std::optional<MoneyAmount> read = money.Parse(text);
                ASSERT_TRUE(read.has_value()) << text;
                EXPECT_EQ(money.Format(*read), text);
                // Exact, from a learnt pattern: the amount in minor units, a half away from zero.
                const std::int64_t step = Currency::kScale / read->minorPerUnit;
                const std::int64_t rest = amount.Raw() % step;
                const std::int64_t minor = amount.Raw() / step + (2 * std::abs(rest) >= step ? (rest < 0 ? -1 : 1) : 0);
                if (money.UsesLearntPattern()) {
                    EXPECT_EQ(read->minorUnits, minor) << text;
                }
            }
            for (const char* alien : {"", "12abc", "--1", "$", "1e5"}) EXPECT_FALSE(money.Parse(alien)) << alien;
        }
    }
    // Exact where a double is not: the learnt pattern keeps every cent.
    const LocaleMoneyFormatter us(QLocale(QLocale::English, QLocale::UnitedStates));
    EXPECT_EQ(us.Format(Currency::FromRaw(5'000'000'000'000'003'700LL)), "$500,000,000,000,000.37");
    EXPECT_EQ(us.Parse("($1,234.56)"), (MoneyAmount{-123'456, 100}));
    // Beyond what a Currency holds, still exact.
    EXPECT_EQ(us.Parse("$50,000,000,000,000,000.01"), (MoneyAmount{5'000'000'000'000'000'001, 100}));
    EXPECT_FALSE(us.Parse("$1234.56"));  // not as written: the grouping is part of the text
    EXPECT_FALSE(us.Parse("($0.00)"));
}

TEST(LocaleMoneyFormatterTest, EnvironmentNamesTheLocaleAndCMeansUnitedStates) {
    const auto localeFor = [](const char* all, const char* monetary, const char* lang) {
        for (const auto& [name, value] : {std::pair{"LC_ALL", all}, {"LC_MONETARY", monetary}, {"LANG", lang}}) {
            if (value != nullptr) {
                setenv(name, value, 1);
            } else {
                unsetenv(name);
            }
        }
        return LocaleMoneyFormatter::EnvironmentLocale().name().toStdString();
    };
    EXPECT_EQ(localeFor(nullptr, nullptr, "C"), "en_US");
    EXPECT_EQ(localeFor(nullptr, nullptr, nullptr), "en_US");
    EXPECT_EQ(localeFor("POSIX", "de_DE.UTF-8", "fr_FR"), "en_US");
    EXPECT_EQ(localeFor(nullptr, "de_DE.UTF-8", "fr_FR.UTF-8"), "de_DE");
    EXPECT_EQ(localeFor(nullptr, nullptr, "fr_FR.UTF-8@euro"), "fr_FR");
    EXPECT_EQ(localeFor("xx_nonsense", nullptr, nullptr), "en_US");
}

}  // namespace
}  // namespace quillmere
