#include "export/schedule_values.h"

#include <QCoreApplication>

#include <algorithm>
#include <charconv>
#include <optional>
#include <string_view>

namespace quillmere {
namespace {

constexpr int kMonthsPerYear = 12;
constexpr int kCentury = 100;

std::optional<int> WholeNumber(std::string_view text) {
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || text.empty()) return std::nullopt;
    return value;
}

struct DateText {
    int month;
    int day;
    int twoDigitYear;
};

// "03/5/07": month, day, the year's last two digits.
std::optional<DateText> ReadDateText(std::string_view text) {
    const std::size_t first = text.find('/');
    const std::size_t second = first == std::string_view::npos ? first : text.find('/', first + 1);
    if (second == std::string_view::npos) return std::nullopt;
    const auto month = WholeNumber(text.substr(0, first));
    const auto day = WholeNumber(text.substr(first + 1, second - first - 1));
    const auto year = WholeNumber(text.substr(second + 1));
    if (!month || !day || !year || *year < 0 || *year >= kCentury) return std::nullopt;
    return DateText{*month, *day, *year};
}

// Follows the payment dates from row to row: each payment's full year is the
// one after the previous payment's that ends in its two digits.
class PaymentYears {
public:
    explicit PaymentYears(int firstYear) : year_(firstYear) {}

    int Next(int twoDigitYear) {
        if (started_) year_ += ((twoDigitYear - year_ % kCentury) % kCentury + kCentury) % kCentury;
        started_ = true;
        return year_;
    }

private:
    int year_;
    bool started_ = false;
};

CellValue TextCell(const std::string& text) {
    CellValue cell;
    cell.text = text;
    cell.kind = text.empty() ? CellValue::Kind::Empty : CellValue::Kind::Text;
    return cell;
}

CellValue MoneyCell(const std::string& text, const LocaleMoneyFormatter& money) {
    CellValue cell = TextCell(text);
    if (const std::optional<MoneyAmount> amount = money.Parse(text); amount && !text.empty()) {
        cell.kind = CellValue::Kind::Money;
        cell.money = *amount;
    }
    return cell;
}

CellValue NumberCell(const std::string& text) {
    CellValue cell = TextCell(text);
    if (const std::optional<int> number = WholeNumber(text)) {
        cell.kind = CellValue::Kind::Integer;
        cell.integer = *number;
    }
    return cell;
}

// Whether every spreadsheet gives `date` the same number: 1 March 1900 to
// 31 December 9999. Spreadsheets count 1900 as a leap year, so their numbers
// of earlier days differ from one to the other; none reaches past 9999.
bool IsSpreadsheetDate(QDate date) {
    return date.isValid() && date >= QDate(1900, 3, 1) && date <= QDate(9999, 12, 31);
}

CellValue DateCell(const std::string& text, PaymentYears& years) {
    CellValue cell = TextCell(text);
    const std::optional<DateText> date = ReadDateText(text);
    if (!date) return cell;
    cell.date = FittedDate(years.Next(date->twoDigitYear), date->month, date->day);
    if (IsSpreadsheetDate(cell.date)) cell.kind = CellValue::Kind::Date;
    return cell;
}

// The totals rows by the kind the grid gives them: their labels are in the
// user's language.
ScheduleRowValues::Kind RowKind(const ScheduleGrid& grid, int row) {
    switch (grid.RowKind(row)) {
        case GridRowKind::YearTotals:
            return ScheduleRowValues::Kind::YearTotals;
        case GridRowKind::Totals:
            return ScheduleRowValues::Kind::Totals;
        case GridRowKind::Payment:
            break;
    }
    for (int col = 0; col < ScheduleGrid::kColumns; ++col) {
        if (!grid.TextMatrix(row, col).empty()) return ScheduleRowValues::Kind::Payment;
    }
    return ScheduleRowValues::Kind::Empty;
}

ScheduleRowValues ReadRow(const ScheduleGrid& grid, int row, const LocaleMoneyFormatter& money, PaymentYears& years,
                          ScheduleValues::Notes notes) {
    ScheduleRowValues values;
    values.kind = RowKind(grid, row);
    for (int col = 0; col < ScheduleGrid::kColumns; ++col) {
        const std::string& text = grid.TextMatrix(row, col);
        CellValue& cell = values.cells[static_cast<std::size_t>(col)];
        switch (col) {
            case kColDate:
                cell = values.kind == ScheduleRowValues::Kind::Payment ? DateCell(text, years) : TextCell(text);
                break;
            case kColNumber:
                cell = values.kind == ScheduleRowValues::Kind::Payment ? NumberCell(text) : TextCell(text);
                break;
            case kColPayment:
            case kColInterest:
            case kColApplied:
            case kColBalance:
                cell = MoneyCell(text, money);
                break;
            case kColNotes:
                cell = notes == ScheduleValues::Notes::Extras ? MoneyCell(text, money) : TextCell(text);
                break;
            default:
                cell = TextCell(text);
                break;
        }
    }
    return values;
}

const ScheduleRowValues* FindRow(const std::vector<ScheduleRowValues>& rows, ScheduleRowValues::Kind kind,
                                 bool fromEnd) {
    const auto matches = [kind](const ScheduleRowValues& row) { return row.kind == kind; };
    if (fromEnd) {
        const auto found = std::find_if(rows.rbegin(), rows.rend(), matches);
        return found == rows.rend() ? nullptr : &*found;
    }
    const auto found = std::find_if(rows.begin(), rows.end(), matches);
    return found == rows.end() ? nullptr : &*found;
}

}  // namespace

const ScheduleRowValues* ScheduleValues::FirstPayment() const {
    return FindRow(rows, ScheduleRowValues::Kind::Payment, false);
}

const ScheduleRowValues* ScheduleValues::LastPayment() const {
    return FindRow(rows, ScheduleRowValues::Kind::Payment, true);
}

const ScheduleRowValues* ScheduleValues::Totals() const { return FindRow(rows, ScheduleRowValues::Kind::Totals, true); }

ScheduleValues ReadScheduleValues(const ScheduleGrid& grid, const LocaleMoneyFormatter& money, int firstPaymentYear,
                                  ScheduleValues::Notes notes) {
    ScheduleValues values;
    for (int col = 0; col < ScheduleGrid::kColumns; ++col) {
        values.headers[static_cast<std::size_t>(col)] = grid.TextMatrix(0, col);
    }
    if (notes == ScheduleValues::Notes::Extras) {
        //: The heading of the column of the extra paid with each payment, in a spreadsheet
        values.headers[kColNotes] = QCoreApplication::translate("ScheduleValues", "Extra").toStdString();
    }
    values.rows.reserve(static_cast<std::size_t>(grid.Rows()));
    PaymentYears years(firstPaymentYear);
    for (int row = 1; row < grid.Rows(); ++row) values.rows.push_back(ReadRow(grid, row, money, years, notes));
    return values;
}

QDate FittedDate(int year, int month, int day) {
    if (month < 1 || month > kMonthsPerYear || day < 1) return {};
    const QDate first(year, month, 1);
    if (!first.isValid()) return {};
    return first.addDays(std::min(day, first.daysInMonth()) - 1);
}

long long SpreadsheetDateSerial(QDate date) {
    static const QDate kEpoch(1899, 12, 30);
    return kEpoch.daysTo(date);
}

}  // namespace quillmere
