#include "ui/main/schedule_export.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

#include <string>

#include "schedule/schedule_csv.h"

namespace quillmere {

QString SaveScheduleCsv(const QString& path, const ScheduleGrid& grid) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return file.errorString();
    const std::string text = ScheduleCsvText(grid);
    if (file.write(text.data(), static_cast<qint64>(text.size())) != static_cast<qint64>(text.size())) {
        QString reason = file.errorString();
        file.cancelWriting();
        return reason;
    }
    if (!file.commit()) return file.errorString();
    return {};
}

QString SuggestedCsvPath() {
    QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (folder.isEmpty()) folder = QDir::homePath();
    return QDir(folder).filePath(QStringLiteral("Loan Payment Schedule.csv"));
}

QString WithCsvSuffix(const QString& path) {
    return QFileInfo(path).suffix().isEmpty() ? path + QStringLiteral(".csv") : path;
}

}  // namespace quillmere
