// The language the program speaks: the user's, as desktop programs read it
// from the environment (LANGUAGE, LC_ALL, LC_MESSAGES, LANG, through
// QLocale::system().uiLanguages()).
//
// InstallTranslations() loads, for the first of the user's languages that
// has one, the program's own translation (compiled in as a resource) and
// Qt's (qtbase_<lang>.qm from Qt's translations folder: package
// qt6-translations-l10n), so the program's windows and Qt's dialogs and
// standard buttons ("Save", "Cancel", "Look in") speak that language. A
// language without a translation gets English. Arabic runs right to left:
// its translation says so, and Qt mirrors every window.
//
// Money and dates follow LC_MONETARY and LC_TIME as before, whatever the
// language.
//
// QUILLMERE_PSEUDO_LANGUAGE=1 in the environment installs the test
// language instead (see PseudoTranslator).
#pragma once

#include <QLocale>
#include <QString>

class QCoreApplication;

namespace quillmere {

// Installs into `app` the translations for `languages` (a locale's
// uiLanguages) and hands the schedule its words; returns the language
// loaded ("de", "pt_BR"), "pseudo" for the test language, or an empty text
// for English.
QString InstallTranslations(QCoreApplication& app, const QLocale& languages = QLocale::system());

// The languages the program is translated into, as the files name them.
[[nodiscard]] QStringList TranslatedLanguages();

}  // namespace quillmere
