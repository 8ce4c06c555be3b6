#include "print_schedule.h"

#include <QMarginsF>
#include <QPageLayout>
#include <QPrintDialog>
#include <QPrinter>

#include <algorithm>
#include <array>

#include "qt_report_printer.h"
#include "schedule_report.h"

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
    printer.setPageSize(QPageSize(LocalePageSize(PaperLocale())));
    const QMarginsF margins(kDefaultMarginInches, kDefaultMarginInches, kDefaultMarginInches, kDefaultMarginInches);
    printer.setPageMargins(margins, QPageLayout::Inch);
}

}  // namespace

QPageSize::PageSizeId LocalePageSize(const QLocale& locale) {
    const QLocale::Territory territory = locale.territory();
    const bool letter =
        std::find(kLetterTerritories.begin(), kLetterTerritories.end(), territory) != kLetterTerritories.end();
    return letter ? QPageSize::Letter : QPageSize::A4;
}

QLocale PaperLocale() {
    for (const char* variable : {"LC_ALL", "LC_PAPER", "LANG"}) {
        const QString name = qEnvironmentVariable(variable);
        if (!name.isEmpty()) {
            return QLocale(name);
        }
    }
    return QLocale::system();
}

bool PrintScheduleTo(QPrinter& printer, const ScheduleGrid& grid) {
    try {
        QtReportPrinter out(printer);
        PrintScheduleReport(out, grid);
        return true;
    } catch (...) {
        // Printing ends silently whatever went wrong; the job is abandoned by
        // the adapter on its way out.
        return false;
    }
}

bool PrintScheduleWithDialog(QWidget* parent, const ScheduleGrid& grid) {
    try {
        QPrinter printer(QPrinter::HighResolution);
        PrepareForDialog(printer);
        QPrintDialog dialog(&printer, parent);
        if (dialog.exec() != QDialog::Accepted) {
            return false;
        }
        return PrintScheduleTo(printer, grid);
    } catch (...) {
        return false;
    }
}

}  // namespace quillmere
