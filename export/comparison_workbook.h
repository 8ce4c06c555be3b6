// The Compare Loans table as an Excel workbook (.xlsx), with the schedule of
// every offer beside it.
//
// Sheet "Comparison": row 1 the offers' names, column A the figures' names,
// both bold and frozen; each cell typed as SpreadsheetNumberOf() gives it
// (amounts in the locale's money format, counts integers, percentages their
// percent number with the table's decimals, dates dates; the rest text), the
// lowest figure of a row bold, every column as wide as its widest text.
// Then one sheet per offer's schedule, written as the schedule's own
// workbook writes its "Schedule" sheet, named after the offer (see
// ComparisonSheetNames()). The document's title is "Loan Comparison".
#pragma once

#include <QString>
#include <QStringList>

#include <vector>

#include "export/comparison_values.h"
#include "export/schedule_workbook.h"

namespace quillmere {

// One offer's schedule: the offer's name as the user typed it, its grid
// (written as the main window's is) and what the grid doesn't hold of the
// loan. A schedule without a grid gets no sheet.
struct ComparisonSchedule {
    QString name;
    const ScheduleGrid* grid = nullptr;
    WorkbookLoan loan;
};

// The sheets' names for schedules named `offers`, in their order, as Excel
// takes them: at most 31 characters, none of []:*?/\ nor a line break or tab
// (each becomes a space), no apostrophe at either end, never empty (then
// "Offer 1", ...), and unlike each other, "Comparison" and "History" whatever
// the case ("Bank", "Bank (2)", ...).
[[nodiscard]] QStringList ComparisonSheetNames(const QStringList& offers);

// Writes the workbook to `path` (straight into it: see SaveComparisonFile()
// for a safe save), its amounts in the formats of `money`, which wrote the
// grids' and the table's, and its parts in the making in `temporaryFolder`.
// Its numbers are written the C way whatever the user's locale. The reason
// for a failure, or an empty text.
[[nodiscard]] QString WriteComparisonWorkbook(const QString& path, const ComparisonValues& values,
                                              const std::vector<ComparisonSchedule>& schedules,
                                              const LocaleMoneyFormatter& money, const QString& temporaryFolder);

// Saves the workbook to `path` safely, as SaveScheduleFile() saves the
// schedule's: a failure leaves whatever stood there untouched. The reason
// for a failure, or an empty text.
[[nodiscard]] QString SaveComparisonFile(const QString& path, const ComparisonValues& values,
                                         const std::vector<ComparisonSchedule>& schedules,
                                         const LocaleMoneyFormatter& money);

}  // namespace quillmere
