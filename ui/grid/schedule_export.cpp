#include "ui/grid/schedule_export.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include <array>
#include <utility>

namespace quillmere {
namespace {

const std::array<std::pair<QString, ScheduleFileType>, 3> kFilters = {{
    {QStringLiteral("Excel workbook (*.xlsx)"), ScheduleFileType::Workbook},
    {QStringLiteral("CSV for spreadsheets (*.csv)"), ScheduleFileType::ValuesCsv},
    {QStringLiteral("CSV as shown (*.csv)"), ScheduleFileType::ShownCsv},
}};

}  // namespace

QString ScheduleFileFilters() {
    QStringList filters;
    for (const auto& filter : kFilters) filters << filter.first;
    return filters.join(QStringLiteral(";;"));
}

ScheduleFileType FileTypeOfFilter(const QString& filter) {
    for (const auto& [text, type] : kFilters) {
        if (text == filter) return type;
    }
    return ScheduleFileType::Workbook;
}

QString SuggestedSchedulePath(const QString& name) {
    QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    // A dialog handed a folder that doesn't exist opens in the working
    // directory instead, which is rarely where the user keeps anything.
    if (folder.isEmpty() || !QDir(folder).exists()) folder = QDir::homePath();
    return QDir(folder).filePath(name + QStringLiteral(".xlsx"));
}

QString WithSuffixOf(const QString& path, ScheduleFileType type) {
    if (!QFileInfo(path).suffix().isEmpty()) return path;
    return path + (type == ScheduleFileType::Workbook ? QStringLiteral(".xlsx") : QStringLiteral(".csv"));
}

}  // namespace quillmere
