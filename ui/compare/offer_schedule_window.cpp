#include "ui/compare/offer_schedule_window.h"

#include <QCloseEvent>
#include <QVBoxLayout>

#include <stdexcept>

#include "money/locale_money_formatter.h"
#include "schedule/extra_payments.h"
#include "ui/chart/loan_chart.h"
#include "ui/common/program_settings.h"
#include "ui/common/tool_window.h"
#include "ui/common/window_look.h"
#include "ui/common/window_placement.h"
#include "ui/grid/schedule_grid_menu.h"
#include "ui/grid/schedule_grid_view.h"
#include "ui/grid/schedule_table_model.h"

namespace quillmere {
namespace {

constexpr QSize kPreferredSize(720, 600);

}  // namespace

OfferScheduleWindow::OfferScheduleWindow(const LocaleMoneyFormatter& money, PlatformHooks& hooks, QWidget* parent)
    : QWidget(parent, Qt::Window), money_(money), hooks_(hooks) {
    SayAsWindow(*this);
    setObjectName(QStringLiteral("offerSchedule"));
    setWindowIcon(ProgramIcon());
    model_ = new ScheduleTableModel(grid_);
    view_ = new ScheduleGridView(grid_, *model_, this);
    view_->setObjectName(QStringLiteral("gridOffer"));
    view_->setFont(WindowFont(QStringLiteral("Verdana"), ScheduleGridView::kDesignPoints));
    ScheduleGridView::SetDesignWidths(grid_);
    menu_ = new ScheduleGridMenu(
        *view_, grid_, money_, hooks_, [this] { return loan_; }, tr("Loan Payment Schedule"));
    menu_->AddEntry("actPrint", tr("Print\u2026"), QKeySequence(Qt::CTRL | Qt::Key_P), [this] { menu_->Print(); });
    menu_->AddEntry("actChart", tr("Show Chart\u2026"), QKeySequence(), [this] { ShowChart(); });
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(view_);
    CloseOnEscapeAndCtrlW(*this);
    SizeToScreen(*this, kPreferredSize);
    KeepWindowPlace(*this);  // where it stood last, if that is on a screen now
}

OfferScheduleWindow::~OfferScheduleWindow() {
    // The model stops observing the grid before the grid goes.
    delete view_;
    view_ = nullptr;
    delete model_;
    model_ = nullptr;
}

void OfferScheduleWindow::Show(const QString& name, const Offer* offer) {
    setWindowTitle(tr("%1 Schedule").arg(name));
    view_->setAccessibleName(tr("Schedule of %1").arg(name));
    ResetGrid(grid_);
    loan_ = {};
    payment_.clear();
    if (offer != nullptr) {
        model_->HoldBack(true);
        try {
            if (FillExtraPaymentSchedule(offer->loan, {}, grid_, money_)) {
                loan_ = {offer->loan.principal, offer->loan.annualRate.ToDouble(), offer->loan.first.year};
                payment_ = QString::fromStdString(money_.Format(offer->figures.payment));
            }
        } catch (const std::invalid_argument&) {
            ResetGrid(grid_);  // an offer's loan is always one the schedule runs; never left half shown
        }
        model_->HoldBack(false);
    }
    view_->FitColumns();
    UpdateChart();
}

void OfferScheduleWindow::ShowChart() {
    if (chart_ == nullptr) chart_ = new LoanChart(money_, this);
    chart_->show();
    UpdateChart();
    chart_->raise();
    chart_->activateWindow();
}

// A closed chart is brought up to date when it is shown again.
void OfferScheduleWindow::UpdateChart() {
    if (chart_ == nullptr || chart_->isHidden()) return;
    chart_->Show(ReadChartData(grid_, money_, payment_, loan_.firstPaymentYear));
}

void OfferScheduleWindow::closeEvent(QCloseEvent* event) {
    QWidget::closeEvent(event);
    HandFocusToParent(*this);
}

}  // namespace quillmere
