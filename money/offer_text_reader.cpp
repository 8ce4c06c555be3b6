#include "money/offer_text_reader.h"

#include "schedule/loan_calculation.h"

#include <QCoreApplication>
#include <QString>

#include <cmath>
#include <utility>

namespace quillmere {
namespace {

template <typename T>
BoxReading<T> Refused(const QString& message) {
    return {std::nullopt, message.toStdString()};
}

QString NotPositiveMessage() {
    return QCoreApplication::translate("OfferTextReader", "Type an amount greater than 0.");
}

}  // namespace

OfferTextReader::OfferTextReader(const QLocale& locale)
    : amounts_(locale, NotPositiveMessage().toStdString()),
      fees_(locale, QCoreApplication::translate("OfferTextReader", "Fees can't be negative.").toStdString()) {}

OfferReading OfferTextReader::Read(const OfferTexts& texts) const {
    OfferReading reading;
    OfferInputs inputs;
    const auto take = [&reading](auto box, OfferBox where, auto& into) {
        if (box.value) {
            into = std::move(*box.value);
        } else {
            reading.messages.push_back({where, std::move(box.message)});
        }
    };
    take(PositiveAmount(texts.amount), OfferBox::Amount, inputs.amount);
    take(Months(texts.months), OfferBox::Months, inputs.months);
    take(Rate(texts.rate), OfferBox::Rate, inputs.annualRate);
    take(PositiveAmount(texts.payment), OfferBox::Payment, inputs.payment);
    std::optional<Currency> fees;
    take(fees_.Amount(texts.fees), OfferBox::Fees, fees);
    if (fees) inputs.fees = fees->ToDouble();
    if (reading.messages.empty()) reading.inputs = inputs;
    return reading;
}

BoxReading<std::optional<double>> OfferTextReader::PositiveAmount(std::string_view text) const {
    if (TrimmedText(text).isEmpty()) return {std::optional<double>(), {}};
    BoxReading<Currency> amount = amounts_.Amount(text);
    if (!amount.value) return {std::nullopt, std::move(amount.message)};
    if (*amount.value <= Currency()) return Refused<std::optional<double>>(NotPositiveMessage());
    return {std::optional<double>(amount.value->ToDouble()), {}};
}

BoxReading<std::optional<int>> OfferTextReader::Months(std::string_view text) const {
    if (TrimmedText(text).isEmpty()) return {std::optional<int>(), {}};
    const std::optional<int> months = amounts_.WholeNumber(text);
    if (months && *months >= 1 && *months <= kMonthsCeiling) return {months, {}};
    const QLocale& locale = Money().Locale();
    return Refused<std::optional<int>>(
        QCoreApplication::translate("OfferTextReader", "Type a whole number of months from %1 to %2.")
            .arg(locale.toString(1), locale.toString(static_cast<int>(kMonthsCeiling))));
}

BoxReading<std::optional<Currency>> OfferTextReader::Rate(std::string_view text) const {
    QString typed = TrimmedText(text);
    if (typed.isEmpty()) return {std::optional<Currency>(), {}};
    // "6.5 %" and "6,5%" are rates as much as "6.5" is.
    typed.remove(Money().Locale().percent()).remove(QLatin1Char('%'));
    const std::optional<double> rate = amounts_.Number(typed.toStdString());
    if (rate && *rate >= 0 && *rate < 2 * kRateCeiling &&
        Currency::FromDouble(*rate) <= Currency::FromDouble(kRateCeiling)) {
        return {std::optional<Currency>(Currency::FromDouble(*rate)), {}};
    }
    const QLocale& locale = Money().Locale();
    //: The annual interest rate in percent; %1 and %2 are its lowest and highest numbers
    return Refused<std::optional<Currency>>(QCoreApplication::translate("OfferTextReader", "Type a rate from %1 to %2.")
                                                .arg(locale.toString(0), locale.toString(kRateCeiling)));
}

}  // namespace quillmere
