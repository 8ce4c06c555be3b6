#include "export/schedule_workbook.h"

#include <QString>

#include <algorithm>
#include <array>
#include <string>

#include "export/workbook_writer.h"

namespace quillmere {
namespace {

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

}  // namespace

QString WriteScheduleWorkbook(const QString& path, const ScheduleValues& values, const LocaleMoneyFormatter& money,
                              const WorkbookLoan& terms, const QString& temporaryFolder) {
    WorkbookWriter workbook(path, "Loan Payment Schedule", money, temporaryFolder);
    lxw_worksheet* schedule = workbook.AddSheet("Schedule");
    lxw_worksheet* loan = workbook.AddSheet("Loan");
    if (schedule != nullptr && loan != nullptr) {
        WriteScheduleSheet(schedule, values, workbook.Formats());
        WriteLoanSheet(loan, values, workbook.Formats(), terms, money);
    }
    return workbook.Finish();
}

}  // namespace quillmere
