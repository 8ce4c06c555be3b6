#include "printing/report_font.h"

#include "printing/schedule_report.h"

namespace quillmere {

QFont ReportFont(const QString& family) {
    QFont font(family);
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    return font;
}

void RegisterReportFontStandIn() {
    const QString name = QString::fromUtf8(kReportFontName.data(), static_cast<qsizetype>(kReportFontName.size()));
    QFont::insertSubstitution(name, QStringLiteral("DejaVu Sans Mono"));
}

}  // namespace quillmere
