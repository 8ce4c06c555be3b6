#include "ui/main/accessibility.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QCalendarWidget>
#include <QLineEdit>
#include <QLoggingCategory>
#include <QTableView>

#include "ui/common/accessible_line_edit.h"
#include "ui/main/accessible_table.h"
#include "ui/main/result_announcer.h"
#include "ui/main/schedule_grid_view.h"

namespace quillmere {
namespace {

constexpr int kDaysInWeek = 7;
constexpr int kCalendarWeeks = 6;

// The schedule grid: its fixed columns are shown beside it, by another view.
class ScheduleGridAccessible final : public AccessibleTable {
public:
    explicit ScheduleGridAccessible(ScheduleGridView* grid) : AccessibleTable(grid) {}

    [[nodiscard]] QRect CellRect(int row, int column) const override {
        const auto* grid = static_cast<const ScheduleGridView*>(View());
        return RectIn(grid->isColumnHidden(column) ? grid->FixedColumns() : static_cast<const QTableView&>(*grid), row,
                      column);
    }
};

// The calendar's day grid: six weeks of seven days, below a row of day names
// and beside a column of week numbers where the calendar shows them.
class CalendarDaysAccessible final : public AccessibleTable {
public:
    CalendarDaysAccessible(QTableView* days, QCalendarWidget& calendar) : AccessibleTable(days), calendar_(calendar) {}

    [[nodiscard]] int RowOffset() const override {
        return calendar_.horizontalHeaderFormat() == QCalendarWidget::NoHorizontalHeader ? 0 : 1;
    }
    [[nodiscard]] int ColumnOffset() const override {
        return calendar_.verticalHeaderFormat() == QCalendarWidget::ISOWeekNumbers ? 1 : 0;
    }
    [[nodiscard]] int DataRows() const override { return kCalendarWeeks; }
    [[nodiscard]] int DataColumns() const override { return kDaysInWeek; }

    [[nodiscard]] QString CellName(int row, int column) const override {
        const QDate date = DateAt(row, column);
        return date.isValid() ? calendar_.locale().toString(date, QLocale::LongFormat) : QString();
    }
    [[nodiscard]] QString ColumnHeaderName(int column) const override {
        const int day = (calendar_.firstDayOfWeek() - 1 + column) % kDaysInWeek + 1;
        return calendar_.locale().standaloneDayName(day, QLocale::LongFormat);
    }
    [[nodiscard]] QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name && View()->accessibleName().isEmpty()) return calendar_.accessibleName();
        return AccessibleTable::text(t);
    }

private:
    // The grid shows 42 days in a row; the first of the month shown stands
    // in its first or second week.
    [[nodiscard]] QDate DateAt(int row, int column) const {
        for (int cell = 0; cell < 2 * kDaysInWeek; ++cell) {
            if (ModelIndex(cell / kDaysInWeek, cell % kDaysInWeek).data().toInt() == 1) {
                const QDate first(calendar_.yearShown(), calendar_.monthShown(), 1);
                return first.addDays(row * kDaysInWeek + column - cell);
            }
        }
        return {};
    }

    QCalendarWidget& calendar_;
};

// A view whose cells another table already lists: nothing of its own.
class OutOfSight final : public QAccessibleWidget {
public:
    explicit OutOfSight(QWidget* widget) : QAccessibleWidget(widget, QAccessible::Pane) {}
    [[nodiscard]] int childCount() const override { return 0; }
    [[nodiscard]] QAccessibleInterface* child(int /*index*/) const override { return nullptr; }
    [[nodiscard]] int indexOfChild(const QAccessibleInterface* /*child*/) const override { return -1; }
    [[nodiscard]] QAccessible::State state() const override {
        QAccessible::State state;
        state.invisible = true;
        return state;
    }
};

class Announcement final : public QAccessibleWidget {
public:
    explicit Announcement(ResultAnnouncer* announcer) : QAccessibleWidget(announcer, QAccessible::Notification) {}
    [[nodiscard]] QString text(QAccessible::Text t) const override {
        return t == QAccessible::Name ? static_cast<ResultAnnouncer*>(widget())->Text() : QAccessibleWidget::text(t);
    }
};

bool IsFixedColumnsView(const QObject* object) {
    return qobject_cast<const ScheduleGridView*>(object->parent()) != nullptr &&
           object->objectName() == QLatin1String("gridOneFixedColumns");
}

QCalendarWidget* CalendarOfDays(QObject* object) {
    if (object->objectName() != QLatin1String("qt_calendar_calendarview")) return nullptr;
    return qobject_cast<QCalendarWidget*>(object->parent());
}

QAccessibleInterface* MakeAdapter(const QString& /*className*/, QObject* object) {
    if (object == nullptr || !object->isWidgetType()) return nullptr;
    if (auto* grid = qobject_cast<ScheduleGridView*>(object)) return new ScheduleGridAccessible(grid);
    if (IsFixedColumnsView(object)) return new OutOfSight(static_cast<QWidget*>(object));
    if (QCalendarWidget* calendar = CalendarOfDays(object)) {
        return new CalendarDaysAccessible(static_cast<QTableView*>(object), *calendar);
    }
    if (auto* calendar = qobject_cast<QCalendarWidget*>(object)) {
        return new QAccessibleWidget(calendar, QAccessible::Grouping);
    }
    if (auto* box = qobject_cast<QLineEdit*>(object);
        box != nullptr && box->objectName() != QLatin1String("qt_spinbox_lineedit")) {
        return new AccessibleLineEdit(box);
    }
    if (auto* announcer = qobject_cast<ResultAnnouncer*>(object)) return new Announcement(announcer);
    return nullptr;
}

QAccessible::UpdateHandler nextHandler = nullptr;

void RemapTableEvent(QAccessibleEvent* event);

// Passes an event on, to the handler installed before or else to the
// platform's bridge.
void PassOn(QAccessibleEvent* event) {
    if (nextHandler != nullptr) {
        nextHandler(event);
        return;
    }
    QAccessible::installUpdateHandler(nullptr);
    QAccessible::updateAccessibility(event);
    QAccessible::installUpdateHandler(RemapTableEvent);
}

// Qt's item views tell focus and selection by a child number that counts a
// header row and a header column; our tables count cells alone. Such events
// are told again on the cell itself. The fixed columns' view tells nothing.
void RemapTableEvent(QAccessibleEvent* event) {
    QObject* object = event->object();
    auto* view = qobject_cast<QTableView*>(object);
    if (view == nullptr) {
        PassOn(event);
        return;
    }
    if (IsFixedColumnsView(view)) return;
    auto* table = dynamic_cast<AccessibleTable*>(QAccessible::queryAccessibleInterface(view));
    const QAccessible::Event type = event->type();
    const bool aboutACell = type == QAccessible::Focus || type == QAccessible::Selection ||
                            type == QAccessible::SelectionAdd || type == QAccessible::SelectionRemove;
    if (table == nullptr || !aboutACell) {
        PassOn(event);
        return;
    }
    const QModelIndex index = event->child() >= 0 ? table->IndexOfQtChild(event->child())
                                                  : (type == QAccessible::Focus ? view->currentIndex() : QModelIndex());
    if (QAccessibleInterface* cell = table->CellFor(index)) {
        QAccessibleEvent cellEvent(cell, type);
        PassOn(&cellEvent);
        return;
    }
    QAccessibleEvent tableEvent(table, type);
    PassOn(&tableEvent);
}

}  // namespace

void InstallAccessibility() {
    QAccessible::installFactory(MakeAdapter);
    nextHandler = QAccessible::installUpdateHandler(RemapTableEvent);
    // Qt looks an item view's event up by its own child number before any
    // handler sees it, and warns when that number is past our last cell, on
    // nearly every cell move. The event is remapped and told right; the
    // warning is noise. QT_LOGGING_RULES still turns it back on.
    QLoggingCategory::setFilterRules(QStringLiteral("qt.accessibility.core.warning=false"));
}

}  // namespace quillmere
