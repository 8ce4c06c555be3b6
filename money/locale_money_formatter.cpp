#include "money/locale_money_formatter.h"

#include "money/environment_locale.h"

#include <QString>

namespace quillmere {
namespace {

// The longest run of `text` made of the locale's digits, group separator and
// decimal point: the number inside a money text.
QString NumberInside(const QLocale& locale, const QString& text) {
    const QString separators = locale.groupSeparator() + locale.decimalPoint();
    qsizetype bestStart = 0;
    qsizetype bestLength = 0;
    for (qsizetype start = 0; start < text.size();) {
        qsizetype end = start;
        while (end < text.size() && (text.at(end).isDigit() || separators.contains(text.at(end)))) ++end;
        if (end - start > bestLength) {
            bestStart = start;
            bestLength = end - start;
        }
        start = end + 1;
    }
    return text.mid(bestStart, bestLength);
}

}  // namespace

LocaleMoneyFormatter::LocaleMoneyFormatter() : LocaleMoneyFormatter(EnvironmentLocale()) {}

LocaleMoneyFormatter::LocaleMoneyFormatter(const QLocale& locale)
    : locale_(locale), pattern_(CurrencyPattern::Learn(locale)) {
    const int decimals = pattern_ ? pattern_->Decimals() : CurrencyPattern::CurrencyDecimals(locale);
    for (int i = 0; i < decimals; ++i) minorPerUnit_ *= 10;
}

LocaleMoneyFormatter LocaleMoneyFormatter::ThroughQLocale(const QLocale& locale) {
    LocaleMoneyFormatter money(locale);
    money.pattern_.reset();
    return money;
}

std::string LocaleMoneyFormatter::FormatMinorUnits(std::int64_t minor) const {
    if (pattern_) return pattern_->Format(minor);
    // The rounded amount, which QLocale then writes without rounding again;
    // zero as zero, so never with a sign.
    const double amount = minor == 0 ? 0.0 : static_cast<double>(minor) / static_cast<double>(minorPerUnit_);
    return locale_.toCurrencyString(amount).toStdString();
}

std::string LocaleMoneyFormatter::Format(double amount) const {
    try {
        return FormatMinorUnits(RoundScaled(amount, minorPerUnit_, TieBreak::AwayFromZero));
    } catch (const CurrencyOverflow&) {
        // Beyond an exact count of minor units (or not finite): QLocale
        // writes it as best it can.
        return locale_.toCurrencyString(amount).toStdString();
    }
}

std::string LocaleMoneyFormatter::Format(Currency amount) const {
    // Exact: from ten-thousandths to the currency's minor unit, half away from zero.
    const std::int64_t divisor = Currency::kScale / minorPerUnit_;
    const std::int64_t raw = amount.Raw();
    std::int64_t minor = raw / divisor;
    const std::int64_t rest = raw % divisor;
    if (divisor > 1 && 2 * (rest < 0 ? -rest : rest) >= divisor) minor += raw < 0 ? -1 : 1;
    return FormatMinorUnits(minor);
}

std::string LocaleMoneyFormatter::Format(MoneyAmount amount) const { return FormatMinorUnits(amount.minorUnits); }

std::optional<MoneyAmount> LocaleMoneyFormatter::Parse(std::string_view text) const {
    std::optional<std::int64_t> minor;
    if (pattern_) {
        minor = pattern_->Parse(text);
    } else {
        const QString written = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
        bool ok = false;
        const double magnitude = locale_.toDouble(NumberInside(locale_, written), &ok);
        if (ok) {
            for (const double amount : {magnitude, -magnitude}) {
                try {
                    const std::int64_t candidate = RoundScaled(amount, minorPerUnit_, TieBreak::AwayFromZero);
                    if (FormatMinorUnits(candidate) == text) minor = candidate;
                } catch (const CurrencyOverflow&) {
                }
            }
        }
    }
    if (!minor) return std::nullopt;
    return MoneyAmount{*minor, minorPerUnit_};
}

QLocale LocaleMoneyFormatter::EnvironmentLocale() {
    return quillmere::EnvironmentLocale(LocaleCategory::Monetary)
        .value_or(QLocale(QLocale::English, QLocale::UnitedStates));
}

}  // namespace quillmere
