// The Compare Loans window driven through its widgets and the main window's:
// opening it with the main window's loan, offers worked out as they are
// typed, boxes that can't be read in one offer while the others work, the
// table's marks and what a screen reader hears, and what leaves the window
// (the main window's boxes, a schedule, the clipboard, a workbook).
#include <QAccessible>
#include <QAccessibleTableInterface>
#include <QClipboard>
#include <QDateEdit>
#include <QGuiApplication>
#include <QMenu>
#include <QPushButton>
#include <QSpinBox>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>

#include <memory>
#include <optional>

#include "app/accessibility.h"
#include "money/locale_money_formatter.h"
#include "tests/ui/main_window_fixture.h"
#include "ui/chart/offer_chart.h"
#include "ui/common/window_look.h"
#include "ui/compare/compare_loans_window.h"
#include "ui/compare/comparison_model.h"
#include "ui/compare/offer_comparison.h"
#include "ui/compare/offer_form.h"
#include "ui/compare/offer_schedule_window.h"
#include "ui/main/main_window.h"

using quillmere::CompareLoansWindow;
using quillmere::FigureRow;
using quillmere::frmMain;
using quillmere::OfferBox;
using quillmere::OfferForm;

namespace {

// The last row's text in `column` of a schedule grid: its Totals.
QString Totals(const quillmere::ScheduleGrid& grid, int column) {
    return QString::fromStdString(grid.TextMatrix(grid.Rows() - 1, column));
}

}  // namespace

class TestCompareLoansWindow : public MainWindowTest {
    Q_OBJECT

    CompareLoansWindow* OpenWithCtrlL() {
        c_->gridOne->setFocus();
        QTest::keyClick(c_->gridOne, Qt::Key_L, Qt::ControlModifier);
        auto* compare = w_->findChild<CompareLoansWindow*>();
        if (compare != nullptr) (void)QTest::qWaitForWindowExposed(compare);
        return compare;
    }

    // Types into a box as a user would and waits for the pause to pass.
    static void TypeAndRest(CompareLoansWindow& compare, int offer, OfferBox box, const QString& text) {
        QLineEdit& edit = compare.Form().Box(offer, box);
        edit.setFocus();
        edit.selectAll();
        if (text.isEmpty()) {
            QTest::keyClick(&edit, Qt::Key_Delete);
        } else {
            QTest::keyClicks(&edit, text);
        }
        QTest::qWait(static_cast<int>(CompareLoansWindow::kPause.count()) + 100);
    }

    // A cell as a screen reader hears it.
    static QString Cell(const CompareLoansWindow& compare, FigureRow row, int offer) {
        const QAbstractItemModel& model = compare.Comparison();
        return model.data(model.index(static_cast<int>(row), offer), Qt::AccessibleTextRole).toString();
    }

    // The figure without its mark.
    static QString Figure(const CompareLoansWindow& compare, FigureRow row, int offer) {
        return compare.Comparison().Values().rows.at(static_cast<std::size_t>(row)).at(offer).text;
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

    // The grid's menu ends with the new entry; Ctrl+L opens one window whose
    // two offers are the main window's loan, cent for cent, the payment
    // worked out anew; the table has its names for a screen reader.
    void opensWithTheMainWindowsLoan() {
        Calculate("250000", "360", "6.5");
        auto* menu = Control<QMenu>(*w_, "gridMenu");
        QCOMPARE(menu->actions().constLast()->text(), QStringLiteral("Compare Loans\u2026"));
        CompareLoansWindow* compare = OpenWithCtrlL();
        QVERIFY(compare != nullptr);
        QCOMPARE(compare->windowTitle(), QStringLiteral("Compare Loans"));
        QCOMPARE(compare->parentWidget(), w_.get());
        Control<QAction>(*w_, "actCompare")->trigger();
        QCOMPARE(w_->findChildren<CompareLoansWindow*>().size(), 1);

        OfferForm& form = compare->Form();
        QCOMPARE(form.Count(), 2);
        QCOMPARE(form.Box(1, OfferBox::Amount).text(), QStringLiteral("$250,000.00"));
        QCOMPARE(form.Box(1, OfferBox::Rate).text(), QStringLiteral("6.5"));
        QCOMPARE(form.Box(1, OfferBox::Fees).accessibleName(), QStringLiteral("Offer B Fees"));
        QLineEdit& payment = form.Box(0, OfferBox::Payment);
        QCOMPARE(payment.text(), QStringLiteral("$1,580.17"));
        QCOMPARE(form.WorkedOut(0), quillmere::OfferTerm::Payment);
        QCOMPARE(payment.accessibleDescription(), QStringLiteral("worked out"));
        QVERIFY(payment.font().bold());
        QCOMPARE(compare->Horizon().value(), 30);
        QCOMPARE(compare->FirstPayment().date(), QDate(2027, 1, 15));

        QCOMPARE(Cell(*compare, FigureRow::TotalInterest, 0), Totals(w_->GridStore(), quillmere::kColInterest));
        QCOMPARE(Cell(*compare, FigureRow::Payoff, 1), QStringLiteral("12/15/2056"));
        QVERIFY(!Cell(*compare, FigureRow::Payment, 0).contains(QStringLiteral("lowest")));  // a tie marks none
        QCOMPARE(Cell(*compare, FigureRow::LastPayment, 0), QStringLiteral("\u2014"));

        QAccessibleInterface* table = QAccessible::queryAccessibleInterface(&compare->Table());
        QCOMPARE(table->text(QAccessible::Name), QStringLiteral("Comparison"));
        QAccessibleTableInterface* cells = table->tableInterface();
        QVERIFY(cells != nullptr);
        QCOMPARE(cells->rowDescription(static_cast<int>(FigureRow::Apr)), QStringLiteral("APR (with fees)"));
        QCOMPARE(cells->columnDescription(1), QStringLiteral("Offer B"));
        QAccessibleInterface* cell = cells->cellAt(0, 0);
        QCOMPARE(cell->text(QAccessible::Name), QStringLiteral("$1,580.17"));
    }

    // Fees on a lower rate: the APR with fees, the lowest of each row marked
    // in words, the break-even, and the result announced while active.
    void comparesFeesAndFindsTheBreakEven() {
        Calculate("250000", "360", "6.5");
        CompareLoansWindow& compare = *OpenWithCtrlL();
        compare.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&compare));
        TypeAndRest(compare, 1, OfferBox::Rate, QStringLiteral("6.25"));
        TypeAndRest(compare, 1, OfferBox::Fees, QStringLiteral("5000"));
        QCOMPARE(Cell(compare, FigureRow::Apr, 0), QStringLiteral("6.500%"));
        QCOMPARE(Cell(compare, FigureRow::Payment, 1), QStringLiteral("$1,539.29, lowest"));
        QVERIFY(Cell(compare, FigureRow::TotalCost, 1).endsWith(QStringLiteral(", lowest")));
        QVERIFY(Cell(compare, FigureRow::CostsLessFrom, 1).startsWith(QStringLiteral("payment 96 (12/15/2034)")));
        QCOMPARE(
            compare.Comparison().headerData(static_cast<int>(FigureRow::CostsLessFrom), Qt::Vertical, Qt::DisplayRole),
            QStringLiteral("Costs less than Offer A from"));
        QVERIFY(compare.Announced().startsWith(QStringLiteral("Offer B: total cost $")));
        QVERIFY(compare.Announced().endsWith(QStringLiteral(" less than Offer A")));

        if (qEnvironmentVariableIsSet("SHOT")) compare.grab().save(qEnvironmentVariable("SHOT"));
        TypeAndRest(compare, 1, OfferBox::Fees, QStringLiteral("300000"));
        QCOMPARE(Cell(compare, FigureRow::Apr, 1), QStringLiteral("\u2014 (the fees are not below the amount)"));
    }

    // A box that can't be read keeps its offer from figures, marked with its
    // message, while the other offer still works; an empty term is worked
    // out and shown as such until it is typed into; two empty ones say so.
    void badBoxesInOneOfferLeaveTheOthersWorking() {
        Calculate("250000", "360", "6.5");
        CompareLoansWindow& compare = *OpenWithCtrlL();
        OfferForm& form = compare.Form();
        TypeAndRest(compare, 1, OfferBox::Months, QStringLiteral("twelve"));
        QLineEdit& months = form.Box(1, OfferBox::Months);
        QCOMPARE(months.accessibleDescription(), QStringLiteral("Type a whole number of months from 1 to 9,999."));
        QCOMPARE(months.palette().color(QPalette::Base), QColor(255, 228, 225));
        QVERIFY(Cell(compare, FigureRow::Payment, 1).isEmpty());
        QCOMPARE(Cell(compare, FigureRow::Payment, 0), QStringLiteral("$1,580.17"));
        QVERIFY(compare.OfferAt(1) == nullptr);

        // The months worked out from a payment; then typed over, given again.
        TypeAndRest(compare, 1, OfferBox::Months, QString());
        TypeAndRest(compare, 1, OfferBox::Payment, QStringLiteral("2000"));
        QCOMPARE(form.WorkedOut(1), quillmere::OfferTerm::Months);
        QCOMPARE(months.text(), QStringLiteral("210"));
        QCOMPARE(months.accessibleDescription(), QStringLiteral("worked out"));
        TypeAndRest(compare, 1, OfferBox::Months, QStringLiteral("240"));
        QCOMPARE(form.WorkedOut(1), quillmere::OfferTerm::Payment);  // none empty: the payment anew
        QVERIFY(!months.font().bold());

        TypeAndRest(compare, 1, OfferBox::Amount, QString());  // the payment, worked out, is empty too
        QVERIFY(compare.OfferAt(1) == nullptr);
        QCOMPARE(Control<QLabel>(compare, "lblOfferProblem1")->text(),
                 QStringLiteral("Fill in the amount or the monthly payment: only one of them can be worked out."));
        TypeAndRest(compare, 1, OfferBox::Amount, QStringLiteral("250000"));
        TypeAndRest(compare, 1, OfferBox::Months, QString());
        TypeAndRest(compare, 1, OfferBox::Payment, QStringLiteral("100"));
        QVERIFY(compare.OfferAt(1) == nullptr);  // $100 a month never repays it
        QCOMPARE(Control<QLabel>(compare, "lblOfferProblem1")->text(),
                 QStringLiteral("A payment of $100.00 does not cover the interest of $1,354.17 a month"));
        QVERIFY(compare.OfferAt(0) != nullptr);
    }

    // Add copies the last offer, up to six; Remove takes the current one.
    // Use in Main Window calculates the offer there; Show Schedule opens its
    // schedule, whose Totals are the offer's.
    void offersComeGoAndLeaveTheWindow() {
        Calculate("250000", "360", "6.5");
        CompareLoansWindow& compare = *OpenWithCtrlL();
        compare.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&compare));
        OfferForm& form = compare.Form();
        TypeAndRest(compare, 1, OfferBox::Months, QStringLiteral("180"));
        const auto button = [&compare](const QString& text) {
            for (auto* b : compare.findChildren<QPushButton*>()) {
                if (b->text() == text) return b;
            }
            return static_cast<QPushButton*>(nullptr);
        };
        for (int i = 0; i < 5; ++i) button(QStringLiteral("&Add Offer"))->click();
        QCOMPARE(form.Count(), OfferForm::kMostOffers);
        QCOMPARE(form.Name(5), QStringLiteral("Offer F"));
        QCOMPARE(form.Box(5, OfferBox::Months).text(), QStringLiteral("180"));
        QCOMPARE(compare.Comparison().columnCount(), 6);
        form.Box(2, OfferBox::Amount).setFocus();
        button(QStringLiteral("&Remove Offer"))->click();
        QCOMPARE(form.Count(), 5);
        QCOMPARE(form.Box(4, OfferBox::Fees).accessibleName(), QStringLiteral("Offer F Fees"));

        compare.ShowSchedule(1);
        quillmere::OfferScheduleWindow* schedule = compare.ScheduleWindow();
        QVERIFY(schedule != nullptr);
        QCOMPARE(schedule->windowTitle(), QStringLiteral("Offer B Schedule"));
        QCOMPARE(Totals(schedule->Grid(), quillmere::kColInterest), Figure(compare, FigureRow::TotalInterest, 1));

        compare.UseInMainWindow(1);
        QCOMPARE(c_->txtMonths->text(), QStringLiteral("180"));
        QCOMPARE(Totals(w_->GridStore(), quillmere::kColInterest), Figure(compare, FigureRow::TotalInterest, 1));
        // The rate box holds five characters: a rate is rounded to them, not cut.
        TypeAndRest(compare, 1, OfferBox::Rate, QStringLiteral("12.5061"));
        compare.UseInMainWindow(1);
        QCOMPARE(c_->txtRate->text(), QStringLiteral("12.51"));
    }

    // Ctrl+C in the table copies every figure; Save Comparison… writes a
    // workbook, adding the extension typed without.
    void copiesAndSavesTheComparison() {
        Calculate("250000", "360", "6.5");
        CompareLoansWindow& compare = *OpenWithCtrlL();
        compare.Table().setFocus();
        QTest::keyClick(&compare.Table(), Qt::Key_C, Qt::ControlModifier);
        const QString copied = QGuiApplication::clipboard()->text();
        QVERIFY2(copied.startsWith(QStringLiteral("\tOffer A\tOffer B\nMonthly payment\t$1,580.17\t$1,580.17\n")),
                 qPrintable(copied));

        QTemporaryDir folder;
        recorder_->saveAs = folder.filePath(QStringLiteral("offers"));
        compare.SaveComparison();
        QVERIFY2(recorder_->warnings.isEmpty(), qPrintable(recorder_->warnings.join('\n')));
        QVERIFY(QFileInfo(folder.filePath(QStringLiteral("offers.xlsx"))).size() > 0);
    }
};

QTEST_MAIN(TestCompareLoansWindow)
#include "compare_loans_window_test.moc"
