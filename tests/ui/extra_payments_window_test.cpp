// The Extra Payments window driven through its widgets and the main window's:
// opening it, typing a plan, the pause before recalculating, the messages of
// boxes that can't be read, following Calculate, Clear and a long fill, its
// grid's menu and what a screen reader hears.
#include <QAccessible>
#include <QComboBox>
#include <QRadioButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

#include <memory>
#include <optional>

#include "app/accessibility.h"
#include "money/locale_money_formatter.h"
#include "tests/ui/main_window_fixture.h"
#include "ui/chart/loan_chart_plot.h"
#include "ui/common/window_look.h"
#include "ui/extra/extra_payments_window.h"
#include "ui/extra/extra_plan_form.h"
#include "ui/extra/extra_summary.h"
#include "ui/main/main_window.h"

using quillmere::ExtraPaymentsWindow;
using quillmere::frmMain;
using quillmere::kColNotes;
using quillmere::kColNumber;

namespace {

std::string Cell(const quillmere::ScheduleGrid& grid, int row, int col) { return grid.TextMatrix(row, col); }

// The number of the last payment row.
int LastPayment(const quillmere::ScheduleGrid& grid) {
    for (int row = grid.Rows() - 1; row > 0; --row) {
        if (const int number = QString::fromStdString(Cell(grid, row, kColNumber)).toInt(); number > 0) return number;
    }
    return 0;
}

}  // namespace

class TestExtraPaymentsWindow : public MainWindowTest {
    Q_OBJECT

    ExtraPaymentsWindow* OpenWithCtrlE() {
        c_->gridOne->setFocus();
        QTest::keyClick(c_->gridOne, Qt::Key_E, Qt::ControlModifier);
        auto* extras = w_->findChild<ExtraPaymentsWindow*>();
        if (extras != nullptr) (void)QTest::qWaitForWindowExposed(extras);
        return extras;
    }

    static QLineEdit* Box(const ExtraPaymentsWindow& extras, const char* name) {
        return Control<QLineEdit>(extras, name);
    }

    // Types into a box as a user would and waits for the pause to pass.
    static void TypeAndRest(ExtraPaymentsWindow& extras, const char* name, const char* text) {
        QLineEdit* box = Box(extras, name);
        box->selectAll();
        QTest::keyClicks(box, QString::fromUtf8(text));
        QTest::qWait(static_cast<int>(ExtraPaymentsWindow::kPause.count()) + 100);
    }

private slots:
    void initTestCase() {
        quillmere::RegisterFontSubstitutions();
        quillmere::InstallAccessibility();
    }
    void init() {
        QVERIFY(OpenWindow());
        c_->calCalendar->setSelectedDate(QDate(2027, 1, 15));
    }
    void cleanup() { CloseWindow(); }

    // The grid's menu has the entry; Ctrl+E opens one window, a
    // child of the main one, whose schedule without extras is the main one.
    void opensFromTheGridMenuOnce() {
        Calculate("250000", "360", "6.5");
        auto* menu = Control<QMenu>(*w_, "gridMenu");
        auto* entry = Control<QAction>(*w_, "actExtra");
        QVERIFY(menu->actions().contains(entry));
        QCOMPARE(entry->text(), QStringLiteral("Extra Payments\u2026"));
        QCOMPARE(entry->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_E));
        ExtraPaymentsWindow* extras = OpenWithCtrlE();
        QVERIFY(extras != nullptr);
        QCOMPARE(extras->windowTitle(), QStringLiteral("Extra Payments"));
        QCOMPARE(Box(*extras, "txtExtraMonthly")->accessibleName(), QStringLiteral("Extra each month"));
        QCOMPARE(extras->parentWidget(), w_.get());
        QVERIFY(extras->isVisible());
        Control<QAction>(*w_, "actExtra")->trigger();
        QCOMPARE(w_->findChildren<ExtraPaymentsWindow*>().size(), 1);

        const quillmere::ScheduleGrid& main = w_->GridStore();
        QCOMPARE(extras->Grid().Rows(), main.Rows());
        for (int row = 0; row < main.Rows(); ++row) {
            for (int col = 0; col < quillmere::ScheduleGrid::kColumns; ++col) {
                QCOMPARE(Cell(extras->Grid(), row, col), Cell(main, row, col));
            }
        }
        QVERIFY(extras->SummaryText().contains(QStringLiteral("after 360 payments")));
        QAccessibleInterface* grid = QAccessible::queryAccessibleInterface(&extras->GridView());
        QCOMPARE(grid->text(QAccessible::Name), QStringLiteral("Schedule with extra payments"));
    }

    // Typing recalculates once the pause has passed: the extras stand in the
    // Notes, the loan ends sooner, and the summary, announced, says so.
    // A box that can't be read is marked with its message and shows no
    // schedule until it is mended.
    void recalculatesAsThePlanIsTyped() {
        Calculate("250000", "360", "6.5");
        ExtraPaymentsWindow& extras = *OpenWithCtrlE();
        Box(extras, "txtExtraMonthly")->setFocus();
        QTest::keyClicks(Box(extras, "txtExtraMonthly"), "100");
        QCOMPARE(Cell(extras.Grid(), 1, kColNotes), "");  // not yet: the pause hasn't passed
        QTRY_COMPARE(Cell(extras.Grid(), 1, kColNotes), "$100.00");
        const int payments = LastPayment(extras.Grid());
        QVERIFY(payments < 360);
        const QString summary = extras.SummaryText();
        QVERIFY2(summary.contains(QStringLiteral("after %1 payments").arg(payments)), qPrintable(summary));
        QVERIFY(summary.contains(QStringLiteral("Interest saved: $")));
        QVERIFY(summary.contains(QStringLiteral("sooner.")));
        // The chart compares the two balances, the one without extras running on.
        QCOMPARE(extras.Chart().Data().balances.size(), std::size_t(payments));
        QCOMPARE(extras.Chart().Data().withoutExtras.size(), std::size_t(360));
        QAccessibleInterface* heard =
            QAccessible::queryAccessibleInterface(Control<QObject>(extras, "summaryAnnouncer"));
        QCOMPARE(heard->text(QAccessible::Name), summary);
        QCOMPARE(QApplication::focusWidget(), Box(extras, "txtExtraMonthly"));  // the focus stays
        QAccessibleInterface* label = QAccessible::queryAccessibleInterface(Control<QLabel>(extras, "lblSummary"));
        QCOMPARE(label->text(QAccessible::Name), QStringLiteral("Summary"));
        QCOMPARE(label->text(QAccessible::Description), summary);

        // A one-time extra and a yearly one, paying the loan off sooner still.
        auto* table = Control<QTableWidget>(extras, "tblOneTime");
        QTest::mouseClick(Control<QPushButton>(extras, "cmdAddOneTime"), Qt::LeftButton);
        table->item(0, 0)->setText(QStringLiteral("12"));
        table->item(0, 1)->setText(QStringLiteral("10,000"));
        TypeAndRest(extras, "txtExtraYearly", "1000");
        QTRY_VERIFY(LastPayment(extras.Grid()) < payments);
        QCOMPARE(Cell(extras.Grid(), 12, kColNotes), "$11,100.00");  // December 2027: monthly + yearly + one-time

        // Lowering the payment keeps the end and says the new payment.
        QTest::mouseClick(Control<QRadioButton>(extras, "optLowerPayment"), Qt::LeftButton);
        QTRY_COMPARE(LastPayment(extras.Grid()), 360);
        QVERIFY(extras.SummaryText().contains(QStringLiteral("Monthly payment after the first extra: $")));
        QVERIFY(extras.SummaryText().contains(QStringLiteral("paid off in the same month.")));

        // Not an amount: marked, told, and no schedule left looking current.
        TypeAndRest(extras, "txtExtraMonthly", "12abc");
        QTRY_COMPARE(LastPayment(extras.Grid()), 0);
        QVERIFY(!Control<QLineEdit>(extras, "txtExtraMonthly")->accessibleDescription().isEmpty());
        QCOMPARE(extras.SummaryText(), quillmere::ExtraSummaryText(quillmere::NoExtraSchedule::PlanToMend));
        QVERIFY(extras.Chart().Data().IsEmpty());
        TypeAndRest(extras, "txtExtraMonthly", "100");
        QTRY_VERIFY(LastPayment(extras.Grid()) > 0);
        QVERIFY(Box(extras, "txtExtraMonthly")->accessibleDescription().isEmpty());
        // A one-time payment past the loan's end is told by its row.
        table->item(0, 0)->setText(QStringLiteral("361"));
        QTRY_COMPARE(LastPayment(extras.Grid()), 0);
        QVERIFY(table->accessibleDescription().startsWith(QStringLiteral("Row 1: ")));
        Control<QTableWidget>(extras, "tblOneTime")->setCurrentCell(0, 0);
        QTest::mouseClick(Control<QPushButton>(extras, "cmdRemoveOneTime"), Qt::LeftButton);
        QTRY_VERIFY(LastPayment(extras.Grid()) > 0);
        QCOMPARE(table->rowCount(), 0);
    }

    // A new calculation recalculates the plan against the new loan; Clear
    // empties the window and says to calculate first.
    void followsCalculateAndClear() {
        Calculate("1000", "3", "12");
        ExtraPaymentsWindow& extras = *OpenWithCtrlE();
        TypeAndRest(extras, "txtExtraMonthly", "400");
        QTRY_COMPARE(LastPayment(extras.Grid()), 2);
        Calculate("250000", "360", "6.5");
        QVERIFY(LastPayment(extras.Grid()) < 360);
        QCOMPARE(Cell(extras.Grid(), 1, kColNotes), "$400.00");
        // Closed, it waits to be shown before it works the new loan out.
        extras.close();
        Calculate("1000", "3", "12");
        QCOMPARE(LastPayment(extras.Grid()), 0);  // not written while closed
        Control<QAction>(*w_, "actExtra")->trigger();
        QCOMPARE(LastPayment(extras.Grid()), 2);
        QTest::mouseClick(c_->cmdClear, Qt::LeftButton);
        QCOMPARE(LastPayment(extras.Grid()), 0);
        QCOMPARE(extras.SummaryText(), quillmere::ExtraSummaryText(quillmere::NoExtraSchedule::NoLoan));
        QCOMPARE(Box(extras, "txtExtraMonthly")->text(), QStringLiteral("400"));  // the plan is kept
    }

    // While the main window writes a long schedule, the window waits and
    // says so; the finished schedule is the one it then follows.
    void waitsForARunningFill() {
        Calculate("1000", "3", "12");
        ExtraPaymentsWindow& extras = *OpenWithCtrlE();
        c_->txtMonths->setText(QStringLiteral("9999"));
        QString duringFill;
        int rowsDuringFill = -1;
        QTimer probe;
        connect(&probe, &QTimer::timeout, this, [&] {
            if (duringFill.isEmpty() && w_->GridStore().Rows() > 500) {
                duringFill = extras.SummaryText();
                extras.Recalculate();  // as if the pause passed mid-fill
                rowsDuringFill = LastPayment(extras.Grid());
            }
        });
        probe.start(0);
        QTest::mouseClick(c_->cmdCalculate, Qt::LeftButton);
        probe.stop();
        QCOMPARE(duringFill, quillmere::ExtraSummaryText(quillmere::NoExtraSchedule::WaitingForFill));
        QCOMPARE(rowsDuringFill, 0);
        QCOMPARE(LastPayment(extras.Grid()), 9999);
    }

    // A recalculation that comes while a one-time cell is being typed into
    // (the pause of an earlier change passing) marks the cells but leaves
    // what is typed in the cell's editor, fresh row or marked one.
    void keepsWhatIsTypedIntoACellDuringARecalculation() {
        Calculate("1000", "3", "12");
        ExtraPaymentsWindow& extras = *OpenWithCtrlE();
        auto* table = Control<QTableWidget>(extras, "tblOneTime");
        QTest::mouseClick(Control<QPushButton>(extras, "cmdAddOneTime"), Qt::LeftButton);
        auto* editor = qobject_cast<QLineEdit*>(QApplication::focusWidget());
        QVERIFY(editor != nullptr);
        QTest::keyClicks(editor, "2");
        extras.Recalculate();
        QCOMPARE(editor->text(), QStringLiteral("2"));

        QTest::keyClick(editor, Qt::Key_Return);
        table->item(0, 1)->setText(QStringLiteral("x"));
        extras.Recalculate();
        const QColor marked = table->item(0, 1)->background().color();
        table->setCurrentCell(0, 1);
        table->editItem(table->item(0, 1));
        editor = qobject_cast<QLineEdit*>(QApplication::focusWidget());
        QVERIFY(editor != nullptr);
        editor->selectAll();
        QTest::keyClicks(editor, "50");
        table->item(0, 0)->setText(QStringLiteral("3"));
        extras.Recalculate();
        QCOMPARE(editor->text(), QStringLiteral("50"));
        QCOMPARE(table->item(0, 1)->background().color(), marked);
        QCOMPARE(LastPayment(extras.Grid()), 0);  // the committed "x" still can't be read
    }

    // Tab from a one-time cell being edited edits the next cell, and from
    // the last one leaves the table for the buttons; Shift+Tab goes back.
    void tabLeavesTheOneTimeTableAfterItsLastCell() {
        Calculate("1000", "3", "12");
        ExtraPaymentsWindow& extras = *OpenWithCtrlE();
        auto* table = Control<QTableWidget>(extras, "tblOneTime");
        QTest::mouseClick(Control<QPushButton>(extras, "cmdAddOneTime"), Qt::LeftButton);
        QTest::keyClicks(QApplication::focusWidget(), "2");
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(table->currentColumn(), 1);
        QTest::keyClicks(QApplication::focusWidget(), "5");
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), Control<QPushButton>(extras, "cmdAddOneTime"));
        QCOMPARE(table->item(0, 0)->text(), QStringLiteral("2"));
        QCOMPARE(table->item(0, 1)->text(), QStringLiteral("5"));

        table->setCurrentCell(0, 0);
        table->editItem(table->item(0, 0));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
        QCOMPARE(QApplication::focusWidget(), Control<QComboBox>(extras, "cboYearlyMonth"));
    }

    // The same menu as the main grid, with Print; the save suggests its own
    // name and its workbook is written.
    void gridMenuCopiesSavesAndPrints() {
        Calculate("1000", "3", "12");
        ExtraPaymentsWindow& extras = *OpenWithCtrlE();
        QStringList entries;
        for (const QAction* action : Control<QMenu>(extras, "gridMenu")->actions()) {
            entries << action->text() + ' ' + action->shortcut().toString();
        }
        QCOMPARE(entries, (QStringList{"Copy Ctrl+C", "Save Schedule As\u2026 Ctrl+S", "Print Preview\u2026 ",
                                       "Print\u2026 Ctrl+P"}));
        const QTemporaryDir dir;
        recorder_->saveAs = dir.filePath(QStringLiteral("extras"));
        extras.GridView().setFocus();
        QTest::keyClick(&extras.GridView(), Qt::Key_S, Qt::ControlModifier);
        QVERIFY(recorder_->saveAsked.at(0).endsWith(QStringLiteral("Loan Payment Schedule with Extra Payments.xlsx")));
        QVERIFY(QFileInfo::exists(dir.filePath(QStringLiteral("extras.xlsx"))));
        QTest::keyClick(&extras.GridView(), Qt::Key_P, Qt::ControlModifier);
        QCOMPARE(recorder_->prints, 1);
        Control<QAction>(extras, "actPreview")->trigger();
        QCOMPARE(recorder_->previews, 1);
        QVERIFY(recorder_->warnings.isEmpty());
    }

    // A payoff on a day its month doesn't have is written as the grid
    // writes it, in the locale's order and digits, the year in full. How
    // much sooner the loan ends is said in years and months, and a lowered
    // payment by the payments right after the first extra and before the last.
    void summaryWritesEveryPayoffDay() {
        quillmere::ExtraPaymentSummary summary;
        summary.withExtras = {{31, 2, 2027}, 3, 20.07};
        summary.withoutExtras = {{5, 11, 2860}, 9999, 1e6};
        const auto text = [&summary](const char* locale) {
            return quillmere::ExtraSummaryText(summary, quillmere::LocaleMoneyFormatter(QLocale(locale)));
        };
        QVERIFY(text("en_US").startsWith(QStringLiteral("With extras: paid off on 2/31/2027 after 3 payments")));
        QVERIFY(text("en_US").contains(QStringLiteral("paid off on 11/5/2860 after 9,999 payments")));
        QVERIFY(text("de_DE").contains(QStringLiteral("31.02.2027")));
        QVERIFY(text("ar_EG").contains(QStringLiteral("\u0663\u0661")));  // the day in Arabic-Indic digits
        // Egypt's pound sign ends in a full stop; a sentence ending on it keeps one.
        QVERIFY(!text("ar_EG").contains(QStringLiteral("..")));
        QVERIFY(text("ar_EG").contains(QStringLiteral("\u0645.")));

        const auto saving = [&](int withExtras, int withoutExtras) {
            summary.withExtras.payments = withExtras;
            summary.withoutExtras.payments = withoutExtras;
            return text("en_US").section(QStringLiteral(" Interest saved: "), 1);
        };
        QCOMPARE(saving(259, 360), QStringLiteral("$999,979.93; paid off 8 years 5 months sooner."));
        QCOMPARE(saving(348, 360), QStringLiteral("$999,979.93; paid off 1 year sooner."));
        QCOMPARE(saving(359, 360), QStringLiteral("$999,979.93; paid off 1 month sooner."));
        summary.paymentAfterFirstExtra = quillmere::NumberedPayment{2, 1573.21};
        QCOMPARE(saving(360, 360), QStringLiteral("$999,979.93; paid off in the same month. "
                                                  "Monthly payment after the first extra: $1,573.21 (payment 2)."));
        summary.paymentBeforeLast = quillmere::NumberedPayment{359, 412.1};
        QVERIFY(
            text("en_US").endsWith(QStringLiteral("Monthly payment after the first extra: $1,573.21 (payment 2); "
                                                  "before the last payment: $412.10 (payment 359).")));
    }
};

QTEST_MAIN(TestExtraPaymentsWindow)
#include "extra_payments_window_test.moc"
