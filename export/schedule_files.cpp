#include "export/schedule_files.h"

#include <string>

#include "export/values_csv.h"
#include "export/workbook_writer.h"
#include "schedule/schedule_csv.h"

namespace quillmere {
namespace {

QByteArray Bytes(const std::string& text) { return {text.data(), static_cast<qsizetype>(text.size())}; }

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
            return SaveWorkbookSafely(path, [&](const QString& file, const QString& temporaryFolder) {
                return WriteScheduleWorkbook(file, ReadScheduleValues(grid, money, terms), money, terms,
                                             temporaryFolder);
            });
        case ScheduleFileType::ValuesCsv:
            return SaveFileSafely(path, Bytes(ValuesCsvText(ReadScheduleValues(grid, money, terms))));
        case ScheduleFileType::ShownCsv:
            break;
    }
    return SaveFileSafely(path, Bytes(ScheduleCsvText(grid)));
}

}  // namespace quillmere
