#include "ui/grid/schedule_table_model.h"

#include <QGuiApplication>
#include <QPalette>

#include <algorithm>

namespace quillmere {

ScheduleTableModel::ScheduleTableModel(ScheduleGrid& grid, QObject* parent)
    : QAbstractTableModel(parent), grid_(grid), shownRows_(grid.Rows()) {
    grid_.SetObserver(this);
}

ScheduleTableModel::~ScheduleTableModel() { grid_.SetObserver(nullptr); }

int ScheduleTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : std::max(shownRows_ - 1, 0);
}

int ScheduleTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ScheduleGrid::kColumns;
}

QVariant ScheduleTableModel::data(const QModelIndex& index, int role) const {
    const int row = index.row() + 1;
    if (!index.isValid() || row >= shownRows_ || row >= grid_.Rows()) return {};
    switch (role) {
        case Qt::DisplayRole:
            return QString::fromStdString(grid_.TextMatrix(row, index.column()));
        case Qt::BackgroundRole:
            return index.column() < kFixedColumns ? QGuiApplication::palette().button()
                                                  : QGuiApplication::palette().base();
        case Qt::ForegroundRole:
            return index.column() < kFixedColumns ? QGuiApplication::palette().buttonText()
                                                  : QGuiApplication::palette().text();
        default:
            return {};
    }
}

QVariant ScheduleTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return {};
    if (section < 0 || section >= ScheduleGrid::kColumns) return {};
    return QString::fromStdString(grid_.TextMatrix(0, section));
}

Qt::ItemFlags ScheduleTableModel::flags(const QModelIndex& index) const {
    if (!index.isValid()) return Qt::NoItemFlags;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable;
}

void ScheduleTableModel::HoldBack(bool on) {
    holdBack_ = on;
    if (!on) Flush();
}

void ScheduleTableModel::Flush() {
    if (dirtyFirst_ > 0) {
        emit dataChanged(index(dirtyFirst_ - 1, 0), index(dirtyLast_ - 1, ScheduleGrid::kColumns - 1));
    }
    if (headerDirty_) emit headerDataChanged(Qt::Horizontal, 0, ScheduleGrid::kColumns - 1);
    ForgetPending();
    if (grid_.Rows() > shownRows_) {
        beginInsertRows({}, shownRows_ - 1, grid_.Rows() - 2);
        shownRows_ = grid_.Rows();
        endInsertRows();
    }
}

void ScheduleTableModel::RowsChanged(int /*oldRows*/, int newRows) {
    if (newRows < shownRows_) {
        ResetToStore();
    } else if (!holdBack_) {
        Flush();
    }
}

void ScheduleTableModel::CellChanged(int row, int col) {
    if (row == 0) {
        if (holdBack_) {
            headerDirty_ = true;
        } else {
            emit headerDataChanged(Qt::Horizontal, col, col);
        }
    } else if (row < shownRows_) {
        if (holdBack_) {
            dirtyFirst_ = dirtyFirst_ < 0 ? row : std::min(dirtyFirst_, row);
            dirtyLast_ = std::max(dirtyLast_, row);
        } else {
            const QModelIndex cell = index(row - 1, col);
            emit dataChanged(cell, cell);
        }
    }
    // A row the views don't know of yet is read afresh when it is inserted.
}

void ScheduleTableModel::Cleared() { ResetToStore(); }

void ScheduleTableModel::ColWidthChanged(int col) { emit ColumnWidthChanged(col, grid_.ColWidth(col)); }

void ScheduleTableModel::ResetToStore() {
    beginResetModel();
    shownRows_ = grid_.Rows();
    ForgetPending();
    endResetModel();
}

void ScheduleTableModel::ForgetPending() {
    dirtyFirst_ = -1;
    dirtyLast_ = -1;
    headerDirty_ = false;
}

}  // namespace quillmere
