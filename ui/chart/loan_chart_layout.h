// LoanChartLayout: where each part of the loan chart stands on a canvas of
// a given size: the two plots' frames and titles, the amount labels left of
// each frame and the year labels below it, the legend and the foot line.
//
// Laid out from the texts as the canvas's font draws them, in every script:
// the amount axis is as wide as its widest label ("₹3,00,00,000.00" whole),
// labels along an axis keep a gap between them (every other one, or every
// fourth, is left out where they would crowd), the legend moves below the
// yearly plot's title where it doesn't fit beside it, and the foot line
// wraps and takes the height the longest of its texts needs. Down to
// kMinimumCanvas no text leaves the canvas or covers another.
//
// A chart comparing the balances with and without extra payments
// (LoanChartData::withoutExtras) names its two lines in a legend of the
// balance plot, placed as the yearly one is, its entries on lines of their
// own where they don't fit on one; both plots' time axes then run to the
// later of the two payoffs, and the balance axis up to the larger balance.
#pragma once

#include <QCoreApplication>
#include <QFontMetricsF>
#include <QRectF>
#include <QSizeF>
#include <QStringList>

#include <vector>

#include "ui/chart/chart_axes.h"
#include "ui/chart/loan_chart_data.h"

namespace quillmere {

class LocaleMoneyFormatter;

struct LegendEntry {
    QRectF swatch;  // a colour square, or the strip a sample of a line is drawn across
    ChartLabel label;
};

struct ChartLayout {
    PlotLayout balances;
    PlotLayout years;
    std::vector<LegendEntry> yearsLegend;     // interest, then principal
    std::vector<LegendEntry> balancesLegend;  // with extras, then without; none for a single line
    QRectF foot;                              // the foot line, as tall as its texts need
    QRectF emptyFrame;                        // the frame an empty chart shows, its note centred in it

    // Every text's rectangle, and the legend's swatches.
    [[nodiscard]] std::vector<QRectF> TextRects() const;
};

// The smallest canvas the layout keeps whole, in a usual font.
inline constexpr QSize kMinimumCanvas(380, 300);

// The plots' titles and the legend's texts.
inline constexpr char kBalancesTitle[] = QT_TRANSLATE_NOOP("LoanChart", "Balance after each payment");
inline constexpr char kYearsTitle[] = QT_TRANSLATE_NOOP("LoanChart", "Paid each year");
inline constexpr char kInterestLegend[] = QT_TRANSLATE_NOOP("LoanChart", "Interest");
inline constexpr char kPrincipalLegend[] = QT_TRANSLATE_NOOP("LoanChart", "Principal");
inline constexpr char kWithExtrasLegend[] = QT_TRANSLATE_NOOP("LoanChart", "Balance with extras");
inline constexpr char kWithoutExtrasLegend[] = QT_TRANSLATE_NOOP("LoanChart", "Balance without extras");

// Lays out `data` on a canvas of `size` drawn with `metrics`, amounts in
// `money`'s text and years in its locale's digits; the foot line takes the
// height the tallest of `footTexts` needs at the canvas's width.
[[nodiscard]] ChartLayout LayOutChart(QSizeF size, const QFontMetricsF& metrics, const LoanChartData& data,
                                      const LocaleMoneyFormatter& money, const QStringList& footTexts);

}  // namespace quillmere
