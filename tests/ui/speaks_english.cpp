// The window tests see the program as an English-speaking user starts it:
// with its English translation (the plural forms) installed as the
// application is made, whatever language the test machine speaks.
#include <QCoreApplication>

#include "app/translations.h"

namespace {

void SpeakEnglish() { quillmere::InstallTranslations(*QCoreApplication::instance(), QLocale(QLocale::English)); }

}  // namespace

Q_COREAPP_STARTUP_FUNCTION(SpeakEnglish)
