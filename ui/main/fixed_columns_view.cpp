#include "ui/main/fixed_columns_view.h"

#include <QEvent>

#include <utility>

namespace quillmere {

FixedColumnsView::FixedColumnsView(QWidget* grid, std::function<void()> fontChanging)
    : QTableView(grid), fontChanging_(std::move(fontChanging)) {}

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
