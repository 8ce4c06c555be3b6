// Saving a schedule grid as a file, in one of three types:
//  - an Excel workbook of typed cells (see schedule_workbook.h);
//  - a CSV file of values for spreadsheets (see values_csv.h);
//  - a CSV file of the cells as shown (see schedule/schedule_csv.h).
// Any schedule grid can be saved: it needs only the grid, the formatter that
// wrote its amounts and the loan's terms.
//
// Every save is safe: the file is written beside its path under a temporary
// name and moved over it only once complete, so a failure leaves whatever
// stood there untouched and no temporary file behind.
#pragma once

#include <QByteArray>
#include <QString>

#include "export/schedule_workbook.h"

namespace quillmere {

class LocaleMoneyFormatter;
class ScheduleGrid;

enum class ScheduleFileType { Workbook, ValuesCsv, ShownCsv };

// Writes `grid` to `path` as `type`. The system's reason for a failure, or an
// empty text when the file was written.
[[nodiscard]] QString SaveScheduleFile(const QString& path, ScheduleFileType type, const ScheduleGrid& grid,
                                       const LocaleMoneyFormatter& money, const WorkbookLoan& terms);

// Writes `bytes` to `path` safely, as above. The reason for a failure, or an
// empty text.
[[nodiscard]] QString SaveFileSafely(const QString& path, const QByteArray& bytes);

}  // namespace quillmere
