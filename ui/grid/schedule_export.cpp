#include "ui/grid/schedule_export.h"

#include "ui/common/program_settings.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include <array>
#include <utility>

namespace quillmere {
namespace {

constexpr std::array<std::pair<const char*, ScheduleFileType>, 3> kFilters = {{
    {QT_TRANSLATE_NOOP("ScheduleExport", "Excel workbook (*.xlsx)"), ScheduleFileType::Workbook},
    {QT_TRANSLATE_NOOP("ScheduleExport", "CSV for spreadsheets (*.csv)"), ScheduleFileType::ValuesCsv},
    {QT_TRANSLATE_NOOP("ScheduleExport", "CSV as shown (*.csv)"), ScheduleFileType::ShownCsv},
}};

QString FilterText(const char* filter) { return QCoreApplication::translate("ScheduleExport", filter); }

constexpr char kFolderKind[] = "schedules";

QString ExtensionOf(ScheduleFileType type) {
    return type == ScheduleFileType::Workbook ? QStringLiteral("xlsx") : QStringLiteral("csv");
}

}  // namespace

QString ScheduleFileFilters() {
    QStringList filters;
    for (const auto& filter : kFilters) filters << FilterText(filter.first);
    return filters.join(QStringLiteral(";;"));
}

ScheduleFileType FileTypeOfFilter(const QString& filter) {
    for (const auto& [text, type] : kFilters) {
        if (FilterText(text) == filter) return type;
    }
    return ScheduleFileType::Workbook;
}

QString SuggestedSchedulePath(const QString& name) {
    QString folder = LastFolder(QLatin1String(kFolderKind));
    if (folder.isEmpty() || !QDir(folder).exists()) {
        folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    }
    // A dialog handed a folder that doesn't exist opens in the working
    // directory instead, which is rarely where the user keeps anything.
    if (folder.isEmpty() || !QDir(folder).exists()) folder = QDir::homePath();
    return QDir(folder).filePath(name + QStringLiteral(".xlsx"));
}

void RememberSaveFolder(const QString& savedPath) {
    RememberFolder(QLatin1String(kFolderKind), savedPath.isEmpty() ? QString() : QFileInfo(savedPath).absolutePath());
}

ScheduleSaveTarget SaveTargetOf(const QString& chosen, ScheduleFileType filterType) {
    if (chosen.endsWith(QStringLiteral(".xlsx"), Qt::CaseInsensitive)) return {chosen, ScheduleFileType::Workbook};
    if (chosen.endsWith(QStringLiteral(".csv"), Qt::CaseInsensitive)) {
        return {chosen, filterType == ScheduleFileType::Workbook ? ScheduleFileType::ValuesCsv : filterType};
    }
    // "loan." asks for an extension without a second dot.
    const QString dot = chosen.endsWith(QLatin1Char('.')) ? QString() : QStringLiteral(".");
    return {chosen + dot + ExtensionOf(filterType), filterType};
}

}  // namespace quillmere
