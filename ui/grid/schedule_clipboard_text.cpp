#include "ui/grid/schedule_clipboard_text.h"

#include <algorithm>

namespace quillmere {
namespace {

void AppendCell(std::string& out, const std::string& text) {
    const std::size_t start = out.size();
    out += text;
    std::replace_if(
        out.begin() + static_cast<std::ptrdiff_t>(start), out.end(),
        [](char c) { return c == '\t' || c == '\n' || c == '\r'; }, ' ');
}

void AppendRow(std::string& out, const ScheduleGrid& grid, int row, int firstCol, int lastCol) {
    for (int col = firstCol; col <= lastCol; ++col) {
        if (col > firstCol) out += '\t';
        AppendCell(out, grid.TextMatrix(row, col));
    }
    out += '\n';
}

}  // namespace

std::string ScheduleClipboardText(const ScheduleGrid& grid) {
    return ScheduleClipboardText(grid, GridCellRange{1, grid.Rows() - 1, 0, ScheduleGrid::kColumns - 1});
}

std::string ScheduleClipboardText(const ScheduleGrid& grid, GridCellRange cells) {
    cells.firstRow = std::max(cells.firstRow, 1);
    cells.lastRow = std::min(cells.lastRow, grid.Rows() - 1);
    cells.firstCol = std::max(cells.firstCol, 0);
    cells.lastCol = std::min(cells.lastCol, ScheduleGrid::kColumns - 1);
    std::string out;
    if (cells.firstCol > cells.lastCol) return out;
    AppendRow(out, grid, 0, cells.firstCol, cells.lastCol);
    for (int row = cells.firstRow; row <= cells.lastRow; ++row)
        AppendRow(out, grid, row, cells.firstCol, cells.lastCol);
    return out;
}

std::string ScheduleClipboardText(const ScheduleGrid& grid, const QModelIndexList& selected) {
    const std::optional<GridCellRange> cells = BoundingCells(selected);
    return cells ? ScheduleClipboardText(grid, *cells) : ScheduleClipboardText(grid);
}

std::optional<GridCellRange> BoundingCells(const QModelIndexList& selected) {
    std::optional<GridCellRange> cells;
    for (const QModelIndex& index : selected) {
        if (!index.isValid()) continue;
        const int row = index.row() + 1;
        const int col = index.column();
        if (!cells) {
            cells = GridCellRange{row, row, col, col};
            continue;
        }
        cells->firstRow = std::min(cells->firstRow, row);
        cells->lastRow = std::max(cells->lastRow, row);
        cells->firstCol = std::min(cells->firstCol, col);
        cells->lastCol = std::max(cells->lastCol, col);
    }
    return cells;
}

}  // namespace quillmere
