// MonthCalendar: the month calendar of the first payment date.
//
// A QCalendarWidget showing one month, single-letter day names and no week
// numbers, that also
//  - shrinks with its font: its arrows follow the font's height, its day
//    grid divides whatever room it has, and where the navigation bar's usual
//    spacing doesn't fit, its buttons close up to their texts, so the month
//    name, the year and all seven weekday columns stay in view down to half
//    the window's design size;
//  - shows the keyboard focus clearly: while the day grid has the focus, the
//    selected day carries a frame in the style's text colour;
//  - marks the locale's weekend days in red;
//  - names its arrows and year box for a screen reader (the day grid and its
//    days are told by accessibility.h).
#pragma once

#include <QCalendarWidget>

class QTableView;
class QToolButton;

namespace quillmere {

class MonthCalendar final : public QCalendarWidget {
    Q_OBJECT

public:
    explicit MonthCalendar(QWidget* parent);

    // The day grid, which takes the keyboard focus for the calendar.
    [[nodiscard]] QTableView* DayGrid() const { return dayGrid_; }

protected:
    void changeEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void paintCell(QPainter* painter, const QRect& rect, QDate date) const override;

private:
    void NameParts();
    void MarkWeekend();
    void FitNavigationBar();

    QTableView* dayGrid_ = nullptr;
    QWidget* navigationBar_ = nullptr;
    QToolButton* previousMonth_ = nullptr;
    QToolButton* nextMonth_ = nullptr;
    QToolButton* month_ = nullptr;
    QToolButton* year_ = nullptr;
};

}  // namespace quillmere
