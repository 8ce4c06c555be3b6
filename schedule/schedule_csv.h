// The schedule as a CSV file a spreadsheet opens column by column.
//
// The header row, then every data row of the grid, each cell exactly as the
// grid holds it (money text included), all seven columns. RFC 4180: cells
// separated by commas, rows ended by CR LF, a cell quoted when it holds a
// comma, a quote, a CR or an LF ("$1,580.17"), and its quotes doubled. The
// grid's text is UTF-8, and so is the file's. Standard C++ only.
#pragma once

#include <string>
#include <string_view>

#include "schedule/schedule_grid.h"

namespace quillmere {

// The whole file's text.
[[nodiscard]] std::string ScheduleCsvText(const ScheduleGrid& grid);

// One cell as a CSV field: as it is, or quoted.
[[nodiscard]] std::string CsvField(std::string_view text);

}  // namespace quillmere
