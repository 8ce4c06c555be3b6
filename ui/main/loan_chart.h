// LoanChart: the "Loan Chart" window, the loan at a glance.
//
// Above, the balance after each payment as a line over the payment dates;
// below, the interest and the principal paid in each calendar year as
// stacked bars. The money axis is labelled in the user's money text, the
// time axis in years. Hovering tells the value under the pointer (the
// payment's balance, or the year's interest and principal) in a line at the
// foot. An empty schedule shows an empty frame with a short note.
//
// Drawn with QPainter (no chart library): the longest schedule's 9,999
// balances are reduced to one vertical stroke per pixel column, so it draws
// as quickly as a short one. A screen reader gets the loan's summary as the
// window's description.
#pragma once

#include <QWidget>

#include "ui/main/loan_chart_data.h"

namespace quillmere {

class LocaleMoneyFormatter;

class LoanChart final : public QWidget {
    Q_OBJECT

public:
    static constexpr char kTitle[] = "Loan Chart";

    // A window of its own, owned by `parent`; `money` must outlive it.
    LoanChart(const LocaleMoneyFormatter& money, QWidget* parent);

    // Shows `data` from now on.
    void Show(LoanChartData data);
    [[nodiscard]] const LoanChartData& Data() const { return data_; }
    // What hovering tells at the moment; empty when the pointer is away.
    [[nodiscard]] const QString& HoverText() const { return hover_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    // The two plots and the foot line, in widget coordinates.
    struct Panes {
        QRectF balances;
        QRectF years;
        QRectF foot;
    };
    // A plot's ranges, and where a value stands in its pane.
    struct Scale {
        QRectF pane;
        double firstYear;
        double lastYear;
        double top;  // the amount at the top of the axis, a whole step
        [[nodiscard]] double X(double when) const;
        [[nodiscard]] double Y(double amount) const;
    };

    [[nodiscard]] Panes Layout() const;
    [[nodiscard]] Scale ScaleOverYears(const QRectF& pane, double largest) const;
    [[nodiscard]] Scale BalanceScale(const QRectF& pane) const;
    [[nodiscard]] Scale YearScale(const QRectF& pane) const;
    void PaintAxes(QPainter& painter, const Scale& scale, const QString& title) const;
    void PaintBalances(QPainter& painter, const Scale& scale) const;
    void PaintYears(QPainter& painter, const Scale& scale) const;
    void PaintLegend(QPainter& painter, const QRectF& pane) const;
    [[nodiscard]] QString TextAt(const QPointF& point) const;

    const LocaleMoneyFormatter& money_;
    LoanChartData data_;
    QString hover_;
};

}  // namespace quillmere
