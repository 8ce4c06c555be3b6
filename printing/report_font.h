// The printer font of the report: "Terminal" (kReportFontName), asked for as
// a fixed-pitch typewriter face, so that a desktop without it still prints
// in a font whose characters all have one width, which the columns rely on.
#pragma once

#include <QFont>
#include <QString>

namespace quillmere {

// `family` as the report prints in it.
[[nodiscard]] QFont ReportFont(const QString& family);

// Makes DejaVu Sans Mono stand in for the report font, which a Debian
// desktop lacks. Part of the program's font substitutions at start-up.
void RegisterReportFontStandIn();

}  // namespace quillmere
