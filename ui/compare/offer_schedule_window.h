// OfferScheduleWindow: one offer's whole schedule, in a grid like the main
// window's, with the schedule menu: copy, save, print preview, print and
// the chart.
//
// Titled after the offer ("Offer B Schedule"); Show() puts another offer's
// schedule in it. Escape and Ctrl+W close it, handing the focus back.
#pragma once

#include <QWidget>

#include "export/schedule_workbook.h"
#include "schedule/loan_offer.h"
#include "schedule/schedule_grid.h"

namespace quillmere {

class LoanChart;
class LocaleMoneyFormatter;
class ScheduleGridMenu;
class ScheduleGridView;
class ScheduleTableModel;
struct PlatformHooks;

class OfferScheduleWindow final : public QWidget {
    Q_OBJECT

public:
    // A window of its own, owned by `parent`; `money` and `hooks` must
    // outlive it.
    OfferScheduleWindow(const LocaleMoneyFormatter& money, PlatformHooks& hooks, QWidget* parent);
    ~OfferScheduleWindow() override;

    OfferScheduleWindow(const OfferScheduleWindow&) = delete;
    OfferScheduleWindow& operator=(const OfferScheduleWindow&) = delete;

    // Shows the schedule of `offer`, named `name`; none: an empty grid.
    void Show(const QString& name, const Offer* offer);

    [[nodiscard]] const ScheduleGrid& Grid() const { return grid_; }
    [[nodiscard]] ScheduleGridMenu& GridMenu() const { return *menu_; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void ShowChart();
    void UpdateChart();

    const LocaleMoneyFormatter& money_;
    PlatformHooks& hooks_;
    ScheduleGrid grid_;
    WorkbookLoan loan_;
    QString payment_;  // the level payment as money text
    ScheduleTableModel* model_ = nullptr;
    ScheduleGridView* view_ = nullptr;
    ScheduleGridMenu* menu_ = nullptr;
    LoanChart* chart_ = nullptr;  // made on first showing
};

}  // namespace quillmere
