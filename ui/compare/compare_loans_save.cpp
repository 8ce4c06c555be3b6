// The Compare Loans window's table leaving the program: copied for a
// spreadsheet, and saved as a workbook with each offer's schedule.
#include <QClipboard>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMimeData>

#include <deque>

#include "export/comparison_clipboard.h"
#include "export/comparison_workbook.h"
#include "export/spreadsheet_formats.h"
#include "money/locale_money_formatter.h"
#include "schedule/extra_payments.h"
#include "ui/common/platform_hooks.h"
#include "ui/compare/compare_loans_window.h"
#include "ui/compare/comparison_model.h"
#include "ui/compare/offer_form.h"
#include "ui/grid/schedule_export.h"

namespace quillmere {
namespace {

constexpr char kWorkbookSuffix[] = ".xlsx";

// The name chosen, ending in ".xlsx" whatever was typed.
QString WorkbookPath(const QString& chosen) {
    if (chosen.endsWith(QLatin1String(kWorkbookSuffix), Qt::CaseInsensitive)) return chosen;
    return chosen + QLatin1String(kWorkbookSuffix);
}

}  // namespace

void CompareLoansWindow::CopyTable() const {
    auto* data = new QMimeData;  // the clipboard takes it
    data->setText(QString::fromStdString(ComparisonTsv(model_->Values())));
    data->setHtml(QString::fromStdString(ComparisonHtml(model_->Values(), FormatsFor(money_))));
    QGuiApplication::clipboard()->setMimeData(data);
}

void CompareLoansWindow::SaveComparison() {
    Recalculate();  // what is saved is what the boxes say now
    const QString title = tr("Save Comparison");
    QString filter = tr("Excel Workbook (*.xlsx)");
    QString path;
    // A file the extension leads to is the user's to give up too, or to name anew.
    for (QString suggested = SuggestedSchedulePath(tr("Loan Comparison"));;) {
        const QString chosen = hooks_.chooseSaveFile(this, title, suggested, filter, &filter);
        if (chosen.isEmpty()) return;
        path = WorkbookPath(chosen);
        const QFileInfo file(path);
        if (path == chosen || !file.exists()) break;
        if (file.isDir()) {
            hooks_.showWarning(this, tr("%1 is a folder. Choose another name.").arg(file.fileName()), title);
        } else if (hooks_.askYesNo(this, tr("%1 already exists.\nDo you want to replace it?").arg(file.fileName()),
                                   title)) {
            break;
        }
        suggested = path;
    }
    std::deque<ScheduleGrid> grids;  // stays where it is as it grows
    std::vector<ComparisonSchedule> schedules;
    for (int offer = 0; offer < form_->Count(); ++offer) {
        const Offer* worked = OfferAt(offer);
        if (worked == nullptr) continue;
        ScheduleGrid& grid = grids.emplace_back();
        if (!FillExtraPaymentSchedule(worked->loan, {}, grid, money_)) continue;
        schedules.push_back(
            {form_->Name(offer), &grid,
             WorkbookLoan{worked->loan.principal, worked->loan.annualRate.ToDouble(), worked->loan.first.year}});
    }
    const QString failure = SaveComparisonFile(path, model_->Values(), schedules, money_);
    if (failure.isEmpty()) return RememberSaveFolder(path);
    hooks_.showWarning(
        this, tr("The comparison could not be saved to %1.\n\n%2").arg(QDir::toNativeSeparators(path), failure), title);
}

}  // namespace quillmere
