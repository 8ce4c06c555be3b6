#include "ui/extra/extra_summary.h"

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

QString Ending(const ScheduleSummary& schedule, const LocaleMoneyFormatter& money, Pieces pieces) {
    return QStringLiteral("paid off on %1 after %2 %3; total interest %4.")
        .arg(Piece(PaymentDateWithFullYear(schedule.payoff, money.Locale()), pieces),
             Piece(money.Locale().toString(schedule.payments), pieces),
             schedule.payments == 1 ? QStringLiteral("payment") : QStringLiteral("payments"),
             Money(money, schedule.totalInterest, pieces));
}

// "8 years 5 months", "1 year", "3 months".
QString Duration(int months, const QLocale& locale, Pieces pieces) {
    const auto count = [&](int n, const char* one, const char* many) {
        return Piece(locale.toString(n), pieces) + QLatin1Char(' ') + QLatin1String(n == 1 ? one : many);
    };
    QStringList parts;
    if (months >= 12) parts << count(months / 12, "year", "years");
    if (months % 12 != 0) parts << count(months % 12, "month", "months");
    return parts.join(QLatin1Char(' '));
}

QString Saving(const ExtraPaymentSummary& summary, const LocaleMoneyFormatter& money, Pieces pieces) {
    const int sooner = summary.MonthsSooner();
    const QString when = sooner > 0 ? QStringLiteral("paid off %1 sooner").arg(Duration(sooner, money.Locale(), pieces))
                                    : QStringLiteral("paid off in the same month");
    return QStringLiteral("Interest saved: %1; %2.").arg(Money(money, summary.InterestSaved(), pieces), when);
}

QString Numbered(const NumberedPayment& payment, const LocaleMoneyFormatter& money, Pieces pieces) {
    return QStringLiteral("%1 (payment %2)")
        .arg(Money(money, payment.amount, pieces), Piece(money.Locale().toString(payment.number), pieces));
}

}  // namespace

QString ExtraSummaryText(const ExtraPaymentSummary& summary, const LocaleMoneyFormatter& money, Pieces pieces) {
    QStringList lines{QStringLiteral("With extras: ") + Ending(summary.withExtras, money, pieces),
                      QStringLiteral("Without extras: ") + Ending(summary.withoutExtras, money, pieces),
                      Saving(summary, money, pieces)};
    if (summary.paymentAfterFirstExtra) {
        QString lowered = QStringLiteral("Monthly payment after the first extra: ") +
                          Numbered(*summary.paymentAfterFirstExtra, money, pieces);
        if (summary.paymentBeforeLast) {
            lowered +=
                QStringLiteral("; before the last payment: ") + Numbered(*summary.paymentBeforeLast, money, pieces);
        }
        lines << lowered + QLatin1Char('.');
    }
    return lines.join(pieces == Pieces::Isolated ? QStringLiteral("\n") : QStringLiteral(" "));
}

QString ExtraSummaryText(NoExtraSchedule reason) {
    switch (reason) {
        case NoExtraSchedule::NoLoan:
            return QStringLiteral("Calculate a loan in the main window first.");
        case NoExtraSchedule::WaitingForFill:
            return QStringLiteral("Waiting for the main window to finish its schedule\u2026");
        case NoExtraSchedule::PlanToMend:
            return QStringLiteral("Mend the marked boxes to see the schedule with extra payments.");
        case NoExtraSchedule::OutOfRange:
            break;
    }
    return QStringLiteral("These extra payments take an amount beyond what the calculator can hold.");
}

}  // namespace quillmere
