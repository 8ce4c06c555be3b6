#include "ui/chart/chart_axes.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "money/locale_money_formatter.h"
#include "ui/chart/loan_chart_data.h"

namespace quillmere {

using namespace axes;

double PlotLayout::X(double when) const {
    return pane.left() + (when - firstYear) / (lastYear - firstYear) * pane.width();
}

double PlotLayout::Y(double amount) const { return pane.bottom() - (top > 0 ? amount / top : 0) * pane.height(); }

double NiceStep(double range, int parts) {
    if (!(range > 0)) return 1;
    const double rough = range / parts;
    const double power = std::pow(10.0, std::floor(std::log10(rough)));
    for (const double multiple : {1.0, 2.0, 5.0}) {
        if (multiple * power >= rough) return multiple * power;
    }
    return 10 * power;
}

double AxisTop(double largest) {
    const double step = NiceStep(largest, kAmountSteps);
    return std::max(1.0, std::ceil(largest / step)) * step;
}

double DrawnWidth(const QFontMetricsF& metrics, const QString& text) {
    return std::max(metrics.horizontalAdvance(text), metrics.boundingRect(text).width());
}

int Stride(double spacing, double room) {
    int stride = 1;
    while (stride * spacing < room && stride < (1 << 20)) stride *= 2;
    return stride;
}

std::vector<double> AmountLines(double top) {
    const double step = NiceStep(top, kAmountSteps);
    std::vector<double> lines;
    for (int k = 0; k * step <= top + step / 2; ++k) lines.push_back(k * step);
    return lines;
}

std::vector<double> YearTicks(double first, double last) {
    const double step = std::max(1.0, NiceStep(last - first, kYearSteps));
    std::vector<double> ticks;
    for (double year = std::ceil(first / step) * step; year <= last; year += step) ticks.push_back(year);
    return ticks;
}

AxisMeasures MeasureAxes(const QFontMetricsF& metrics, std::initializer_list<const PlotLayout*> plots,
                         const LocaleMoneyFormatter& money) {
    AxisMeasures measures;
    measures.line = metrics.height();
    for (const PlotLayout* plot : plots) {
        for (const double amount : AmountLines(plot->top)) {
            const QString text = QString::fromStdString(money.Format(amount));
            measures.amountWidth = std::max(measures.amountWidth, DrawnWidth(metrics, text));
        }
    }
    if (plots.size() == 0) return measures;
    // Years of as many digits draw as wide in the tabular digits of a chart's fonts.
    const PlotLayout& first = **plots.begin();
    for (const double year : {first.firstYear, first.lastYear}) {
        measures.yearWidth =
            std::max(measures.yearWidth, DrawnWidth(metrics, YearText(static_cast<int>(year), money.Locale())));
    }
    return measures;
}

void PlaceAmountLabels(PlotLayout& plot, const AxisMeasures& measures, const LocaleMoneyFormatter& money) {
    plot.amountLines = AmountLines(plot.top);
    const double spacing = plot.amountLines.size() > 1 ? plot.Y(0) - plot.Y(plot.amountLines[1]) : measures.line;
    const int stride = Stride(spacing, measures.line + kLabelGap);
    for (std::size_t k = 0; k < plot.amountLines.size(); k += static_cast<std::size_t>(stride)) {
        const double y = plot.Y(plot.amountLines[k]);
        plot.amountLabels.push_back({QString::fromStdString(money.Format(plot.amountLines[k])),
                                     QRectF(kPad, y - measures.line / 2, measures.amountWidth, measures.line)});
    }
}

void PlaceYearLabels(PlotLayout& plot, const AxisMeasures& measures, const QLocale& locale) {
    plot.yearTicks = YearTicks(plot.firstYear, plot.lastYear);
    const double spacing =
        plot.yearTicks.size() > 1 ? plot.X(plot.yearTicks[1]) - plot.X(plot.yearTicks[0]) : plot.pane.width();
    const int stride = Stride(spacing, measures.yearWidth + kGap);
    const double top = plot.pane.bottom() + measures.line / 2 + kLineGap;
    for (std::size_t k = 0; k < plot.yearTicks.size(); k += static_cast<std::size_t>(stride)) {
        const double x = plot.X(plot.yearTicks[k]);
        plot.yearLabels.push_back({YearText(static_cast<int>(plot.yearTicks[k]), locale),
                                   QRectF(x - measures.yearWidth / 2, top, measures.yearWidth, measures.line)});
    }
}

QPainterPath ColumnPath(const PlotLayout& plot, const std::vector<ChartPoint>& points) {
    QPainterPath line;
    int column = std::numeric_limits<int>::min();
    double low = 0;
    double high = 0;
    bool rising = false;  // the stroke runs the way the line goes, so a dash pattern keeps its rhythm
    const auto flush = [&] {
        if (column == std::numeric_limits<int>::min()) return;
        const QPointF from(column, plot.Y(rising ? low : high));
        if (line.elementCount() == 0) {
            line.moveTo(from);
        } else {
            line.lineTo(from);
        }
        if (low != high) line.lineTo(QPointF(column, plot.Y(rising ? high : low)));
    };
    double first = 0;
    for (const ChartPoint& point : points) {
        const auto x = static_cast<int>(std::lround(plot.X(point.when)));
        if (x != column) {
            flush();
            column = x;
            first = low = high = point.amount;
        }
        low = std::min(low, point.amount);
        high = std::max(high, point.amount);
        rising = point.amount > first;
    }
    flush();
    return line;
}

}  // namespace quillmere
