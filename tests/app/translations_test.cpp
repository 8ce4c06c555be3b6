// The program and Qt's own dialogs in the user's language.
#include "app/translations.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QTranslator>

#include <gtest/gtest.h>

#include "app/pseudo_translator.h"
#include "schedule/schedule_words.h"

namespace quillmere {
namespace {

QString ButtonText(QDialogButtonBox::StandardButton which) {
    QDialogButtonBox box(QDialogButtonBox::Save | QDialogButtonBox::Discard | QDialogButtonBox::Cancel);
    return box.button(which)->text().remove(QLatin1Char('&'));
}

QString Calculate() { return QCoreApplication::translate("quillmere::frmMain", "&Calculate My Payment"); }
QString PaymentsHeard(int n) {
    return QCoreApplication::translate("quillmere::frmMain", "Monthly payment %1, %n payment(s)", nullptr, n);
}

// Each test starts from a program that speaks no language yet.
class TranslationsTest : public ::testing::Test {
protected:
    void TearDown() override {
        for (auto* translator : app_.findChildren<QTranslator*>()) {
            QCoreApplication::removeTranslator(translator);
            delete translator;
        }
        SetScheduleWords(EnglishScheduleWords());
        QCoreApplication::processEvents();  // the layout direction follows the language
    }
    QCoreApplication& app_ = *QCoreApplication::instance();
};

TEST_F(TranslationsTest, QtsButtonsSpeakTheProgramsLanguage) {
    EXPECT_EQ(InstallTranslations(app_, QLocale(QLocale::German, QLocale::Germany)), QStringLiteral("de"));
    EXPECT_EQ(ButtonText(QDialogButtonBox::Save), QStringLiteral("Speichern"));
    EXPECT_EQ(ButtonText(QDialogButtonBox::Cancel), QStringLiteral("Abbrechen"));
    EXPECT_EQ(CurrentScheduleWords().yearTotals, "Jahressumme");
}

TEST_F(TranslationsTest, EveryLanguageLoadsAndArabicRunsRightToLeft) {
    const QStringList languages = TranslatedLanguages();
    EXPECT_EQ(languages.size(), 9) << languages.join(QLatin1Char(' ')).toStdString();
    for (const QString& language : languages) {
        EXPECT_EQ(InstallTranslations(app_, QLocale(language)), language);
        EXPECT_NE(Calculate(), QStringLiteral("&Calculate My Payment")) << language.toStdString();
        EXPECT_NE(CurrentScheduleWords().totals, "Totals") << language.toStdString();
        QCoreApplication::processEvents();
        EXPECT_EQ(QGuiApplication::layoutDirection(),
                  language == QLatin1String("ar") ? Qt::RightToLeft : Qt::LeftToRight)
            << language.toStdString();
        TearDown();
    }
}

TEST_F(TranslationsTest, ALanguageWithoutTranslationGetsEnglishWithItsPlurals) {
    EXPECT_EQ(InstallTranslations(app_, QLocale(QLocale::Swahili, QLocale::Kenya)), QString());
    EXPECT_EQ(ButtonText(QDialogButtonBox::Save), QStringLiteral("Save"));
    EXPECT_EQ(Calculate(), QStringLiteral("&Calculate My Payment"));
    EXPECT_EQ(PaymentsHeard(1), QStringLiteral("Monthly payment %1, 1 payment"));
    EXPECT_EQ(PaymentsHeard(3), QStringLiteral("Monthly payment %1, 3 payments"));
    EXPECT_EQ(CurrentScheduleWords().yearTotals, "Year Totals");
}

TEST(PseudoTranslatorTest, AccentsLengthensAndBracketsButKeepsWhatMakesTheTextWork) {
    EXPECT_EQ(PseudoTranslator::Pseudo(QStringLiteral("Clea&r")), QStringLiteral("[Çļéá&r~~~]"));
    const QString filled = PseudoTranslator::Pseudo(QStringLiteral("Row %1: %2 (and %Ln more) <b>x</b>"));
    EXPECT_TRUE(filled.contains(QStringLiteral("%1")) && filled.contains(QStringLiteral("%2")) &&
                filled.contains(QStringLiteral("%Ln")) && filled.contains(QStringLiteral("<b>")))
        << filled.toStdString();
    EXPECT_TRUE(PseudoTranslator::Pseudo(QStringLiteral("Loan files (*.qloan)")).contains(QStringLiteral("(*.qloan)")));
    const QString longer = PseudoTranslator::Pseudo(QStringLiteral("Principal Amount:"));
    EXPECT_GE(longer.size(), 17 * 14 / 10 + 2);
    EXPECT_TRUE(longer.startsWith(QLatin1Char('[')) && longer.endsWith(QLatin1Char(']')));
    PseudoTranslator pseudo;
    EXPECT_EQ(pseudo.translate("QGuiApplication", "QT_LAYOUT_DIRECTION"), QStringLiteral("LTR"));
    EXPECT_EQ(pseudo.translate("c", "%n payment(s)", nullptr, 1),
              PseudoTranslator::Pseudo(QStringLiteral("%n payment")));
}

}  // namespace
}  // namespace quillmere
