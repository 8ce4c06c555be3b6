#include "ui/chart/loan_chart_layout.h"

#include <algorithm>
#include <cmath>

#include "money/locale_money_formatter.h"

namespace quillmere {
namespace {

using namespace axes;

constexpr double kSwatch = 10;          // a legend entry's colour square
constexpr double kLineSwatch = 20;      // the strip a legend entry's sample of a line is drawn across
constexpr double kBalanceShare = 0.55;  // of the plots' height, the rest going to the years

// What the layout measures before placing anything: the axes' labels, and the foot line.
struct Measures : AxisMeasures {
    double footHeight = 0;
};

// A legend's texts, each after a swatch `swatchWidth` wide.
struct LegendKeys {
    QStringList texts;
    double swatchWidth = kSwatch;
};

double EntryWidth(const QFontMetricsF& metrics, const LegendKeys& keys, const QString& text) {
    return keys.swatchWidth + kGap / 2 + DrawnWidth(metrics, text);
}

// How wide `texts` stand side by side.
double LineWidth(const QFontMetricsF& metrics, const LegendKeys& keys, const QStringList& texts) {
    double width = 0;
    for (const QString& text : texts) width += EntryWidth(metrics, keys, text);
    return width + static_cast<double>(std::max<qsizetype>(0, texts.size() - 1)) * 2 * kGap;
}

// The keys' texts cut into lines, in order, each taking as many as fit in `room` (and one at least).
std::vector<QStringList> LegendLines(const QFontMetricsF& metrics, const LegendKeys& keys, double room) {
    std::vector<QStringList> lines;
    for (const QString& text : keys.texts) {
        if (lines.empty() || LineWidth(metrics, keys, lines.back() + QStringList{text}) > room) lines.emplace_back();
        lines.back() << text;
    }
    return lines;
}

// A plot's title and its legend, laid out from the top of the plot's header
// (y = 0): the legend beside the title where it fits there, else on lines of
// its own below it, against the frame's right edge.
struct PlotHeader {
    ChartLabel title;
    std::vector<LegendEntry> legend;
    double height = 0;  // from the title's top to the frame's

    void MoveDown(double y) {
        title.rect.translate(0, y);
        for (LegendEntry& entry : legend) {
            entry.swatch.translate(0, y);
            entry.label.rect.translate(0, y);
        }
    }
};

PlotHeader LayOutHeader(const QString& title, const LegendKeys& keys, double left, double right,
                        const QFontMetricsF& metrics) {
    const double line = metrics.height();
    PlotHeader header;
    header.title = {title, QRectF(left, 0, DrawnWidth(metrics, title), line)};
    const double width = std::max(1.0, right - left);
    const bool besideTitle = header.title.rect.width() + 2 * kGap + LineWidth(metrics, keys, keys.texts) <= width;
    const std::vector<QStringList> lines =
        besideTitle ? std::vector<QStringList>{keys.texts} : LegendLines(metrics, keys, width);
    // Lines one above the other start at the same place, their swatches in a column.
    double lineStart = right;
    for (const QStringList& texts : lines) lineStart = std::min(lineStart, right - LineWidth(metrics, keys, texts));
    double top = besideTitle ? 0 : line;
    for (const QStringList& texts : lines) {
        double x = lineStart;
        for (const QString& text : texts) {
            LegendEntry entry;
            entry.swatch = QRectF(x, top + (line - kSwatch) / 2, keys.swatchWidth, kSwatch);
            x += keys.swatchWidth + kGap / 2;
            entry.label = {text, QRectF(x, top, DrawnWidth(metrics, text), line)};
            x += entry.label.rect.width() + 2 * kGap;
            header.legend.push_back(entry);
        }
        top += line;
    }
    header.height = std::max(line, top) + kLineGap;  // clear of the frame's line
    return header;
}

// Both plots span the whole years from the first payment's to the end of
// the last payment's month, of either balance line; each amount axis ends on
// a whole step above its largest amount.
void SetRanges(PlotLayout& balances, PlotLayout& years, const LoanChartData& data) {
    double first = data.balances.front().when;
    double last = data.balances.back().when;
    double largestBalance = 0;
    for (const auto* line : {&data.balances, &data.withoutExtras}) {
        if (line->empty()) continue;
        first = std::min(first, line->front().when);
        last = std::max(last, line->back().when);
        for (const auto& point : *line) largestBalance = std::max(largestBalance, point.balance);
    }
    balances.firstYear = years.firstYear = std::floor(first);
    balances.lastYear = years.lastYear = std::max(balances.firstYear + 1, std::ceil(last + 1 / kMonthsPerYear));
    double largestYear = 0;
    for (const auto& year : data.years) largestYear = std::max(largestYear, year.interest + year.principal);
    balances.top = AxisTop(largestBalance);
    years.top = AxisTop(largestYear);
}

Measures Measure(QSizeF size, const QFontMetricsF& metrics, const PlotLayout& balances, const PlotLayout& years,
                 const LocaleMoneyFormatter& money, const QStringList& footTexts) {
    Measures measures;
    static_cast<AxisMeasures&>(measures) = MeasureAxes(metrics, {&balances, &years}, money);
    const QRectF footWidth(0, 0, std::max(1.0, size.width() - 2 * kPad), 1e6);
    for (const QString& text : footTexts) {
        measures.footHeight =
            std::max(measures.footHeight, metrics.boundingRect(footWidth, Qt::TextWordWrap, text).height());
    }
    measures.footHeight = std::max(measures.footHeight, measures.line);
    return measures;
}

}  // namespace

std::vector<QRectF> ChartLayout::TextRects() const {
    std::vector<QRectF> rects;
    for (const PlotLayout* plot : {&balances, &years}) {
        rects.push_back(plot->title.rect);
        for (const auto& label : plot->amountLabels) rects.push_back(label.rect);
        for (const auto& label : plot->yearLabels) rects.push_back(label.rect);
    }
    for (const auto* legend : {&yearsLegend, &balancesLegend}) {
        for (const auto& entry : *legend) {
            rects.push_back(entry.swatch);
            rects.push_back(entry.label.rect);
        }
    }
    rects.push_back(foot);
    return rects;
}

ChartLayout LayOutChart(QSizeF size, const QFontMetricsF& metrics, const LoanChartData& data,
                        const LocaleMoneyFormatter& money, const QStringList& footTexts) {
    const QLocale& locale = money.Locale();
    ChartLayout layout;
    const QRectF canvas(QPointF(0, 0), size);
    if (data.IsEmpty()) {
        layout.emptyFrame = canvas.adjusted(kPad, kPad, -kPad, -kPad);
        return layout;
    }
    PlotLayout& balances = layout.balances;
    PlotLayout& years = layout.years;
    SetRanges(balances, years, data);
    const Measures measures = Measure(size, metrics, balances, years, money, footTexts);
    const double line = measures.line;
    const double left = kPad + measures.amountWidth + kGap;
    const double right = size.width() - kPad - measures.yearWidth / 2;
    const double width = std::max(1.0, right - left);
    LegendKeys lineKeys{{}, kLineSwatch};
    if (!data.withoutExtras.empty()) {
        lineKeys.texts = {QCoreApplication::translate("LoanChart", kWithExtrasLegend),
                          QCoreApplication::translate("LoanChart", kWithoutExtrasLegend)};
    }
    PlotHeader balancesHeader =
        LayOutHeader(QCoreApplication::translate("LoanChart", kBalancesTitle), lineKeys, left, right, metrics);
    PlotHeader yearsHeader = LayOutHeader(QCoreApplication::translate("LoanChart", kYearsTitle),
                                          {{QCoreApplication::translate("LoanChart", kInterestLegend),
                                            QCoreApplication::translate("LoanChart", kPrincipalLegend)},
                                           kSwatch},
                                          left, right, metrics);
    const double belowPane = line / 2 + kLineGap + line;  // the year labels
    layout.foot =
        QRectF(kPad, size.height() - kPad / 2 - measures.footHeight, size.width() - 2 * kPad, measures.footHeight);
    const double fixed = kPad + balancesHeader.height + belowPane + kGap + yearsHeader.height + belowPane + kGap;
    const double plots = std::max(2.0, layout.foot.top() - fixed);

    balancesHeader.MoveDown(kPad);
    balances.title = balancesHeader.title;
    layout.balancesLegend = balancesHeader.legend;
    balances.pane = QRectF(left, kPad + balancesHeader.height, width, plots * kBalanceShare);
    yearsHeader.MoveDown(balances.pane.bottom() + belowPane + kGap);
    years.title = yearsHeader.title;
    layout.yearsLegend = yearsHeader.legend;
    years.pane = QRectF(left, yearsHeader.title.rect.top() + yearsHeader.height, width, plots * (1 - kBalanceShare));
    for (PlotLayout* plot : {&balances, &years}) {
        PlaceAmountLabels(*plot, measures, money);
        PlaceYearLabels(*plot, measures, locale);
    }
    return layout;
}

}  // namespace quillmere
