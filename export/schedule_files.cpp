#include "export/schedule_files.h"

#include <QDir>
#include <QFile>
#include <QTemporaryFile>

#include <string>

#include "export/values_csv.h"
#include "export/workbook_check.h"
#include "schedule/schedule_csv.h"

namespace quillmere {
namespace {

QByteArray Bytes(const std::string& text) { return {text.data(), static_cast<qsizetype>(text.size())}; }

// libxlsxwriter writes to a file name of its own choosing only, so the
// workbook is made in the temporary folder and then saved like any file.
QString SaveWorkbook(const QString& path, const ScheduleValues& values, const LocaleMoneyFormatter& money,
                     const WorkbookLoan& terms) {
    const QString folder = QDir::tempPath();
    QTemporaryFile workbook(QDir(folder).filePath(QStringLiteral("quillmere-XXXXXX.xlsx")));
    if (!workbook.open()) {
        return QStringLiteral("The temporary folder %1 can't be used. %2")
            .arg(QDir::toNativeSeparators(folder), OpenFailureReason(workbook));
    }
    workbook.close();
    QString failure = WriteScheduleWorkbook(workbook.fileName(), values, money, terms, folder);
    if (!failure.isEmpty()) return failure;
    if (!workbook.open()) return OpenFailureReason(workbook);
    const QByteArray bytes = workbook.readAll();
    // A part cut short can only come from a write into the folder that failed.
    if (!IsWholeWorkbook(bytes)) return TemporaryFolderFullReason(folder);
    return SaveFileSafely(path, bytes);
}

}  // namespace

ScheduleValues ReadScheduleValues(const ScheduleGrid& grid, const LocaleMoneyFormatter& money,
                                  const WorkbookLoan& terms) {
    const ScheduleValues::Notes notes = terms.extras ? ScheduleValues::Notes::Extras : ScheduleValues::Notes::Text;
    return ReadScheduleValues(grid, money, terms.firstPaymentYear, notes);
}

QString SaveScheduleFile(const QString& path, ScheduleFileType type, const ScheduleGrid& grid,
                         const LocaleMoneyFormatter& money, const WorkbookLoan& terms) {
    switch (type) {
        case ScheduleFileType::Workbook:
            return SaveWorkbook(path, ReadScheduleValues(grid, money, terms), money, terms);
        case ScheduleFileType::ValuesCsv:
            return SaveFileSafely(path, Bytes(ValuesCsvText(ReadScheduleValues(grid, money, terms))));
        case ScheduleFileType::ShownCsv:
            break;
    }
    return SaveFileSafely(path, Bytes(ScheduleCsvText(grid)));
}

}  // namespace quillmere
