// LoanChart: the "Loan Chart" window, the loan at a glance.
//
// The picture (LoanChartPlot: the balance after each payment as a line, the
// interest and principal paid each year as stacked bars, hover values in a
// foot line) above a table of the same years (LoanYearsModel: year,
// interest, principal, balance at the year's end). The table is what the
// keyboard reaches, and how a screen reader reads the figures cell by cell;
// a sighted reader gets exact figures from it too. Both follow Show().
//
// A screen reader meets a window named by its title whose description is the
// loan's summary, holding the chart and the table. Escape and Ctrl+W close
// it, and the keyboard focus goes back to the window it was opened from. It
// can't be made smaller than what keeps the chart's labels whole.
#pragma once

#include <QWidget>

#include "ui/chart/loan_chart_data.h"

class QTableView;

namespace quillmere {

class LocaleMoneyFormatter;
class LoanChartPlot;
class LoanYearsModel;

class LoanChart final : public QWidget {
    Q_OBJECT

public:
    static constexpr char kTitle[] = QT_TR_NOOP("Loan Chart");

    // A window of its own, owned by `parent`; `money` must outlive it.
    LoanChart(const LocaleMoneyFormatter& money, QWidget* parent);

    // Shows `data` from now on.
    void Show(LoanChartData data);
    [[nodiscard]] const LoanChartData& Data() const;
    // What hovering tells at the moment; empty when the pointer is away.
    [[nodiscard]] const QString& HoverText() const;

    [[nodiscard]] LoanChartPlot& Plot() const { return *plot_; }
    [[nodiscard]] QTableView& YearsTable() const { return *table_; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void FitColumns();

    LoanChartPlot* plot_ = nullptr;
    LoanYearsModel* years_ = nullptr;
    QTableView* table_ = nullptr;
};

}  // namespace quillmere
