#include "money/plan_text_reader.h"

#include "schedule/loan_calculation.h"

#include <QString>

#include <cmath>
#include <stdexcept>

namespace quillmere {
namespace {

QString FromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())).trimmed();
}

template <typename T>
BoxReading<T> Refused(const QString& message) {
    return {std::nullopt, message.toStdString()};
}

BoxReading<Currency> NegativeAmount() {
    return Refused<Currency>(QStringLiteral("An extra payment can't be negative."));
}

// No extra can be larger than the largest loan.
BoxReading<Currency> TooLargeAmount(const QLocale& locale) {
    return Refused<Currency>(QStringLiteral("Type an amount of at most %1.")
                                 .arg(locale.toString(static_cast<qlonglong>(kPrincipalCeiling))));
}

}  // namespace

PlanTextReader::PlanTextReader(const QLocale& locale) : money_(locale) {}

BoxReading<Currency> PlanTextReader::Amount(std::string_view text) const {
    const QLocale& locale = money_.Locale();
    const QString typed = FromUtf8(text);
    if (typed.isEmpty()) return {Currency(), {}};
    if (const auto written = money_.Parse(typed.toStdString())) return FromMinorUnits(written->minorUnits);

    QString number = typed;
    for (const QLocale::CurrencySymbolFormat format : {QLocale::CurrencySymbol, QLocale::CurrencyIsoCode}) {
        const QString symbol = locale.currencySymbol(format);
        if (!symbol.isEmpty()) number.remove(symbol);
    }
    const std::optional<double> value = LocaleNumber(number.trimmed());
    if (!value) {
        return Refused<Currency>(
            QStringLiteral("Type an amount such as %1.").arg(locale.toString(1234.56, 'f', money_.Decimals())));
    }
    // Compared before rounding, so no amount is too large to round.
    if (*value < 0) return NegativeAmount();
    if (*value > kPrincipalCeiling) return TooLargeAmount(locale);
    return FromMinorUnits(RoundScaled(*value, money_.MinorPerUnit(), TieBreak::AwayFromZero));
}

BoxReading<int> PlanTextReader::PaymentNumber(std::string_view text, int lastPayment) const {
    if (lastPayment < 1 || lastPayment > kMonthsCeiling) throw std::invalid_argument("no such last payment");
    const QString typed = FromUtf8(text);
    bool ok = false;
    int number = money_.Locale().toInt(typed, &ok);
    if (!ok) number = QLocale::c().toInt(typed, &ok);
    if (ok && number >= 1 && number <= lastPayment) return {number, {}};
    return Refused<int>(QStringLiteral("Type a payment number from %1 to %2.")
                            .arg(money_.Locale().toString(1), money_.Locale().toString(lastPayment)));
}

PlanReading PlanTextReader::Plan(const PlanTexts& texts, int lastPayment) const {
    if (texts.yearlyMonth < 1 || texts.yearlyMonth > 12) throw std::invalid_argument("no such month");
    PlanReading reading;
    ExtraPaymentPlan plan;
    plan.mode = texts.mode;
    plan.yearlyMonth = texts.yearlyMonth;
    const auto take = [&reading](auto box, PlanBox where, int row, auto& into) {
        if (box.value) {
            into = *box.value;
        } else {
            reading.messages.push_back({where, row, std::move(box.message)});
        }
    };
    take(Amount(texts.monthly), PlanBox::Monthly, 0, plan.monthly);
    take(PaymentNumber(texts.startPayment, lastPayment), PlanBox::StartPayment, 0, plan.startPayment);
    take(Amount(texts.yearly), PlanBox::Yearly, 0, plan.yearly);
    for (std::size_t i = 0; i < texts.oneTime.size(); ++i) {
        const PlanTexts::OneTime& row = texts.oneTime[i];
        if (FromUtf8(row.payment).isEmpty() && FromUtf8(row.amount).isEmpty()) continue;
        OneTimeExtra extra;
        take(PaymentNumber(row.payment, lastPayment), PlanBox::OneTimePayment, static_cast<int>(i), extra.payment);
        take(Amount(row.amount), PlanBox::OneTimeAmount, static_cast<int>(i), extra.amount);
        plan.oneTime.push_back(extra);
    }
    if (reading.messages.empty()) reading.plan = std::move(plan);
    return reading;
}

std::optional<double> PlanTextReader::LocaleNumber(const QString& text) const {
    bool ok = false;
    double value = money_.Locale().toDouble(text, &ok);
    if (!ok) value = QLocale::c().toDouble(text, &ok);
    if (!ok || !std::isfinite(value)) return std::nullopt;
    return value;
}

BoxReading<Currency> PlanTextReader::FromMinorUnits(std::int64_t minorUnits) const {
    if (minorUnits < 0) return NegativeAmount();
    const std::int64_t minorPerUnit = money_.MinorPerUnit();
    if (minorUnits > static_cast<std::int64_t>(kPrincipalCeiling) * minorPerUnit) {
        return TooLargeAmount(money_.Locale());
    }
    return {Currency::FromRaw(minorUnits * (Currency::kScale / minorPerUnit)), {}};
}

}  // namespace quillmere
