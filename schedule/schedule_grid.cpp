#include "schedule/schedule_grid.h"

#include <algorithm>
#include <stdexcept>

#include "schedule/schedule_words.h"

namespace quillmere {

ScheduleGrid::ScheduleGrid(int rows) : rows_(static_cast<std::size_t>(std::max(rows, 1))) {
    colWidths_.fill(kDefaultColWidthTwips);
}

void ScheduleGrid::Clear() {
    for (Row& row : rows_) {
        for (std::string& cell : row.cells) cell.clear();
        row.kind = GridRowKind::Payment;
    }
    if (observer_ != nullptr) observer_->Cleared();
}

void ScheduleGrid::SetRows(int rows) {
    const int oldRows = Rows();
    rows_.resize(static_cast<std::size_t>(std::max(rows, 1)));
    if (observer_ != nullptr && Rows() != oldRows) observer_->RowsChanged(oldRows, Rows());
}

const std::string& ScheduleGrid::TextMatrix(int row, int col) const {
    CheckCell(row, col);
    return rows_[static_cast<std::size_t>(row)].cells[static_cast<std::size_t>(col)];
}

void ScheduleGrid::SetTextMatrix(int row, int col, std::string text) {
    CheckCell(row, col);
    rows_[static_cast<std::size_t>(row)].cells[static_cast<std::size_t>(col)] = std::move(text);
    if (observer_ != nullptr) observer_->CellChanged(row, col);
}

GridRowKind ScheduleGrid::RowKind(int row) const {
    CheckCell(row, 0);
    return rows_[static_cast<std::size_t>(row)].kind;
}

void ScheduleGrid::SetRowKind(int row, GridRowKind kind) {
    CheckCell(row, 0);
    rows_[static_cast<std::size_t>(row)].kind = kind;
}

int ScheduleGrid::ColWidth(int col) const {
    CheckColumn(col);
    return colWidths_[static_cast<std::size_t>(col)];
}

void ScheduleGrid::SetColWidth(int col, int twips) {
    CheckColumn(col);
    colWidths_[static_cast<std::size_t>(col)] = twips;
    if (observer_ != nullptr) observer_->ColWidthChanged(col);
}

void ScheduleGrid::CheckCell(int row, int col) const {
    CheckColumn(col);
    if (row < 0 || row >= Rows()) throw std::out_of_range("grid row out of range");
}

void ScheduleGrid::CheckColumn(int col) {
    if (col < 0 || col >= kColumns) throw std::out_of_range("grid column out of range");
}

void ResetGrid(ScheduleGrid& grid) {
    grid.Clear();
    for (int col = 0; col < ScheduleGrid::kColumns; ++col) {
        grid.SetTextMatrix(0, col, CurrentScheduleWords().headers[static_cast<std::size_t>(col)]);
    }
    grid.SetColWidth(kColNumber, kNumberColWidthTwips);
    grid.SetRows(2);
}

}  // namespace quillmere
