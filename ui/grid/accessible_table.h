// AccessibleTable: a table view as a screen reader meets it.
//
// Qt 6.4's own table adapter counts a header row and a header column among a
// table's children, hidden or not, while its AT-SPI bridge reads child
// numbers as data cells alone; so a query by child index lands on the wrong
// cell, and one past the data cells crashes the program. This adapter keeps
// to one numbering everywhere: its children are its data cells, row by row,
// and nothing else. The column headers are reached through each cell and
// through the column descriptions, never as children.
//
// No question from outside crashes it: a position that names no cell is
// answered with a "no cell" (row and column -1, no extent), never with null.
// Cells are made when first asked for, keyed by their place, and read the
// model afresh on every question.
//
// A view whose model has rows or columns that aren't data (a calendar's
// weekday row) says so through RowOffset() and ColumnOffset(); a view that
// shows some columns elsewhere (fixed columns) says where through CellRect().
#pragma once

#include <QAccessibleObject>
#include <QHash>
#include <QItemSelectionModel>
#include <QModelIndex>

class QTableView;

namespace quillmere {

class AccessibleTable : public QAccessibleObject, public QAccessibleTableInterface {
public:
    explicit AccessibleTable(QTableView* view);
    ~AccessibleTable() override;
    AccessibleTable(const AccessibleTable&) = delete;
    AccessibleTable& operator=(const AccessibleTable&) = delete;

    [[nodiscard]] QTableView* View() const;

    // Model rows and columns before the first data row and column.
    [[nodiscard]] virtual int RowOffset() const { return 0; }
    [[nodiscard]] virtual int ColumnOffset() const { return 0; }
    [[nodiscard]] virtual int DataRows() const;
    [[nodiscard]] virtual int DataColumns() const;
    // What a cell and a column header say.
    [[nodiscard]] virtual QString CellName(int row, int column) const;
    [[nodiscard]] virtual QString ColumnHeaderName(int column) const;
    // Whether a cell names its column header; a table whose cells say their
    // column themselves answers no, so it isn't said twice.
    [[nodiscard]] virtual bool CellsHaveColumnHeaders() const { return true; }
    // Where a cell stands on the screen; empty when it isn't shown.
    [[nodiscard]] virtual QRect CellRect(int row, int column) const;
    // The same for a cell that `shownIn`, this table's view or one beside
    // it over the same model, shows.
    [[nodiscard]] QRect RectIn(const QTableView& shownIn, int row, int column) const;

    [[nodiscard]] bool IsCell(int row, int column) const;
    [[nodiscard]] QModelIndex ModelIndex(int row, int column) const;
    // The cell showing `index`, or null.
    [[nodiscard]] QAccessibleInterface* CellFor(const QModelIndex& index) const;
    // The model index Qt's own table numbering gives child `child` (a header
    // row and a header column counted first); invalid for a header.
    [[nodiscard]] QModelIndex IndexOfQtChild(int child) const;
    [[nodiscard]] QAccessibleInterface* ColumnHeader(int column) const;

    // QAccessibleInterface
    [[nodiscard]] bool isValid() const override;
    [[nodiscard]] QAccessible::Role role() const override { return QAccessible::Table; }
    [[nodiscard]] QAccessible::State state() const override;
    [[nodiscard]] QString text(QAccessible::Text t) const override;
    [[nodiscard]] QRect rect() const override;
    [[nodiscard]] QAccessibleInterface* parent() const override;
    [[nodiscard]] QWindow* window() const override;
    [[nodiscard]] int childCount() const override;
    [[nodiscard]] QAccessibleInterface* child(int index) const override;
    [[nodiscard]] int indexOfChild(const QAccessibleInterface* child) const override;
    [[nodiscard]] QAccessibleInterface* childAt(int x, int y) const override;
    [[nodiscard]] QAccessibleInterface* focusChild() const override;
    void* interface_cast(QAccessible::InterfaceType type) override;

    // QAccessibleTableInterface
    [[nodiscard]] QAccessibleInterface* caption() const override { return nullptr; }
    [[nodiscard]] QAccessibleInterface* summary() const override { return nullptr; }
    [[nodiscard]] QAccessibleInterface* cellAt(int row, int column) const override;
    [[nodiscard]] int selectedCellCount() const override;
    [[nodiscard]] QList<QAccessibleInterface*> selectedCells() const override;
    [[nodiscard]] QString columnDescription(int column) const override;
    [[nodiscard]] QString rowDescription(int /*row*/) const override { return {}; }
    [[nodiscard]] int selectedColumnCount() const override { return static_cast<int>(selectedColumns().size()); }
    [[nodiscard]] int selectedRowCount() const override { return static_cast<int>(selectedRows().size()); }
    [[nodiscard]] int columnCount() const override { return DataColumns(); }
    [[nodiscard]] int rowCount() const override { return DataRows(); }
    [[nodiscard]] QList<int> selectedColumns() const override;
    [[nodiscard]] QList<int> selectedRows() const override;
    [[nodiscard]] bool isColumnSelected(int column) const override;
    [[nodiscard]] bool isRowSelected(int row) const override;
    bool selectRow(int row) override;
    bool selectColumn(int /*column*/) override { return false; }
    bool unselectRow(int row) override;
    bool unselectColumn(int /*column*/) override { return false; }
    void modelChange(QAccessibleTableModelChangeEvent* event) override;

private:
    [[nodiscard]] QAccessibleInterface* Cell(int row, int column) const;
    [[nodiscard]] QAccessibleInterface* NoCell() const;
    bool SelectRow(int row, QItemSelectionModel::SelectionFlags how);

    mutable QHash<std::pair<int, int>, QAccessible::Id> cells_;  // by row and column
    mutable QHash<int, QAccessible::Id> headers_;
    mutable QAccessible::Id noCell_ = 0;
};

}  // namespace quillmere
