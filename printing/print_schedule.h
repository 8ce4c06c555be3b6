// Printing the payment schedule on a real printer (or to a PDF file).
//
// The main window's print command calls PrintScheduleWithDialog(): it shows
// the print dialog and prints the grid as the paginated report described in
// schedule_report.h. Tests and other callers that bring their own printer use
// PrintScheduleTo(), which prints without any dialog.
//
// What the user gets
// - Page size: the locale's convention (Letter in the Letter countries, such
//   as en_US and en_CA; A4 elsewhere) is offered in the dialog; whatever is
//   chosen there wins. Margins start at half an inch.
// - The dialog knows the report's pages (1 to N, 60 grid rows to a page) and
//   prints the range chosen there; every page keeps its number, so a range
//   from 5 prints "Page: 5" first. A printer's own page selection (a CUPS
//   queue's "Pages" box) is left to the printer, which gets every page.
// - On a machine without a printer the dialog offers "Print to File (PDF)",
//   so the report can always be had as a PDF. A PDF file is written beside
//   its target under a temporary name and moved over it only once the whole
//   document is written: a failure (a full disk, say) leaves whatever stood
//   at the target untouched, and no temporary file behind.
// - Fonts: "Terminal" at 14 pt (title) and 10 pt (body), requested as a
//   fixed-pitch typewriter face; on Debian it resolves to DejaVu Sans Mono.
// - Every page is drawn at one scale, the largest (never above 1) at which
//   the report's fullest page fits the printable area, so the type size and
//   the columns are the same on every page.
//
// Failures
// A cancel in the dialog prints nothing and says nothing. Any other failure
// (the printer cannot start, a page cannot be begun, the job or the file
// cannot be finished) stops the report where it stands and abandons the job;
// the user is told why, with the reason in their words ("The disk is full.").
#pragma once

#include <QLocale>
#include <QPageSize>
#include <QString>

#include <functional>
#include <memory>

#include "schedule/schedule_grid.h"

class QPrinter;
class QWidget;

namespace quillmere {

class ReportPreviewDialog;

// Tells the user over `parent` why the report wasn't printed: `failure`, the
// reason, and `file`, the PDF file it was to be written to (empty for a
// printer).
using PrintFailureNotice = std::function<void(QWidget* parent, const QString& failure, const QString& file)>;

// The notice the program gives: a warning box.
void ShowPrintFailure(QWidget* parent, const QString& failure, const QString& file);

// The warning's text: "The schedule could not be printed to /home/me/loan.pdf.
// The disk is full."
[[nodiscard]] QString PrintFailureText(const QString& failure, const QString& file);

// Shows the modal print dialog over `parent` on a fresh printer, then prints
// the report. True when the whole report was handed to the printer; false on
// a cancel or any failure, a failure being told through `notice`.
bool PrintScheduleWithDialog(QWidget* parent, const ScheduleGrid& grid,
                             const PrintFailureNotice& notice = ShowPrintFailure);

// Shows the print preview of the report over `parent`, modally: the pages
// printed on the paper the print dialog starts with, at the same scale, with
// their page numbers (see ReportPreviewDialog). Its print button opens the
// print dialog and prints as PrintScheduleWithDialog() does, and closes the
// preview once the report printed.
void PreviewScheduleWithDialog(QWidget* parent, const ScheduleGrid& grid);

// The preview PreviewScheduleWithDialog() shows, ready to be shown, at most
// 80% of `parent`'s screen. `grid` must outlive it.
std::unique_ptr<ReportPreviewDialog> MakeSchedulePreview(QWidget* parent, const ScheduleGrid& grid);

// Prints the report on `printer` as it is set up (page size, margins, page
// range, output file, ...). An empty text when the whole report was handed
// to the printer, or written to its file; otherwise why not, for the user.
// After a failure, throw the printer away: Qt refuses most settings on a
// QPrinter whose painting failed to begin.
[[nodiscard]] QString PrintScheduleTo(QPrinter& printer, const ScheduleGrid& grid);

// The conventional paper of a locale: Letter for the Letter countries (the
// United States, Canada, Mexico, the Philippines, much of Central and South
// America), A4 everywhere else.
QPageSize::PageSizeId LocalePageSize(const QLocale& locale);

// The paper the environment's locale for paper suggests; A4 where it names
// none (or C).
QPageSize::PageSizeId EnvironmentPageSize();

}  // namespace quillmere
