// Loan files through the main window: saving a loan with a plan of extra
// payments and three offers and opening it again, in another locale too;
// files that can't be opened; the question about unsaved changes; the
// recent loans.
#include <QMenu>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>

#include <memory>
#include <optional>

#include "app/accessibility.h"
#include "money/locale_money_formatter.h"
#include "tests/common/file_contents.h"
#include "tests/ui/main_window_fixture.h"
#include "ui/common/program_settings.h"
#include "ui/common/window_look.h"
#include "ui/compare/compare_loans_window.h"
#include "ui/compare/offer_form.h"
#include "ui/extra/extra_payments_window.h"
#include "ui/extra/extra_plan_form.h"
#include "ui/main/main_window.h"

using quillmere::CompareLoansWindow;
using quillmere::ExtraPaymentsWindow;
using quillmere::FileContents;
using quillmere::frmMain;
using quillmere::OfferBox;
using quillmere::PlatformHooks;
using quillmere::WriteFile;

class TestLoanFiles : public MainWindowTest {
    Q_OBJECT

    QTemporaryDir folder_;

    void Open(const char* locale) { QVERIFY(OpenWindow(QLocale(QLatin1String(locale)))); }

    QString Path(const char* name) const { return folder_.filePath(QLatin1String(name)); }

    // A loan, a plan of extras and three offers, the first two windows open.
    void TypeEverything() {
        c_->calCalendar->setSelectedDate(QDate(2027, 1, 15));
        Calculate("250000", "360", "6.5");
        Control<QAction>(*w_, "actExtra")->trigger();
        auto& plan = w_->findChild<ExtraPaymentsWindow*>()->Plan();
        quillmere::PlanTexts texts;
        texts.monthly = "100";
        texts.oneTime = {{"12", "5000.50"}};
        texts.mode = quillmere::ExtraMode::LowerMyPayment;
        plan.SetTexts(texts);
        Control<QAction>(*w_, "actCompare")->trigger();
        CompareLoansWindow& compare = *w_->findChild<CompareLoansWindow*>();
        compare.Form().AddOffer();
        compare.Form().Restore(1, QStringLiteral("Credit union"), {"", "180", "5.9", "1500", "0"},
                               quillmere::OfferTerm::Amount);
        compare.Form().Restore(2, QStringLiteral("Points"), {"250000", "360", "6.25", "", "5000"}, std::nullopt);
        compare.SetHorizon(12);
        compare.Recalculate();
    }

private slots:
    void initTestCase() {
        quillmere::RegisterFontSubstitutions();
        quillmere::InstallAccessibility();
    }
    void init() {
        quillmere::RecentLoans::Clear();
        Open("en_US");
    }
    void cleanup() { CloseWindow(); }

    // Saved in the US and opened in Germany: the same loan, calculated, its
    // plan in German money text, its offers worked out as they were, the
    // windows that were open open again; nothing counts as changed.
    void aLoanComesBackWhole() {
        TypeEverything();
        recorder_->saveAs = Path("house");
        Control<QAction>(*w_, "mnuSaveAs")->trigger();
        QVERIFY2(recorder_->warnings.isEmpty(), qPrintable(recorder_->warnings.join('\n')));
        QCOMPARE(w_->LoanPath(), Path("house.qloan"));
        QVERIFY(!w_->HasUnsavedChanges());
        const quillmere::LoanDocument saved = w_->CurrentDocument();
        QCOMPARE(saved.extraPayments.oneTime.front().amount, QStringLiteral("5000.50"));
        QCOMPARE(saved.comparison.offers.size(), 3U);

        Open("de_DE");
        QVERIFY(w_->OpenLoan(Path("house.qloan")));
        QCOMPARE(c_->txtPrincipal->text(), QStringLiteral("250000"));
        QCOMPARE(c_->txtPayment->text(), QStringLiteral("1.580,17\u00a0\u20ac"));
        auto* extras = w_->findChild<ExtraPaymentsWindow*>();
        QVERIFY(extras != nullptr && extras->isVisible());
        QCOMPARE(extras->Plan().Texts().oneTime.front().amount, std::string("5.000,50\u00a0\u20ac"));
        QCOMPARE(extras->Plan().Texts().mode, quillmere::ExtraMode::LowerMyPayment);
        CompareLoansWindow& compare = *w_->findChild<CompareLoansWindow*>();
        QCOMPARE(compare.Form().Count(), 3);
        QCOMPARE(compare.Form().Name(1), QStringLiteral("Credit union"));
        QCOMPARE(compare.Form().WorkedOut(1), quillmere::OfferTerm::Amount);
        QCOMPARE(compare.Form().Box(2, OfferBox::Rate).text(), QStringLiteral("6,25"));
        QCOMPARE(compare.Horizon().value(), 12);
        QVERIFY(compare.OfferAt(1) != nullptr && compare.OfferAt(2) != nullptr);
        QVERIFY(!w_->HasUnsavedChanges());
        QCOMPARE(quillmere::RecentLoans::List(), QStringList{Path("house.qloan")});

        // The same file again only comes forward; changed, it is read again
        // (the user chose to discard the changes).
        QVERIFY(w_->OpenLoan(Path("house.qloan")));
        c_->txtMonths->setText(QStringLiteral("240"));
        QVERIFY(w_->OpenLoan(Path("house.qloan")));
        QCOMPARE(c_->txtMonths->text(), QStringLiteral("360"));

        // A file without offers leaves none of this one's behind, and the
        // offers Compare Loans makes up from its loan are no change.
        Open("en_US");
        c_->txtPrincipal->setText(QStringLiteral("1000"));
        c_->txtMonths->setText(QStringLiteral("3"));
        c_->txtRate->setText(QStringLiteral("12"));
        recorder_->saveAs = Path("plain.qloan");
        Control<QAction>(*w_, "mnuSaveAs")->trigger();
        QVERIFY(w_->OpenLoan(Path("house.qloan")));
        QVERIFY(w_->OpenLoan(Path("plain.qloan")));
        QVERIFY(w_->CurrentDocument().comparison.offers.empty());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);  // house's window goes
        Control<QAction>(*w_, "actCompare")->trigger();
        QCOMPARE(w_->findChild<CompareLoansWindow*>()->Form().Box(0, OfferBox::Amount).text(),
                 QStringLiteral("$1,000.00"));
        QVERIFY(!w_->HasUnsavedChanges());
    }

    // A file that can't be opened says why, and nothing on screen changes.
    void aBadFileChangesNothing() {
        c_->txtPrincipal->setText(QStringLiteral("1000"));
        WriteFile(Path("cut.qloan"), "{\"format\": \"Quillmere Loan\", \"version\": 1, \"loan\": {");
        for (const char* name : {"missing.qloan", "cut.qloan"}) {
            QVERIFY(!w_->OpenLoan(Path(name)));
            QCOMPARE(c_->txtPrincipal->text(), QStringLiteral("1000"));
        }
        QCOMPARE(recorder_->warnings.size(), 2);
        QVERIFY(recorder_->warnings.at(1).startsWith(QStringLiteral("Open Loan: The loan could not be opened from ")));
        QVERIFY2(recorder_->warnings.at(1).contains(QStringLiteral("\n\nThe file is cut short: it ends at character ")),
                 qPrintable(recorder_->warnings.at(1)));
        QVERIFY(w_->LoanPath().isEmpty());
    }

    // Without a file open, Exit is immediate; with one changed since it was
    // saved, Exit, closing and opening another ask first, and Cancel stays.
    void unsavedChangesAreAskedAbout() {
        c_->txtPrincipal->setText(QStringLiteral("1000"));
        Control<QAction>(*w_, "mnuExit")->trigger();
        QCOMPARE(recorder_->exits, 1);
        QVERIFY(recorder_->saveChangesAsked.isEmpty());
        Open("en_US");  // the program ended: a new run
        c_->txtPrincipal->setText(QStringLiteral("1000"));

        recorder_->saveAs = Path("car.qloan");
        Control<QAction>(*w_, "mnuSave")->trigger();  // never saved: Save asks where
        QCOMPARE(w_->LoanPath(), Path("car.qloan"));
        QVERIFY(!w_->HasUnsavedChanges());  // nothing changed since
        c_->txtPrincipal->setText(QStringLiteral("2000"));
        QVERIFY(w_->HasUnsavedChanges());

        recorder_->saveChanges = PlatformHooks::SaveChoice::Cancel;
        Control<QAction>(*w_, "mnuExit")->trigger();
        QVERIFY(!w_->close());
        recorder_->openPath = Path("car.qloan");
        Control<QAction>(*w_, "mnuOpen")->trigger();
        QCOMPARE(recorder_->exits, 1);
        QCOMPARE(recorder_->openAsked.size(), 0);
        QCOMPARE(recorder_->saveChangesAsked,
                 QStringList(3, QStringLiteral("Quillmere Loan Calculator: Save changes to car.qloan?")));

        recorder_->saveChanges = PlatformHooks::SaveChoice::Save;
        Control<QAction>(*w_, "mnuExit")->trigger();
        QCOMPARE(recorder_->exits, 2);
        QVERIFY(FileContents(Path("car.qloan")).contains("\"principal\": \"2000\""));
        c_->txtPrincipal->setText(QStringLiteral("3000"));
        recorder_->saveChanges = PlatformHooks::SaveChoice::Discard;
        QVERIFY(w_->close());
        QVERIFY(FileContents(Path("car.qloan")).contains("\"principal\": \"2000\""));
    }

    // A tool window opens where it stood when it was last closed, in this
    // run or a later one, but only where that is on a screen now.
    void toolWindowsOpenWhereTheyStood() {
        Control<QAction>(*w_, "actCompare")->trigger();
        auto* compare = w_->findChild<CompareLoansWindow*>();
        const QRect place(QPoint(40, 50), compare->size() - QSize(30, 20));
        compare->setGeometry(place);
        compare->close();
        Open("en_US");  // the next run
        Control<QAction>(*w_, "actCompare")->trigger();
        compare = w_->findChild<CompareLoansWindow*>();
        QCOMPARE(compare->geometry(), place);
        compare->setGeometry(QRect(QPoint(-5000, 50), place.size()));  // on a screen since unplugged
        compare->close();
        Open("en_US");
        Control<QAction>(*w_, "actCompare")->trigger();
        QVERIFY(w_->findChild<CompareLoansWindow*>()->geometry().left() >= 0);
    }

    // Newest first, each once, ten at most; Clear Recent empties the list.
    void recentLoansKeepTheLastTen() {
        for (int i = 0; i < 12; ++i) {
            recorder_->saveAs = Path("loan") + QString::number(i);
            Control<QAction>(*w_, "mnuSaveAs")->trigger();
        }
        recorder_->saveAs = Path("loan5.qloan");
        Control<QAction>(*w_, "mnuSaveAs")->trigger();
        const QStringList recent = quillmere::RecentLoans::List();
        QCOMPARE(recent.size(), 10);
        QCOMPARE(recent.front(), Path("loan5.qloan"));
        QCOMPARE(recent.at(1), Path("loan11.qloan"));
        QCOMPARE(recent.count(Path("loan5.qloan")), 1);
        auto* menu = Control<QMenu>(*w_, "mnuRecent");
        emit menu->aboutToShow();
        QCOMPARE(menu->actions().front()->text(), QStringLiteral("&1 loan5.qloan"));
        Control<QAction>(*w_, "mnuClearRecent")->trigger();
        QVERIFY(quillmere::RecentLoans::List().isEmpty());
    }
};

QTEST_MAIN(TestLoanFiles)
#include "loan_files_test.moc"
