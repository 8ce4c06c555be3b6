// ExtraPaymentsWindow: the "Extra Payments" window, which answers "what if I
// pay more?" for the loan of the main window's last completed calculation.
//
// On the left the plan (ExtraPlanForm) and the summary of what it changes;
// on the right the schedule with the extras, in a grid like the main one
// (the extra of each payment in its Notes), above a chart of the balance
// with and without the extras. A pause of kPause after the last change to
// the plan recalculates everything; a plan with a box that can't be read
// recalculates nothing, and shows no schedule, until the box is mended.
// Each new summary is announced to a screen reader without moving the focus.
//
// It follows the main window through SetLoan() (a calculation completed:
// its loan; cleared or failed: none) and WaitForSchedule() (a schedule is
// being written: nothing is recalculated until the next SetLoan()). The
// grid's menu copies, saves (the workbook's "Loan" sheet lists the plan),
// previews and prints the schedule with extras, as the main grid's does.
// Escape and Ctrl+W close it, handing the focus back to the main window.
#pragma once

#include <QWidget>

#include <chrono>
#include <optional>
#include <vector>

#include "export/schedule_workbook.h"
#include "schedule/amortization.h"
#include "schedule/extra_payments.h"
#include "schedule/schedule_grid.h"
#include "ui/chart/loan_chart_data.h"

class QLabel;
class QTimer;

namespace quillmere {

class ExtraPlanForm;
class LoanChartPlot;
class LocaleMoneyFormatter;
class ResultAnnouncer;
class ScheduleGridMenu;
class ScheduleGridView;
class ScheduleTableModel;
enum class NoExtraSchedule;
struct PlatformHooks;

class ExtraPaymentsWindow final : public QWidget {
    Q_OBJECT

public:
    static constexpr char kTitle[] = QT_TR_NOOP("Extra Payments");
    // How long the plan must rest before it is recalculated.
    static constexpr std::chrono::milliseconds kPause{150};

    // A window of its own, owned by `parent`; `money` and `hooks` must
    // outlive it.
    ExtraPaymentsWindow(const LocaleMoneyFormatter& money, PlatformHooks& hooks, QWidget* parent);
    ~ExtraPaymentsWindow() override;

    ExtraPaymentsWindow(const ExtraPaymentsWindow&) = delete;
    ExtraPaymentsWindow& operator=(const ExtraPaymentsWindow&) = delete;

    // The loan to run the plan against, or none; recalculates at once.
    void SetLoan(const std::optional<LoanTerms>& loan);
    // The main window is writing a schedule: the window waits for it.
    void WaitForSchedule();
    // Recalculates now, as the pause after a change does; a closed window
    // waits until it is shown again.
    void Recalculate();

    [[nodiscard]] const ScheduleGrid& Grid() const { return grid_; }
    // The summary as a screen reader is told it.
    [[nodiscard]] QString SummaryText() const;
    [[nodiscard]] ExtraPlanForm& Plan() const { return *form_; }
    [[nodiscard]] ScheduleGridView& GridView() const { return *view_; }
    [[nodiscard]] ScheduleGridMenu& GridMenu() const { return *menu_; }
    [[nodiscard]] LoanChartPlot& Chart() const { return *chart_; }

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void Build();
    void ShowNothing(NoExtraSchedule reason);
    void ShowSchedule(const ExtraPaymentSummary& summary);
    // The summary as drawn (its pieces isolated) and as said.
    void ShowSummary(const QString& drawn, const QString& said);
    void ReadBaseline();
    std::optional<ExtraPaymentSummary> FillGrid(const ExtraPaymentPlan& plan);
    [[nodiscard]] WorkbookLoan FileLoan() const;

    const LocaleMoneyFormatter& money_;
    PlatformHooks& hooks_;
    std::optional<LoanTerms> loan_;
    std::optional<ExtraPaymentPlan> plan_;  // of the schedule in the grid
    bool waiting_ = false;
    bool stale_ = false;         // hidden when there was something to recalculate
    bool baselineRead_ = false;  // baseline_ is the loan's
    ScheduleGrid grid_;
    std::vector<LoanChartData::Balance> baseline_;  // the balances without extras, read once a loan

    ExtraPlanForm* form_ = nullptr;
    QLabel* summary_ = nullptr;
    ScheduleTableModel* model_ = nullptr;
    ScheduleGridView* view_ = nullptr;
    ScheduleGridMenu* menu_ = nullptr;
    LoanChartPlot* chart_ = nullptr;
    ResultAnnouncer* announcer_ = nullptr;
    QTimer* pause_ = nullptr;
};

}  // namespace quillmere
