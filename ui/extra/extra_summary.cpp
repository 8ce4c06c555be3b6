#include "ui/extra/extra_summary.h"

#include <QCoreApplication>
#include <QDate>

#include "money/locale_money_formatter.h"
#include "ui/chart/loan_chart_data.h"

namespace quillmere {
namespace {

using Pieces = LoanChartData::Pieces;

QString Piece(const QString& text, Pieces pieces) { return pieces == Pieces::Isolated ? Isolated(text) : text; }

QString Money(const LocaleMoneyFormatter& money, double amount, Pieces pieces) {
    return Piece(QString::fromStdString(money.Format(amount)), pieces);
}

// Every sentence here is one translatable whole; the counts pick the plural.
QString Ending(bool withExtras, const ScheduleSummary& schedule, const LocaleMoneyFormatter& money, Pieces pieces) {
    const QString sentence =
        withExtras ? QCoreApplication::translate("ExtraSummary",
                                                 "With extras: paid off on %1 after %2 payment(s); total interest %3.",
                                                 nullptr, schedule.payments)
                   : QCoreApplication::translate(
                         "ExtraSummary", "Without extras: paid off on %1 after %2 payment(s); total interest %3.",
                         nullptr, schedule.payments);
    return sentence.arg(Piece(PaymentDateWithFullYear(schedule.payoff, money.Locale()), pieces),
                        Piece(money.Locale().toString(schedule.payments), pieces),
                        Money(money, schedule.totalInterest, pieces));
}

// "8 years 5 months", "1 year", "3 months".
QString Duration(int months, const QLocale& locale, Pieces pieces) {
    const int wholeYears = months / 12;
    const int moreMonths = months % 12;
    QString years = QCoreApplication::translate("ExtraSummary", "%1 year(s)", nullptr, wholeYears)
                        .arg(Piece(locale.toString(wholeYears), pieces));
    QString rest = QCoreApplication::translate("ExtraSummary", "%1 month(s)", nullptr, moreMonths)
                       .arg(Piece(locale.toString(moreMonths), pieces));
    if (moreMonths == 0) return years;
    if (wholeYears == 0) return rest;
    //: A duration: %1 is the years, %2 the months ("8 years 5 months")
    return QCoreApplication::translate("ExtraSummary", "%1 %2").arg(years, rest);
}

QString Saving(const ExtraPaymentSummary& summary, const LocaleMoneyFormatter& money, Pieces pieces) {
    const QString saved = Money(money, summary.InterestSaved(), pieces);
    const int sooner = summary.MonthsSooner();
    if (sooner <= 0)
        return QCoreApplication::translate("ExtraSummary", "Interest saved: %1; paid off in the same month.")
            .arg(saved);
    //: %2 is a duration such as "8 years 5 months"
    return QCoreApplication::translate("ExtraSummary", "Interest saved: %1; paid off %2 sooner.")
        .arg(saved, Duration(sooner, money.Locale(), pieces));
}

QString Numbered(const NumberedPayment& payment, const LocaleMoneyFormatter& money, Pieces pieces) {
    //: An amount and the number of the payment it is
    return QCoreApplication::translate("ExtraSummary", "%1 (payment %2)")
        .arg(Money(money, payment.amount, pieces), Piece(money.Locale().toString(payment.number), pieces));
}

QString LoweredPayment(const ExtraPaymentSummary& summary, const LocaleMoneyFormatter& money, Pieces pieces) {
    const QString first = Numbered(*summary.paymentAfterFirstExtra, money, pieces);
    if (!summary.paymentBeforeLast) {
        return QCoreApplication::translate("ExtraSummary", "Monthly payment after the first extra: %1.").arg(first);
    }
    return QCoreApplication::translate("ExtraSummary",
                                       "Monthly payment after the first extra: %1; before the last payment: %2.")
        .arg(first, Numbered(*summary.paymentBeforeLast, money, pieces));
}

}  // namespace

QString ExtraSummaryText(const ExtraPaymentSummary& summary, const LocaleMoneyFormatter& money, Pieces pieces) {
    QStringList lines{Ending(true, summary.withExtras, money, pieces),
                      Ending(false, summary.withoutExtras, money, pieces), Saving(summary, money, pieces)};
    if (summary.paymentAfterFirstExtra) lines << LoweredPayment(summary, money, pieces);
    for (QString& line : lines) line = WithOneFullStop(line);
    return lines.join(pieces == Pieces::Isolated ? QStringLiteral("\n") : QStringLiteral(" "));
}

QString ExtraSummaryText(NoExtraSchedule reason) {
    switch (reason) {
        case NoExtraSchedule::NoLoan:
            return QCoreApplication::translate("ExtraSummary", "Calculate a loan in the main window first.");
        case NoExtraSchedule::WaitingForFill:
            return QCoreApplication::translate("ExtraSummary",
                                               "Waiting for the main window to finish its schedule\u2026");
        case NoExtraSchedule::PlanToMend:
            return QCoreApplication::translate("ExtraSummary",
                                               "Mend the marked boxes to see the schedule with extra payments.");
        case NoExtraSchedule::OutOfRange:
            break;
    }
    return QCoreApplication::translate("ExtraSummary",
                                       "These extra payments take an amount beyond what the calculator can hold.");
}

}  // namespace quillmere
