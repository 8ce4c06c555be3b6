// The two parts that keep the schedule grid's Date and Number columns in
// view: a second table view over the same model that shows just those
// columns, and the grid's row header, which only keeps room for it.
//
// The fixed view is drawn as the grid is: it takes the grid's font, and its
// header the grid's header's font, whenever those change. It cannot inherit
// them, as children usually do: a widget with a style sheet (the grid) hands
// its children the application's font instead of its own, and that font
// differs from the grid's in some locales (Japanese, say).
//
// Both take part in the grid's layout pass: a new font reaches the fixed
// view first (before the grid itself acts on it), so it tells the grid,
// which holds both views' layouts to the end of the pass and lays each out
// once then.
#pragma once

#include <QHeaderView>
#include <QTableView>

#include <functional>

namespace quillmere {

// The grid's row header. Its width is fixed, so the size hint Qt would work
// out from up to 200 row labels after every font change, on every layout
// pass, is never needed.
class RoomKeepingHeader final : public QHeaderView {
public:
    explicit RoomKeepingHeader(QWidget* parent) : QHeaderView(Qt::Vertical, parent) {}
    [[nodiscard]] QSize sizeHint() const override { return {minimumWidth(), 0}; }
};

// The view of the fixed columns, over `grid`, which must have its header
// by now; `fontChanging` runs when a new font arrives, before the view acts
// on it.
class FixedColumnsView final : public QTableView {
public:
    FixedColumnsView(QTableView& grid, std::function<void()> fontChanging);

    // Held, the view's layout waits; released, it lays out once if it was
    // asked to meanwhile.
    void HoldGeometries(bool hold);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void changeEvent(QEvent* event) override;
    void updateGeometries() override;

private:
    // Takes the grid's font and its header's.
    void FollowGridFonts();

    QTableView& grid_;
    std::function<void()> fontChanging_;
    bool held_ = false;
    bool pending_ = false;
};

}  // namespace quillmere
