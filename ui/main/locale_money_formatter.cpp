#include "locale_money_formatter.h"

#include <QByteArray>
#include <QString>

#include <array>
#include <cstdlib>

namespace quillmere {
namespace {

// Everything QLocale puts around and inside the digits of a currency amount,
// learnt once from QLocale itself so each amount is then written with plain
// integer arithmetic: a long schedule holds tens of thousands of amounts.
struct CurrencyPattern {
    std::string positivePrefix, positiveSuffix;
    std::string negativePrefix, negativeSuffix;
    std::string groupSeparator, decimalPoint;
    int decimals = 2;
    std::int64_t minorPerUnit = 100;
};

constexpr int kMaxDecimals = 4;
constexpr double kProbe = 1234567.0;

std::int64_t PowerOfTen(int exponent) {
    std::int64_t value = 1;
    for (int i = 0; i < exponent; ++i) value *= 10;
    return value;
}

// Splits `text` around the first `number` in it.
bool SplitAround(const QString& text, const QString& number, std::string& prefix, std::string& suffix) {
    const qsizetype at = text.indexOf(number);
    if (at < 0) return false;
    prefix = text.left(at).toStdString();
    suffix = text.mid(at + number.size()).toStdString();
    return true;
}

bool LearnPattern(const QLocale& locale, CurrencyPattern& pattern) {
    if (locale.zeroDigit() != QLatin1String("0")) return false;
    const QString positive = locale.toCurrencyString(kProbe);
    const QString negative = locale.toCurrencyString(-kProbe);
    for (int decimals = kMaxDecimals; decimals >= 0; --decimals) {
        const QString number = locale.toString(kProbe, 'f', decimals);
        if (SplitAround(positive, number, pattern.positivePrefix, pattern.positiveSuffix) &&
            SplitAround(negative, number, pattern.negativePrefix, pattern.negativeSuffix)) {
            pattern.decimals = decimals;
            pattern.minorPerUnit = PowerOfTen(decimals);
            pattern.groupSeparator = locale.groupSeparator().toStdString();
            pattern.decimalPoint = locale.decimalPoint().toStdString();
            return true;
        }
    }
    return false;
}

std::string FormatMinorUnits(const CurrencyPattern& p, std::int64_t minor) {
    const bool negative = minor < 0;
    // Magnitude as unsigned so the most negative value is safe too.
    const std::uint64_t magnitude =
        negative ? 0 - static_cast<std::uint64_t>(minor) : static_cast<std::uint64_t>(minor);
    const auto perUnit = static_cast<std::uint64_t>(p.minorPerUnit);
    const std::string units = std::to_string(magnitude / perUnit);

    std::string text = negative ? p.negativePrefix : p.positivePrefix;
    text.reserve(text.size() + units.size() * 2 + 8);
    for (std::size_t i = 0; i < units.size(); ++i) {
        if (i > 0 && (units.size() - i) % 3 == 0) text += p.groupSeparator;
        text += units[i];
    }
    if (p.decimals > 0) {
        text += p.decimalPoint;
        std::string fraction = std::to_string(magnitude % perUnit);
        text.append(static_cast<std::size_t>(p.decimals) - fraction.size(), '0');
        text += fraction;
    }
    text += negative ? p.negativeSuffix : p.positiveSuffix;
    return text;
}

// The learnt pattern is used only where it writes exactly what QLocale writes.
bool PatternAgreesWithQLocale(const QLocale& locale, const CurrencyPattern& p) {
    constexpr std::array<double, 9> kSamples = {0.0,   1.0,         12.34,      999.0,          1000.0,
                                                -1.24, -1234567.89, 98765.4321, 123456789012.34};
    for (double sample : kSamples) {
        const std::int64_t minor = RoundScaled(sample, p.minorPerUnit, TieBreak::AwayFromZero);
        if (FormatMinorUnits(p, minor) != locale.toCurrencyString(sample).toStdString()) return false;
    }
    return true;
}

// The locale name the environment gives for money, without encoding or modifier.
QString EnvironmentLocaleName() {
    for (const char* variable : {"LC_ALL", "LC_MONETARY", "LANG"}) {
        const QByteArray value = qgetenv(variable);
        if (!value.isEmpty()) {
            QString name = QString::fromLocal8Bit(value);
            name = name.section(QLatin1Char('.'), 0, 0).section(QLatin1Char('@'), 0, 0);
            return name;
        }
    }
    return {};
}

}  // namespace

struct LocaleMoneyFormatter::Pattern : CurrencyPattern {};

LocaleMoneyFormatter::LocaleMoneyFormatter() : LocaleMoneyFormatter(EnvironmentLocale()) {}

LocaleMoneyFormatter::LocaleMoneyFormatter(const QLocale& locale) : locale_(locale) {
    auto pattern = std::make_shared<Pattern>();
    if (LearnPattern(locale_, *pattern) && PatternAgreesWithQLocale(locale_, *pattern)) pattern_ = pattern;
}

std::string LocaleMoneyFormatter::Format(double amount) const {
    if (pattern_) {
        try {
            return FormatMinorUnits(*pattern_, RoundScaled(amount, pattern_->minorPerUnit, TieBreak::AwayFromZero));
        } catch (const CurrencyOverflow&) {
            // Too large for an exact count of minor units: QLocale writes it.
        }
    }
    return locale_.toCurrencyString(amount).toStdString();
}

std::string LocaleMoneyFormatter::Format(Currency amount) const {
    if (!pattern_) return locale_.toCurrencyString(amount.ToDouble()).toStdString();
    // Exact: from ten-thousandths to the currency's minor unit, half away from zero.
    const std::int64_t divisor = Currency::kScale / pattern_->minorPerUnit;
    const std::int64_t raw = amount.Raw();
    std::int64_t minor = raw / divisor;
    const std::int64_t rest = raw % divisor;
    if (2 * (rest < 0 ? -rest : rest) >= divisor && divisor > 1) minor += raw < 0 ? -1 : 1;
    return FormatMinorUnits(*pattern_, minor);
}

QLocale LocaleMoneyFormatter::EnvironmentLocale() {
    const QString name = EnvironmentLocaleName();
    const QLocale fallback(QLocale::English, QLocale::UnitedStates);
    if (name.isEmpty() || name == QLatin1String("C") || name == QLatin1String("POSIX")) return fallback;
    const QLocale locale(name);
    return locale.language() == QLocale::C ? fallback : locale;
}

}  // namespace quillmere
