#include "export/schedule_workbook.h"

#include <QCoreApplication>
#include <QString>

#include <algorithm>
#include <array>
#include <string>

#include "export/workbook_writer.h"

namespace quillmere {
namespace {

// The workbook's own words, in the user's language.
class Words {
    Q_DECLARE_TR_FUNCTIONS(ScheduleWorkbook)
};

constexpr char kContext[] = "ScheduleWorkbook";
//: The name of the workbook's sheet that holds the payment schedule
constexpr char kScheduleSheet[] = QT_TRANSLATE_NOOP("ScheduleWorkbook", "Schedule");
//: The name of the workbook's sheet that holds the loan's terms
constexpr char kLoanSheet[] = QT_TRANSLATE_NOOP("ScheduleWorkbook", "Loan");

// What the extra payments do, as the Extra Payments window offers it.
QString ModeText(ExtraMode mode) {
    if (mode == ExtraMode::PayOffSooner) {
        //: What the extra payments do, as the Extra Payments window offers it
        return Words::tr("Pay off sooner");
    }
    //: What the extra payments do, as the Extra Payments window offers it
    return Words::tr("Lower my payment");
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
    const auto label = [&](const QString& name) {
        ++row;
        text(0, name.toStdString(), formats.boldStyles.text);
    };
    //: The extra paid with each monthly payment
    label(Words::tr("Extra each month"));
    amount(1, plan.monthly);
    //: The payment number from which the monthly extra is paid
    label(Words::tr("Starting with payment"));
    integer(1, plan.startPayment);
    //: The extra paid once a year
    label(Words::tr("Extra each year"));
    amount(1, plan.yearly);
    //: The month in which the yearly extra is paid; the month's name follows
    label(Words::tr("In month"));
    if (!month.isEmpty()) text(1, month.toStdString(), formats.plain.text);
    label(Words::tr("What the extra does"));
    text(1, ModeText(plan.mode).toStdString(), formats.plain.text);
    label(Words::tr("One-time extra payments"));
    if (plan.oneTime.empty()) {
        //: No one-time extra payments
        text(1, Words::tr("None").toStdString(), formats.plain.text);
        return widths;
    }
    //: The number of the payment a one-time extra is paid with, as a column heading
    label(Words::tr("Payment"));
    //: The amount of a one-time extra payment, as a column heading
    text(1, Words::tr("Amount").toStdString(), formats.boldStyles.text);
    for (const OneTimeExtra& extra : plan.oneTime) {
        ++row;
        integer(0, extra.payment);
        amount(1, extra.amount);
    }
    return widths;
}

// The loan: a label in the first column, its value beside it; below them,
// after an empty row, the plan of extra payments where there is one. The
// columns are as wide as before for the loan alone and widen for the plan,
// or for a label longer in the user's language.
void WriteLoanSheet(lxw_worksheet* sheet, const ScheduleValues& values, const CellFormats& formats,
                    const WorkbookLoan& terms, const LocaleMoneyFormatter& money) {
    constexpr double kLabelWidth = 18;
    constexpr double kValueWidth = 22;
    const ScheduleRowValues* first = values.FirstPayment();
    const ScheduleRowValues* last = values.LastPayment();
    const ScheduleRowValues* totals = values.Totals();
    lxw_row_t row = 0;
    double widestLabel = 0;  // a translated label may be longer than the column
    const auto line = [&](const QString& label, const CellValue* value, double number, lxw_format* format) {
        const std::string text = label.toStdString();
        worksheet_write_string(sheet, row, 0, text.c_str(), formats.boldStyles.text);
        widestLabel = std::max(widestLabel, TextWidth(text));
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
    //: The amount borrowed
    line(Words::tr("Principal"), nullptr, terms.principal, formats.plain.money);
    //: The number of monthly payments
    const QString months = Words::tr("Months");
    if (extras != nullptr) {
        line(months, nullptr, extras->months, formats.plain.integer);
    } else {
        line(months, cell(last, kColNumber), 0, nullptr);
    }
    line(Words::tr("Annual rate"), nullptr, terms.annualRatePercent / 100, formats.percent);
    //: The date of the first payment
    line(Words::tr("First payment"), cell(first, kColDate), 0, nullptr);
    const QString payment = Words::tr("Monthly payment");
    if (extras != nullptr) {
        line(payment, nullptr, extras->levelPayment, formats.plain.money);
    } else {
        line(payment, cell(first, kColPayment), 0, nullptr);
    }
    line(Words::tr("Total interest"), cell(totals, kColInterest), 0, nullptr);
    std::array<double, 2> planWidths{};
    if (extras != nullptr) planWidths = WritePlanRows(sheet, row, extras->plan, formats, money);
    worksheet_set_column(sheet, 0, 0, std::max(kLabelWidth, std::max(widestLabel, planWidths[0]) + kColumnPadding),
                         nullptr);
    worksheet_set_column(sheet, 1, 1, std::max(kValueWidth, planWidths[1] + kColumnPadding), nullptr);
}

}  // namespace

QString WriteScheduleWorkbook(const QString& path, const ScheduleValues& values, const LocaleMoneyFormatter& money,
                              const WorkbookLoan& terms, const QString& temporaryFolder) {
    //: The workbook's title, in its document properties
    WorkbookWriter workbook(path, Words::tr("Loan Payment Schedule").toStdString(), money, temporaryFolder);
    lxw_worksheet* schedule = workbook.AddSheet(OwnSheetName(kContext, kScheduleSheet).toStdString());
    lxw_worksheet* loan = workbook.AddSheet(OwnSheetName(kContext, kLoanSheet).toStdString());
    if (schedule != nullptr && loan != nullptr) {
        WriteScheduleSheet(schedule, values, workbook.Formats());
        WriteLoanSheet(loan, values, workbook.Formats(), terms, money);
    }
    return workbook.Finish();
}

}  // namespace quillmere
