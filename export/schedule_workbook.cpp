#include "export/schedule_workbook.h"

#include <QDir>
#include <QString>

#include <xlsxwriter.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <memory>
#include <string>

#include "export/c_numeric_locale.h"
#include "files/safe_file.h"

namespace quillmere {
namespace {

constexpr double kMinimumColumnWidth = 8.43;  // the spreadsheets' default, in characters
constexpr double kColumnPadding = 2;
QString NoMemory() { return QStringLiteral("There is not enough memory to write the workbook."); }

struct WorkbookCloser {
    void operator()(lxw_workbook* workbook) const { workbook_close(workbook); }
};
using WorkbookHandle = std::unique_ptr<lxw_workbook, WorkbookCloser>;

// The workbook's cell formats, plain and bold.
struct CellFormats {
    CellFormats(lxw_workbook* workbook, const SpreadsheetFormats& codes) {
        for (const bool bold : {false, true}) {
            Styles& styles = bold ? boldStyles : plain;
            styles.text = Add(workbook, nullptr, bold);
            styles.money = Add(workbook, codes.money.c_str(), bold);
            styles.date = Add(workbook, codes.date.c_str(), bold);
            styles.integer = Add(workbook, codes.integer.c_str(), bold);
        }
        percent = Add(workbook, codes.percent.c_str(), false);
    }

    struct Styles {
        lxw_format* text = nullptr;
        lxw_format* money = nullptr;
        lxw_format* date = nullptr;
        lxw_format* integer = nullptr;

        [[nodiscard]] lxw_format* For(CellValue::Kind kind) const {
            switch (kind) {
                case CellValue::Kind::Money:
                    return money;
                case CellValue::Kind::Date:
                    return date;
                case CellValue::Kind::Integer:
                    return integer;
                case CellValue::Kind::Text:
                case CellValue::Kind::Empty:
                    break;
            }
            return text;
        }
    };
    Styles plain;
    Styles boldStyles;
    lxw_format* percent = nullptr;

private:
    static lxw_format* Add(lxw_workbook* workbook, const char* code, bool bold) {
        lxw_format* format = workbook_add_format(workbook);
        if (format == nullptr) return nullptr;
        if (code != nullptr) format_set_num_format(format, code);
        if (bold) format_set_bold(format);
        return format;
    }
};

void WriteCell(lxw_worksheet* sheet, lxw_row_t row, lxw_col_t col, const CellValue& cell, lxw_format* format) {
    switch (cell.kind) {
        case CellValue::Kind::Money:
            worksheet_write_number(sheet, row, col, cell.money.ToDouble(), format);
            break;
        case CellValue::Kind::Date:
            worksheet_write_number(sheet, row, col, static_cast<double>(SpreadsheetDateSerial(cell.date)), format);
            break;
        case CellValue::Kind::Integer:
            worksheet_write_number(sheet, row, col, static_cast<double>(cell.integer), format);
            break;
        case CellValue::Kind::Text:
            worksheet_write_string(sheet, row, col, cell.text.c_str(), format);
            break;
        case CellValue::Kind::Empty:
            break;
    }
}

// Characters of a text as a spreadsheet counts them: one per code point.
double TextWidth(const std::string& text) {
    return static_cast<double>(std::count_if(text.begin(), text.end(), [](char c) {
        return (static_cast<unsigned char>(c) & 0xC0U) != 0x80U;  // not a continuation byte
    }));
}

// Every column as wide as its widest text; a date shows its year in four
// digits where the grid has two.
std::array<double, ScheduleGrid::kColumns> ColumnWidths(const ScheduleValues& values) {
    std::array<double, ScheduleGrid::kColumns> widths{};
    for (std::size_t col = 0; col < widths.size(); ++col) widths[col] = TextWidth(values.headers[col]);
    for (const ScheduleRowValues& row : values.rows) {
        for (std::size_t col = 0; col < widths.size(); ++col) {
            const CellValue& cell = row.cells[col];
            const double width = TextWidth(cell.text) + (cell.kind == CellValue::Kind::Date ? 2 : 0);
            widths[col] = std::max(widths[col], width);
        }
    }
    for (double& width : widths) width = std::max(width + kColumnPadding, kMinimumColumnWidth);
    return widths;
}

void WriteScheduleSheet(lxw_worksheet* sheet, const ScheduleValues& values, const CellFormats& formats) {
    const std::array<double, ScheduleGrid::kColumns> widths = ColumnWidths(values);
    for (std::size_t col = 0; col < widths.size(); ++col) {
        const auto column = static_cast<lxw_col_t>(col);
        worksheet_set_column(sheet, column, column, widths[col], nullptr);
    }
    worksheet_freeze_panes(sheet, 1, 2);
    for (std::size_t col = 0; col < values.headers.size(); ++col) {
        worksheet_write_string(sheet, 0, static_cast<lxw_col_t>(col), values.headers[col].c_str(),
                               formats.boldStyles.text);
    }
    lxw_row_t sheetRow = 1;
    for (const ScheduleRowValues& row : values.rows) {
        const CellFormats::Styles& styles = row.IsTotals() ? formats.boldStyles : formats.plain;
        for (std::size_t col = 0; col < row.cells.size(); ++col) {
            const CellValue& cell = row.cells[col];
            WriteCell(sheet, sheetRow, static_cast<lxw_col_t>(col), cell, styles.For(cell.kind));
        }
        ++sheetRow;
    }
}

// The plan of extra payments in the rows below `row`, labelled as the Extra
// Payments window labels its boxes and typed like the loan's values. Each
// label, and each one-time extra, starts a row. Returns the widest text of
// each of the two columns.
std::array<double, 2> WritePlanRows(lxw_worksheet* sheet, lxw_row_t row, const ExtraPaymentPlan& plan,
                                    const CellFormats& formats, const LocaleMoneyFormatter& money) {
    std::array<double, 2> widths{};
    const auto fit = [&](lxw_col_t col, const std::string& shown) {
        widths.at(col) = std::max(widths.at(col), TextWidth(shown));
    };
    const auto text = [&](lxw_col_t col, const std::string& value, lxw_format* format) {
        worksheet_write_string(sheet, row, col, value.c_str(), format);
        fit(col, value);
    };
    const auto integer = [&](lxw_col_t col, int value) {
        worksheet_write_number(sheet, row, col, value, formats.plain.integer);
        fit(col, std::to_string(value));
    };
    const auto amount = [&](lxw_col_t col, Currency value) {
        worksheet_write_number(sheet, row, col, value.ToDouble(), formats.plain.money);
        fit(col, money.Format(value));
    };
    // A month outside 1 to 12 has no name: its cell stays empty.
    const QString month = money.Locale().standaloneMonthName(plan.yearlyMonth, QLocale::LongFormat);
    const char* mode = plan.mode == ExtraMode::PayOffSooner ? "Pay off sooner" : "Lower my payment";
    const auto label = [&](const char* name) {
        ++row;
        text(0, name, formats.boldStyles.text);
    };
    label("Extra each month");
    amount(1, plan.monthly);
    label("Starting with payment");
    integer(1, plan.startPayment);
    label("Extra each year");
    amount(1, plan.yearly);
    label("In month");
    if (!month.isEmpty()) text(1, month.toStdString(), formats.plain.text);
    label("What the extra does");
    text(1, mode, formats.plain.text);
    label("One-time extra payments");
    if (plan.oneTime.empty()) {
        text(1, "None", formats.plain.text);
        return widths;
    }
    label("Payment");
    text(1, "Amount", formats.boldStyles.text);
    for (const OneTimeExtra& extra : plan.oneTime) {
        ++row;
        integer(0, extra.payment);
        amount(1, extra.amount);
    }
    return widths;
}

// The loan: a label in the first column, its value beside it; below them,
// after an empty row, the plan of extra payments where there is one. The
// columns are as wide as before for the loan alone and widen for the plan.
void WriteLoanSheet(lxw_worksheet* sheet, const ScheduleValues& values, const CellFormats& formats,
                    const WorkbookLoan& terms, const LocaleMoneyFormatter& money) {
    constexpr double kLabelWidth = 18;
    constexpr double kValueWidth = 22;
    const ScheduleRowValues* first = values.FirstPayment();
    const ScheduleRowValues* last = values.LastPayment();
    const ScheduleRowValues* totals = values.Totals();
    lxw_row_t row = 0;
    const auto line = [&](const char* label, const CellValue* value, double number, lxw_format* format) {
        worksheet_write_string(sheet, row, 0, label, formats.boldStyles.text);
        if (value != nullptr) {
            WriteCell(sheet, row, 1, *value, formats.plain.For(value->kind));
        } else if (first != nullptr) {
            worksheet_write_number(sheet, row, 1, number, format);
        }
        ++row;
    };
    const auto cell = [](const ScheduleRowValues* source, int col) {
        return source == nullptr ? nullptr : &source->cells[static_cast<std::size_t>(col)];
    };
    const WorkbookExtras* extras = terms.extras ? &*terms.extras : nullptr;
    line("Principal", nullptr, terms.principal, formats.plain.money);
    if (extras != nullptr) {
        line("Months", nullptr, extras->months, formats.plain.integer);
    } else {
        line("Months", cell(last, kColNumber), 0, nullptr);
    }
    line("Annual rate", nullptr, terms.annualRatePercent / 100, formats.percent);
    line("First payment", cell(first, kColDate), 0, nullptr);
    if (extras != nullptr) {
        line("Monthly payment", nullptr, extras->levelPayment, formats.plain.money);
    } else {
        line("Monthly payment", cell(first, kColPayment), 0, nullptr);
    }
    line("Total interest", cell(totals, kColInterest), 0, nullptr);
    std::array<double, 2> planWidths{};
    if (extras != nullptr) planWidths = WritePlanRows(sheet, row, extras->plan, formats, money);
    worksheet_set_column(sheet, 0, 0, std::max(kLabelWidth, planWidths[0] + kColumnPadding), nullptr);
    worksheet_set_column(sheet, 1, 1, std::max(kValueWidth, planWidths[1] + kColumnPadding), nullptr);
}

// libxlsxwriter's errors that come from a failed call to the system, whose
// errno says why.
bool IsSystemFailure(lxw_error error) {
    switch (error) {
        case LXW_ERROR_CREATING_XLSX_FILE:
        case LXW_ERROR_CREATING_TMPFILE:
        case LXW_ERROR_READING_TMPFILE:
        case LXW_ERROR_ZIP_FILE_OPERATION:
        case LXW_ERROR_ZIP_FILE_ADD:
        case LXW_ERROR_ZIP_CLOSE:
            return true;
        default:
            return false;
    }
}

// Every file libxlsxwriter writes lies in the temporary folder: why writing
// there failed, from the system's error where it made one, or else in
// libxlsxwriter's words.
QString TemporaryFolderFailure(const QString& folder, lxw_error error, int systemError) {
    if (error == LXW_ERROR_MEMORY_MALLOC_FAILED) return NoMemory();
    if (systemError == ENOSPC) return TemporaryFolderFullReason(folder);
    QString why = systemError != 0 ? qt_error_string(systemError) : QString::fromUtf8(lxw_strerror(error));
    while (why.endsWith(QLatin1Char('.'))) why.chop(1);
    return QStringLiteral("The workbook could not be written in the temporary folder %1: %2.")
        .arg(QDir::toNativeSeparators(folder), why);
}

}  // namespace

QString WriteScheduleWorkbook(const QString& path, const ScheduleValues& values, const LocaleMoneyFormatter& money,
                              const WorkbookLoan& terms, const QString& temporaryFolder) {
    // libxlsxwriter prints every number with the C library: "1580,17" under
    // a decimal-comma locale, which a spreadsheet reads as 1580.
    const CNumericLocale numbers;
    if (!numbers.InForce()) return NoMemory();
    const std::string file = path.toStdString();
    std::string folder = temporaryFolder.toStdString();
    lxw_workbook_options options{};
    options.constant_memory = LXW_TRUE;
    options.tmpdir = folder.data();
    WorkbookHandle workbook(workbook_new_opt(file.c_str(), &options));
    if (!workbook) return NoMemory();
    std::string title = "Loan Payment Schedule";
    lxw_doc_properties properties{};
    properties.title = title.data();
    workbook_set_properties(workbook.get(), &properties);
    const CellFormats cellFormats(workbook.get(), FormatsFor(money));
    // A sheet's rows go to a file of its own in the temporary folder.
    errno = 0;
    lxw_worksheet* schedule = workbook_add_worksheet(workbook.get(), "Schedule");
    lxw_worksheet* loan = workbook_add_worksheet(workbook.get(), "Loan");
    if (schedule == nullptr || loan == nullptr) {
        return TemporaryFolderFailure(temporaryFolder, LXW_ERROR_CREATING_TMPFILE, errno);
    }
    WriteScheduleSheet(schedule, values, cellFormats);
    WriteLoanSheet(loan, values, cellFormats, terms, money);
    errno = 0;
    const lxw_error closed = workbook_close(workbook.release());
    const int systemError = errno;
    if (closed == LXW_NO_ERROR) return {};
    return TemporaryFolderFailure(temporaryFolder, closed, IsSystemFailure(closed) ? systemError : 0);
}

}  // namespace quillmere
