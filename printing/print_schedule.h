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
// Nothing here shows a message or throws. A cancel in the dialog prints
// nothing; any other failure (the printer cannot start, a page cannot be
// begun, the job or the file cannot be finished) stops the report where it
// stands, abandons the job and returns false.
#pragma once

#include <QLocale>
#include <QPageSize>

#include <memory>

#include "schedule/schedule_grid.h"

class QPrinter;
class QWidget;

namespace quillmere {

class ReportPreviewDialog;

// Shows the modal print dialog over `parent` on a fresh printer, then prints
// the report. True when the whole report was handed to the printer; false on
// a cancel or any failure.
bool PrintScheduleWithDialog(QWidget* parent, const ScheduleGrid& grid);

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
// range, output file, ...). True when the whole report was handed to the
// printer, or written to its file. After a false, throw the printer away: Qt
// refuses most settings on a QPrinter whose painting failed to begin.
bool PrintScheduleTo(QPrinter& printer, const ScheduleGrid& grid);

// The conventional paper of a locale: Letter for the Letter countries (the
// United States, Canada, Mexico, the Philippines, much of Central and South
// America), A4 everywhere else.
QPageSize::PageSizeId LocalePageSize(const QLocale& locale);

// The paper the environment's locale for paper suggests; A4 where it names
// none (or C).
QPageSize::PageSizeId EnvironmentPageSize();

}  // namespace quillmere
