// The schedule as text for a spreadsheet.
//
// Cells are separated by tabs and every row ends with "\n", so a paste into
// a spreadsheet puts each grid cell into a cell of its own, column by
// column. Every text starts with the header texts of the columns it covers,
// then the cell texts exactly as the grid store holds them. A tab or line
// break inside a cell would split it across spreadsheet cells, so it becomes
// a space (the program itself never writes one).
#pragma once

#include "schedule/schedule_grid.h"

#include <QModelIndexList>

#include <optional>
#include <string>

namespace quillmere {

// Every row of the store: the header row, then all data rows.
[[nodiscard]] std::string ScheduleClipboardText(const ScheduleGrid& grid);

// The header texts of `cells`' columns, then its rows. Rows and columns
// beyond the store are left out.
[[nodiscard]] std::string ScheduleClipboardText(const ScheduleGrid& grid, GridCellRange cells);

// The selection of a ScheduleTableModel view (model row r is store row
// r + 1) as text: the bounding rectangle of the selected cells, or the whole
// schedule when nothing is selected.
[[nodiscard]] std::string ScheduleClipboardText(const ScheduleGrid& grid, const QModelIndexList& selected);

// The bounding rectangle of `selected` in store rows, if any cell is selected.
[[nodiscard]] std::optional<GridCellRange> BoundingCells(const QModelIndexList& selected);

}  // namespace quillmere
