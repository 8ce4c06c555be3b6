#include "locale_money_formatter.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace quillmere {
namespace {

TEST(LocaleMoneyFormatterTest, WritesWhatQLocaleWritesInManyLocales) {
    const QLocale locales[] = {
        QLocale(QLocale::English, QLocale::UnitedStates),  QLocale(QLocale::German, QLocale::Germany),
        QLocale(QLocale::French, QLocale::France),         QLocale(QLocale::Japanese, QLocale::Japan),
        QLocale(QLocale::Hindi, QLocale::India),           QLocale(QLocale::Arabic, QLocale::Egypt),
        QLocale(QLocale::English, QLocale::UnitedKingdom), QLocale(QLocale::German, QLocale::Switzerland),
    };
    const double samples[] = {0.0, 0.5, 3.37, 1020.07, -1.24, -669.98, 1234567.891, 250000.0, 3.0e12};
    for (const QLocale& locale : locales) {
        const LocaleMoneyFormatter money(locale);
        for (double amount : samples) {
            EXPECT_EQ(money.Format(amount), locale.toCurrencyString(amount).toStdString())
                << locale.name().toStdString() << " " << amount;
        }
    }
}

TEST(LocaleMoneyFormatterTest, CurrencyAmountsAreExactAndHalvesGoAwayFromZero) {
    const LocaleMoneyFormatter us(QLocale(QLocale::English, QLocale::UnitedStates));
    EXPECT_EQ(us.Format(Currency::FromRaw(3'366'600)), "$336.66");
    EXPECT_EQ(us.Format(Currency::FromRaw(50)), "$0.01");
    EXPECT_EQ(us.Format(Currency::FromRaw(49)), "$0.00");
    EXPECT_EQ(us.Format(Currency::FromRaw(-50)), "($0.01)");
    EXPECT_EQ(us.Format(Currency::FromRaw(-49)), "$0.00");  // no negative zero
    // Beyond what a double holds to the cent, the text is still exact.
    EXPECT_EQ(us.Format(Currency::FromRaw(5'000'000'000'000'003'700LL)), "$500,000,000,000,000.37");
    EXPECT_EQ(us.Format(-0.004), "$0.00");
    EXPECT_EQ(us.Format(1e300).substr(0, 2), "$1");

    const LocaleMoneyFormatter yen(QLocale(QLocale::Japanese, QLocale::Japan));
    EXPECT_EQ(yen.Format(Currency::FromDouble(1234.5)),
              QLocale(QLocale::Japanese).toCurrencyString(1235.0).toStdString());
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
