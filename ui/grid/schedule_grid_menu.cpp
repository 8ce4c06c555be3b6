#include "ui/grid/schedule_grid_menu.h"

#include <QAction>
#include <QClipboard>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMenu>
#include <QMimeData>

#include <optional>

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
    menu_->setAccessibleName(tr("Schedule menu"));
    AddEntry("actCopy", tr("Copy"), QKeySequence::Copy, [this] { Copy(); });
    AddEntry("actSave", tr("Save Schedule As\u2026"), QKeySequence(Qt::CTRL | Qt::Key_S), [this] { Save(); });
    AddEntry("actPreview", tr("Print Preview\u2026"), QKeySequence(), [this] { Preview(); });
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
    // Named by grid and entry, so the same entry of two grids waits twice.
    const std::string entry = view_.objectName().toStdString() + '/' + name;
    connect(action, &QAction::triggered, this, [this, entry, handler = std::move(handler)] {
        if (gate_) return gate_(entry, handler);
        handler();
    });
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
    const ScheduleValues values = ReadScheduleValues(grid_, money_, loan_());
    data->setHtml(QString::fromStdString(ScheduleHtmlTable(values, FormatsFor(money_), cells)));
    QGuiApplication::clipboard()->setMimeData(data);
}

// The dialog asked about the name as typed; a file the extension leads to
// is the user's to give up too, or to name anew. None on a cancel.
std::optional<ScheduleSaveTarget> ScheduleGridMenu::ChooseSaveTarget(const QString& title) const {
    const QString filters = ScheduleFileFilters();
    QString filter = filters.section(QStringLiteral(";;"), 0, 0);
    QWidget* owner = view_.window();
    for (QString suggested = SuggestedSchedulePath(fileName_);;) {
        const QString chosen = hooks_.chooseSaveFile(owner, title, suggested, filters, &filter);
        if (chosen.isEmpty()) return std::nullopt;
        ScheduleSaveTarget target = SaveTargetOf(chosen, FileTypeOfFilter(filter));
        const QFileInfo file(target.path);
        if (target.path == chosen || !file.exists()) return target;
        if (file.isDir()) {
            hooks_.showWarning(owner, tr("%1 is a folder. Choose another name.").arg(file.fileName()), title);
        } else if (hooks_.askYesNo(owner, tr("%1 already exists.\nDo you want to replace it?").arg(file.fileName()),
                                   title)) {
            return target;
        }
        suggested = target.path;
    }
}

void ScheduleGridMenu::Save() {
    const QString title = tr("Save Schedule As");
    const std::optional<ScheduleSaveTarget> target = ChooseSaveTarget(title);
    if (!target) return;
    const QString failure = SaveScheduleFile(target->path, target->type, grid_, money_, loan_());
    if (failure.isEmpty()) return RememberSaveFolder(target->path);
    // The user asked for a file: a failure is said, never passed over.
    hooks_.showWarning(
        view_.window(),
        tr("The schedule could not be saved to %1.\n\n%2").arg(QDir::toNativeSeparators(target->path), failure), title);
}

void ScheduleGridMenu::Preview() { hooks_.previewSchedule(view_.window(), grid_); }

void ScheduleGridMenu::Print() { hooks_.printSchedule(view_.window(), grid_); }

}  // namespace quillmere
