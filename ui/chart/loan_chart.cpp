#include "ui/chart/loan_chart.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QCoreApplication>
#include <QHeaderView>
#include <QScrollBar>
#include <QTableView>
#include <QVBoxLayout>

#include <algorithm>

#include "ui/chart/loan_chart_plot.h"
#include "ui/chart/loan_years_model.h"
#include "ui/common/program_settings.h"
#include "ui/common/tool_window.h"
#include "ui/common/window_placement.h"
#include "ui/grid/accessible_table.h"

namespace quillmere {
namespace {

constexpr QSize kPreferredSize(640, 600);
constexpr int kTableRowsAtLeast = 2;  // below the headings, at the window's smallest
constexpr int kTableRowsWanted = 5;

// The table of years under the chart: read-only, a line of text a row, no
// row numbers. A class of its own, so the accessibility adapter can tell it
// from other tables.
class YearsTableView final : public QTableView {
public:
    YearsTableView(QAbstractItemModel* years, QWidget* parent) : QTableView(parent) {
        setObjectName(QStringLiteral("loanYears"));
        setAccessibleName(QCoreApplication::translate("quillmere::LoanChart", "Paid each year"));
        setModel(years);
        setEditTriggers(QAbstractItemView::NoEditTriggers);
        setTabKeyNavigation(false);
        verticalHeader()->hide();
        // The style's default rows are twice a line of text, and would show
        // half as many years in the same room.
        verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
        // Amounts are never elided (see LoanChart::FitColumns()): where the
        // window is too narrow for them, the table scrolls sideways.
        horizontalHeader()->setStretchLastSection(true);
    }

    [[nodiscard]] QSize minimumSizeHint() const override {
        return {QTableView::minimumSizeHint().width(), Height(kTableRowsAtLeast)};
    }
    [[nodiscard]] QSize sizeHint() const override { return {QTableView::sizeHint().width(), Height(kTableRowsWanted)}; }

private:
    // The headings, `rows` rows and the sideways scroll bar a narrow window shows.
    [[nodiscard]] int Height(int rows) const {
        return horizontalHeader()->sizeHint().height() + rows * verticalHeader()->defaultSectionSize() +
               horizontalScrollBar()->sizeHint().height() + 2 * frameWidth();
    }
};

// Qt gives a plain top-level widget the role of a filler; a screen reader
// says "window" (and its title) only for a window. The table of years gets
// the program's table adapter, whose children are its cells alone (see
// AccessibleTable), and the picture the role of a chart.
QAccessibleInterface* MakeChartAccessible(const QString& /*className*/, QObject* object) {
    if (auto* chart = qobject_cast<LoanChart*>(object)) return new QAccessibleWidget(chart, QAccessible::Window);
    if (auto* plot = qobject_cast<LoanChartPlot*>(object)) return new QAccessibleWidget(plot, QAccessible::Chart);
    if (auto* table = dynamic_cast<YearsTableView*>(object)) return new AccessibleTable(table);
    return nullptr;
}

}  // namespace

LoanChart::LoanChart(const LocaleMoneyFormatter& money, QWidget* parent) : QWidget(parent, Qt::Window) {
    // Before anyone asks for the window's accessible interface.
    static const bool accessibleChart = (QAccessible::installFactory(&MakeChartAccessible), true);
    (void)accessibleChart;
    setObjectName(QStringLiteral("loanChart"));
    setWindowTitle(tr(kTitle));
    plot_ = new LoanChartPlot(money, this);
    years_ = new LoanYearsModel(money, this);
    table_ = new YearsTableView(years_, this);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(plot_, 1);
    layout->addWidget(table_);
    CloseOnEscapeAndCtrlW(*this);
    // The preferred size where the screen has room, never below what keeps
    // every label whole.
    SizeToScreen(*this, kPreferredSize);
    KeepWindowPlace(*this);  // where it stood last, if that is on a screen now
    Show({});
}

void LoanChart::Show(LoanChartData data) {
    years_->Show(data.years);
    FitColumns();
    setAccessibleDescription(data.Summary());
    plot_->Show(std::move(data));
}

// Each column as wide as its heading or its longest text, and a character
// more: at a fractional scale the text is drawn a pixel or two wider than
// measured, and would be elided. Qt's own ResizeToContents would lay out
// every one of a long loan's 3,000-odd texts on each new schedule, and at
// every resize.
void LoanChart::FitColumns() {
    QHeaderView& header = *table_->horizontalHeader();
    const int slack = table_->fontMetrics().averageCharWidth();
    for (int column = 0; column < LoanYearsModel::kColumns; ++column) {
        int width = header.sectionSizeHint(column);
        if (const int row = years_->LongestRow(column); row >= 0) {
            width = std::max(width, table_->sizeHintForIndex(years_->index(row, column)).width());
        }
        header.resizeSection(column, width + slack);
    }
}

// The focus goes back to the window it was opened from.
void LoanChart::closeEvent(QCloseEvent* event) {
    QWidget::closeEvent(event);
    HandFocusToParent(*this);
}

const LoanChartData& LoanChart::Data() const { return plot_->Data(); }

const QString& LoanChart::HoverText() const { return plot_->HoverText(); }

}  // namespace quillmere
