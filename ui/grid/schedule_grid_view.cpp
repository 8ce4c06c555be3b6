#include "ui/grid/schedule_grid_view.h"

#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QEvent>
#include <QFontMetrics>
#include <QHeaderView>
#include <QKeyEvent>
#include <QScrollBar>
#include <QStyle>

#include <algorithm>
#include <array>
#include <optional>
#include <utility>

#include "autoresize/twips.h"
#include "schedule/schedule_grid.h"
#include "ui/grid/fixed_columns_view.h"
#include "ui/grid/schedule_table_model.h"

namespace quillmere {
namespace {

constexpr int kFixedColumns = ScheduleTableModel::kFixedColumns;

constexpr int kRowHeightTwips = 255;
// Rows measured at each end of a schedule when fitting the money columns:
// balances are largest at the top, the sums at the bottom.
constexpr int kFitSampleRows = 40;
// The cell's text margins, with a little room to spare.
constexpr int kCellPaddingPixels = 8;
// The Number column's is set again by every reset of the store.
constexpr std::array<int, ScheduleGrid::kColumns> kDesignWidthsTwips = {
    1005, kNumberColWidthTwips, 1170, 1170, 1080, 1170, 600};

// The settings both views of the grid share: no editing, one line a cell,
// rows and columns sized by the program alone.
void SetUpTable(QTableView& table) {
    table.setEditTriggers(QAbstractItemView::NoEditTriggers);
    table.setTabKeyNavigation(false);
    table.setWordWrap(false);
    table.setCornerButtonEnabled(false);
    table.verticalHeader()->hide();
    for (QHeaderView* header : {table.horizontalHeader(), table.verticalHeader()}) {
        header->setSectionResizeMode(QHeaderView::Fixed);
        // Sizes come from the metrics alone, never from a minimum the
        // header derives from whatever font it had last.
        header->setMinimumSectionSize(1);
    }
    table.horizontalHeader()->setHighlightSections(false);
    table.horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
}

}  // namespace

ScheduleGridView::ScheduleGridView(const ScheduleGrid& store, ScheduleTableModel& model, QWidget* parent)
    : QTableView(parent), store_(store) {
    setVerticalHeader(new RoomKeepingHeader(this));
    setModel(&model);
    SetUpTable(*this);
    // The row header keeps the fixed columns' room; they stand over it.
    verticalHeader()->show();
    // Sideways a whole column at a time: the first column in view is always whole.
    setHorizontalScrollMode(ScrollPerItem);
    // Cells white, the area past the last row and column grey, grid lines light grey.
    setStyleSheet(
        QStringLiteral("QTableView { background-color: rgb(128, 128, 128);"
                       " gridline-color: rgb(192, 192, 192); }"));
    BuildFixedColumns();
    connect(&model, &ScheduleTableModel::ColumnWidthChanged, this, [this](int column) { ApplyColumnWidth(column); });
    // A reset of the model gives every column the header's default width.
    connect(&model, &QAbstractItemModel::modelReset, this, &ScheduleGridView::ApplyMetrics);
    ApplyMetrics();
}

void ScheduleGridView::BuildFixedColumns() {
    fixed_ = new FixedColumnsView(*this, [this] { DeferGeometries(); });
    fixed_->setObjectName(QStringLiteral("gridOneFixedColumns"));
    fixed_->setModel(model());
    fixed_->setSelectionModel(selectionModel());
    SetUpTable(*fixed_);
    fixed_->setFrameShape(QFrame::NoFrame);
    fixed_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    fixed_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // A click selects there, but the keyboard focus goes to the grid.
    fixed_->setFocusPolicy(Qt::ClickFocus);
    fixed_->setFocusProxy(this);
    // The fixed cells' grid lines are black.
    fixed_->setStyleSheet(QStringLiteral("QTableView { gridline-color: black; }"));
    connect(fixed_->verticalScrollBar(), &QScrollBar::valueChanged, verticalScrollBar(), &QScrollBar::setValue);
    connect(verticalScrollBar(), &QScrollBar::valueChanged, fixed_->verticalScrollBar(), &QScrollBar::setValue);
}

QTableView& ScheduleGridView::FixedColumns() const { return *fixed_; }

double ScheduleGridView::Scale() const { return font().pointSizeF() / kDesignPoints; }

int ScheduleGridView::ColumnWidth(int column) const {
    return column < kFixedColumns ? fixed_->columnWidth(column) : columnWidth(column);
}

int ScheduleGridView::FixedWidth() const {
    int width = 0;
    for (int column = 0; column < kFixedColumns; ++column) width += fixed_->columnWidth(column);
    return width;
}

void ScheduleGridView::ApplyColumnWidth(int column) {
    SetColumnWidth(column, ColumnWidthFor(column));
    if (column != kColNotes) FillNotesColumn();
}

// Fixed columns live in the fixed view, whose width the row header keeps
// free; the others in the grid.
void ScheduleGridView::SetColumnWidth(int column, int width) {
    QTableView* view = column < kFixedColumns ? static_cast<QTableView*>(fixed_) : this;
    if (view->columnWidth(column) == width) return;
    view->setColumnWidth(column, width);
    if (column < kFixedColumns) {
        verticalHeader()->setFixedWidth(FixedWidth());
        PlaceFixedColumns();
    }
}

void ScheduleGridView::ApplyMetrics() {
    // The headers and the fixed columns have the grid's font by now: a font
    // reaches the children, and the fixed columns' filter, before the grid.
    const int rowHeight = TwipsToPixels(kRowHeightTwips * Scale());
    for (QTableView* view : {static_cast<QTableView*>(this), static_cast<QTableView*>(fixed_)}) {
        if (view->verticalHeader()->defaultSectionSize() != rowHeight) {
            view->verticalHeader()->setDefaultSectionSize(rowHeight);
        }
    }
    for (int column = 0; column < ScheduleGrid::kColumns; ++column) {
        setColumnHidden(column, column < kFixedColumns);
        fixed_->setColumnHidden(column, column >= kFixedColumns);
        if (column != kColNotes) SetColumnWidth(column, ColumnWidthFor(column));
    }
    verticalHeader()->setFixedWidth(FixedWidth());
    FillNotesColumn();
    PlaceFixedColumns();
}

int ScheduleGridView::WidestText(int column) const {
    const int rows = store_.Rows();
    // Digits are all as wide as each other, so the longest text is the
    // widest; only that one is measured, which keeps live resizing quick.
    const std::string* longest = nullptr;
    for (int row = 1; row < rows; ++row) {
        if (row == 1 + kFitSampleRows && rows > 1 + 2 * kFitSampleRows) row = rows - kFitSampleRows;
        const std::string& text = store_.TextMatrix(row, column);
        if (longest == nullptr || text.size() > longest->size()) longest = &text;
    }
    if (longest == nullptr) return 0;
    return fontMetrics().horizontalAdvance(QString::fromStdString(*longest));
}

// A heading is never cut, in whatever language it is written: a column is
// at least as wide as its heading.
int ScheduleGridView::HeadingWidth(int column) const {
    const QString heading = QString::fromStdString(store_.TextMatrix(0, column));
    if (heading.isEmpty()) return 0;
    const QHeaderView& header = *horizontalHeader();
    const int margin = header.style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, &header);
    // The grid's font, which the headers take as it changes.
    return fontMetrics().horizontalAdvance(heading) + 2 * margin + kCellPaddingPixels;
}

// The store's width at the current font; the date, number and money columns
// widen to their widest text (a totals label among them), every column to
// its heading.
int ScheduleGridView::ColumnWidthFor(int column) const {
    const int designed = std::max(DesignedWidth(column), HeadingWidth(column));
    const bool fitted = column <= kColNumber || (column >= kColPayment && column <= kColBalance);
    return fitted ? std::max(designed, WidestText(column) + kCellPaddingPixels) : designed;
}

void ScheduleGridView::FitColumns() {
    for (const int column :
         {int(kColDate), int(kColNumber), int(kColPayment), int(kColInterest), int(kColApplied), int(kColBalance)}) {
        SetColumnWidth(column, ColumnWidthFor(column));
    }
    FillNotesColumn();
}

// The Notes column takes whatever room the others leave, so a grid whose
// columns fit shows no horizontal scroll bar and no grey strip. Where they
// don't fit, it takes the room the last columns leave, so that scrolled to
// its end the grid still shows whole columns from its left edge on. Notes
// that hold text (the extra paid with a payment) are never cut.
void ScheduleGridView::FillNotesColumn() {
    const int room = viewport()->width();
    const int widest = WidestText(kColNotes);
    const int least =
        std::max({DesignedWidth(kColNotes), HeadingWidth(kColNotes), widest > 0 ? widest + kCellPaddingPixels : 0});
    int width = least;
    int tail = 0;  // the columns left of Notes that fit beside it, from the right
    for (int column = kColNotes - 1; column >= kFixedColumns; --column) {
        tail += columnWidth(column);
        if (tail + least > room) break;
        width = room - tail;
    }
    SetColumnWidth(kColNotes, width);
}

void ScheduleGridView::SetDesignWidths(ScheduleGrid& store) {
    for (int column = 0; column < ScheduleGrid::kColumns; ++column) {
        store.SetColWidth(column, kDesignWidthsTwips[static_cast<std::size_t>(column)]);
    }
}

int ScheduleGridView::DesignedWidth(int column) const { return TwipsToPixels(store_.ColWidth(column) * Scale()); }

void ScheduleGridView::PlaceFixedColumns() {
    // The base class lays out before the fixed columns exist; a pass lays
    // them out once it is over.
    if (fixed_ == nullptr || deferGeometries_) return;
    const int headerHeight = horizontalHeader()->height();
    if (fixed_->horizontalHeader()->height() != headerHeight) fixed_->horizontalHeader()->setFixedHeight(headerHeight);
    // They stand over the row header's room, which right to left is at the
    // right: the Date column comes first on the reader's side.
    const int left = isRightToLeft() ? width() - frameWidth() - FixedWidth() : frameWidth();
    const QRect place(left, frameWidth(), FixedWidth(), headerHeight + viewport()->height());
    if (fixed_->geometry() != place) fixed_->setGeometry(place);
}

// A new font comes with a new size: the layout control sets the grid's font,
// then its headers' fonts, then its place, width and height one after the
// other. Each of those steps would lay out the headers, the scroll bars and
// the fixed columns afresh; they are laid out once instead, when the pass is
// over and the events it left are handled (before anything is painted).
void ScheduleGridView::changeEvent(QEvent* event) {
    if (event->type() == QEvent::FontChange) DeferGeometries();
    QTableView::changeEvent(event);
    if (event->type() == QEvent::FontChange) ApplyMetrics();
}

// The fixed columns hear of a new font first (they watch the grid's), so
// either view may start the deferral.
void ScheduleGridView::DeferGeometries() {
    if (deferGeometries_) return;
    deferGeometries_ = true;
    if (fixed_ != nullptr) fixed_->HoldGeometries(true);
    QMetaObject::invokeMethod(this, &ScheduleGridView::FlushGeometries, Qt::QueuedConnection);
}

void ScheduleGridView::resizeEvent(QResizeEvent* event) {
    QTableView::resizeEvent(event);
    FillNotesColumn();
    PlaceFixedColumns();
}

void ScheduleGridView::FlushGeometries() {
    if (!deferGeometries_) return;
    deferGeometries_ = false;
    if (std::exchange(geometriesPending_, false)) updateGeometries();
    FillNotesColumn();
    PlaceFixedColumns();
    fixed_->HoldGeometries(false);
}

void ScheduleGridView::updateGeometries() {
    if (deferGeometries_) {
        geometriesPending_ = true;
        return;
    }
    QTableView::updateGeometries();
    PlaceFixedColumns();
}

// The fixed columns are always in view: reaching one of them scrolls only up
// or down.
void ScheduleGridView::scrollTo(const QModelIndex& index, ScrollHint hint) {
    if (!index.isValid() || index.column() >= kFixedColumns) {
        QTableView::scrollTo(index, hint);
        return;
    }
    QScrollBar* sideways = horizontalScrollBar();
    const int keep = sideways->value();
    QTableView::scrollTo(model()->index(index.row(), kFixedColumns), hint);
    sideways->setValue(keep);
}

std::optional<ScheduleGridView::CursorAction> ScheduleGridView::CursorActionOf(int key) {
    switch (key) {
        case Qt::Key_Up:
            return MoveUp;
        case Qt::Key_Down:
            return MoveDown;
        case Qt::Key_Left:
            return MoveLeft;
        case Qt::Key_Right:
            return MoveRight;
        case Qt::Key_Home:
            return MoveHome;
        case Qt::Key_End:
            return MoveEnd;
        case Qt::Key_PageUp:
            return MovePageUp;
        case Qt::Key_PageDown:
            return MovePageDown;
        default:
            return std::nullopt;
    }
}

// A menu asked for from the keyboard opens at the current cell, wherever the
// mouse pointer happens to be.
bool ScheduleGridView::event(QEvent* event) {
    const bool keyboardMenu = event->type() == QEvent::ContextMenu &&
                              static_cast<QContextMenuEvent*>(event)->reason() == QContextMenuEvent::Keyboard;
    if (!keyboardMenu || contextMenuPolicy() != Qt::CustomContextMenu) return QTableView::event(event);
    emit customContextMenuRequested(CurrentCellPoint());
    event->accept();
    return true;
}

QPoint ScheduleGridView::CurrentCellPoint() const {
    const QModelIndex current = currentIndex();
    if (!current.isValid()) return viewport()->rect().topLeft();
    const QTableView* view = current.column() < kFixedColumns ? fixed_ : static_cast<const QTableView*>(this);
    const QPoint centre = view->visualRect(current).center();
    return viewport()->mapFromGlobal(view->viewport()->mapToGlobal(centre));
}

// Shift with a cursor key selects the rectangle from where the selection
// began to the new cell, fixed columns included (the base class selects by
// the places of cells in its own viewport, where they have none).
void ScheduleGridView::keyPressEvent(QKeyEvent* event) {
    // Shift+F10 opens the menu as the Menu key does; the platform turns only
    // the latter into a context-menu request, at the current cell.
    if (event->key() == Qt::Key_F10 && event->modifiers() == Qt::ShiftModifier) {
        QContextMenuEvent request(QContextMenuEvent::Keyboard, QPoint(), QPoint(), event->modifiers());
        QCoreApplication::sendEvent(this, &request);
        event->accept();
        return;
    }
    const std::optional<CursorAction> action = CursorActionOf(event->key());
    if (!action || !currentIndex().isValid()) {
        QTableView::keyPressEvent(event);
        return;
    }
    const Qt::KeyboardModifiers modifiers = event->modifiers();
    const int from = currentIndex().column();
    const QModelIndex to = moveCursor(*action, modifiers);
    if (modifiers.testFlag(Qt::ShiftModifier)) {
        ExtendSelectionTo(to);
        event->accept();
    } else if (!modifiers.testFlag(Qt::ControlModifier) && to.isValid() && to.column() < kFixedColumns) {
        // The grid would select whatever cell lies under the hidden column's
        // empty rectangle, so a plain move into a fixed column is made here.
        selectionModel()->setCurrentIndex(to, QItemSelectionModel::ClearAndSelect);
        scrollTo(to);
        event->accept();
    } else {
        QTableView::keyPressEvent(event);
    }
    if (to.isValid() && to.column() < kFixedColumns && (*action == MoveHome || from >= kFixedColumns)) {
        ScrollToStart();
    }
}

// Home, or a move left out of the scrolling columns, goes back to the start
// of the row: the columns beside the fixed ones come back into view too.
void ScheduleGridView::ScrollToStart() {
    QScrollBar* sideways = horizontalScrollBar();
    sideways->setValue(sideways->minimum());
}

// Shift+cursor: the selection spans from the anchor to `to`, across the
// fixed columns too.
void ScheduleGridView::ExtendSelectionTo(const QModelIndex& to) {
    if (!to.isValid()) return;
    const QModelIndex anchor = anchor_.isValid() ? QModelIndex(anchor_) : currentIndex();
    extending_ = true;
    selectionModel()->setCurrentIndex(to, QItemSelectionModel::NoUpdate);
    const QModelIndex topLeft =
        model()->index(std::min(anchor.row(), to.row()), std::min(anchor.column(), to.column()));
    const QModelIndex bottomRight =
        model()->index(std::max(anchor.row(), to.row()), std::max(anchor.column(), to.column()));
    selectionModel()->select(QItemSelection(topLeft, bottomRight), QItemSelectionModel::ClearAndSelect);
    anchor_ = anchor;
    extending_ = false;
    scrollTo(to);
}

void ScheduleGridView::currentChanged(const QModelIndex& current, const QModelIndex& previous) {
    QTableView::currentChanged(current, previous);
    if (!extending_) anchor_ = current;
}

// The grid's own navigation knows only its columns; across the fixed ones,
// and up and down inside them, it goes as one table.
QModelIndex ScheduleGridView::moveCursor(CursorAction cursorAction, Qt::KeyboardModifiers modifiers) {
    const QModelIndex current = currentIndex();
    if (!current.isValid()) return QTableView::moveCursor(cursorAction, modifiers);
    const int row = current.row();
    const int column = current.column();
    const int lastRow = model()->rowCount() - 1;
    const int page = std::max(1, viewport()->height() / std::max(1, rowHeight(row)));
    const auto at = [this](int r, int c) { return model()->index(std::clamp(r, 0, model()->rowCount() - 1), c); };
    switch (cursorAction) {
        case MoveLeft:
        case MovePrevious:
            if (column > 0 && column <= kFixedColumns) return at(row, column - 1);
            break;
        case MoveRight:
        case MoveNext:
            if (column < kFixedColumns) return at(row, column + 1);
            break;
        case MoveHome:
            return at(modifiers.testFlag(Qt::ControlModifier) ? 0 : row, 0);
        case MoveUp:
            if (column < kFixedColumns) return at(row - 1, column);
            break;
        case MoveDown:
            if (column < kFixedColumns) return at(std::min(row + 1, lastRow), column);
            break;
        case MovePageUp:
            if (column < kFixedColumns) return at(row - page, column);
            break;
        case MovePageDown:
            if (column < kFixedColumns) return at(std::min(row + page, lastRow), column);
            break;
        case MoveEnd:
            break;
    }
    return QTableView::moveCursor(cursorAction, modifiers);
}

}  // namespace quillmere
