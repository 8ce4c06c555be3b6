#include "ui/extra/extra_payments_window.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QScrollBar>
#include <QSplitter>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>
#include <stdexcept>

#include "money/locale_money_formatter.h"
#include "money/plan_text_reader.h"
#include "schedule/loan_calculation.h"
#include "ui/chart/loan_chart_plot.h"
#include "ui/common/platform_hooks.h"
#include "ui/common/program_settings.h"
#include "ui/common/result_announcer.h"
#include "ui/common/tool_window.h"
#include "ui/common/window_look.h"
#include "ui/common/window_placement.h"
#include "ui/extra/extra_plan_form.h"
#include "ui/extra/extra_summary.h"
#include "ui/grid/schedule_grid_menu.h"
#include "ui/grid/schedule_grid_view.h"
#include "ui/grid/schedule_table_model.h"

namespace quillmere {
namespace {

constexpr QSize kPreferredSize(1040, 680);
constexpr int kSummaryLines = 3;  // with and without extras, the saving

}  // namespace

ExtraPaymentsWindow::ExtraPaymentsWindow(const LocaleMoneyFormatter& money, PlatformHooks& hooks, QWidget* parent)
    : QWidget(parent, Qt::Window), money_(money), hooks_(hooks) {
    SayAsWindow(*this);
    setObjectName(QStringLiteral("extraPayments"));
    setWindowTitle(tr(kTitle));
    setWindowIcon(ProgramIcon());
    Build();
    CloseOnEscapeAndCtrlW(*this);
    pause_ = new QTimer(this);
    pause_->setSingleShot(true);
    pause_->setInterval(kPause);
    connect(pause_, &QTimer::timeout, this, &ExtraPaymentsWindow::Recalculate);
    connect(form_, &ExtraPlanForm::Edited, pause_, qOverload<>(&QTimer::start));
    // The preferred size where the screen has room, never below what keeps
    // every label whole.
    SizeToScreen(*this, kPreferredSize);
    KeepWindowPlace(*this);  // where it stood last, if that is on a screen now
    ShowNothing(NoExtraSchedule::NoLoan);
}

ExtraPaymentsWindow::~ExtraPaymentsWindow() {
    // The model stops observing the grid before the grid goes.
    delete view_;
    view_ = nullptr;
    delete model_;
    model_ = nullptr;
}

void ExtraPaymentsWindow::Build() {
    form_ = new ExtraPlanForm(money_.Locale(), this);
    summary_ = new QLabel(this);
    summary_->setObjectName(QStringLiteral("lblSummary"));
    summary_->setAccessibleName(tr("Summary"));
    summary_->setWordWrap(true);
    summary_->setAlignment(Qt::AlignLeading | Qt::AlignTop);
    // Reached with Tab and read line by line, like any text.
    summary_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    summary_->setFocusPolicy(Qt::StrongFocus);
    announcer_ = new ResultAnnouncer(this);
    announcer_->setObjectName(QStringLiteral("summaryAnnouncer"));

    model_ = new ScheduleTableModel(grid_);
    view_ = new ScheduleGridView(grid_, *model_, this);
    view_->setObjectName(QStringLiteral("gridExtra"));
    view_->setAccessibleName(tr("Schedule with extra payments"));
    view_->setFont(WindowFont(QStringLiteral("Verdana"), ScheduleGridView::kDesignPoints));
    ScheduleGridView::SetDesignWidths(grid_);
    menu_ = new ScheduleGridMenu(
        *view_, grid_, money_, hooks_, [this] { return FileLoan(); }, tr("Loan Payment Schedule with Extra Payments"));
    menu_->AddEntry("actPrint", tr("Print\u2026"), QKeySequence(Qt::CTRL | Qt::Key_P), [this] { menu_->Print(); });
    chart_ = new LoanChartPlot(money_, this);

    // The summary stands above the schedule, across its width, so that a
    // summary of another length never moves the boxes being typed into; it
    // keeps room for its usual lines, so the grid seldom moves either.
    summary_->setMinimumHeight(summary_->fontMetrics().lineSpacing() * kSummaryLines);
    auto* split = new QSplitter(Qt::Vertical, this);
    split->addWidget(view_);
    split->addWidget(chart_);
    // On a small screen the chart's least height leaves the grid a few rows:
    // dragging the divider down folds the chart away.
    split->setCollapsible(0, false);
    split->setCollapsible(1, true);
    split->setStretchFactor(0, 3);
    split->setStretchFactor(1, 2);
    auto* right = new QVBoxLayout;
    right->addWidget(summary_);
    right->addWidget(split, 1);
    auto* columns = new QHBoxLayout(this);
    columns->addWidget(form_, 0);
    columns->addLayout(right, 1);
    setTabOrder(summary_, view_);
}

void ExtraPaymentsWindow::SetLoan(const std::optional<LoanTerms>& loan) {
    waiting_ = false;
    // Only a loan the calculation hands out can be run; any other is none.
    const bool runnable = loan && std::isfinite(loan->months) && loan->months >= 1 && loan->months <= kMonthsCeiling;
    loan_ = runnable ? loan : std::nullopt;
    baseline_.clear();
    baselineRead_ = false;
    Recalculate();
}

void ExtraPaymentsWindow::WaitForSchedule() {
    waiting_ = true;
    pause_->stop();
    ShowNothing(NoExtraSchedule::WaitingForFill);
}

// The schedule without extras is the same for every plan: read once a loan.
void ExtraPaymentsWindow::ReadBaseline() {
    baselineRead_ = true;
    baseline_.clear();
    if (!loan_) return;
    try {
        ScheduleGrid plain;
        if (FillExtraPaymentSchedule(*loan_, {}, plain, money_)) {
            baseline_ = ReadBalances(plain, money_, loan_->first.year);
        }
    } catch (const std::invalid_argument&) {
        // A loan the calculation never hands out: there is no schedule to show.
    }
}

// A closed window is brought up to date when it is shown again: the main
// window's every Calculate would otherwise write schedules no one sees.
void ExtraPaymentsWindow::Recalculate() {
    pause_->stop();
    if (waiting_) return;
    stale_ = !isVisible();
    if (stale_) return;
    if (!loan_) {
        form_->ShowMessages({});  // a payment number can't be checked without a loan
        return ShowNothing(NoExtraSchedule::NoLoan);
    }
    if (!baselineRead_) ReadBaseline();
    const int lastPayment = RoundHalfEven(loan_->months);
    const PlanReading reading = PlanTextReader(money_.Locale()).Plan(form_->Texts(), lastPayment);
    form_->ShowMessages(reading.messages);
    if (!reading.plan) return ShowNothing(NoExtraSchedule::PlanToMend);
    // A new schedule keeps the rows in view that the user was looking at.
    const int shownFrom = view_->verticalScrollBar()->value();
    const std::optional<ExtraPaymentSummary> summary = FillGrid(*reading.plan);
    if (!summary) return ShowNothing(NoExtraSchedule::OutOfRange);
    plan_ = reading.plan;
    ShowSchedule(*summary);
    view_->verticalScrollBar()->setValue(shownFrom);
}

// The rows reach the view at once when the grid is full.
std::optional<ExtraPaymentSummary> ExtraPaymentsWindow::FillGrid(const ExtraPaymentPlan& plan) {
    struct HeldBack {
        explicit HeldBack(ScheduleTableModel& model) : model(model) { model.HoldBack(true); }
        ~HeldBack() { model.HoldBack(false); }
        HeldBack(const HeldBack&) = delete;
        HeldBack& operator=(const HeldBack&) = delete;
        ScheduleTableModel& model;
    } held(*model_);
    try {
        return FillExtraPaymentSchedule(*loan_, plan, grid_, money_);
    } catch (const std::invalid_argument&) {
        ResetGrid(grid_);  // a loan the calculation never hands out
        return std::nullopt;
    }
}

void ExtraPaymentsWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (stale_) Recalculate();
}

void ExtraPaymentsWindow::ShowSchedule(const ExtraPaymentSummary& summary) {
    view_->FitColumns();
    LoanChartData data =
        ReadChartData(grid_, money_, QString::fromStdString(money_.Format(loan_->payment)), loan_->first.year);
    data.withoutExtras = baseline_;
    chart_->Show(std::move(data));
    ShowSummary(ExtraSummaryText(summary, money_, LoanChartData::Pieces::Isolated), ExtraSummaryText(summary, money_));
}

// A stale schedule is never left beside a summary that no longer matches.
void ExtraPaymentsWindow::ShowNothing(NoExtraSchedule reason) {
    plan_.reset();
    ResetGrid(grid_);
    view_->FitColumns();
    const QString why = ExtraSummaryText(reason);
    LoanChartData nothing;
    nothing.emptyNote = why;
    chart_->Show(std::move(nothing));
    ShowSummary(why, why);
}

void ExtraPaymentsWindow::ShowSummary(const QString& drawn, const QString& said) {
    summary_->setText(drawn);
    summary_->setAccessibleDescription(said);
    chart_->setAccessibleDescription(said);
    // Heard where the user works on the plan. A change the main window makes
    // (Calculate, Clear) is its own to tell: a second voice would talk over
    // its announcement, and the summary is read here when the user comes.
    if (isActiveWindow()) announcer_->Announce(said);
}

QString ExtraPaymentsWindow::SummaryText() const { return summary_->accessibleDescription(); }

WorkbookLoan ExtraPaymentsWindow::FileLoan() const {
    if (!loan_) return {};
    std::optional<WorkbookExtras> extras;
    if (plan_) {
        // The payment as the payment box shows it, to the cent.
        const auto shown = money_.Parse(money_.Format(loan_->payment));
        extras = WorkbookExtras{*plan_, shown ? shown->ToDouble() : loan_->payment, RoundHalfEven(loan_->months)};
    }
    return {loan_->principal, loan_->annualRate.ToDouble(), loan_->first.year, extras};
}

// The focus goes back to the window it was opened from.
void ExtraPaymentsWindow::closeEvent(QCloseEvent* event) {
    QWidget::closeEvent(event);
    HandFocusToParent(*this);
}

}  // namespace quillmere
