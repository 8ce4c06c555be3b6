// Chart axes: what the charts share of their layout. A plot's frame and the
// ranges it shows, its amount axis (round steps, labelled in the user's
// money text) and its time axis (whole years, in the locale's digits), and
// how labels along either axis make way for one another where they would
// crowd: every other one, or every fourth, is left out.
//
// The loan chart and the comparison chart lay out their plots with these,
// so both read alike and a fix to one is a fix to both.
#pragma once

#include <QFontMetricsF>
#include <QLocale>
#include <QPainterPath>
#include <QRectF>
#include <QString>

#include <initializer_list>
#include <vector>

namespace quillmere {

class LocaleMoneyFormatter;

// The spacing every chart keeps, in pixels, and the axes' rough step counts.
namespace axes {
inline constexpr double kPad = 8;       // from the canvas's edge to anything on it
inline constexpr double kGap = 6;       // between an axis and its labels, and between labels side by side
inline constexpr double kLineGap = 2;   // between a title and its frame, below a frame and its bottom label
inline constexpr double kLabelGap = 4;  // between amount labels one above the other
inline constexpr int kAmountSteps = 4;
inline constexpr int kYearSteps = 6;
inline constexpr double kMonthsPerYear = 12;
}  // namespace axes

struct ChartLabel {
    QString text;
    QRectF rect;  // drawn centred in it, or against its right edge for an amount
};

// One plot: its frame, the ranges it shows, and the texts around it.
struct PlotLayout {
    QRectF pane;
    double firstYear = 0;
    double lastYear = 1;
    double top = 1;  // the amount at the top of the axis, a whole step
    ChartLabel title;
    std::vector<double> amountLines;  // amounts with a grid line, from 0 up
    std::vector<ChartLabel> amountLabels;
    std::vector<double> yearTicks;
    std::vector<ChartLabel> yearLabels;

    // Where a date (in years) and an amount stand in the pane.
    [[nodiscard]] double X(double when) const;
    [[nodiscard]] double Y(double amount) const;
};

// A round step that cuts `range` into about `parts`: 1, 2 or 5 times a power of ten.
[[nodiscard]] double NiceStep(double range, int parts);

// The top of an amount axis: the largest amount rounded up to a whole step,
// so the top tick stands on the frame and the tallest bar or point below it.
[[nodiscard]] double AxisTop(double largest);

// How wide `text` is drawn: its advance, or its ink where that reaches further.
[[nodiscard]] double DrawnWidth(const QFontMetricsF& metrics, const QString& text);

// Every `stride`th of `count` labels `spacing` apart, the least power of two
// that leaves `room` for each.
[[nodiscard]] int Stride(double spacing, double room);

// The amounts with a grid line on an axis up to `top`, from 0 up.
[[nodiscard]] std::vector<double> AmountLines(double top);

// The whole years with a tick from `first` to `last`, a round number of years apart.
[[nodiscard]] std::vector<double> YearTicks(double first, double last);

// What placing the axes' labels needs measured first.
struct AxisMeasures {
    double line = 0;         // a line of text's height
    double amountWidth = 0;  // the widest amount label of any of the plots
    double yearWidth = 0;    // the widest year label
};

// Measures the labels of `plots`, whose ranges and tops are set; they share a
// time axis (the first plot's years).
[[nodiscard]] AxisMeasures MeasureAxes(const QFontMetricsF& metrics, std::initializer_list<const PlotLayout*> plots,
                                       const LocaleMoneyFormatter& money);

// The amount labels of `plot` (its pane and top set), right-aligned from the
// canvas's left padding, and the year labels just below its frame.
void PlaceAmountLabels(PlotLayout& plot, const AxisMeasures& measures, const LocaleMoneyFormatter& money);
void PlaceYearLabels(PlotLayout& plot, const AxisMeasures& measures, const QLocale& locale);

// A point of a line drawn over time: its date in years, and its amount.
struct ChartPoint {
    double when = 0;
    double amount = 0;
};

// `points` (in order of time) as one vertical stroke per pixel column of
// `plot`, from the lowest to the highest amount that falls in it, joined
// column to column: the picture every point would give, at a cost that
// depends on the width alone (a 9,999-payment loan draws as quickly as a
// short one).
[[nodiscard]] QPainterPath ColumnPath(const PlotLayout& plot, const std::vector<ChartPoint>& points);

}  // namespace quillmere
