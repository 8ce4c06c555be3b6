#include "money/environment_locale.h"

#include <QByteArray>
#include <QString>

namespace quillmere {

std::optional<QLocale> EnvironmentLocale(LocaleCategory category) {
    const char* own = category == LocaleCategory::Monetary ? "LC_MONETARY" : "LC_PAPER";
    for (const char* variable : {"LC_ALL", own, "LANG"}) {
        const QByteArray value = qgetenv(variable);
        if (value.isEmpty()) continue;
        const QString name =
            QString::fromLocal8Bit(value).section(QLatin1Char('.'), 0, 0).section(QLatin1Char('@'), 0, 0);
        if (name == QLatin1String("C") || name == QLatin1String("POSIX")) return std::nullopt;
        const QLocale locale(name);
        if (locale.language() == QLocale::C) return std::nullopt;
        return locale;
    }
    return std::nullopt;
}

}  // namespace quillmere
