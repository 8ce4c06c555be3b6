// ReportPreviewDialog: the print preview window of a collected report.
//
// A toolbar over a ReportPreviewView: first, previous, the sheet's number
// (typed or stepped) "of N", next and last; fit to the width, fit the whole
// sheet, zoom in and out; and a print button, which hands over to `print`
// and closes the preview once that reports the report printed. Every control
// has an accessible name. Page Up, Page Down, Home and End (and Ctrl++,
// Ctrl+- for the zoom) are the buttons' shortcuts, so they page wherever the
// focus is in the window; only in the page box do Home and End move its
// cursor, as in any text box.
//
// The preview opens fitted to the width, at the first sheet.
#pragma once

#include <QDialog>
#include <QPageLayout>

#include <functional>
#include <memory>

class QAction;
class QLabel;
class QSpinBox;
class QToolBar;

namespace quillmere {

class ReportDocument;
class ReportPreviewView;

class ReportPreviewDialog final : public QDialog {
    Q_OBJECT

public:
    // Shows `document` on sheets of `layout`, measured for `dpi`. `print`
    // runs the printing, over the widget it is given; true when it printed.
    ReportPreviewDialog(std::unique_ptr<const ReportDocument> document, const QPageLayout& layout, int dpi,
                        std::function<bool(QWidget*)> print, QWidget* parent = nullptr);
    ~ReportPreviewDialog() override;
    ReportPreviewDialog(const ReportPreviewDialog&) = delete;
    ReportPreviewDialog& operator=(const ReportPreviewDialog&) = delete;

    [[nodiscard]] ReportPreviewView& View() const { return *view_; }

private:
    QAction* AddAction(QToolBar& bar, const QString& name, const QString& accessibleName);
    void AddNavigation(QToolBar& bar);
    void AddZoom(QToolBar& bar);
    void ShowCurrentSheet(int sheet);
    void Print();

    std::unique_ptr<const ReportDocument> document_;
    std::function<bool(QWidget*)> print_;
    ReportPreviewView* view_;
    QSpinBox* sheetBox_ = nullptr;
};

}  // namespace quillmere
