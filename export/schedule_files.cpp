#include "export/schedule_files.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>
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
    QTemporaryFile workbook(QDir(QDir::tempPath()).filePath(QStringLiteral("quillmere-XXXXXX.xlsx")));
    if (!workbook.open()) return workbook.errorString();
    workbook.close();
    QString failure = WriteScheduleWorkbook(workbook.fileName(), values, money, terms);
    if (!failure.isEmpty()) return failure;
    if (!workbook.open()) return workbook.errorString();
    const QByteArray bytes = workbook.readAll();
    if (!IsWholeWorkbook(bytes)) return QStringLiteral("the temporary folder %1 is full").arg(QDir::tempPath());
    return SaveFileSafely(path, bytes);
}

}  // namespace

QString SaveScheduleFile(const QString& path, ScheduleFileType type, const ScheduleGrid& grid,
                         const LocaleMoneyFormatter& money, const WorkbookLoan& terms) {
    switch (type) {
        case ScheduleFileType::Workbook:
            return SaveWorkbook(path, ReadScheduleValues(grid, money, terms.firstPaymentYear), money, terms);
        case ScheduleFileType::ValuesCsv:
            return SaveFileSafely(path, Bytes(ValuesCsvText(ReadScheduleValues(grid, money, terms.firstPaymentYear))));
        case ScheduleFileType::ShownCsv:
            break;
    }
    return SaveFileSafely(path, Bytes(ScheduleCsvText(grid)));
}

QString SaveFileSafely(const QString& path, const QByteArray& bytes) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return file.errorString();
    if (file.write(bytes) != bytes.size()) {
        QString reason = file.errorString();
        file.cancelWriting();
        return reason;
    }
    if (!file.commit()) return file.errorString();
    return {};
}

}  // namespace quillmere
