// ReportPreviewView: the sheets of a collected ReportDocument, one under the
// other, as a scrolling view.
//
// Only the part of a sheet that is in view is drawn, when it comes into
// view, with the document's own drawing code: opening the preview of a
// 181-page report costs no more than the first sheet, and nothing is kept
// per page. Each sheet is the paper of the page layout, its margins left
// white and the page inside them at the document's one scale, as printed.
//
// The drawing goes through an image whose resolution is the printer's, so
// text laid out for the printer keeps its printed size on the screen.
//
// Sheets count from 1 (the first sheet shown is 1, whatever the report's page
// number on it). The current sheet is the one last asked for, or, after the
// user scrolled, the one in the middle of the view. Zoom 1 shows the paper at
// its real size on the screen. Keys: Page Up and Page Down move a sheet,
// Home and End to the first and the last; arrows scroll. Ctrl with the
// mouse wheel zooms. A screen reader hears the current sheet as the view's
// description ("Page 3 of 181").
#pragma once

#include <QAbstractScrollArea>
#include <QImage>
#include <QPageLayout>
#include <QRectF>

#include <vector>

namespace quillmere {

class ReportDocument;

class ReportPreviewView final : public QAbstractScrollArea {
    Q_OBJECT

public:
    // Shows `document`, which must outlive the view, on sheets of `layout`;
    // the document was measured for a device of `dpi` dots per inch.
    ReportPreviewView(const ReportDocument& document, const QPageLayout& layout, int dpi, QWidget* parent = nullptr);

    [[nodiscard]] int SheetCount() const { return static_cast<int>(pages_.size()); }
    [[nodiscard]] int CurrentSheet() const { return current_; }
    [[nodiscard]] double Zoom() const { return zoom_; }

    // Scrolls sheet `sheet` (clamped to the sheets there are) to the top.
    void ShowSheet(int sheet);
    // Zooms so that a sheet fills the view's width, or fits it whole; the
    // fit holds while the view changes size, until the next zoom.
    void FitWidth();
    void FitSheet();
    void ZoomIn();
    void ZoomOut();

    // The whole of sheet `sheet` drawn `width` pixels wide, as the view draws it.
    [[nodiscard]] QImage SheetImage(int sheet, int width) const;

signals:
    void CurrentSheetChanged(int sheet);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    void keyPressEvent(QKeyEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    enum class Fit { None, Width, Sheet };

    [[nodiscard]] double PixelsPerUnit() const;
    [[nodiscard]] QSize SheetSize() const;
    [[nodiscard]] QRect SheetRect(int sheet) const;  // in viewport coordinates
    [[nodiscard]] int SheetAt(int y) const;          // y in viewport coordinates
    [[nodiscard]] QImage DrawPart(int sheet, const QRect& sheetRect, const QRect& part, qreal pixelRatio) const;
    void SetZoom(double zoom, Fit fit);
    void ApplyFit();
    void UpdateScrollBars();
    void SetCurrent(int sheet);
    void DescribeCurrent();

    const ReportDocument& document_;
    std::vector<int> pages_;  // the report's page number on each sheet
    QRectF paper_;            // the sheet, in device units
    QRectF area_;             // inside the margins, in device units
    double scale_;            // the document's one scale
    int dpi_;
    double zoom_ = 1.0;
    Fit fit_ = Fit::Width;
    int current_ = 1;
    bool scrollingToSheet_ = false;
};

}  // namespace quillmere
