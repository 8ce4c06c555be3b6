// The save dialog's side of "Save Schedule As…": its file types, the path it
// suggests and the suffix a chosen path gets. The files themselves are
// written by export/schedule_files.h.
#pragma once

#include <QString>

#include "export/schedule_files.h"

namespace quillmere {

// The dialog's filters, ";;" between them, the workbook's first:
// "Excel workbook (*.xlsx)", "CSV for spreadsheets (*.csv)" and
// "CSV as shown (*.csv)".
[[nodiscard]] QString ScheduleFileFilters();

// The file type of one of those filters; the workbook for any other text.
[[nodiscard]] ScheduleFileType FileTypeOfFilter(const QString& filter);

// The path the save dialog suggests: `name` with ".xlsx" in the user's
// documents folder (or home, where there is none or it doesn't exist).
[[nodiscard]] QString SuggestedSchedulePath(const QString& name = QStringLiteral("Loan Payment Schedule"));

// `path` with the type's suffix (".xlsx" or ".csv") added when it has no
// suffix of its own.
[[nodiscard]] QString WithSuffixOf(const QString& path, ScheduleFileType type);

}  // namespace quillmere
