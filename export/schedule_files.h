// Saving a schedule grid as a file, in one of three types:
//  - an Excel workbook of typed cells (see schedule_workbook.h);
//  - a CSV file of values for spreadsheets (see values_csv.h);
//  - a CSV file of the cells as shown (see schedule/schedule_csv.h).
// Any schedule grid can be saved: it needs only the grid, the formatter that
// wrote its amounts and the loan's terms.
//
// Every save is safe (see files/safe_file.h): a failure leaves whatever stood
// there untouched and no temporary file behind, and its reason is a sentence
// for the user.
#pragma once

#include <QString>

#include "export/schedule_workbook.h"
#include "files/safe_file.h"

namespace quillmere {

class LocaleMoneyFormatter;
class ScheduleGrid;

enum class ScheduleFileType { Workbook, ValuesCsv, ShownCsv };

// The values of `grid`, its Notes read as the extras where `terms` has a
// plan of extra payments: what the files and the clipboard's table hold.
[[nodiscard]] ScheduleValues ReadScheduleValues(const ScheduleGrid& grid, const LocaleMoneyFormatter& money,
                                                const WorkbookLoan& terms);

// Writes `grid` to `path` as `type`. The reason for a failure ("The disk is
// full."), or an empty text when the file was written. A schedule with extra
// payments (`terms.extras`) has its Notes, the extra of each payment, as
// amounts headed "Extra" in the workbook and the CSV of values.
[[nodiscard]] QString SaveScheduleFile(const QString& path, ScheduleFileType type, const ScheduleGrid& grid,
                                       const LocaleMoneyFormatter& money, const WorkbookLoan& terms);

}  // namespace quillmere
