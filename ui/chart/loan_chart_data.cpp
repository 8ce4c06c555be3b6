#include "ui/chart/loan_chart_data.h"

#include <optional>

#include "money/locale_money_formatter.h"
#include "schedule/schedule_grid.h"

namespace quillmere {
namespace {

constexpr int kMonthsPerYear = 12;
constexpr int kCentury = 100;

std::optional<double> Amount(const LocaleMoneyFormatter& money, const std::string& text) {
    const std::optional<MoneyAmount> amount = money.Parse(text);
    if (!amount) return std::nullopt;
    return amount->ToDouble();
}

struct MonthOfYear {
    int month;  // 1 to 12
    int year;
};

// The month and the full year of a payment date text ("11/15/07"), the
// century taken so that the year lies within fifty of `nearYear`.
std::optional<MonthOfYear> MonthAndYear(const std::string& text, int nearYear) {
    const QString date = QString::fromStdString(text);
    bool monthOk = false;
    bool yearOk = false;
    const int month = date.section(QLatin1Char('/'), 0, 0).toInt(&monthOk);
    const int twoDigits = date.section(QLatin1Char('/'), 2, 2).toInt(&yearOk);
    if (!monthOk || !yearOk || month < 1 || month > kMonthsPerYear) return std::nullopt;
    int year = nearYear - nearYear % kCentury + twoDigits;
    if (year > nearYear + kCentury / 2) year -= kCentury;
    if (year < nearYear - kCentury / 2) year += kCentury;
    return MonthOfYear{month, year};
}

// Payment `number`'s date: its month and year counted from the first
// payment's, its day from its own text ("02/7/60"). The text itself where
// that names no day.
QString PaymentDate(const MonthOfYear& first, int number, const std::string& text, const QLocale& locale) {
    const int months = first.month - 1 + number - 1;
    bool dayOk = false;
    const int day = QString::fromStdString(text).section(QLatin1Char('/'), 1, 1).toInt(&dayOk);
    const QDate date(first.year + months / kMonthsPerYear, months % kMonthsPerYear + 1, dayOk ? day : 0);
    return date.isValid() ? DateWithFullYear(date, locale) : QString::fromStdString(text);
}

}  // namespace

QString Isolated(const QString& text) { return QChar(0x2068) + text + QChar(0x2069); }

QString DateWithFullYear(const QDate& date, const QLocale& locale) {
    QString format = locale.dateFormat(QLocale::ShortFormat);
    if (!format.contains(QLatin1String("yyyy"))) format.replace(QLatin1String("yy"), QLatin1String("yyyy"));
    return locale.toString(date, format);
}

QString YearText(int year, const QLocale& locale) {
    QLocale plain = locale;
    plain.setNumberOptions(plain.numberOptions() | QLocale::OmitGroupSeparator);
    return plain.toString(year);
}

QString LoanChartData::Summary(Pieces pieces) const {
    if (IsEmpty()) return QStringLiteral("No schedule yet: calculate a loan to see its chart.");
    const auto piece = [pieces](const QString& text) { return pieces == Pieces::Isolated ? Isolated(text) : text; };
    return QStringLiteral("Monthly payment %1; total interest %2; paid off on %3")
        .arg(piece(payment), piece(totalInterest), piece(payoffDate));
}

LoanChartData ReadChartData(const ScheduleGrid& grid, const LocaleMoneyFormatter& money, const QString& payment,
                            int nearYear) {
    LoanChartData data;
    data.payment = payment;
    std::optional<MonthOfYear> first;
    double lastBalance = 0;
    const std::string* lastDate = nullptr;
    for (int row = 1; row < grid.Rows(); ++row) {
        const std::string& date = grid.TextMatrix(row, kColDate);
        if (date == kYearTotalsMarker) {
            const auto interest = Amount(money, grid.TextMatrix(row, kColInterest));
            const auto principal = Amount(money, grid.TextMatrix(row, kColApplied));
            if (first && interest && principal) {
                const int year = first->year + static_cast<int>(data.years.size());
                data.years.push_back({year, *interest, *principal, lastBalance});
            }
        } else if (grid.TextMatrix(row, kColNumber) == kTotalsMarker) {
            data.totalInterest = QString::fromStdString(grid.TextMatrix(row, kColInterest));
        } else if (const int number = QString::fromStdString(grid.TextMatrix(row, kColNumber)).toInt(); number > 0) {
            if (!first) first = MonthAndYear(date, nearYear);
            const auto balance = Amount(money, grid.TextMatrix(row, kColBalance));
            if (!first || !balance) continue;
            const int month = first->month - 1 + number - 1;
            data.balances.push_back({number, first->year + static_cast<double>(month) / kMonthsPerYear, *balance});
            lastBalance = *balance;
            lastDate = &date;
        }
    }
    if (first && lastDate != nullptr) {
        data.payoffDate = PaymentDate(*first, data.balances.back().payment, *lastDate, money.Locale());
    }
    return data;
}

}  // namespace quillmere
