// OfferChart: the Compare Loans window's picture, up to six loan offers
// side by side over time.
//
// Two plots, one above the other, share a time axis in years (the locale's
// digits): above, each offer's balance, from its amount just before the
// first payment down to zero after the last; below, what each has cost so
// far (its fees and the interest paid up to each payment), which starts at
// the fees and, once a loan is paid off, stays at its total until the end of
// the longest loan, so two lines that cross show where one offer starts to
// cost less than the other. Amounts are written in the user's money text.
//
// Each offer has a colour and a dash pattern of its own (the same in both
// plots and in the legend below them), so the lines tell apart without
// colour too. The legend names each offer in columns as wide as the canvas
// allows, a name too long for its column cut short with an ellipsis.
// Hovering tells the value, at the pointer's date, of the line nearest the
// pointer ("Offer B, payment 96, Dec 2034: cost so far $25,001.17") in a
// foot line, which otherwise says how to get figures. No chart shows a frame
// with a short note.
//
// Drawn with QPainter: each line is reduced to one vertical stroke per
// pixel column, so six 9,999-payment loans draw as quickly as short ones.
// A screen reader meets a chart named "Comparison chart" whose description
// is the plain-text Summary().
#pragma once

#include <QPen>
#include <QString>
#include <QWidget>

#include <optional>
#include <vector>

#include "schedule/loan_offer.h"
#include "ui/chart/chart_axes.h"
#include "ui/chart/loan_chart_layout.h"

class QPainter;

namespace quillmere {

class LocaleMoneyFormatter;

// One offer as the chart shows it: its name in the legend and hover texts,
// the amount borrowed, the fees paid at signing, and its schedule (one entry
// a payment, in order).
struct OfferChartLine {
    QString name;
    double amount = 0;
    double fees = 0;
    std::vector<OfferPayment> schedule;
};

// Where each part of the comparison chart stands on a canvas of a given size.
struct OfferChartLayout {
    PlotLayout balances;
    PlotLayout costs;
    std::vector<LegendEntry> legend;  // one an offer, in order; a label's text may be cut short
    QRectF foot;                      // the hover line, as tall as its longest text needs
    QRectF emptyFrame;                // the frame an empty chart shows, its note centred in it

    // Every text's rectangle, and the legend's swatches.
    [[nodiscard]] std::vector<QRectF> TextRects() const;
};

class OfferChart final : public QWidget {
    Q_OBJECT

public:
    static constexpr int kMaxLines = 6;
    static constexpr char kBalancesTitle[] = QT_TR_NOOP("Balance after each payment");
    static constexpr char kCostsTitle[] = QT_TR_NOOP("Cost so far (interest + fees)");
    static constexpr char kDefaultEmptyNote[] = QT_TR_NOOP("Fill in an offer to see its chart.");
    static constexpr char kHint[] = QT_TR_NOOP("Point at a line to see its figures.");
    // The smallest canvas the layout keeps whole with six offers, in a usual font.
    static constexpr QSize kMinimumSize{400, 380};

    // `money` must outlive the chart.
    OfferChart(const LocaleMoneyFormatter& money, QWidget* parent);

    // Shows `lines` from now on: the first kMaxLines of them with at least
    // one payment, in order.
    void Show(std::vector<OfferChartLine> lines);
    [[nodiscard]] const std::vector<OfferChartLine>& Lines() const { return lines_; }
    // What an empty chart says; kDefaultEmptyNote unless set.
    void SetEmptyNote(const QString& note);

    // What hovering tells at the moment; empty when the pointer is away.
    [[nodiscard]] const QString& HoverText() const { return hover_; }
    // "Offer A: paid off on 12/15/2056, total cost $301,234.56. Offer B: ...",
    // or the empty note: plain text, for a screen reader.
    [[nodiscard]] QString Summary() const;
    // Where everything stands at the present size.
    [[nodiscard]] const OfferChartLayout& Layout() const;
    // Line `index`'s pen (its colour and dash pattern), 0 to kMaxLines - 1.
    [[nodiscard]] static QPen LinePen(int index);

    [[nodiscard]] QSize minimumSizeHint() const override { return kMinimumSize; }
    [[nodiscard]] QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    // A line's points as drawn: the balance from just before the first
    // payment, and the cost from then until the longest loan's end.
    struct Drawn {
        std::vector<ChartPoint> balances;
        std::vector<ChartPoint> costs;
    };
    enum class Plot { Balances, Costs };
    // A point of a line that a hover text tells of: 0 for signing, a
    // payment's number, or one past the last for a paid-off loan's cost.
    struct Hovered {
        int line = 0;
        std::size_t point = 0;
        Plot plot = Plot::Balances;
    };

    void PaintPlot(QPainter& painter, const PlotLayout& plot) const;
    [[nodiscard]] QString PointText(const Hovered& hovered, const QString& name) const;
    [[nodiscard]] std::optional<Hovered> HoveredAt(const QPointF& point) const;
    // The name as the foot line draws it: cut short where it would take more
    // than a third of the canvas's width.
    [[nodiscard]] QString FootName(const QString& name) const;
    // Every text the foot line may show, at its longest, for its height.
    [[nodiscard]] QStringList FootTexts() const;

    const LocaleMoneyFormatter& money_;
    std::vector<OfferChartLine> lines_;
    std::vector<Drawn> drawn_;
    QString emptyNote_;
    std::optional<Hovered> hovered_;
    QString hover_;
    mutable std::optional<OfferChartLayout> layout_;
    mutable QSize layoutSize_;  // the size layout_ was made for
};

}  // namespace quillmere
