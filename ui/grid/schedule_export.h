// The save dialog's side of "Save Schedule As…": its file types, the path it
// suggests, and the file a chosen name becomes. The files themselves are
// written by export/schedule_files.h.
#pragma once

#include <QCoreApplication>
#include <QString>

#include "export/schedule_files.h"

namespace quillmere {

// The dialog's filters, ";;" between them, the workbook's first:
// "Excel workbook (*.xlsx)", "CSV for spreadsheets (*.csv)" and
// "CSV as shown (*.csv)".
[[nodiscard]] QString ScheduleFileFilters();

// The file type of one of those filters; the workbook for any other text.
[[nodiscard]] ScheduleFileType FileTypeOfFilter(const QString& filter);

// The path the save dialog suggests: `name` with ".xlsx" in the folder a
// schedule was last saved to while the program runs, or else the user's
// documents folder (or home, where there is none or it doesn't exist).
[[nodiscard]] QString SuggestedSchedulePath(const QString& name = QCoreApplication::translate("ScheduleExport",
                                                                                              "Loan Payment Schedule"));

// Notes the folder of `savedPath`, the file just saved, for the next
// suggestion, in this run and the next ones; an empty path forgets it.
void RememberSaveFolder(const QString& savedPath);

// The file a name chosen in the dialog is saved as.
struct ScheduleSaveTarget {
    QString path;
    ScheduleFileType type = ScheduleFileType::Workbook;
};

// What `chosen`, typed with the filter of `filterType`, is saved as. A typed
// ".xlsx" or ".csv" (in any case) decides the type: ".xlsx" the workbook,
// ".csv" the filter's CSV, or the CSV for spreadsheets where the workbook's
// filter was chosen. Any other ending, or none, keeps the filter's type and
// gets its extension: "Loan schedule v1.2" becomes "Loan schedule v1.2.xlsx",
// "loan." becomes "loan.csv".
[[nodiscard]] ScheduleSaveTarget SaveTargetOf(const QString& chosen, ScheduleFileType filterType);

}  // namespace quillmere
