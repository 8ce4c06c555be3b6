#include "printing/report_preview_dialog.h"

#include <QAction>
#include <QLabel>
#include <QSpinBox>
#include <QStyle>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

#include <utility>

#include "printing/report_document.h"
#include "printing/report_preview_view.h"

namespace quillmere {

ReportPreviewDialog::ReportPreviewDialog(std::unique_ptr<const ReportDocument> document, const QPageLayout& layout,
                                         int dpi, std::function<bool(QWidget*)> print, QWidget* parent)
    : QDialog(parent),
      document_(std::move(document)),
      print_(std::move(print)),
      view_(new ReportPreviewView(*document_, layout, dpi, this)) {
    auto* bar = new QToolBar(this);
    bar->setAccessibleName(tr("Preview tools"));
    AddNavigation(*bar);
    bar->addSeparator();
    AddZoom(*bar);
    bar->addSeparator();
    QAction* printButton = AddAction(*bar, tr("Print\u2026"), tr("Print the payment schedule"));
    connect(printButton, &QAction::triggered, this, &ReportPreviewDialog::Print);

    auto* layoutBox = new QVBoxLayout(this);
    layoutBox->setContentsMargins(0, 0, 0, 0);
    layoutBox->setSpacing(0);
    layoutBox->addWidget(bar);
    layoutBox->addWidget(view_, 1);
    connect(view_, &ReportPreviewView::CurrentSheetChanged, this, &ReportPreviewDialog::ShowCurrentSheet);
    view_->setFocus();
}

ReportPreviewDialog::~ReportPreviewDialog() = default;

QAction* ReportPreviewDialog::AddAction(QToolBar& bar, const QString& name, const QString& accessibleName) {
    QAction* action = bar.addAction(name);
    action->setToolTip(accessibleName);
    if (QWidget* button = bar.widgetForAction(action)) button->setAccessibleName(accessibleName);
    return action;
}

void ReportPreviewDialog::AddNavigation(QToolBar& bar) {
    // The arrows point the way the sheets go in the reading direction.
    const bool mirrored = layoutDirection() == Qt::RightToLeft;
    // A button with its key that shows the sheet `target()` names.
    const auto addMove = [&](const QString& name, const QString& accessibleName, QStyle::StandardPixmap forward,
                             QStyle::StandardPixmap backward, Qt::Key key, auto target) {
        QAction* action = AddAction(bar, name, accessibleName);
        action->setIcon(style()->standardIcon(mirrored ? backward : forward, nullptr, this));
        action->setShortcut(key);
        connect(action, &QAction::triggered, view_, [this, target] { view_->ShowSheet(target()); });
    };
    //: A button that shows the preview's first page
    addMove(tr("First"), tr("First page"), QStyle::SP_MediaSkipBackward, QStyle::SP_MediaSkipForward, Qt::Key_Home,
            [] { return 1; });
    //: A button that shows the page before the one shown
    addMove(tr("Previous"), tr("Previous page"), QStyle::SP_MediaSeekBackward, QStyle::SP_MediaSeekForward,
            Qt::Key_PageUp, [this] { return view_->CurrentSheet() - 1; });

    sheetBox_ = new QSpinBox(&bar);
    sheetBox_->setRange(1, std::max(1, view_->SheetCount()));
    sheetBox_->setKeyboardTracking(false);
    sheetBox_->setAccessibleName(tr("Page number"));
    bar.addWidget(sheetBox_);
    // The blanks part the words from the box beside them, in any language.
    //: After the box with the page shown; %1 is the number of pages
    const QString of = tr("of %1").arg(locale().toString(view_->SheetCount()));
    auto* count = new QLabel(QStringLiteral(" %1 ").arg(of), &bar);
    count->setAccessibleName(tr("Page count"));
    bar.addWidget(count);

    //: A button that shows the page after the one shown
    addMove(tr("Next"), tr("Next page"), QStyle::SP_MediaSeekForward, QStyle::SP_MediaSeekBackward, Qt::Key_PageDown,
            [this] { return view_->CurrentSheet() + 1; });
    //: A button that shows the preview's last page
    addMove(tr("Last"), tr("Last page"), QStyle::SP_MediaSkipForward, QStyle::SP_MediaSkipBackward, Qt::Key_End,
            [this] { return view_->SheetCount(); });
    connect(sheetBox_, &QSpinBox::valueChanged, view_, &ReportPreviewView::ShowSheet);
}

void ReportPreviewDialog::AddZoom(QToolBar& bar) {
    QAction* width = AddAction(bar, tr("Fit Width"), tr("Fit the page to the width"));
    QAction* page = AddAction(bar, tr("Fit Page"), tr("Show the whole page"));
    QAction* in = AddAction(bar, tr("Zoom In"), tr("Zoom in"));
    in->setShortcut(QKeySequence::ZoomIn);
    QAction* out = AddAction(bar, tr("Zoom Out"), tr("Zoom out"));
    out->setShortcut(QKeySequence::ZoomOut);
    connect(width, &QAction::triggered, view_, &ReportPreviewView::FitWidth);
    connect(page, &QAction::triggered, view_, &ReportPreviewView::FitSheet);
    connect(in, &QAction::triggered, view_, &ReportPreviewView::ZoomIn);
    connect(out, &QAction::triggered, view_, &ReportPreviewView::ZoomOut);
}

void ReportPreviewDialog::ShowCurrentSheet(int sheet) {
    const QSignalBlocker quiet(sheetBox_);  // the view is there already
    sheetBox_->setValue(sheet);
}

void ReportPreviewDialog::Print() {
    if (print_ && print_(this)) accept();
}

}  // namespace quillmere
