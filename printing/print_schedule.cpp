#include "printing/print_schedule.h"

#include <QCoreApplication>
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
#include <tuple>

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

// The header words of the report, grid columns 0 to 5.
constexpr std::array kHeaderWords = {
    //: The payment's date, as a column heading of the printed schedule
    QT_TRANSLATE_NOOP("ScheduleReport", "Date"),
    //: The payment's number (1, 2, 3, ...), as a column heading of the printed schedule
    QT_TRANSLATE_NOOP("ScheduleReport", "Number"),
    //: The amount paid, as a column heading of the printed schedule
    QT_TRANSLATE_NOOP("ScheduleReport", "Payment"),
    //: The interest part of the payment, as a column heading of the printed schedule
    QT_TRANSLATE_NOOP("ScheduleReport", "Interest"),
    //: The principal part of the payment, as a column heading of the printed schedule
    QT_TRANSLATE_NOOP("ScheduleReport", "Applied"),
    //: The principal still owed after the payment, as a column heading of the printed schedule
    QT_TRANSLATE_NOOP("ScheduleReport", "New Balance"),
};

QString ReportTitle() {
    //: The title of the printed schedule, and the printed document's name
    return QCoreApplication::translate("ScheduleReport", "Loan Payment Schedule");
}

// The report's words in the user's language. The report is laid out in
// fixed-width characters, so a longer word widens its column.
ReportWords TranslatedReportWords() {
    ReportWords words;
    words.title = ReportTitle().toStdString();
    //: At the top right of each printed page; %1 is the page's number
    words.page = QCoreApplication::translate("ScheduleReport", "Page: %1").toStdString();
    static_assert(kHeaderWords.size() == std::tuple_size_v<decltype(words.headers)>);
    for (std::size_t col = 0; col < kHeaderWords.size(); ++col) {
        words.headers[col] = QCoreApplication::translate("ScheduleReport", kHeaderWords[col]).toStdString();
    }
    return words;
}

// The dialog's starting point: the locale's paper, half-inch margins, and a
// document name the dialog turns into the suggested PDF file name.
void PrepareForDialog(QPrinter& printer) {
    printer.setDocName(ReportTitle());
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
    PrintScheduleReport(out, grid, TranslatedReportWords());
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
        return QCoreApplication::translate("PrintSchedule", "The report could not be laid out.");
    }
}

QString PrintFailureText(const QString& failure, const QString& file) {
    if (file.isEmpty()) {
        //: %1 is a sentence saying why, on a line of its own
        return QCoreApplication::translate("PrintSchedule", "The schedule could not be printed.\n\n%1").arg(failure);
    }
    //: %1 is the PDF file; %2 a sentence saying why, on a line of its own
    return QCoreApplication::translate("PrintSchedule", "The schedule could not be printed to %1.\n\n%2")
        .arg(QDir::toNativeSeparators(file), failure);
}

void ShowPrintFailure(QWidget* parent, const QString& failure, const QString& file) {
    //: The title of the box telling why the schedule wasn't printed
    QMessageBox box(QMessageBox::Warning, QCoreApplication::translate("PrintSchedule", "Print Payment Schedule"),
                    PrintFailureText(failure, file), QMessageBox::Ok, parent);
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
    PrintScheduleReport(*document, grid, TranslatedReportWords());
    auto preview = std::make_unique<ReportPreviewDialog>(
        std::move(document), layout, dpi, [&grid](QWidget* over) { return PrintScheduleWithDialog(over, grid); },
        parent);
    preview->setWindowTitle(QCoreApplication::translate("PrintSchedule", "Print Preview"));
    preview->setAccessibleName(QCoreApplication::translate("PrintSchedule", "Print preview of the payment schedule"));
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
        failure = QCoreApplication::translate("PrintSchedule", "The printer could not be set up.");
    }
    if (failure.isEmpty()) return true;
    // The user asked for pages: a failure is said, never passed over.
    if (notice) notice(parent, failure, file);
    return false;
}

}  // namespace quillmere
