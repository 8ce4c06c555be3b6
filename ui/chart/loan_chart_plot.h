// LoanChartPlot: the loan chart's picture.
//
// Above, the balance after each payment as a line over the payment dates;
// below, the interest and the principal paid in each calendar year as
// stacked bars. The money axis is labelled in the user's money text, the
// time axis in years in the same locale's digits. Hovering tells the value under
// the pointer (the payment's balance, or the year's interest and principal)
// in a line at the foot, which otherwise shows the loan's summary. An empty
// schedule shows an empty frame with a short note. Where each part stands
// comes from LayOutChart(), worked out again only when the size, the font or
// the data change.
//
// Where the data holds the balances without extra payments too, they are
// drawn behind the others as a quieter dashed grey line, the legend names
// both lines, and hovering near that line tells its balance ("Payment 300,
// Oct 2032: balance $80,760.41 without extras").
//
// Drawn with QPainter (no chart library): the longest schedule's 9,999
// balances (either line's) are reduced to one vertical stroke per pixel
// column, so they draw as quickly as a short one. A screen reader meets it
// as a chart named "Loan chart" whose description is the summary, with or
// without the second line.
#pragma once

#include <QWidget>

#include <optional>
#include <vector>

#include "ui/chart/loan_chart_data.h"
#include "ui/chart/loan_chart_layout.h"

namespace quillmere {

class LocaleMoneyFormatter;

class LoanChartPlot final : public QWidget {
    Q_OBJECT

public:
    // The colour of the line of balances without extras.
    static const QColor kWithoutExtrasColour;

    // `money` must outlive the plot.
    LoanChartPlot(const LocaleMoneyFormatter& money, QWidget* parent);

    // Shows `data` from now on.
    void Show(LoanChartData data);
    [[nodiscard]] const LoanChartData& Data() const { return data_; }
    // What hovering tells at the moment; empty when the pointer is away.
    [[nodiscard]] const QString& HoverText() const { return hover_; }
    // Where everything stands at the present size.
    [[nodiscard]] const ChartLayout& Layout() const;

    [[nodiscard]] QSize minimumSizeHint() const override { return kMinimumCanvas; }
    [[nodiscard]] QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    void PaintPlot(QPainter& painter, const PlotLayout& plot) const;
    void PaintBalances(QPainter& painter, const PlotLayout& plot, const std::vector<LoanChartData::Balance>& points,
                       const QPen& pen) const;
    void PaintYears(QPainter& painter, const PlotLayout& plot) const;
    void PaintLegends(QPainter& painter) const;
    enum class Line { WithExtras, WithoutExtras };
    [[nodiscard]] QString PaymentText(const LoanChartData::Balance& point, Line line = Line::WithExtras) const;
    [[nodiscard]] QString YearPaidText(const LoanChartData::YearPaid& paid) const;
    // Every text the foot line may show, for its height.
    [[nodiscard]] QStringList FootTexts() const;
    [[nodiscard]] QString TextAt(const QPointF& point) const;
    [[nodiscard]] QString BalanceTextAt(const QPointF& point, const PlotLayout& plot) const;

    const LocaleMoneyFormatter& money_;
    LoanChartData data_;
    QString hover_;
    mutable std::optional<ChartLayout> layout_;
    mutable QSize layoutSize_;  // the size layout_ was made for
};

}  // namespace quillmere
