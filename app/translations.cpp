#include "app/translations.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QTranslator>

#include "app/pseudo_translator.h"
#include "ui/common/schedule_language.h"

namespace quillmere {
namespace {

const QString kOwnFolder = QStringLiteral(":/quillmere/translations");
const QString kOwnPrefix = QStringLiteral("quillmere");

// Tells Qt which way a language is written; Qt mirrors the windows of a
// language whose translation reads "RTL".
[[maybe_unused]] constexpr const char* kLayoutDirection = QT_TRANSLATE_NOOP("QGuiApplication", "QT_LAYOUT_DIRECTION");

// A translator loaded from `folder` for the first of `languages` that has a
// file there, owned by `app`; nullptr when none has.
QTranslator* Loaded(QCoreApplication& app, const QLocale& languages, const QString& prefix, const QString& folder) {
    // QTranslator tries each of the locale's UI languages in turn, then their
    // shorter forms (pt_BR, then pt).
    auto* translator = new QTranslator(&app);
    if (translator->load(languages, prefix, QStringLiteral("_"), folder)) return translator;
    delete translator;
    return nullptr;
}

}  // namespace

QString InstallTranslations(QCoreApplication& app, const QLocale& languages) {
    QString loaded;
    if (qEnvironmentVariableIntValue("QUILLMERE_PSEUDO_LANGUAGE") == 1) {
        QCoreApplication::installTranslator(new PseudoTranslator(&app));
        loaded = QStringLiteral("pseudo");
    } else {
        QTranslator* own = Loaded(app, languages, kOwnPrefix, kOwnFolder);
        // English, the sources' language, still needs its plural forms.
        if (own == nullptr || own->language() == QLatin1String("en")) {
            delete own;
            own = Loaded(app, QLocale(QLocale::English), kOwnPrefix, kOwnFolder);
        } else {
            loaded = own->language();
        }
        if (own != nullptr) QCoreApplication::installTranslator(own);
        // Qt's dialogs speak the language the program speaks, never another.
        if (!loaded.isEmpty()) {
            if (QTranslator* qt = Loaded(app, QLocale(loaded), QStringLiteral("qtbase"),
                                         QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
                QCoreApplication::installTranslator(qt);
            }
        }
    }
    UseTranslatedScheduleWords();
    return loaded;
}

QStringList TranslatedLanguages() {
    QStringList languages;
    for (const QString& file : QDir(kOwnFolder).entryList({kOwnPrefix + QStringLiteral("_*.qm")}, QDir::Files)) {
        const QString language = file.mid(kOwnPrefix.size() + 1).chopped(3);
        if (language != QLatin1String("en")) languages << language;
    }
    return languages;
}

}  // namespace quillmere
