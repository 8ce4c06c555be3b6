// ScheduleGridMenu: a schedule grid's own menu, and what its entries do.
//
// Opened by a right click, the Menu key or Shift+F10 on the grid. Its
// entries are the grid's actions, so their shortcuts work while the grid has
// the focus and nowhere else (the grid's own Ctrl+C would copy just the
// current cell). Every schedule grid's menu starts with the same three:
//  - "Copy" (Ctrl+C): the selected cells, or the whole schedule when none is
//    selected, as tab-separated text with the column headers and as an HTML
//    table of values for a spreadsheet;
//  - "Save Schedule As…" (Ctrl+S): the schedule as a workbook or a CSV file
//    of values or of texts, its type chosen in the dialog or by the
//    extension typed (see SaveTargetOf); a file that the name becomes and
//    that exists is replaced only once the user agrees; a failure is told
//    in a warning box;
//  - "Print Preview…": the printed report's pages;
// and a window adds its own entries after them with AddEntry(). Dialogs open
// over the grid's window, through the PlatformHooks it is given. Every entry
// runs through the menu's gate (SetGate), which may hold it back until the
// schedule is complete.
#pragma once

#include <QCoreApplication>
#include <QKeySequence>
#include <QObject>
#include <QString>

#include <functional>
#include <optional>
#include <string>

#include "export/schedule_workbook.h"
#include "ui/grid/schedule_export.h"

class QAction;
class QMenu;

namespace quillmere {

class LocaleMoneyFormatter;
class ScheduleGrid;
class ScheduleGridView;
struct PlatformHooks;

class ScheduleGridMenu final : public QObject {
    Q_OBJECT

public:
    // What the schedule's files need beyond the grid: the loan it was
    // calculated for (and the plan of extras, where there is one), asked for
    // at each save or copy.
    using LoanOfGrid = std::function<WorkbookLoan()>;

    // The menu of `view`, which shows `grid`; all must outlive it, as must
    // `money` (the grid's money text) and `hooks`. The save dialog suggests
    // `fileName` (with ".xlsx") in the user's documents folder.
    ScheduleGridMenu(ScheduleGridView& view, const ScheduleGrid& grid, const LocaleMoneyFormatter& money,
                     PlatformHooks& hooks, LoanOfGrid loan,
                     QString fileName = QCoreApplication::translate("quillmere::ScheduleGridMenu",
                                                                    "Loan Payment Schedule"));

    // Runs an entry's `action`, named as the entry, now or later: a window
    // whose grid may still be filling holds it back until the grid is
    // complete. At first every entry runs at once.
    using Gate = std::function<void(const std::string& name, std::function<void()> action)>;
    void SetGate(Gate gate) { gate_ = std::move(gate); }

    // Adds an entry at the end, as an action of the grid named `name`.
    QAction* AddEntry(const char* name, const QString& text, const QKeySequence& keys, std::function<void()> handler);
    [[nodiscard]] QMenu& Menu() const { return *menu_; }

    void Copy();
    void Save();
    void Preview();
    // "Print…": the print dialog, then the report.
    void Print();

private:
    [[nodiscard]] std::optional<ScheduleSaveTarget> ChooseSaveTarget(const QString& title) const;

    ScheduleGridView& view_;
    const ScheduleGrid& grid_;
    const LocaleMoneyFormatter& money_;
    PlatformHooks& hooks_;
    LoanOfGrid loan_;
    QString fileName_;
    QMenu* menu_ = nullptr;
    Gate gate_;
};

}  // namespace quillmere
