// Qt's own dialogs in the user's language.
#include "app/translations.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QTranslator>

#include <gtest/gtest.h>

namespace quillmere {
namespace {

QString ButtonText(QDialogButtonBox::StandardButton which) {
    QDialogButtonBox box(QDialogButtonBox::Save | QDialogButtonBox::Discard | QDialogButtonBox::Cancel);
    return box.button(which)->text().remove(QLatin1Char('&'));
}

TEST(TranslationsTest, QtsButtonsSpeakTheUsersLanguageAndOtherwiseEnglish) {
    auto& app = *QCoreApplication::instance();
    QLocale german(QLocale::German, QLocale::Germany);
    EXPECT_TRUE(InstallTranslations(app, german).startsWith(QStringLiteral("de")));
    EXPECT_EQ(ButtonText(QDialogButtonBox::Save), QStringLiteral("Speichern"));
    EXPECT_EQ(ButtonText(QDialogButtonBox::Cancel), QStringLiteral("Abbrechen"));
    for (auto* translator : app.findChildren<QTranslator*>()) {
        QCoreApplication::removeTranslator(translator);
        delete translator;
    }
    EXPECT_EQ(InstallTranslations(app, QLocale(QLocale::Swahili, QLocale::Kenya)), QString());
    EXPECT_EQ(ButtonText(QDialogButtonBox::Save), QStringLiteral("Save"));
}

}  // namespace
}  // namespace quillmere
