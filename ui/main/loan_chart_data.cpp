#include "ui/main/loan_chart_data.h"

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

// The month and the full year of a payment date text ("11/15/07"), the
// century taken so that the year lies within fifty of `nearYear`.
std::optional<std::pair<int, int>> MonthAndYear(const std::string& text, int nearYear) {
    const QString date = QString::fromStdString(text);
    bool monthOk = false;
    bool yearOk = false;
    const int month = date.section(QLatin1Char('/'), 0, 0).toInt(&monthOk);
    const int twoDigits = date.section(QLatin1Char('/'), 2, 2).toInt(&yearOk);
    if (!monthOk || !yearOk || month < 1 || month > kMonthsPerYear) return std::nullopt;
    int year = nearYear - nearYear % kCentury + twoDigits;
    if (year > nearYear + kCentury / 2) year -= kCentury;
    if (year < nearYear - kCentury / 2) year += kCentury;
    return std::pair(month, year);
}

}  // namespace

QString Isolated(const QString& text) { return QChar(0x2068) + text + QChar(0x2069); }

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
    std::optional<std::pair<int, int>> first;
    for (int row = 1; row < grid.Rows(); ++row) {
        const std::string& date = grid.TextMatrix(row, kColDate);
        if (date == kYearTotalsMarker) {
            const auto interest = Amount(money, grid.TextMatrix(row, kColInterest));
            const auto principal = Amount(money, grid.TextMatrix(row, kColApplied));
            if (first && interest && principal) {
                data.years.push_back({first->second + static_cast<int>(data.years.size()), *interest, *principal});
            }
        } else if (grid.TextMatrix(row, kColNumber) == kTotalsMarker) {
            data.totalInterest = QString::fromStdString(grid.TextMatrix(row, kColInterest));
        } else if (const int number = QString::fromStdString(grid.TextMatrix(row, kColNumber)).toInt(); number > 0) {
            if (!first) first = MonthAndYear(date, nearYear);
            const auto balance = Amount(money, grid.TextMatrix(row, kColBalance));
            if (!first || !balance) continue;
            const int month = first->first - 1 + number - 1;
            data.balances.push_back({number, first->second + static_cast<double>(month) / kMonthsPerYear, *balance});
            data.payoffDate = QString::fromStdString(date);
        }
    }
    return data;
}

}  // namespace quillmere
