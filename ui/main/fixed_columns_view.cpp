#include "ui/main/fixed_columns_view.h"

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

// The grid hears of a new font after its children have it, this view
// among them, but only here before it acts on it itself.
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
