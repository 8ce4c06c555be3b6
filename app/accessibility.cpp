#include "app/accessibility.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QApplication>
#include <QCalendarWidget>
#include <QHash>
#include <QLineEdit>
#include <QLoggingCategory>
#include <QMenu>
#include <QPointer>
#include <QTableView>
#include <QTimer>

#include "ui/common/accessible_line_edit.h"
#include "ui/common/result_announcer.h"
#include "ui/grid/accessible_context_menu.h"
#include "ui/grid/accessible_table.h"
#include "ui/grid/schedule_grid_view.h"

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

    // A list, not a table, though it keeps its rows and columns: Orca reads
    // a whole row of a table on every move between rows, seven dates where
    // the listener wants the one day now selected. A day's date says its
    // weekday, so the weekday's column isn't said before it.
    [[nodiscard]] QAccessible::Role role() const override { return QAccessible::List; }
    [[nodiscard]] bool CellsHaveColumnHeaders() const override { return false; }

    [[nodiscard]] QString CellName(int row, int column) const override {
        const QDate date = DateAt(row, column);
        return date.isValid() ? calendar_.locale().toString(date, QLocale::LongFormat) : QString();
    }
    [[nodiscard]] QString ColumnHeaderName(int column) const override {
        const int day = (calendar_.firstDayOfWeek() - 1 + column) % kDaysInWeek + 1;
        return calendar_.locale().standaloneDayName(day, QLocale::LongFormat);
    }
    // The days are named by the month they show: the calendar around them
    // already says what the date is for.
    [[nodiscard]] QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name && View()->accessibleName().isEmpty()) {
            return calendar_.locale().toString(QDate(calendar_.yearShown(), calendar_.monthShown(), 1),
                                               QStringLiteral("MMMM yyyy"));
        }
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

// The calendar: a group named once. Its label on screen ("Select First
// Payment Date") says what its name says; Orca would speak both.
class CalendarGroup final : public QAccessibleWidget {
public:
    explicit CalendarGroup(QCalendarWidget* calendar) : QAccessibleWidget(calendar, QAccessible::Grouping) {}
    [[nodiscard]] QList<std::pair<QAccessibleInterface*, QAccessible::Relation>> relations(
        QAccessible::Relation match) const override {
        return QAccessibleWidget::relations(match & ~QAccessible::Relation(QAccessible::Label));
    }
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
    if (auto* menu = qobject_cast<QMenu*>(object);
        menu != nullptr && qobject_cast<ScheduleGridView*>(menu->parentWidget()) != nullptr) {
        return new AccessibleContextMenu(menu);
    }
    if (auto* calendar = qobject_cast<QCalendarWidget*>(object)) {
        return new CalendarGroup(calendar);
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

// What the focus event was last told for, until it loses the focus.
QPointer<QObject> focusTold;

bool IsCaretOrSelection(QAccessible::Event type) {
    return type == QAccessible::TextCaretMoved || type == QAccessible::TextSelectionChanged;
}

// A menu that closes while its owner kept the keyboard focus all along (as
// when the window manager left the window active) gets no focus event from
// Qt for the owner, and a screen reader would stay on the vanished entry. The
// owner's focus is told again, on its current cell where it is a table.
void HandBackFocus(QAccessibleEvent& menuEnd) {
    PassOn(&menuEnd);
    auto* menu = qobject_cast<QWidget*>(menuEnd.object());
    QWidget* owner = menu != nullptr ? menu->parentWidget() : nullptr;
    if (owner == nullptr || !owner->hasFocus()) return;
    QAccessibleEvent focus(owner, QAccessible::Focus);
    QAccessible::updateAccessibility(&focus);
}

// An emptied box has no caret or selection worth a word; Orca would say
// "Text unselected" as Clear empties the box with the focus.
bool IsEmptyBox(const QObject& object) {
    const auto* box = qobject_cast<const QLineEdit*>(&object);
    return box != nullptr && box->text().isEmpty();
}

// Qt tells a box's caret and selection events from its focus-in handler,
// before the focus event of the same move. Orca then takes the box as
// focused without a word, or says its selection twice. So the focus event is
// told first, once: ahead of the first caret or selection event of the
// widget that has the focus, and Qt's own one after it is not told again.
//
// The caret and selection of a box without the focus are not told at all:
// Orca reads the box's state only later, when the focus may have come to it
// (Clear empties the boxes, then focuses the first), and takes the box as
// focused without a word; and a box that loses the focus loses its
// selection too, which Orca would call "Text unselected" before the new
// focus.
void TellFocusFirst(QAccessibleEvent* event) {
    QObject* object = event->object();
    const QAccessible::Event type = event->type();
    if (type == QAccessible::PopupMenuEnd && object != nullptr && object == focusTold) {
        HandBackFocus(*event);
        return;
    }
    if (type == QAccessible::Focus) {
        // A menu tells its entries' focus on itself, by their numbers.
        if (object != nullptr && object == focusTold && event->child() < 0) return;
        focusTold = object;
    } else if (IsCaretOrSelection(type) && object != nullptr && object->isWidgetType()) {
        if (object != QApplication::focusWidget() || IsEmptyBox(*object)) return;
        if (object != focusTold) {
            focusTold = object;
            QAccessibleEvent focus(object, QAccessible::Focus);
            PassOn(&focus);
        }
    }
    PassOn(event);
}

// Whether each window was last told active.
QHash<QObject*, bool> toldActive;

bool IsActivation(QAccessibleEvent* event) {
    if (event->type() != QAccessible::StateChanged || event->object() == nullptr) return false;
    QAccessible::State onlyActive;
    onlyActive.active = true;
    return static_cast<QAccessibleStateChangeEvent*>(event)->changedStates() == onlyActive;
}

// Qt tells a window's activation as a change of its active state, which the
// AT-SPI bridge reads from the window as it is when told: a window coming up
// is told inactive, and one under a popup menu, opened or closed, is told
// activated again, so Orca reads its title and the way down to the focus
// anew, about ten utterances before the menu or the cell. So the activation
// is told once it has settled, and only when it changed.
void TellActivationOnceSettled(QObject* window) {
    QTimer::singleShot(0, window, [window] {
        QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(window);
        if (iface == nullptr) return;
        const bool active = iface->state().active;
        const auto told = toldActive.constFind(window);
        if (told != toldActive.cend() && *told == active) return;
        if (told == toldActive.cend()) {
            QObject::connect(window, &QObject::destroyed, [](QObject* gone) { toldActive.remove(gone); });
        }
        toldActive.insert(window, active);
        QAccessible::State changed;
        changed.active = true;
        QAccessibleStateChangeEvent event(window, changed);
        PassOn(&event);
    });
}

// Qt's item views tell focus and selection by a child number that counts a
// header row and a header column; our tables count cells alone. Such events
// are told again on the cell itself. The fixed columns' view tells nothing.
void RemapTableEvent(QAccessibleEvent* event) {
    QObject* object = event->object();
    auto* view = qobject_cast<QTableView*>(object);
    if (IsActivation(event)) {
        TellActivationOnceSettled(event->object());
        return;
    }
    if (view == nullptr) {
        TellFocusFirst(event);
        return;
    }
    if (event->type() == QAccessible::Focus) focusTold = view;
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
    // A widget that loses the focus is told again when it gets it back.
    QObject::connect(qApp, &QApplication::focusChanged, [](QWidget* old, QWidget* /*now*/) {
        if (old != nullptr && old == focusTold) focusTold = nullptr;
    });
    // Qt looks an item view's event up by its own child number before any
    // handler sees it, and warns when that number is past our last cell, on
    // nearly every cell move. The event is remapped and told right; the
    // warning is noise. QT_LOGGING_RULES still turns it back on.
    QLoggingCategory::setFilterRules(QStringLiteral("qt.accessibility.core.warning=false"));
}

}  // namespace quillmere
