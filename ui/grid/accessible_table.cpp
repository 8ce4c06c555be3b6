#include "ui/grid/accessible_table.h"

#include <QHeaderView>
#include <QItemSelectionModel>
#include <QTableView>
#include <QWindow>

namespace quillmere {
namespace {

// What lives inside the table without an object of its own.
class TablePart : public QAccessibleInterface {
public:
    explicit TablePart(AccessibleTable& table) : table_(table) {}
    [[nodiscard]] QObject* object() const override { return nullptr; }
    [[nodiscard]] QAccessibleInterface* childAt(int /*x*/, int /*y*/) const override { return nullptr; }
    [[nodiscard]] int childCount() const override { return 0; }
    [[nodiscard]] QAccessibleInterface* child(int /*index*/) const override { return nullptr; }
    [[nodiscard]] int indexOfChild(const QAccessibleInterface* /*child*/) const override { return -1; }
    [[nodiscard]] QAccessibleInterface* parent() const override { return &table_; }
    void setText(QAccessible::Text /*t*/, const QString& /*text*/) override {}

protected:
    AccessibleTable& table_;  // which deletes its parts before it goes
};

// A cell of the table, or, at row and column -1, the answer for a place
// that names no cell: no role, no extent. (The bridge reads a cell's
// table-cell interface without asking whether there is one, so "no cell"
// must still be one.)
class TableCell final : public TablePart, public QAccessibleTableCellInterface {
public:
    TableCell(AccessibleTable& table, int row, int column) : TablePart(table), row_(row), column_(column) {}

    [[nodiscard]] int Row() const { return row_; }
    [[nodiscard]] int Column() const { return column_; }
    [[nodiscard]] const AccessibleTable& Table() const { return table_; }

    [[nodiscard]] bool isValid() const override { return table_.isValid() && table_.IsCell(row_, column_); }
    [[nodiscard]] QAccessible::Role role() const override {
        return isValid() ? QAccessible::Cell : QAccessible::NoRole;
    }
    [[nodiscard]] QAccessible::State state() const override {
        QAccessible::State state;
        if (!isValid()) {
            state.invalid = true;
            return state;
        }
        const QTableView& view = *table_.View();
        const QModelIndex index = table_.ModelIndex(row_, column_);
        state.selectable = view.selectionMode() != QAbstractItemView::NoSelection;
        state.selected = view.selectionModel() != nullptr && view.selectionModel()->isSelected(index);
        state.focusable = view.focusPolicy() != Qt::NoFocus;
        state.focused = view.hasFocus() && view.currentIndex() == index;
        state.disabled = !index.flags().testFlag(Qt::ItemIsEnabled);
        state.offscreen = rect().isEmpty();
        return state;
    }
    [[nodiscard]] QRect rect() const override { return isValid() ? table_.CellRect(row_, column_) : QRect(); }
    [[nodiscard]] QString text(QAccessible::Text t) const override {
        if (!isValid()) return {};
        if (t == QAccessible::Name) return table_.CellName(row_, column_);
        if (t == QAccessible::Description) {
            return table_.ModelIndex(row_, column_).data(Qt::AccessibleDescriptionRole).toString();
        }
        return {};
    }
    void* interface_cast(QAccessible::InterfaceType type) override {
        return type == QAccessible::TableCellInterface ? static_cast<QAccessibleTableCellInterface*>(this) : nullptr;
    }

    [[nodiscard]] bool isSelected() const override { return state().selected; }
    [[nodiscard]] QList<QAccessibleInterface*> columnHeaderCells() const override {
        QAccessibleInterface* header = table_.CellsHaveColumnHeaders() ? table_.ColumnHeader(column_) : nullptr;
        return header != nullptr ? QList<QAccessibleInterface*>{header} : QList<QAccessibleInterface*>{};
    }
    [[nodiscard]] QList<QAccessibleInterface*> rowHeaderCells() const override { return {}; }
    [[nodiscard]] int columnIndex() const override { return column_; }
    [[nodiscard]] int rowIndex() const override { return row_; }
    [[nodiscard]] int columnExtent() const override { return isValid() ? 1 : 0; }
    [[nodiscard]] int rowExtent() const override { return isValid() ? 1 : 0; }
    [[nodiscard]] QAccessibleInterface* table() const override { return &table_; }

private:
    int row_;
    int column_;
};

class ColumnHeaderCell final : public TablePart {
public:
    ColumnHeaderCell(AccessibleTable& table, int column) : TablePart(table), column_(column) {}
    [[nodiscard]] bool isValid() const override { return table_.isValid() && column_ < table_.DataColumns(); }
    [[nodiscard]] QAccessible::Role role() const override { return QAccessible::ColumnHeader; }
    [[nodiscard]] QAccessible::State state() const override { return {}; }
    [[nodiscard]] QRect rect() const override { return {}; }
    [[nodiscard]] QString text(QAccessible::Text t) const override {
        return t == QAccessible::Name && isValid() ? table_.ColumnHeaderName(column_) : QString();
    }
    void* interface_cast(QAccessible::InterfaceType /*type*/) override { return nullptr; }

private:
    int column_;
};

}  // namespace

AccessibleTable::AccessibleTable(QTableView* view) : QAccessibleObject(view) {}

AccessibleTable::~AccessibleTable() {
    for (const QAccessible::Id id : std::as_const(cells_)) QAccessible::deleteAccessibleInterface(id);
    for (const QAccessible::Id id : std::as_const(headers_)) QAccessible::deleteAccessibleInterface(id);
    if (noCell_ != 0) QAccessible::deleteAccessibleInterface(noCell_);
}

QTableView* AccessibleTable::View() const { return qobject_cast<QTableView*>(object()); }

int AccessibleTable::DataRows() const {
    const QTableView* view = View();
    return view != nullptr && view->model() != nullptr ? std::max(0, view->model()->rowCount() - RowOffset()) : 0;
}

int AccessibleTable::DataColumns() const {
    const QTableView* view = View();
    return view != nullptr && view->model() != nullptr ? std::max(0, view->model()->columnCount() - ColumnOffset()) : 0;
}

QString AccessibleTable::CellName(int row, int column) const {
    const QModelIndex index = ModelIndex(row, column);
    const QString spoken = index.data(Qt::AccessibleTextRole).toString();
    return spoken.isEmpty() ? index.data(Qt::DisplayRole).toString() : spoken;
}

QString AccessibleTable::ColumnHeaderName(int column) const {
    const QTableView* view = View();
    if (view == nullptr || view->model() == nullptr) return {};
    return view->model()->headerData(column + ColumnOffset(), Qt::Horizontal).toString();
}

QRect AccessibleTable::CellRect(int row, int column) const { return RectIn(*View(), row, column); }

QRect AccessibleTable::RectIn(const QTableView& shownIn, int row, int column) const {
    const QRect place = shownIn.visualRect(ModelIndex(row, column)).intersected(shownIn.viewport()->rect());
    if (!View()->isVisible() || place.isEmpty()) return {};
    return {shownIn.viewport()->mapToGlobal(place.topLeft()), place.size()};
}

bool AccessibleTable::IsCell(int row, int column) const {
    return row >= 0 && column >= 0 && row < DataRows() && column < DataColumns();
}

QModelIndex AccessibleTable::ModelIndex(int row, int column) const {
    if (!IsCell(row, column)) return {};
    return View()->model()->index(row + RowOffset(), column + ColumnOffset());
}

QAccessibleInterface* AccessibleTable::CellFor(const QModelIndex& index) const {
    if (!index.isValid()) return nullptr;
    return Cell(index.row() - RowOffset(), index.column() - ColumnOffset());
}

QModelIndex AccessibleTable::IndexOfQtChild(int child) const {
    const QTableView* view = View();
    if (view == nullptr || view->model() == nullptr || child < 0) return {};
    const int columns = view->model()->columnCount() + 1;
    const int row = child / columns - 1;
    const int column = child % columns - 1;
    if (row < 0 || column < 0) return {};
    return view->model()->index(row, column);
}

QAccessibleInterface* AccessibleTable::Cell(int row, int column) const {
    if (!IsCell(row, column)) return nullptr;
    const std::pair key(row, column);
    if (const auto known = cells_.constFind(key); known != cells_.constEnd()) {
        return QAccessible::accessibleInterface(*known);
    }
    auto* cell = new TableCell(const_cast<AccessibleTable&>(*this), row, column);
    cells_.insert(key, QAccessible::registerAccessibleInterface(cell));
    return cell;
}

QAccessibleInterface* AccessibleTable::ColumnHeader(int column) const {
    if (column < 0 || column >= DataColumns()) return nullptr;
    if (const auto known = headers_.constFind(column); known != headers_.constEnd()) {
        return QAccessible::accessibleInterface(*known);
    }
    auto* header = new ColumnHeaderCell(const_cast<AccessibleTable&>(*this), column);
    headers_.insert(column, QAccessible::registerAccessibleInterface(header));
    return header;
}

QAccessibleInterface* AccessibleTable::NoCell() const {
    if (noCell_ == 0) {
        noCell_ = QAccessible::registerAccessibleInterface(new TableCell(const_cast<AccessibleTable&>(*this), -1, -1));
    }
    return QAccessible::accessibleInterface(noCell_);
}

bool AccessibleTable::isValid() const { return View() != nullptr; }

QAccessible::State AccessibleTable::state() const {
    QAccessible::State state;
    const QTableView* view = View();
    if (view == nullptr) {
        state.invalid = true;
        return state;
    }
    state.invisible = !view->isVisible();
    state.focusable = view->focusPolicy() != Qt::NoFocus;
    state.focused = view->hasFocus();
    state.disabled = !view->isEnabled();
    state.multiSelectable = view->selectionMode() == QAbstractItemView::ExtendedSelection ||
                            view->selectionMode() == QAbstractItemView::MultiSelection;
    return state;
}

QString AccessibleTable::text(QAccessible::Text t) const {
    const QTableView* view = View();
    if (view == nullptr) return {};
    if (t == QAccessible::Name) return view->accessibleName();
    if (t == QAccessible::Description) return view->accessibleDescription();
    return {};
}

QRect AccessibleTable::rect() const {
    const QTableView* view = View();
    if (view == nullptr || !view->isVisible()) return {};
    return {view->mapToGlobal(QPoint(0, 0)), view->size()};
}

QAccessibleInterface* AccessibleTable::parent() const {
    const QTableView* view = View();
    return view != nullptr ? QAccessible::queryAccessibleInterface(view->parentWidget()) : nullptr;
}

QWindow* AccessibleTable::window() const {
    const QTableView* view = View();
    return view != nullptr ? view->window()->windowHandle() : nullptr;
}

int AccessibleTable::childCount() const { return DataRows() * DataColumns(); }

QAccessibleInterface* AccessibleTable::child(int index) const {
    const int columns = DataColumns();
    if (index < 0 || columns <= 0 || index >= childCount()) return nullptr;
    return Cell(index / columns, index % columns);
}

int AccessibleTable::indexOfChild(const QAccessibleInterface* child) const {
    const auto* cell = dynamic_cast<const TableCell*>(child);
    if (cell == nullptr || &cell->Table() != this || !IsCell(cell->Row(), cell->Column())) return -1;
    return cell->Row() * DataColumns() + cell->Column();
}

QAccessibleInterface* AccessibleTable::childAt(int x, int y) const {
    const QTableView* view = View();
    if (view == nullptr) return nullptr;
    return CellFor(view->indexAt(view->viewport()->mapFromGlobal(QPoint(x, y))));
}

QAccessibleInterface* AccessibleTable::focusChild() const {
    const QTableView* view = View();
    return view != nullptr ? CellFor(view->currentIndex()) : nullptr;
}

void* AccessibleTable::interface_cast(QAccessible::InterfaceType type) {
    return type == QAccessible::TableInterface ? static_cast<QAccessibleTableInterface*>(this) : nullptr;
}

QAccessibleInterface* AccessibleTable::cellAt(int row, int column) const {
    QAccessibleInterface* cell = Cell(row, column);
    return cell != nullptr ? cell : NoCell();
}

int AccessibleTable::selectedCellCount() const { return static_cast<int>(selectedCells().size()); }

QList<QAccessibleInterface*> AccessibleTable::selectedCells() const {
    QList<QAccessibleInterface*> cells;
    const QTableView* view = View();
    if (view == nullptr || view->selectionModel() == nullptr) return cells;
    for (const QModelIndex& index : view->selectionModel()->selectedIndexes()) {
        if (QAccessibleInterface* cell = CellFor(index)) cells << cell;
    }
    return cells;
}

QString AccessibleTable::columnDescription(int column) const {
    return column >= 0 && column < DataColumns() ? ColumnHeaderName(column) : QString();
}

QList<int> AccessibleTable::selectedColumns() const {
    QList<int> columns;
    for (int column = 0; column < DataColumns(); ++column) {
        if (isColumnSelected(column)) columns << column;
    }
    return columns;
}

QList<int> AccessibleTable::selectedRows() const {
    QList<int> rows;
    for (int row = 0; row < DataRows(); ++row) {
        if (isRowSelected(row)) rows << row;
    }
    return rows;
}

bool AccessibleTable::isColumnSelected(int column) const {
    const QTableView* view = View();
    if (view == nullptr || view->selectionModel() == nullptr || !IsCell(0, column)) return false;
    for (int row = 0; row < DataRows(); ++row) {
        if (!view->selectionModel()->isSelected(ModelIndex(row, column))) return false;
    }
    return true;
}

bool AccessibleTable::isRowSelected(int row) const {
    const QTableView* view = View();
    if (view == nullptr || view->selectionModel() == nullptr || !IsCell(row, 0)) return false;
    for (int column = 0; column < DataColumns(); ++column) {
        if (!view->selectionModel()->isSelected(ModelIndex(row, column))) return false;
    }
    return true;
}

bool AccessibleTable::selectRow(int row) { return SelectRow(row, QItemSelectionModel::ClearAndSelect); }

bool AccessibleTable::unselectRow(int row) { return SelectRow(row, QItemSelectionModel::Deselect); }

bool AccessibleTable::SelectRow(int row, QItemSelectionModel::SelectionFlags how) {
    QTableView* view = View();
    if (view == nullptr || view->selectionModel() == nullptr || !IsCell(row, 0)) return false;
    view->selectionModel()->select(ModelIndex(row, 0), how | QItemSelectionModel::Rows);
    return true;
}

// Cells read the model afresh, so a change only retires the cells and
// headers whose places are gone.
void AccessibleTable::modelChange(QAccessibleTableModelChangeEvent* /*event*/) {
    for (auto cell = cells_.begin(); cell != cells_.end();) {
        if (IsCell(cell.key().first, cell.key().second)) {
            ++cell;
        } else {
            QAccessible::deleteAccessibleInterface(*cell);
            cell = cells_.erase(cell);
        }
    }
    for (auto header = headers_.begin(); header != headers_.end();) {
        if (header.key() < DataColumns()) {
            ++header;
        } else {
            QAccessible::deleteAccessibleInterface(*header);
            header = headers_.erase(header);
        }
    }
}

}  // namespace quillmere
