// ScheduleTableModel: the schedule grid store as a Qt table model.
//
// Row 0 of the store, the fixed header row, becomes the horizontal header;
// store row r (r >= 1) is model row r - 1. The two leftmost columns ("Date"
// and "Number") are the grid's fixed columns, drawn in the header's colours
// unless selected.
//
// A long calculation writes thousands of rows, and telling a view about each
// one costs far more than writing it. So while changes are held back
// (HoldBack(true)), new rows and cell changes wait for Flush(); the view goes
// on showing what it showed before. Whatever takes rows or texts away, a
// shrink of the store or a Clear, reaches the view at once as a model reset,
// so the view never asks for a row the store no longer has.
#pragma once

#include "schedule/schedule_grid.h"

#include <QAbstractTableModel>

namespace quillmere {

class ScheduleTableModel final : public QAbstractTableModel, private GridObserver {
    Q_OBJECT

public:
    // Columns drawn like the header row, counted from the left.
    static constexpr int kFixedColumns = 2;

    // Observes `grid`, which must outlive the model.
    explicit ScheduleTableModel(ScheduleGrid& grid, QObject* parent = nullptr);
    ~ScheduleTableModel() override;

    ScheduleTableModel(const ScheduleTableModel&) = delete;
    ScheduleTableModel& operator=(const ScheduleTableModel&) = delete;

    [[nodiscard]] int rowCount(const QModelIndex& parent = {}) const override;
    [[nodiscard]] int columnCount(const QModelIndex& parent = {}) const override;
    [[nodiscard]] QVariant data(const QModelIndex& index, int role) const override;
    [[nodiscard]] QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    [[nodiscard]] Qt::ItemFlags flags(const QModelIndex& index) const override;

    // Holds new rows and cell changes back until Flush() (true), or passes
    // every change on as it happens (false). Switching it off flushes.
    void HoldBack(bool on);
    // Passes the changes held back so far on to the views.
    void Flush();

signals:
    // The store's width of `column` changed; the view sets its own.
    void ColumnWidthChanged(int column, int twips);

private:
    void RowsChanged(int oldRows, int newRows) override;
    void CellChanged(int row, int col) override;
    void Cleared() override;
    void ColWidthChanged(int col) override;

    void ResetToStore();
    void ForgetPending();

    ScheduleGrid& grid_;
    bool holdBack_ = false;
    int shownRows_;  // store rows the views know of, the header row included
    int dirtyFirst_ = -1;
    int dirtyLast_ = -1;
    bool headerDirty_ = false;
};

}  // namespace quillmere
