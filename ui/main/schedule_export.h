// Saving the schedule as a CSV file (see schedule/schedule_csv.h).
#pragma once

#include <QString>

namespace quillmere {

class ScheduleGrid;

// Writes the schedule's CSV to `path`: beside it under a temporary name
// first, moved over it only once complete, so a failure leaves whatever
// stood there untouched and no temporary file behind. The system's reason
// for a failure, or an empty text when the file was written.
[[nodiscard]] QString SaveScheduleCsv(const QString& path, const ScheduleGrid& grid);

// The path the save dialog suggests: "Loan Payment Schedule.csv" in the
// user's documents folder (or home, where there is none).
[[nodiscard]] QString SuggestedCsvPath();

// `path` with ".csv" added when it has no suffix of its own.
[[nodiscard]] QString WithCsvSuffix(const QString& path);

}  // namespace quillmere
