// The schedule as an Excel workbook (.xlsx), written with libxlsxwriter.
//
// Sheet "Schedule": the grid's header row and rows, every value typed: each
// amount a number in the locale's money format, the payment number an
// integer, the payment date a date in the locale's short format with a
// four-digit year (see SpreadsheetFormats); labels and anything else text.
// "Year Totals" and "Totals" rows are bold. The header row and the Date and
// Number columns are frozen, as in the grid, and every column is as wide as
// its widest text. Sheet "Loan": the loan's principal, months, annual rate,
// first payment date, monthly payment and total interest, typed likewise;
// for a schedule with extra payments, after an empty row, its plan: "Extra
// each month", "Starting with payment", "Extra each year", "In month" (the
// month's name in the money's locale), "What the extra does", then "One-time
// extra payments" with a "Payment" / "Amount" row and one row per extra, or
// "None" beside it where there are none.
// The document's title is "Loan Payment Schedule". The title, the sheets'
// names and the labels are in the user's language; the grid's own texts
// (its headers, "Year Totals" and "Totals") are as the grid has them.
//
// Rows are streamed to the file as they are written (libxlsxwriter's
// constant-memory mode), so even the longest schedule needs little memory.
#pragma once

#include <QString>

#include <optional>

#include "export/schedule_values.h"
#include "export/spreadsheet_formats.h"
#include "schedule/extra_payments.h"

namespace quillmere {

// A schedule with extra payments: their plan, and what its rows no longer
// show of the loan: the level payment (the first row's payment may carry an
// extra) and the months (the extras may end it sooner).
struct WorkbookExtras {
    ExtraPaymentPlan plan;
    double levelPayment = 0;
    int months = 0;
};

// What the grid doesn't hold about the loan: the principal and annual rate
// the schedule was calculated with, the first payment's full year and, for
// a schedule with extra payments, their plan.
struct WorkbookLoan {
    double principal = 0;
    double annualRatePercent = 0;  // 6.5 for 6.5%
    int firstPaymentYear = 0;
    std::optional<WorkbookExtras> extras = std::nullopt;  // none for the main schedule
};

// Writes the workbook to `path` (straight into it: see SaveScheduleFile()
// for a safe save), its amounts in the formats of `money`, which wrote the
// grid's, and its parts in the making in `temporaryFolder`. Its numbers are
// written the C way whatever the user's locale (see CNumericLocale). The
// reason for a failure, or an empty text.
[[nodiscard]] QString WriteScheduleWorkbook(const QString& path, const ScheduleValues& values,
                                            const LocaleMoneyFormatter& money, const WorkbookLoan& terms,
                                            const QString& temporaryFolder);

}  // namespace quillmere
