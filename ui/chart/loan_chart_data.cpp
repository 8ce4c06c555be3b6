#include "ui/chart/loan_chart_data.h"

#include <QCoreApplication>

#include <QRegularExpression>

#include <charconv>
#include <optional>
#include <system_error>

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

// A payment row's number ("1" to "9999", as the grid writes them), or 0
// for any other row: a totals row, an empty one.
int PaymentNumber(const std::string& text) {
    int number = 0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, number);
    return error == std::errc{} && stop == end && number > 0 ? number : 0;
}

// The payment rows of a grid, read one at a time in order: the first one
// read fixes the year the others count from.
class PaymentRows {
public:
    PaymentRows(const LocaleMoneyFormatter& money, int nearYear) : money_(money), nearYear_(nearYear) {}

    // Row `row`'s payment, where it is a payment row whose date and balance read.
    std::optional<LoanChartData::Balance> Read(const ScheduleGrid& grid, int row) {
        const int number = PaymentNumber(grid.TextMatrix(row, kColNumber));
        if (number == 0) return std::nullopt;
        if (!first_) first_ = MonthAndYear(grid.TextMatrix(row, kColDate), nearYear_);
        const auto balance = Amount(money_, grid.TextMatrix(row, kColBalance));
        if (!first_ || !balance) return std::nullopt;
        const int month = first_->month - 1 + number - 1;
        return LoanChartData::Balance{number, first_->year + static_cast<double>(month) / kMonthsPerYear, *balance};
    }
    [[nodiscard]] const std::optional<MonthOfYear>& First() const { return first_; }

private:
    const LocaleMoneyFormatter& money_;
    int nearYear_;
    std::optional<MonthOfYear> first_;
};

}  // namespace

QString Isolated(const QString& text) { return QChar(0x2068) + text + QChar(0x2069); }

QString WithOneFullStop(QString sentence) {
    if (!sentence.endsWith(QLatin1Char('.'))) return sentence;
    qsizetype before = sentence.size() - 2;
    while (before >= 0 && sentence[before] == QChar(0x2069)) --before;  // past the amount's isolation
    if (before >= 0 && sentence[before] == QLatin1Char('.')) sentence.chop(1);
    return sentence;
}

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
    if (IsEmpty()) {
        return emptyNote.isEmpty()
                   ? QCoreApplication::translate("LoanChart", "No schedule yet: calculate a loan to see its chart.")
                   : emptyNote;
    }
    const auto piece = [pieces](const QString& text) { return pieces == Pieces::Isolated ? Isolated(text) : text; };
    return QCoreApplication::translate("LoanChart", "Monthly payment %1; total interest %2; paid off on %3")
        .arg(piece(payment), piece(totalInterest), piece(payoffDate));
}

LoanChartData ReadChartData(const ScheduleGrid& grid, const LocaleMoneyFormatter& money, const QString& payment,
                            int nearYear) {
    LoanChartData data;
    data.payment = payment;
    PaymentRows payments(money, nearYear);
    double lastBalance = 0;
    const std::string* lastDate = nullptr;
    for (int row = 1; row < grid.Rows(); ++row) {
        const std::string& date = grid.TextMatrix(row, kColDate);
        const GridRowKind kind = grid.RowKind(row);
        if (kind == GridRowKind::YearTotals) {
            const auto interest = Amount(money, grid.TextMatrix(row, kColInterest));
            const auto principal = Amount(money, grid.TextMatrix(row, kColApplied));
            if (payments.First() && interest && principal) {
                const int year = payments.First()->year + static_cast<int>(data.years.size());
                data.years.push_back({year, *interest, *principal, lastBalance});
            }
        } else if (kind == GridRowKind::Totals) {
            data.totalInterest = QString::fromStdString(grid.TextMatrix(row, kColInterest));
        } else if (const auto point = payments.Read(grid, row)) {
            data.balances.push_back(*point);
            lastBalance = point->balance;
            lastDate = &date;
        }
    }
    if (payments.First() && lastDate != nullptr) {
        data.payoffDate = PaymentDate(*payments.First(), data.balances.back().payment, *lastDate, money.Locale());
    }
    return data;
}

std::vector<LoanChartData::Balance> ReadBalances(const ScheduleGrid& grid, const LocaleMoneyFormatter& money,
                                                 int nearYear) {
    std::vector<LoanChartData::Balance> balances;
    balances.reserve(static_cast<std::size_t>(grid.Rows()));  // more than enough: a row per payment, and totals
    PaymentRows payments(money, nearYear);
    for (int row = 1; row < grid.Rows(); ++row) {
        if (const auto point = payments.Read(grid, row)) balances.push_back(*point);
    }
    return balances;
}

QString PaymentDateWithFullYear(const CalendarDate& payoff, const QLocale& locale) {
    const QDate date(payoff.year, payoff.month, payoff.day);
    if (date.isValid()) return DateWithFullYear(date, locale);
    static const QRegularExpression dayField(QStringLiteral("(?<!d)(dd?)(?!d)"));
    const QString mark(QChar(0xFFFC));
    QString format = locale.dateFormat(QLocale::ShortFormat);
    if (!format.contains(QLatin1String("yyyy"))) format.replace(QLatin1String("yy"), QLatin1String("yyyy"));
    const QRegularExpressionMatch field = dayField.match(format);
    const bool padded = field.hasMatch() && field.capturedLength(1) == 2;
    format.replace(dayField, QStringLiteral("'") + mark + QStringLiteral("'"));
    QString day = locale.toString(payoff.day);
    if (padded && payoff.day < 10) day = locale.toString(0) + day;
    return locale.toString(QDate(payoff.year, payoff.month, 1), format).replace(mark, day);
}

}  // namespace quillmere
