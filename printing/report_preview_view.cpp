#include "printing/report_preview_view.h"

#include <QKeyEvent>
#include <QLocale>
#include <QPaintEvent>
#include <QPainter>
#include <QScopedValueRollback>
#include <QScrollBar>
#include <QWheelEvent>

#include <algorithm>
#include <cmath>

#include "printing/report_document.h"

namespace quillmere {
namespace {

constexpr int kGap = 12;  // pixels around and between the sheets
constexpr double kZoomStep = 1.25;
constexpr double kMinZoom = 0.1;
constexpr double kMaxZoom = 4.0;
constexpr double kInchesPerMeter = 0.0254;

}  // namespace

ReportPreviewView::ReportPreviewView(const ReportDocument& document, const QPageLayout& layout, int dpi,
                                     QWidget* parent)
    : QAbstractScrollArea(parent),
      document_(document),
      pages_(document.InkedPages()),
      paper_(layout.fullRectPixels(dpi)),
      area_(PrintableArea(layout, dpi)),
      scale_(document.Scale(area_.size())),
      dpi_(std::max(1, dpi)) {
    setFocusPolicy(Qt::StrongFocus);
    // Always there, so a fit to the width can't make it come and go.
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setAccessibleName(tr("Pages of the preview"));
    viewport()->setBackgroundRole(QPalette::Dark);
    viewport()->setAutoFillBackground(true);
    if (paper_.isEmpty()) paper_ = QRectF(0, 0, 1, 1);
    DescribeCurrent();
}

double ReportPreviewView::PixelsPerUnit() const { return zoom_ * logicalDpiX() / dpi_; }

QSize ReportPreviewView::SheetSize() const {
    const double pixels = PixelsPerUnit();
    return {std::max(1, static_cast<int>(std::lround(paper_.width() * pixels))),
            std::max(1, static_cast<int>(std::lround(paper_.height() * pixels)))};
}

QRect ReportPreviewView::SheetRect(int sheet) const {
    const QSize size = SheetSize();
    const int width = viewport()->width();
    const int x = size.width() + 2 * kGap <= width ? (width - size.width()) / 2 : kGap - horizontalScrollBar()->value();
    const int y = kGap + (sheet - 1) * (size.height() + kGap) - verticalScrollBar()->value();
    return {QPoint(x, y), size};
}

int ReportPreviewView::SheetAt(int y) const {
    const int stride = SheetSize().height() + kGap;
    const int sheet = (y + verticalScrollBar()->value() - kGap / 2) / stride + 1;
    return std::clamp(sheet, 1, std::max(1, SheetCount()));
}

void ReportPreviewView::UpdateScrollBars() {
    // A new range moves the bars, but not the sheet the user is at.
    const QScopedValueRollback<bool> programmatic(scrollingToSheet_, true);
    const QSize size = SheetSize();
    const QSize view = viewport()->size();
    const int height = SheetCount() * (size.height() + kGap) + kGap;
    verticalScrollBar()->setRange(0, std::max(0, height - view.height()));
    verticalScrollBar()->setPageStep(view.height());
    verticalScrollBar()->setSingleStep(std::max(1, size.height() / 20));
    horizontalScrollBar()->setRange(0, std::max(0, size.width() + 2 * kGap - view.width()));
    horizontalScrollBar()->setPageStep(view.width());
    horizontalScrollBar()->setSingleStep(std::max(1, size.width() / 20));
}

void ReportPreviewView::SetZoom(double zoom, Fit fit) {
    fit_ = fit;
    zoom_ = std::clamp(zoom, kMinZoom, kMaxZoom);
    UpdateScrollBars();
    ShowSheet(current_);
    viewport()->update();
}

void ReportPreviewView::ApplyFit() {
    const double actual = paper_.width() * logicalDpiX() / dpi_;  // the sheet's width at zoom 1
    const double width = (viewport()->width() - 2 * kGap) / actual;
    const double height = (viewport()->height() - 2 * kGap) / (paper_.height() * logicalDpiX() / dpi_);
    if (fit_ == Fit::Width) SetZoom(width, Fit::Width);
    if (fit_ == Fit::Sheet) SetZoom(std::min(width, height), Fit::Sheet);
}

void ReportPreviewView::FitWidth() {
    fit_ = Fit::Width;
    ApplyFit();
}

void ReportPreviewView::FitSheet() {
    fit_ = Fit::Sheet;
    ApplyFit();
}

void ReportPreviewView::ZoomIn() { SetZoom(zoom_ * kZoomStep, Fit::None); }

void ReportPreviewView::ZoomOut() { SetZoom(zoom_ / kZoomStep, Fit::None); }

void ReportPreviewView::ShowSheet(int sheet) {
    SetCurrent(std::clamp(sheet, 1, std::max(1, SheetCount())));
    const QScopedValueRollback<bool> programmatic(scrollingToSheet_, true);
    verticalScrollBar()->setValue((current_ - 1) * (SheetSize().height() + kGap));
}

void ReportPreviewView::SetCurrent(int sheet) {
    if (sheet == current_) return;
    current_ = sheet;
    DescribeCurrent();
    emit CurrentSheetChanged(sheet);
}

void ReportPreviewView::DescribeCurrent() {
    //: The page shown in the print preview, for a screen reader
    setAccessibleDescription(tr("Page %1 of %2").arg(locale().toString(current_), locale().toString(SheetCount())));
}

QImage ReportPreviewView::DrawPart(int sheet, const QRect& sheetRect, const QRect& part, qreal pixelRatio) const {
    QImage image(static_cast<int>(std::ceil(part.width() * pixelRatio)),
                 static_cast<int>(std::ceil(part.height() * pixelRatio)), QImage::Format_RGB32);
    if (image.isNull()) return image;  // out of memory: the sheet stays blank
    image.setDevicePixelRatio(pixelRatio);
    // At the printer's resolution, text laid out on this image is measured
    // as on paper; the painter's scale brings it to the screen's size.
    const int dotsPerMeter = static_cast<int>(std::lround(dpi_ / kInchesPerMeter));
    image.setDotsPerMeterX(dotsPerMeter);
    image.setDotsPerMeterY(dotsPerMeter);
    image.fill(Qt::white);
    if (sheet < 1 || sheet > SheetCount()) return image;
    QPainter painter(&image);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
    painter.translate(sheetRect.topLeft() - part.topLeft());
    const double pixels = sheetRect.width() / paper_.width();
    painter.scale(pixels, pixels);
    painter.translate(area_.topLeft());
    document_.DrawPage(painter, pages_[static_cast<std::size_t>(sheet) - 1], scale_);
    return image;
}

QImage ReportPreviewView::SheetImage(int sheet, int width) const {
    const QRect whole(0, 0, std::max(1, width),
                      std::max(1, static_cast<int>(std::lround(width * paper_.height() / paper_.width()))));
    return DrawPart(sheet, whole, whole, 1.0);
}

void ReportPreviewView::paintEvent(QPaintEvent* event) {
    if (SheetCount() == 0) return;
    QPainter painter(viewport());
    const QRect dirty = event->rect();
    for (int sheet = SheetAt(dirty.top()); sheet <= SheetAt(dirty.bottom()); ++sheet) {
        const QRect rect = SheetRect(sheet);
        painter.setPen(palette().color(QPalette::Shadow));
        painter.drawRect(rect.adjusted(-1, -1, 0, 0));
        const QRect part = rect & dirty;
        if (!part.isEmpty()) painter.drawImage(part.topLeft(), DrawPart(sheet, rect, part, devicePixelRatioF()));
    }
}

void ReportPreviewView::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    UpdateScrollBars();
    ApplyFit();
}

void ReportPreviewView::scrollContentsBy(int dx, int dy) {
    QAbstractScrollArea::scrollContentsBy(dx, dy);
    if (!scrollingToSheet_) SetCurrent(SheetAt(viewport()->height() / 2));
}

void ReportPreviewView::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
        case Qt::Key_PageUp:
            ShowSheet(current_ - 1);
            break;
        case Qt::Key_PageDown:
            ShowSheet(current_ + 1);
            break;
        case Qt::Key_Home:
            ShowSheet(1);
            break;
        case Qt::Key_End:
            ShowSheet(SheetCount());
            break;
        default:
            QAbstractScrollArea::keyPressEvent(event);
    }
}

void ReportPreviewView::wheelEvent(QWheelEvent* event) {
    if (!event->modifiers().testFlag(Qt::ControlModifier)) {
        QAbstractScrollArea::wheelEvent(event);
        return;
    }
    const int turn = event->angleDelta().y();
    if (turn > 0) ZoomIn();
    if (turn < 0) ZoomOut();
    event->accept();
}

}  // namespace quillmere
