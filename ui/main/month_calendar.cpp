#include "ui/main/month_calendar.h"

#include <QEvent>
#include <QHeaderView>
#include <QPainter>
#include <QTableView>
#include <QTextCharFormat>
#include <QToolButton>

namespace quillmere {
namespace {

// The width of the focus frame around the selected day.
constexpr int kFocusFrameWidth = 2;

// Lets a button take the width its layout gives it (`fixed` 0) or holds it
// to `fixed` pixels.
void HoldWidth(QWidget& button, int fixed) {
    button.setMinimumWidth(fixed);
    button.setMaximumWidth(fixed > 0 ? fixed : QWIDGETSIZE_MAX);
}

}  // namespace

MonthCalendar::MonthCalendar(QWidget* parent) : QCalendarWidget(parent) {
    setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    setHorizontalHeaderFormat(QCalendarWidget::SingleLetterDayNames);
    // The parts QCalendarWidget builds, by the names it gives them.
    dayGrid_ = findChild<QTableView*>(QStringLiteral("qt_calendar_calendarview"));
    navigationBar_ = findChild<QWidget*>(QStringLiteral("qt_calendar_navigationbar"));
    previousMonth_ = findChild<QToolButton*>(QStringLiteral("qt_calendar_prevmonth"));
    nextMonth_ = findChild<QToolButton*>(QStringLiteral("qt_calendar_nextmonth"));
    month_ = findChild<QToolButton*>(QStringLiteral("qt_calendar_monthbutton"));
    year_ = findChild<QToolButton*>(QStringLiteral("qt_calendar_yearbutton"));
    if (navigationBar_ != nullptr) {
        // Buttons as close to their texts as the style allows; like most
        // month calendars, the month name opens its menu without an arrow.
        navigationBar_->setStyleSheet(
            QStringLiteral("QToolButton { padding: 0px 2px; }"
                           " QToolButton::menu-indicator { image: none; width: 0px; }"));
    }
    NameParts();
    MarkWeekend();
    if (dayGrid_ != nullptr) {
        // Rows and columns share whatever room there is, however small.
        dayGrid_->horizontalHeader()->setMinimumSectionSize(1);
        dayGrid_->verticalHeader()->setMinimumSectionSize(1);
        // A narrow day shows its number whole, up to the cell's edges, not "...".
        dayGrid_->setTextElideMode(Qt::ElideNone);
    }
    // A new month brings a month name of another length.
    connect(this, &QCalendarWidget::currentPageChanged, this, &MonthCalendar::FitNavigationBar);
    FitNavigationBar();
}

// What a screen reader calls the parts QCalendarWidget leaves nameless.
void MonthCalendar::NameParts() {
    if (previousMonth_ != nullptr) previousMonth_->setAccessibleName(tr("Previous month"));
    if (nextMonth_ != nullptr) nextMonth_->setAccessibleName(tr("Next month"));
    // The month and year buttons say their texts; what they do is described.
    if (month_ != nullptr) month_->setAccessibleDescription(tr("Chooses the month"));
    if (year_ != nullptr) year_->setAccessibleDescription(tr("Chooses the year"));
    if (auto* yearBox = findChild<QWidget*>(QStringLiteral("qt_calendar_yearedit"))) {
        yearBox->setAccessibleName(tr("Year"));
    }
}

// The weekend in red is the locale's own (Friday and Saturday in Egypt),
// not always Saturday and Sunday.
void MonthCalendar::MarkWeekend() {
    const QList<Qt::DayOfWeek> workdays = locale().weekdays();
    QTextCharFormat weekend;
    weekend.setForeground(Qt::red);
    for (int day = Qt::Monday; day <= Qt::Sunday; ++day) {
        const auto dayOfWeek = static_cast<Qt::DayOfWeek>(day);
        setWeekdayTextFormat(dayOfWeek, workdays.contains(dayOfWeek) ? QTextCharFormat() : weekend);
    }
}

void MonthCalendar::changeEvent(QEvent* event) {
    QCalendarWidget::changeEvent(event);
    if (event->type() == QEvent::FontChange) FitNavigationBar();
    if (event->type() == QEvent::LocaleChange) MarkWeekend();
}

void MonthCalendar::resizeEvent(QResizeEvent* event) {
    QCalendarWidget::resizeEvent(event);
    FitNavigationBar();
}

void MonthCalendar::paintCell(QPainter* painter, const QRect& rect, QDate date) const {
    QCalendarWidget::paintCell(painter, rect, date);
    if (date != selectedDate() || dayGrid_ == nullptr || !dayGrid_->hasFocus()) return;
    painter->save();
    QPen pen(palette().color(QPalette::Text), kFocusFrameWidth);
    pen.setJoinStyle(Qt::MiterJoin);
    painter->setPen(pen);
    painter->setBrush(Qt::NoBrush);
    const int inset = kFocusFrameWidth / 2;
    painter->drawRect(rect.adjusted(inset, inset, -inset - 1, -inset - 1));
    painter->restore();
}

// The arrows are as tall as the text. Where the bar is wider than the
// calendar, each button is held to its own content, which the month name and
// the year then just fill.
void MonthCalendar::FitNavigationBar() {
    if (navigationBar_ == nullptr || previousMonth_ == nullptr || nextMonth_ == nullptr || month_ == nullptr ||
        year_ == nullptr) {
        return;
    }
    const int arrow = fontMetrics().height();
    for (QToolButton* button : {previousMonth_, month_, year_, nextMonth_}) HoldWidth(*button, 0);
    previousMonth_->setIconSize(QSize(arrow, arrow));
    nextMonth_->setIconSize(QSize(arrow, arrow));
    if (navigationBar_->sizeHint().width() <= width()) return;
    constexpr int kSpare = 2;
    HoldWidth(*previousMonth_, arrow + kSpare);
    HoldWidth(*nextMonth_, arrow + kSpare);
    for (QToolButton* button : {month_, year_}) {
        HoldWidth(*button, button->fontMetrics().horizontalAdvance(button->text()) + kSpare);
    }
}

}  // namespace quillmere
