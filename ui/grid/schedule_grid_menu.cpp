#include "ui/grid/schedule_grid_menu.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QMenu>
#include <QMimeData>

#include "export/schedule_files.h"
#include "export/schedule_html.h"
#include "export/spreadsheet_formats.h"
#include "money/locale_money_formatter.h"
#include "ui/common/context_menu.h"
#include "ui/common/platform_hooks.h"
#include "ui/grid/schedule_clipboard_text.h"
#include "ui/grid/schedule_export.h"
#include "ui/grid/schedule_grid_view.h"

namespace quillmere {

ScheduleGridMenu::ScheduleGridMenu(ScheduleGridView& view, const ScheduleGrid& grid, const LocaleMoneyFormatter& money,
                                   PlatformHooks& hooks, LoanOfGrid loan, QString fileName)
    : QObject(&view),
      view_(view),
      grid_(grid),
      money_(money),
      hooks_(hooks),
      loan_(std::move(loan)),
      fileName_(std::move(fileName)),
      menu_(new QMenu(&view)) {
    menu_->setObjectName(QStringLiteral("gridMenu"));
    menu_->setAccessibleName(QStringLiteral("Schedule menu"));
    AddEntry("actCopy", QStringLiteral("Copy"), QKeySequence::Copy, [this] { Copy(); });
    AddEntry("actSave", QStringLiteral("Save Schedule As\u2026"), QKeySequence(Qt::CTRL | Qt::Key_S),
             [this] { Save(); });
    AddEntry("actPreview", QStringLiteral("Print Preview\u2026"), QKeySequence(), [this] { Preview(); });
    view_.setContextMenuPolicy(Qt::CustomContextMenu);
    connect(&view_, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& at) { OpenContextMenu(*menu_, view_.viewport()->mapToGlobal(at)); });
}

QAction* ScheduleGridMenu::AddEntry(const char* name, const QString& text, const QKeySequence& keys,
                                    std::function<void()> handler) {
    auto* action = new QAction(text, &view_);
    action->setObjectName(QString::fromLatin1(name));
    action->setShortcut(keys);
    action->setShortcutContext(Qt::WidgetShortcut);
    connect(action, &QAction::triggered, this, std::move(handler));
    view_.addAction(action);
    menu_->addAction(action);
    return action;
}

// Plain text for any program, and an HTML table whose cells carry their
// values for a spreadsheet.
void ScheduleGridMenu::Copy() {
    const QModelIndexList selected = view_.selectionModel()->selectedIndexes();
    const GridCellRange cells =
        BoundingCells(selected).value_or(GridCellRange{1, grid_.Rows() - 1, 0, ScheduleGrid::kColumns - 1});
    auto* data = new QMimeData;  // the clipboard takes it
    data->setText(QString::fromStdString(ScheduleClipboardText(grid_, cells)));
    const ScheduleValues values = ReadScheduleValues(grid_, money_, loan_().firstPaymentYear);
    data->setHtml(QString::fromStdString(ScheduleHtmlTable(values, FormatsFor(money_), cells)));
    QGuiApplication::clipboard()->setMimeData(data);
}

void ScheduleGridMenu::Save() {
    const QString title = QStringLiteral("Save Schedule As");
    const QString filters = ScheduleFileFilters();
    QString filter = filters.section(QStringLiteral(";;"), 0, 0);
    QWidget* owner = view_.window();
    QString path = hooks_.chooseSaveFile(owner, title, SuggestedSchedulePath(fileName_), filters, &filter);
    if (path.isEmpty()) return;
    const ScheduleFileType type = FileTypeOfFilter(filter);
    path = WithSuffixOf(path, type);
    const QString failure = SaveScheduleFile(path, type, grid_, money_, loan_());
    if (failure.isEmpty()) return;
    // The user asked for a file: a failure is said, never passed over.
    hooks_.showWarning(owner, QStringLiteral("The schedule could not be saved to %1: %2").arg(path, failure), title);
}

void ScheduleGridMenu::Preview() { hooks_.previewSchedule(view_.window(), grid_); }

void ScheduleGridMenu::Print() { hooks_.printSchedule(view_.window(), grid_); }

}  // namespace quillmere
