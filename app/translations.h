// The language the program speaks: the user's, as desktop programs read it
// from the environment (LANGUAGE, LC_ALL, LC_MESSAGES, LANG, through
// QLocale::system().uiLanguages()).
//
// InstallTranslations() loads, for the first of the user's languages that
// has one, Qt's own translation (qtbase_<lang>.qm from Qt's translations
// folder: package qt6-translations-l10n), so Qt's dialogs and standard
// buttons ("Save", "Cancel", "Look in") speak that language. A language
// without one keeps English. Money and dates follow LC_MONETARY and LC_TIME
// as before, whatever the language.
#pragma once

#include <QLocale>
#include <QString>

class QCoreApplication;

namespace quillmere {

// Installs into `app` the translations for `languages` (a locale's
// uiLanguages); returns the language loaded, or an empty text for English.
QString InstallTranslations(QCoreApplication& app, const QLocale& languages = QLocale::system());

}  // namespace quillmere
