#include "money/amount_text_reader.h"

#include "schedule/loan_calculation.h"

#include <QCoreApplication>
#include <QString>

#include <cmath>
#include <utility>

namespace quillmere {
namespace {

template <typename T>
BoxReading<T> Refused(std::string message) {
    return {std::nullopt, std::move(message)};
}

// No amount can be larger than the largest loan.
BoxReading<Currency> TooLargeAmount(const QLocale& locale) {
    return Refused<Currency>(QCoreApplication::translate("AmountTextReader", "Type an amount of at most %1.")
                                 .arg(locale.toString(static_cast<qlonglong>(kPrincipalCeiling)))
                                 .toStdString());
}

}  // namespace

QString TrimmedText(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())).trimmed();
}

AmountTextReader::AmountTextReader(const QLocale& locale, std::string negativeMessage)
    : money_(locale), negativeMessage_(std::move(negativeMessage)) {}

BoxReading<Currency> AmountTextReader::Amount(std::string_view text) const {
    const QLocale& locale = money_.Locale();
    const QString typed = TrimmedText(text);
    if (typed.isEmpty()) return {Currency(), {}};
    if (const auto written = money_.Parse(typed.toStdString())) return FromMinorUnits(written->minorUnits);

    QString number = typed;
    for (const QLocale::CurrencySymbolFormat format : {QLocale::CurrencySymbol, QLocale::CurrencyIsoCode}) {
        const QString symbol = locale.currencySymbol(format);
        if (!symbol.isEmpty()) number.remove(symbol);
    }
    const std::optional<double> value = Number(number.toStdString());
    if (!value) {
        //: %1 is an example amount, 1234.56 written in the user's locale
        return Refused<Currency>(QCoreApplication::translate("AmountTextReader", "Type an amount such as %1.")
                                     .arg(locale.toString(1234.56, 'f', money_.Decimals()))
                                     .toStdString());
    }
    // Compared before rounding, so no amount is too large to round.
    if (*value < 0) return Refused<Currency>(negativeMessage_);
    if (*value > kPrincipalCeiling) return TooLargeAmount(locale);
    return FromMinorUnits(RoundScaled(*value, money_.MinorPerUnit(), TieBreak::AwayFromZero));
}

std::optional<double> AmountTextReader::Number(std::string_view text) const {
    const QString typed = TrimmedText(text);
    bool ok = false;
    double value = money_.Locale().toDouble(typed, &ok);
    if (!ok) value = QLocale::c().toDouble(typed, &ok);
    if (!ok || !std::isfinite(value)) return std::nullopt;
    return value;
}

std::optional<int> AmountTextReader::WholeNumber(std::string_view text) const {
    const QString typed = TrimmedText(text);
    bool ok = false;
    int number = money_.Locale().toInt(typed, &ok);
    if (!ok) number = QLocale::c().toInt(typed, &ok);
    if (!ok) return std::nullopt;
    return number;
}

BoxReading<Currency> AmountTextReader::FromMinorUnits(std::int64_t minorUnits) const {
    if (minorUnits < 0) return Refused<Currency>(negativeMessage_);
    const std::int64_t minorPerUnit = money_.MinorPerUnit();
    if (minorUnits > static_cast<std::int64_t>(kPrincipalCeiling) * minorPerUnit) {
        return TooLargeAmount(money_.Locale());
    }
    return {Currency::FromRaw(minorUnits * (Currency::kScale / minorPerUnit)), {}};
}

}  // namespace quillmere
