#include "app/translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace quillmere {

QString InstallTranslations(QCoreApplication& app, const QLocale& languages) {
    // Owned by the application, which uninstalls it as it goes.
    auto* qt = new QTranslator(&app);
    // QTranslator tries each of the locale's UI languages in turn, then
    // their shorter forms (pt_BR, then pt).
    if (!qt->load(languages, QStringLiteral("qtbase"), QStringLiteral("_"),
                  QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete qt;
        return {};
    }
    QCoreApplication::installTranslator(qt);
    return qt->language();
}

}  // namespace quillmere
