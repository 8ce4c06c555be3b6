#include "money/plan_text_reader.h"

#include "schedule/loan_calculation.h"

#include <QCoreApplication>
#include <QString>

#include <stdexcept>

namespace quillmere {

PlanTextReader::PlanTextReader(const QLocale& locale)
    : amounts_(locale,
               QCoreApplication::translate("PlanTextReader", "An extra payment can't be negative.").toStdString()) {}

BoxReading<Currency> PlanTextReader::Amount(std::string_view text) const { return amounts_.Amount(text); }

BoxReading<int> PlanTextReader::PaymentNumber(std::string_view text, int lastPayment) const {
    if (lastPayment < 1 || lastPayment > kMonthsCeiling) throw std::invalid_argument("no such last payment");
    const std::optional<int> number = amounts_.WholeNumber(text);
    if (number && *number >= 1 && *number <= lastPayment) return {*number, {}};
    const QLocale& locale = amounts_.Money().Locale();
    //: A payment's number in the schedule, the first being 1
    return {std::nullopt, QCoreApplication::translate("PlanTextReader", "Type a payment number from %1 to %2.")
                              .arg(locale.toString(1), locale.toString(lastPayment))
                              .toStdString()};
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
        if (TrimmedText(row.payment).isEmpty() && TrimmedText(row.amount).isEmpty()) continue;
        OneTimeExtra extra;
        take(PaymentNumber(row.payment, lastPayment), PlanBox::OneTimePayment, static_cast<int>(i), extra.payment);
        take(Amount(row.amount), PlanBox::OneTimeAmount, static_cast<int>(i), extra.amount);
        plan.oneTime.push_back(extra);
    }
    if (reading.messages.empty()) reading.plan = std::move(plan);
    return reading;
}

}  // namespace quillmere
