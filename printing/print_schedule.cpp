#include "printing/print_schedule.h"

#include <QDir>
#include <QGuiApplication>
#include <QMarginsF>
#include <QMessageBox>
#include <QPageLayout>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrintEngine>
#include <QPrinter>
#include <QSaveFile>
#include <QScreen>

#include <algorithm>
#include <array>
#include <memory>

#include "files/safe_file.h"
#include "money/environment_locale.h"
#include "printing/qt_report_printer.h"
#include "printing/report_document.h"
#include "printing/report_preview_dialog.h"
#include "printing/schedule_report.h"

namespace quillmere {
namespace {

// The territories whose paper convention is US Letter.
constexpr std::array kLetterTerritories = {
    QLocale::UnitedStates, QLocale::Canada,      QLocale::Mexico,     QLocale::Belize,    QLocale::Chile,
    QLocale::Colombia,     QLocale::CostaRica,   QLocale::ElSalvador, QLocale::Guatemala, QLocale::Nicaragua,
    QLocale::Panama,       QLocale::Philippines, QLocale::PuertoRico, QLocale::Venezuela,
};

constexpr double kDefaultMarginInches = 0.5;

// The dialog's starting point: the locale's paper, half-inch margins, and a
// document name the dialog turns into the suggested PDF file name.
void PrepareForDialog(QPrinter& printer) {
    printer.setDocName(QStringLiteral("Loan Payment Schedule"));
    printer.setPageSize(QPageSize(EnvironmentPageSize()));
    const QMarginsF margins(kDefaultMarginInches, kDefaultMarginInches, kDefaultMarginInches, kDefaultMarginInches);
    printer.setPageMargins(margins, QPageLayout::Inch);
}

// The job options Qt's print dialog hands a CUPS queue, as name, value,
// name, value, ...: the print engine property Qt's CUPS support keeps them in.
constexpr auto kCupsOptions = QPrintEngine::PrintEnginePropertyKey(0xfe00);

// Qt's dialog passes a range typed into a CUPS queue's "Pages" box twice: to
// the program, which prints just those pages, and to CUPS as "page-ranges",
// which would pick them again out of what it gets (pages 2-3 of pages 2-3
// leave page 3). The program's selection stands, as it does for every other
// printer; CUPS gets no range of its own.
void LeavePageRangeToTheProgram(QPrinter& printer) {
    if (printer.printRange() != QPrinter::PageRange || printer.printEngine() == nullptr) return;
    QStringList options = printer.printEngine()->property(kCupsOptions).toStringList();
    const qsizetype at = options.indexOf(QStringLiteral("page-ranges"));
    if (at < 0 || at % 2 != 0) return;
    options.remove(at, std::min<qsizetype>(2, options.size() - at));
    printer.printEngine()->setProperty(kCupsOptions, options);
}

// The pages chosen in the dialog's "Pages from ... to ..."; empty for all.
QPageRanges ChosenPages(const QPrinter& printer) {
    return printer.printRange() == QPrinter::PageRange ? printer.pageRanges() : QPageRanges();
}

void PrintReport(QPagedPaintDevice& device, const ScheduleGrid& grid, const QPageRanges& pages) {
    QtReportPrinter out(device, pages);
    PrintScheduleReport(out, grid);
}

// A PDF is written by a QPdfWriter set up as the printer is, into a file
// that takes the target's place only when it is complete: QSaveFile writes
// beside the target, notes any failed write, and renames only on a commit
// that found none. Without the commit the temporary file is removed.
QString PrintToFile(const QPrinter& printer, const ScheduleGrid& grid) {
    QSaveFile file(printer.outputFileName());
    if (!file.open(QIODevice::WriteOnly)) return OpenFailureReason(file);
    try {
        QPdfWriter writer(&file);
        writer.setPdfVersion(printer.pdfVersion());
        writer.setResolution(printer.resolution());
        writer.setPageLayout(printer.pageLayout());
        writer.setTitle(printer.docName());
        writer.setCreator(printer.creator());
        PrintReport(writer, grid, ChosenPages(printer));
    } catch (const PrintFailure& failure) {
        // A file that failed to take the pages tells why better than the
        // writer. Half a document never replaces the target.
        QString reason =
            file.error() != QFileDevice::NoError ? WriteFailureReason(file) : QString::fromUtf8(failure.what());
        file.cancelWriting();
        return reason;
    }
    return CommitOrReason(file);
}

}  // namespace

QPageSize::PageSizeId LocalePageSize(const QLocale& locale) {
    const QLocale::Territory territory = locale.territory();
    const bool letter =
        std::find(kLetterTerritories.begin(), kLetterTerritories.end(), territory) != kLetterTerritories.end();
    return letter ? QPageSize::Letter : QPageSize::A4;
}

QPageSize::PageSizeId EnvironmentPageSize() {
    const std::optional<QLocale> locale = EnvironmentLocale(LocaleCategory::Paper);
    return locale ? LocalePageSize(*locale) : QPageSize::A4;
}

QString PrintScheduleTo(QPrinter& printer, const ScheduleGrid& grid) {
    try {
        if (printer.outputFormat() == QPrinter::PdfFormat && !printer.outputFileName().isEmpty()) {
            return PrintToFile(printer, grid);
        }
        PrintReport(printer, grid, ChosenPages(printer));
        return {};
    } catch (const PrintFailure& failure) {
        // The job is abandoned by the adapter on its way out.
        return QString::fromUtf8(failure.what());
    } catch (...) {
        return QStringLiteral("The report could not be laid out.");
    }
}

QString PrintFailureText(const QString& failure, const QString& file) {
    const QString what =
        file.isEmpty() ? QStringLiteral("The schedule could not be printed.")
                       : QStringLiteral("The schedule could not be printed to %1.").arg(QDir::toNativeSeparators(file));
    return what + QStringLiteral("\n\n") + failure;
}

void ShowPrintFailure(QWidget* parent, const QString& failure, const QString& file) {
    QMessageBox box(QMessageBox::Warning, QStringLiteral("Print Payment Schedule"), PrintFailureText(failure, file),
                    QMessageBox::Ok, parent);
    box.exec();
}

std::unique_ptr<ReportPreviewDialog> MakeSchedulePreview(QWidget* parent, const ScheduleGrid& grid) {
    // The preview's sheets are measured for a printer set up as the print
    // dialog first shows it, so they are the pages printed unless the
    // dialog changes the paper.
    // The document keeps the printer: it lays text out for it as it draws.
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    PrepareForDialog(*printer);
    const QPageLayout layout = printer->pageLayout();
    const int dpi = printer->resolution();
    auto document = std::make_unique<ReportDocument>(std::unique_ptr<const QPaintDevice>(std::move(printer)));
    PrintScheduleReport(*document, grid);
    auto preview = std::make_unique<ReportPreviewDialog>(
        std::move(document), layout, dpi, [&grid](QWidget* over) { return PrintScheduleWithDialog(over, grid); },
        parent);
    preview->setWindowTitle(QStringLiteral("Print Preview"));
    preview->setAccessibleName(QStringLiteral("Print preview of the payment schedule"));
    // Most of the screen shows the whole toolbar, its print button too, and
    // a page a user can read, on a small screen as well.
    if (const QScreen* screen = parent != nullptr ? parent->screen() : QGuiApplication::primaryScreen()) {
        preview->resize(screen->availableGeometry().size() * 0.8);
    }
    return preview;
}

void PreviewScheduleWithDialog(QWidget* parent, const ScheduleGrid& grid) {
    try {
        MakeSchedulePreview(parent, grid)->exec();
    } catch (...) {
        // A preview that can't be made shows nothing; printing from it tells
        // its own failures.
    }
}

bool PrintScheduleWithDialog(QWidget* parent, const ScheduleGrid& grid, const PrintFailureNotice& notice) {
    QString failure;
    QString file;
    try {
        QPrinter printer(QPrinter::HighResolution);
        PrepareForDialog(printer);
        QPrintDialog dialog(&printer, parent);
        // Told how many pages there are, the dialog offers them as a range,
        // in its "Pages from ... to ..." and in a CUPS queue's "Pages" box
        // alike; without the printer's own range the box refuses any entry.
        const int pages = std::max(1, ReportPageCount(grid));
        dialog.setMinMax(1, pages);
        printer.setFromTo(1, pages);
        if (dialog.exec() != QDialog::Accepted) return false;
        LeavePageRangeToTheProgram(printer);
        if (printer.outputFormat() == QPrinter::PdfFormat) file = printer.outputFileName();
        failure = PrintScheduleTo(printer, grid);
    } catch (...) {
        failure = QStringLiteral("The printer could not be set up.");
    }
    if (failure.isEmpty()) return true;
    // The user asked for pages: a failure is said, never passed over.
    if (notice) notice(parent, failure, file);
    return false;
}

}  // namespace quillmere
