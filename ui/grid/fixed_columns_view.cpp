#include "ui/grid/fixed_columns_view.h"

#include <QEvent>
#include <QHeaderView>

#include <utility>

namespace quillmere {

FixedColumnsView::FixedColumnsView(QTableView& grid, std::function<void()> fontChanging)
    : QTableView(&grid), grid_(grid), fontChanging_(std::move(fontChanging)) {
    FollowGridFonts();
    grid_.installEventFilter(this);
    grid_.horizontalHeader()->installEventFilter(this);
}

void FixedColumnsView::FollowGridFonts() {
    setFont(grid_.font());
    horizontalHeader()->setFont(grid_.horizontalHeader()->font());
}

// A filter sees the grid's new font before the grid acts on it, so this view
// takes it first and, through fontChanging, holds the grid's layout for the
// rest of the pass.
bool FixedColumnsView::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FontChange) {
        if (watched == &grid_) {
            setFont(grid_.font());
        } else if (watched == grid_.horizontalHeader()) {
            horizontalHeader()->setFont(grid_.horizontalHeader()->font());
        }
    }
    return QTableView::eventFilter(watched, event);
}

void FixedColumnsView::HoldGeometries(bool hold) {
    held_ = hold;
    if (!held_ && std::exchange(pending_, false)) updateGeometries();
}

void FixedColumnsView::changeEvent(QEvent* event) {
    if (event->type() == QEvent::FontChange) fontChanging_();
    QTableView::changeEvent(event);
}

void FixedColumnsView::updateGeometries() {
    if (held_) {
        pending_ = true;
        return;
    }
    QTableView::updateGeometries();
}

}  // namespace quillmere
