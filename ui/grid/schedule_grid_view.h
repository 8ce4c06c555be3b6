// ScheduleGridView: the schedule grid on screen, with its metrics.
//
// A table view over a ScheduleTableModel whose two leftmost columns, "Date"
// and "Number", stay in view while the grid scrolls sideways. They are shown
// by a second view over the same model and selection, which stands where the
// grid keeps the room of its (otherwise unused) row header and scrolls up and
// down with it; the grid itself shows the other columns, scrolling a whole
// column at a time, so no amount is ever shown cut at its start. Keyboard
// navigation, selection and the schedule's copy run across both, since they
// share one current cell and one selection; the keyboard focus is always in
// the grid itself. Home, Ctrl+Home and a move left out of the first
// scrolling column scroll the grid back to its start, so the row is seen
// from its beginning. A context menu asked for from the keyboard (the Menu key
// or Shift+F10) is requested at the current cell.
//
// Everything the grid measures follows its font, which the layout control
// scales with the window: each column is the store's width for it (twips)
// times the font's scale, each row 255 twips times the same scale; the date
// and money columns widen to show their widest text, and the Notes column
// takes the room that is left (never less than its notes need). The metrics are worked out afresh from
// the font alone whenever it changes, so a size reached by any path gives the
// same grid.
#pragma once

#include <QPersistentModelIndex>
#include <QTableView>

#include <optional>

namespace quillmere {

class FixedColumnsView;
class ScheduleGrid;
class ScheduleTableModel;

class ScheduleGridView final : public QTableView {
    Q_OBJECT

public:
    // The font the store's widths and the row height are given for.
    static constexpr double kDesignPoints = 8.25;

    // Gives `store` the designed widths of the grid's columns: together they
    // fit the grid beside its vertical scroll bar, money columns wide enough
    // for amounts up to $999,999.99, so a usual schedule shows all seven.
    static void SetDesignWidths(ScheduleGrid& store);

    // Shows `model`, which presents `store`; both must outlive the view.
    ScheduleGridView(const ScheduleGrid& store, ScheduleTableModel& model, QWidget* parent);

    // Sets the width of `column` from the store, at the current font.
    void ApplyColumnWidth(int column);
    // Widens the date and money columns, if need be, to their widest texts.
    void FitColumns();

    // The view of the fixed columns.
    [[nodiscard]] QTableView& FixedColumns() const;
    // The width of a column, fixed or not.
    [[nodiscard]] int ColumnWidth(int column) const;

protected:
    bool event(QEvent* event) override;
    void changeEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void scrollTo(const QModelIndex& index, ScrollHint hint = EnsureVisible) override;
    void updateGeometries() override;
    QModelIndex moveCursor(CursorAction cursorAction, Qt::KeyboardModifiers modifiers) override;
    void keyPressEvent(QKeyEvent* event) override;
    void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;

private:
    // The move of a key that moves the cursor.
    static std::optional<CursorAction> CursorActionOf(int key);

    void ExtendSelectionTo(const QModelIndex& to);
    void ScrollToStart();
    // The current cell's centre, in the viewport's coordinates.
    [[nodiscard]] QPoint CurrentCellPoint() const;
    void BuildFixedColumns();
    void ApplyMetrics();
    void PlaceFixedColumns();
    void FillNotesColumn();
    void DeferGeometries();
    void FlushGeometries();
    void SetColumnWidth(int column, int width);
    [[nodiscard]] int ColumnWidthFor(int column) const;
    [[nodiscard]] double Scale() const;
    [[nodiscard]] int DesignedWidth(int column) const;
    [[nodiscard]] int WidestText(int column) const;
    [[nodiscard]] int HeadingWidth(int column) const;
    [[nodiscard]] int FixedWidth() const;

    const ScheduleGrid& store_;
    FixedColumnsView* fixed_ = nullptr;
    bool deferGeometries_ = false;    // a new font waits for its new size
    bool geometriesPending_ = false;  // a layout was asked for meanwhile
    QPersistentModelIndex anchor_;    // where a keyboard selection begins
    bool extending_ = false;          // a keyboard selection is moving the current cell
};

}  // namespace quillmere
