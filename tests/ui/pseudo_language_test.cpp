// The program in the pseudo-language, where every translated text comes out
// accented, 40 % longer and in brackets: every window, menu and message
// must show only bracketed texts (a text without brackets was never
// translated) and show each whole (a text cut loses its closing bracket, a
// text running out of its control would be cut in a longer language).
// Then the program in Arabic, mirrored.
//
// With QUILLMERE_TEST_LANGUAGE set (de, ru, ...), the same windows are
// shown in that language instead, and each text must be whole.
#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QAction>
#include <QCalendarWidget>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QTableView>
#include <QTest>
#include <QTextDocument>

#include "app/loan_calculator_program.h"
#include "app/pseudo_translator.h"
#include "app/translations.h"
#include "printing/print_schedule.h"
#include "printing/report_preview_dialog.h"
#include "tests/ui/main_window_fixture.h"
#include "ui/chart/loan_chart.h"
#include "ui/common/schedule_language.h"
#include "ui/common/window_look.h"
#include "ui/compare/compare_loans_window.h"
#include "ui/compare/offer_form.h"
#include "ui/compare/offer_schedule_window.h"
#include "ui/extra/extra_payments_window.h"
#include "ui/grid/schedule_grid_view.h"
#include "ui/splash/splash_form.h"

namespace {

// The language the windows are shown in; empty for the pseudo-language.
QString TestLanguage() { return qEnvironmentVariable("QUILLMERE_TEST_LANGUAGE"); }

void SpeakTheTestLanguage() {
    if (!TestLanguage().isEmpty()) {
        quillmere::InstallTranslations(*QCoreApplication::instance(), QLocale(TestLanguage()));
        return;
    }
    QCoreApplication::installTranslator(new quillmere::PseudoTranslator(QCoreApplication::instance()));
    quillmere::UseTranslatedScheduleWords();
}

bool Bracketed(QString text) {
    text.remove(QLatin1Char('&'));
    text = text.trimmed();
    return text.startsWith(QLatin1Char('[')) && text.endsWith(QLatin1Char(']'));
}

bool InsideOf(const QWidget& widget, const char* className) {
    for (const QWidget* up = widget.parentWidget(); up != nullptr && !up->isWindow(); up = up->parentWidget()) {
        if (up->inherits(className)) return true;
    }
    return false;
}

// What one window shows that is untranslated or cut, one line each.
class TextReview {
public:
    QStringList problems;

    void Window(QWidget& window) {
        Translated(window, window.windowTitle(), QStringLiteral("title"));
        // Wholly on its screen, so that nothing in it is out of reach.
        if (const QScreen* screen = window.screen();
            screen != nullptr && !screen->availableGeometry().contains(window.frameGeometry())) {
            problems << QStringLiteral("%1 larger than its screen: %2 x %3")
                            .arg(Path(window))
                            .arg(window.frameGeometry().width())
                            .arg(window.frameGeometry().height());
        }
        Widget(window);
        for (QWidget* widget : window.findChildren<QWidget*>()) {
            if (widget->isVisible() && !widget->isWindow()) Widget(*widget);
        }
        if (auto* bar = window.findChild<QMenuBar*>()) Actions(*bar);
    }

    void Menu(QMenu& menu) { Actions(menu); }

    void Messages(const QStringList& messages) {
        for (const QString& message : messages) Translated(*qApp, message, QStringLiteral("message"));
    }

private:
    void Widget(QWidget& widget) {
        // Qt's own parts (a calendar's month names, a box's typed text) and
        // the user's figures are not the program's words.
        if (InsideOf(widget, "QCalendarWidget") || qobject_cast<QLineEdit*>(&widget) != nullptr) return;
        Translated(widget, widget.accessibleName(), QStringLiteral("accessible name"));
        Translated(widget, widget.accessibleDescription(), QStringLiteral("accessible description"));
        if (auto* label = qobject_cast<QLabel*>(&widget); label != nullptr && !label->text().isEmpty()) {
            Translated(widget, label->text(), QStringLiteral("label"));
            Whole(widget, LabelFits(*label), label->text());
        } else if (auto* button = qobject_cast<QPushButton*>(&widget); button != nullptr) {
            Translated(widget, button->text(), QStringLiteral("button"));
            Whole(widget, button->sizeHint().width() <= button->width(), button->text());
        } else if (auto* box = qobject_cast<QGroupBox*>(&widget); box != nullptr) {
            Translated(widget, box->title(), QStringLiteral("group"));
            Whole(widget, box->minimumSizeHint().width() <= box->width(), box->title());
        } else if (auto* header = qobject_cast<QHeaderView*>(&widget); header != nullptr) {
            Headings(*header);
        }
    }

    // A line of plain text is measured as it is drawn; other labels by
    // their own size hints.
    static bool LabelFits(const QLabel& label) {
        if (label.wordWrap()) return label.heightForWidth(label.width()) <= label.height();
        if (Qt::mightBeRichText(label.text()) || label.text().contains(QLatin1Char('\n'))) {
            return label.sizeHint().width() <= label.width();
        }
        QString shown = label.text();
        if (label.buddy() != nullptr) shown.remove(QLatin1Char('&'));
        const QMargins margins = label.contentsMargins();
        return label.fontMetrics().horizontalAdvance(shown) + margins.left() + margins.right() <= label.width();
    }

    void Headings(const QHeaderView& header) {
        for (int section = 0; section < header.count(); ++section) {
            if (header.isSectionHidden(section) || header.sectionSize(section) == 0) continue;
            const QString text = header.model()->headerData(section, header.orientation()).toString();
            // Rows are numbered, columns named.
            if (text.toInt() > 0) continue;
            Translated(header, text, QStringLiteral("heading"));
            if (header.orientation() == Qt::Horizontal) {
                Whole(header, header.fontMetrics().horizontalAdvance(text) <= header.sectionSize(section), text);
            }
        }
    }

    void Actions(const QWidget& owner) {
        for (QAction* action : owner.actions()) {
            if (action->isSeparator() || !action->isVisible()) continue;
            if (action->menu() != nullptr && action->menu() != &owner) Actions(*action->menu());
            // A recent loan is named by its file.
            if (action->objectName() != QLatin1String("actRecentLoan")) {
                Translated(owner, action->text(), QStringLiteral("menu entry"));
            }
        }
    }

    // Only the pseudo-language marks what is translated.
    void Translated(const QObject& where, const QString& text, const QString& what) {
        if (!text.isEmpty() && TestLanguage().isEmpty() && !Bracketed(text)) {
            problems << QStringLiteral("%1 %2 untranslated: %3").arg(Path(where), what, text.left(60));
        }
    }

    // Whole where it is shown: the control holds its text, and lies inside
    // its parent (a scroll area's content may run past its view).
    void Whole(const QWidget& widget, bool fits, const QString& text) {
        const QWidget* parent = widget.parentWidget();
        const bool inside = parent == nullptr || widget.isWindow() || InsideOf(widget, "QAbstractScrollArea") ||
                            parent->rect().contains(widget.geometry());
        if (!fits || !inside || Overlapped(widget))
            problems << QStringLiteral("%1 cut: %2").arg(Path(widget), text.left(60));
    }

    // Another control of the same window part covers some of it.
    static bool Overlapped(const QWidget& widget) {
        const QWidget* parent = widget.parentWidget();
        if (parent == nullptr || widget.isWindow() || InsideOf(widget, "QAbstractScrollArea")) return false;
        for (const QWidget* sibling : parent->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            if (sibling != &widget && sibling->isVisible() && !sibling->isWindow() &&
                sibling->geometry().intersects(widget.geometry())) {
                return true;
            }
        }
        return false;
    }

    static QString Path(const QObject& object) {
        QString path =
            object.objectName().isEmpty() ? QString::fromLatin1(object.metaObject()->className()) : object.objectName();
        for (const QObject* up = object.parent(); up != nullptr; up = up->parent()) {
            if (!up->objectName().isEmpty()) return up->objectName() + QLatin1Char('/') + path;
        }
        return path;
    }
};

}  // namespace

Q_COREAPP_STARTUP_FUNCTION(SpeakTheTestLanguage)

class TestPseudoLanguage : public MainWindowTest {
    Q_OBJECT

    static void ExpectNone(const QStringList& problems) {
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QLatin1Char('\n'))));
    }

    static QStringList Review(QWidget& window) {
        TextReview review;
        review.Window(window);
        return review.problems;
    }

private slots:
    void initTestCase() { quillmere::RegisterFontSubstitutions(); }

    void theBannerSpeaksItWhole() {
        RecordingHooks recorder;
        quillmere::LoanCalculatorProgram program(recorder.hooks);
        program.Start();
        QWidget* banner = program.Splash().Form();
        QVERIFY(banner != nullptr && QTest::qWaitForWindowExposed(banner));
        ExpectNone(Review(*banner));
    }

    void everyWindowSpeaksItAndShowsItWhole() {
        QVERIFY(OpenWindow());
        Calculate("250000", "360", "75");  // the rate message too
        ExpectNone(Review(*w_));
        TextReview messages;
        messages.Messages(recorder_->messages);
        ExpectNone(messages.problems);

        TextReview menu;
        menu.Menu(*w_->findChild<QMenu*>(QStringLiteral("gridMenu")));
        ExpectNone(menu.problems);

        w_->findChild<QAction*>(QStringLiteral("actChart"))->trigger();
        auto* chart = w_->findChild<quillmere::LoanChart*>();
        QVERIFY(chart != nullptr && QTest::qWaitForWindowExposed(chart));
        ExpectNone(Review(*chart));

        w_->findChild<QAction*>(QStringLiteral("actExtra"))->trigger();
        QTRY_VERIFY(w_->findChild<quillmere::ExtraPaymentsWindow*>() != nullptr);  // once the schedule is written
        auto* extras = w_->findChild<quillmere::ExtraPaymentsWindow*>();
        QVERIFY(QTest::qWaitForWindowExposed(extras));
        ExpectNone(Review(*extras));

        w_->findChild<QAction*>(QStringLiteral("actCompare"))->trigger();
        QTRY_VERIFY(w_->findChild<quillmere::CompareLoansWindow*>() != nullptr);
        auto* compare = w_->findChild<quillmere::CompareLoansWindow*>();
        QVERIFY(QTest::qWaitForWindowExposed(compare));
        QTest::qWait(static_cast<int>(quillmere::CompareLoansWindow::kPause.count()) + 100);
        ExpectNone(Review(*compare));
        auto* showSchedule = compare->findChild<QPushButton*>(QStringLiteral("cmdShowSchedule0"));
        QVERIFY(showSchedule != nullptr);
        showSchedule->click();
        auto* schedule = compare->findChild<quillmere::OfferScheduleWindow*>();
        QVERIFY(schedule != nullptr && QTest::qWaitForWindowExposed(schedule));
        ExpectNone(Review(*schedule));

        const auto preview = quillmere::MakeSchedulePreview(nullptr, w_->GridStore());
        preview->show();
        QVERIFY(QTest::qWaitForWindowExposed(preview.get()));
        ExpectNone(Review(*preview));
        CloseWindow();
    }

    // Right to left the window is mirrored: each box stands left of its
    // label, and the schedule's first column, the date, at the right.
    void arabicMirrorsTheMainWindow() {
        for (auto* translator : qApp->findChildren<QTranslator*>()) QCoreApplication::removeTranslator(translator);
        QCOMPARE(quillmere::InstallTranslations(*qApp, QLocale(QLocale::Arabic, QLocale::Egypt)), QStringLiteral("ar"));
        QCoreApplication::processEvents();
        QCOMPARE(QGuiApplication::layoutDirection(), Qt::RightToLeft);
        QVERIFY(OpenWindow(QLocale(QLocale::Arabic, QLocale::Egypt)));
        Calculate("1000", "3", "12");
        const auto left = [](const QWidget* widget) { return widget->mapTo(widget->window(), QPoint(0, 0)).x(); };
        QVERIFY(left(c_->txtPrincipal) + c_->txtPrincipal->width() <= left(c_->lblPrincipal));
        QVERIFY(left(c_->cmdCalculate) > w_->width() / 2);
        QTableView& fixed = w_->findChild<quillmere::ScheduleGridView*>()->FixedColumns();
        const int dateColumn = fixed.columnViewportPosition(quillmere::kColDate);
        const int numberColumn = fixed.columnViewportPosition(quillmere::kColNumber);
        QVERIFY(dateColumn > numberColumn);
        QVERIFY(left(&fixed) > left(c_->gridOne) + c_->gridOne->width() / 2);
        CloseWindow();
    }
};

QTEST_MAIN(TestPseudoLanguage)
#include "pseudo_language_test.moc"
