#include "ui/main/schedule_grid_view.h"

#include <QEvent>
#include <QFontMetrics>
#include <QHeaderView>
#include <QScrollBar>

#include <algorithm>
#include <utility>

#include "autoresize/twips.h"
#include "schedule/schedule_grid.h"
#include "ui/main/schedule_table_model.h"

namespace quillmere {
namespace {

constexpr int kFixedColumns = ScheduleTableModel::kFixedColumns;

constexpr int kRowHeightTwips = 255;
// Rows measured at each end of a schedule when fitting the money columns:
// balances are largest at the top, the sums at the bottom.
constexpr int kFitSampleRows = 40;
// The cell's text margins, with a little room to spare.
constexpr int kCellPaddingPixels = 8;

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
    setModel(&model);
    SetUpTable(*this);
    setHorizontalScrollMode(ScrollPerPixel);
    // Cells white, the area past the last row and column grey, grid lines light grey.
    setStyleSheet(
        QStringLiteral("QTableView { background-color: rgb(128, 128, 128);"
                       " gridline-color: rgb(192, 192, 192); }"));
    BuildFixedColumns();
    connect(&model, &ScheduleTableModel::ColumnWidthChanged, this, [this](int column) { ApplyColumnWidth(column); });
    // A reset of the model gives every column the header's default width.
    connect(&model, &QAbstractItemModel::modelReset, this, &ScheduleGridView::ApplyMetrics);
    connect(horizontalHeader(), &QHeaderView::sectionResized, this, [this](int column, int, int width) {
        if (column >= kFixedColumns) return;
        fixed_->setColumnWidth(column, width);
        PlaceFixedColumns();
    });
    ApplyMetrics();
}

void ScheduleGridView::BuildFixedColumns() {
    fixed_ = new QTableView(this);
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
    viewport()->stackUnder(fixed_);
    connect(fixed_->verticalScrollBar(), &QScrollBar::valueChanged, verticalScrollBar(), &QScrollBar::setValue);
    connect(verticalScrollBar(), &QScrollBar::valueChanged, fixed_->verticalScrollBar(), &QScrollBar::setValue);
}

double ScheduleGridView::Scale() const { return font().pointSizeF() / kDesignPoints; }

int ScheduleGridView::FixedWidth() const {
    int width = 0;
    for (int column = 0; column < kFixedColumns; ++column) width += columnWidth(column);
    return width;
}

void ScheduleGridView::ApplyColumnWidth(int column) {
    SetColumnWidth(column, ColumnWidthFor(column));
    if (column != kColNotes) FillNotesColumn();
}

void ScheduleGridView::SetColumnWidth(int column, int width) {
    if (columnWidth(column) != width) setColumnWidth(column, width);
}

void ScheduleGridView::ApplyMetrics() {
    // The headers and the fixed columns inherit the grid's font, and have it
    // by now: a font reaches the children before the parent hears of it.
    const int rowHeight = TwipsToPixels(kRowHeightTwips * Scale());
    for (QTableView* view : {static_cast<QTableView*>(this), fixed_}) {
        if (view->verticalHeader()->defaultSectionSize() != rowHeight) {
            view->verticalHeader()->setDefaultSectionSize(rowHeight);
        }
    }
    for (int column = 0; column < kColNotes; ++column) {
        SetColumnWidth(column, ColumnWidthFor(column));
        fixed_->setColumnHidden(column, column >= kFixedColumns);
    }
    fixed_->setColumnHidden(kColNotes, true);
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
    // Summed glyph by glyph: a money text is digits, separators and a sign,
    // which a font doesn't kern, and this spares shaping it on every pass.
    const QFontMetrics metrics = fontMetrics();
    int width = 0;
    for (const QChar character : QString::fromStdString(*longest)) width += metrics.horizontalAdvance(character);
    return width;
}

// The store's width at the current font; the date and money columns widen
// to their widest text.
int ScheduleGridView::ColumnWidthFor(int column) const {
    const int designed = DesignedWidth(column);
    const bool fitted = column == kColDate || (column >= kColPayment && column <= kColBalance);
    return fitted ? std::max(designed, WidestText(column) + kCellPaddingPixels) : designed;
}

void ScheduleGridView::FitColumns() {
    for (const int column : {int(kColDate), int(kColPayment), int(kColInterest), int(kColApplied), int(kColBalance)}) {
        SetColumnWidth(column, ColumnWidthFor(column));
    }
    FillNotesColumn();
}

// The empty Notes column takes whatever room the others leave, so a grid
// whose columns fit shows no horizontal scroll bar and no grey strip.
void ScheduleGridView::FillNotesColumn() {
    int others = 0;
    for (int column = 0; column < kColNotes; ++column) others += columnWidth(column);
    SetColumnWidth(kColNotes, std::max(DesignedWidth(kColNotes), viewport()->width() - others));
}

int ScheduleGridView::DesignedWidth(int column) const { return TwipsToPixels(store_.ColWidth(column) * Scale()); }

void ScheduleGridView::PlaceFixedColumns() {
    // The base class lays out before the fixed columns exist; a pass lays
    // them out once it is over.
    if (fixed_ == nullptr || deferGeometries_) return;
    const int headerHeight = horizontalHeader()->height();
    if (fixed_->horizontalHeader()->height() != headerHeight) fixed_->horizontalHeader()->setFixedHeight(headerHeight);
    const QRect place(frameWidth(), frameWidth(), FixedWidth(), viewport()->height() + headerHeight);
    if (fixed_->geometry() != place) fixed_->setGeometry(place);
}

// A new font comes with a new size: the layout control sets the grid's font,
// then its headers' fonts, then its place, width and height one after the
// other. Each of those steps would lay out the headers, the scroll bars and
// the fixed columns afresh; they are laid out once instead, when the pass is
// over and the events it left are handled (before anything is painted).
void ScheduleGridView::changeEvent(QEvent* event) {
    if (event->type() == QEvent::FontChange && !deferGeometries_) {
        deferGeometries_ = true;
        QMetaObject::invokeMethod(this, &ScheduleGridView::FlushGeometries, Qt::QueuedConnection);
    }
    QTableView::changeEvent(event);
    if (event->type() == QEvent::FontChange) ApplyMetrics();
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
// or down. Any other cell is brought out from under them.
void ScheduleGridView::scrollTo(const QModelIndex& index, ScrollHint hint) {
    QScrollBar* sideways = horizontalScrollBar();
    if (index.column() < kFixedColumns) {
        const int keep = sideways->value();
        QTableView::scrollTo(index, hint);
        sideways->setValue(keep);
        return;
    }
    QTableView::scrollTo(index, hint);
    const int covered = FixedWidth() - visualRect(index).left();
    if (covered > 0) sideways->setValue(sideways->value() - covered);
}

}  // namespace quillmere
