// The print preview's own behaviour: paging by keys, buttons and the page
// box, zoom that keeps the page, and a print button that closes it only once
// the report printed. What it shows is checked against print_pdf_test's PDFs.
#include "printing/report_preview_dialog.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QImage>
#include <QPageLayout>
#include <QScrollBar>
#include <QSpinBox>
#include <QTest>
#include <QToolBar>
#include <QWheelEvent>

#include <memory>
#include <utility>

#include "printing/print_schedule.h"
#include "printing/report_document.h"
#include "printing/report_preview_view.h"
#include "printing/schedule_report.h"
#include "tests/printing/report_fixtures.h"

namespace quillmere {
namespace {

constexpr int kDpi = 300;

// 420 rows: seven sheets of the report on A4, measured for a 300 dpi device.
ScheduleGrid SevenPages() {
    std::vector<testing::RowTexts> rows(420, {"12/15/07", "1", "$340.02", "$10.00", "$330.02", "$669.98"});
    return testing::Grid(rows);
}

std::unique_ptr<ReportPreviewDialog> Preview(const ScheduleGrid& grid, std::function<bool(QWidget*)> print = {}) {
    static QImage device = [] {
        QImage image(1, 1, QImage::Format_RGB32);
        image.setDotsPerMeterX(static_cast<int>(kDpi / 0.0254));
        image.setDotsPerMeterY(static_cast<int>(kDpi / 0.0254));
        return image;
    }();
    auto document = std::make_unique<ReportDocument>(device);
    PrintScheduleReport(*document, grid);
    const QPageLayout layout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(36, 36, 36, 36));
    auto preview = std::make_unique<ReportPreviewDialog>(std::move(document), layout, kDpi, std::move(print));
    preview->resize(800, 600);
    preview->show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(preview.get()));
    return preview;
}

QAbstractButton* Button(const QDialog& dialog, const char* accessibleName) {
    for (auto* button : dialog.findChildren<QAbstractButton*>()) {
        if (button->accessibleName() == QLatin1String(accessibleName)) return button;
    }
    ADD_FAILURE() << "no button " << accessibleName;
    return nullptr;
}

TEST(ReportPreview, KeysButtonsAndThePageBoxMoveBetweenPages) {
    const ScheduleGrid grid = SevenPages();
    const auto preview = Preview(grid);
    ReportPreviewView& view = preview->View();
    auto* box = preview->findChild<QSpinBox*>();
    ASSERT_EQ(view.SheetCount(), 7);
    EXPECT_EQ(box->maximum(), 7);
    const auto at = [&](int sheet) {
        EXPECT_EQ(view.CurrentSheet(), sheet);
        EXPECT_EQ(box->value(), sheet);
        EXPECT_EQ(view.accessibleDescription(), QStringLiteral("Page %1 of 7").arg(sheet));
    };
    at(1);
    // Nothing before the first page, nor after the last.
    const std::pair<Qt::Key, int> keys[] = {{Qt::Key_PageUp, 1},   {Qt::Key_PageDown, 2}, {Qt::Key_End, 7},
                                            {Qt::Key_PageDown, 7}, {Qt::Key_PageUp, 6},   {Qt::Key_Home, 1}};
    for (const auto& [key, sheet] : keys) {
        QTest::keyClick(&view, key);
        at(sheet);
    }
    const std::pair<const char*, int> buttons[] = {
        {"Last page", 7}, {"Previous page", 6}, {"First page", 1}, {"Next page", 2}};
    for (const auto& [name, sheet] : buttons) {
        Button(*preview, name)->click();
        at(sheet);
    }
    box->setValue(5);
    EXPECT_EQ(view.CurrentSheet(), 5);
    // Scrolling by hand makes the page in the middle of the view the current one.
    view.verticalScrollBar()->setValue(view.verticalScrollBar()->maximum());
    at(7);
    view.verticalScrollBar()->setValue(0);
    at(1);
    // Every control can be told apart by a screen reader.
    for (const QWidget* control : preview->findChild<QToolBar*>()->findChildren<QWidget*>()) {
        if (control->isVisible() && (qobject_cast<const QAbstractButton*>(control) || control == box)) {
            EXPECT_FALSE(control->accessibleName().isEmpty()) << control->metaObject()->className();
        }
    }
}

TEST(ReportPreview, ZoomKeepsThePageAndStaysInBounds) {
    const ScheduleGrid grid = SevenPages();
    const auto preview = Preview(grid);
    ReportPreviewView& view = preview->View();
    // Near the end, where a smaller zoom cuts the scroll range below the page.
    QTest::keyClick(&view, Qt::Key_End);
    QTest::keyClick(&view, Qt::Key_PageUp);
    const double fitWidth = view.Zoom();
    Button(*preview, "Show the whole page")->click();
    const double fitPage = view.Zoom();
    EXPECT_LT(fitPage, fitWidth);  // the viewport is wider than a page is tall
    EXPECT_EQ(view.CurrentSheet(), 6);
    // Ctrl with the wheel turned away from the user zooms in.
    QWheelEvent wheel(QPointF(50, 50), view.mapToGlobal(QPointF(50, 50)), QPoint(), QPoint(0, 120), Qt::NoButton,
                      Qt::ControlModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(view.viewport(), &wheel);
    EXPECT_NEAR(view.Zoom(), fitPage * 1.25, 1e-9);
    EXPECT_EQ(view.CurrentSheet(), 6);
    for (int i = 0; i < 40; ++i) view.ZoomIn();
    EXPECT_LE(view.Zoom(), 4.0);
    for (int i = 0; i < 80; ++i) view.ZoomOut();
    EXPECT_GE(view.Zoom(), 0.1);
    EXPECT_EQ(view.CurrentSheet(), 6);
    // A fit follows the window's size.
    view.FitWidth();
    preview->resize(1000, 600);
    QApplication::processEvents();
    EXPECT_GT(view.Zoom(), fitWidth);
}

TEST(ReportPreview, PrintClosesThePreviewOnlyOnceItPrinted) {
    const ScheduleGrid grid = testing::Grid(testing::kWorkedExample);
    bool printed = false;
    int asked = 0;
    QWidget* over = nullptr;
    const auto preview = Preview(grid, [&](QWidget* parent) {
        ++asked;
        over = parent;
        return printed;
    });
    Button(*preview, "Print the payment schedule")->click();  // cancelled, or it failed
    EXPECT_EQ(asked, 1);
    EXPECT_EQ(over, preview.get());  // the print dialog stands over the preview
    EXPECT_TRUE(preview->isVisible());
    printed = true;
    Button(*preview, "Print the payment schedule")->click();
    EXPECT_EQ(asked, 2);
    EXPECT_FALSE(preview->isVisible());
    EXPECT_EQ(preview->result(), QDialog::Accepted);
}

// The program's own preview of a schedule whose amounts need laying out
// (right to left): its sheets are drawn long after the report was collected,
// on the printer the report was measured for.
TEST(ReportPreview, TheProgramsPreviewDrawsLaidOutTextOnEverySheet) {
    std::vector<testing::RowTexts> rows(
        70, {"12/15/07", "1", "\u200f١٬٥٦٢٫٥٠ ج.م.\u200f", "\u200f١٠٫٠٠ ج.م.\u200f", "", "٦٦٩٫٩٨ ج.م."});
    const ScheduleGrid grid = testing::Grid(rows);
    const std::unique_ptr<ReportPreviewDialog> preview = MakeSchedulePreview(nullptr, grid);
    preview->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(preview.get()));
    ASSERT_EQ(preview->View().SheetCount(), 2);
    for (int sheet = 1; sheet <= 2; ++sheet) {
        const QImage image = preview->View().SheetImage(sheet, 400).convertToFormat(QImage::Format_Grayscale8);
        int inked = 0;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) inked += qGray(image.pixel(x, y)) < 128 ? 1 : 0;
        }
        EXPECT_GT(inked, 100) << "sheet " << sheet;
    }
}

// An empty schedule still has its one page, and drawing a sheet that is not
// there leaves it blank rather than failing.
TEST(ReportPreview, AnEmptyScheduleHasOnePageAndNoSheetIsOutOfReach) {
    ScheduleGrid grid;
    ResetGrid(grid);
    const auto preview = Preview(grid);
    EXPECT_EQ(preview->View().SheetCount(), 1);
    const QImage beyond = preview->View().SheetImage(2, 200);
    EXPECT_EQ(beyond.pixel(100, 100), qRgb(255, 255, 255));
    QTest::keyClick(&preview->View(), Qt::Key_End);
    EXPECT_EQ(preview->View().CurrentSheet(), 1);
}

}  // namespace
}  // namespace quillmere
